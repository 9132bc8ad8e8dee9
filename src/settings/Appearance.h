// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// The script's look and the reading line's colour, as the prompter shows them and keeps them between
// runs.
namespace appearance {

struct Appearance
{
    qint32 lForeColor = 0;
    QString sFontName;
    bool bFontBold = false;
    bool bFontItalic = false;
    double dFontSize = 0; // points; stored rounded (storedFontSize)
    bool bFontStrikethrough = false;
    bool bFontUnderline = false;
    qint32 lBackColor = 0;
    qint32 lLineColor = 0;
};

// A font size in whole points as it is stored: to nearest, halves to the even neighbour (10.5 is 10,
// 11.5 is 12), held within 16 bits.
qint16 storedFontSize(double points);

} // namespace appearance
