// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPainter>
#include <QString>
#include <QStringList>

// Cuescroll's own 16x16 artwork, drawn in code so it stays crisp at any scale.
namespace icons {

// The prompter's image list, in its design order ("" for the four unnamed slots):
// "Stop", "Help", "Cancel", "JumpTo", "Unmark", "ClearAll", "Edit", "Mark", "Exit", "Down", "Up",
// "Options", "FullScreen", "", "", "", "", "Start", "Reset".
QStringList toolKeys();
QIcon tool(const QString &key);

// The editor's image list: "Cancel", "Clear", "Done", "Save", "Open".
QStringList editorKeys();
QIcon editor(const QString &key);

// The window icon.
QIcon app();
// The window icon's drawing on a 16-unit square, for renderings outside the program (desktop icons).
void paintApp(QPainter &painter);

} // namespace icons
