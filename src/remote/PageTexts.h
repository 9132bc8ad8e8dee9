// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace remote {

// The phone page with its words in the prompter's language: every {{name}} in it becomes that text,
// escaped for HTML, and the page's lang attribute names the language.
QByteArray localizePage(QByteArray html);

} // namespace remote
