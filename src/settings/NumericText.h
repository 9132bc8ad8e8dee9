// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

// The numeric value of a stored text: blanks, tabs and line feeds are skipped wherever they stand;
// "&H" / "&O" (either case) introduce hexadecimal / octal digits, optionally closed by "&";
// otherwise an optional sign, digits with an optional decimal point and exponent. Reading stops at
// the first character that does not fit; a text with no number at its start has the value 0.
namespace numtext {

struct Number
{
    double value = 0;
    bool found = false; // some digits were read
};

Number parse(QStringView text);
inline double value(QStringView text)
{
    return parse(text).value;
}

// The value rounded to nearest (ties to even); nothing when it does not fit the type.
std::optional<qint32> toInt32(QStringView text);
std::optional<qint16> toInt16(QStringView text);

// "True" / "False" in any case, else a number (zero is false); nothing when the text is neither.
std::optional<bool> toBool(QStringView text);

} // namespace numtext
