// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLabel;

namespace a11y {

// A label whose caption is a changing value under a fixed accessible name (a countdown, a count):
// assistive technology hears the name and, as its description, the caption it shows now, and is
// told when the shown caption changes.
void exposeCaption(QLabel *label);

// A label whose changing caption says all there is ("Leading 2 prompters"): the caption is its
// accessible name, and assistive technology is told when it changes.
void nameIsCaption(QLabel *label);

} // namespace a11y
