// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

namespace remote {

// The text as a QR code, black on white with its quiet zone, `scale` pixels a module; null when
// the text is too long for one.
QImage qrCode(const QString &text, int scale = 4);

} // namespace remote
