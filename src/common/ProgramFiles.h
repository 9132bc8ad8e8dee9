// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

namespace programfiles {

// A file that ships with the program: beside the executable in a build tree, else in the installed
// data folder (../share/cuescroll), else the place beside the executable where it would be.
QString locate(const QString &name);

// The address the Help action opens for the site's help link: a file beside the program when one is
// there, a Windows path as a file, else the address as a browser's address bar reads it. Only web and
// file addresses are passed on; any other scheme gives an invalid URL.
QUrl helpAddress(const QString &link, const QString &programDir);

} // namespace programfiles
