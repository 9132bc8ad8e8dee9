// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/NumericText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace numtext {

namespace {

bool isBlank(QChar c)
{
    // A carriage return is not among them: it ends the number.
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Walks the text one significant character at a time, blanks never counting.
class Cursor
{
public:
    explicit Cursor(QStringView text) : m_text(text) { skipBlanks(); }

    QChar peek() const { return m_pos < m_text.size() ? m_text[m_pos] : QChar(); }
    void next()
    {
        ++m_pos;
        skipBlanks();
    }
    bool take(char16_t c)
    {
        if (peek() != c)
            return false;
        next();
        return true;
    }
    bool takeEither(char16_t a, char16_t b) { return take(a) || take(b); }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

int digitValue(QChar c, int radix)
{
    const char16_t u = c.unicode();
    int d = -1;
    if (u >= u'0' && u <= u'9')
        d = u - u'0';
    else if (u >= u'a' && u <= u'f')
        d = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        d = u - u'A' + 10;
    return d < radix ? d : -1;
}

// After "&H" / "&O". Up to 32 bits the digits are a two's-complement pattern (so "&HFFFFFFFF" is -1);
// anything wider keeps its full size so that range checks reject it rather than see a wrapped value.
Number parseRadix(Cursor &cur, int radix)
{
    quint64 bits = 0;
    double wide = 0;
    bool isWide = false;
    bool found = false;
    for (int d; (d = digitValue(cur.peek(), radix)) >= 0; cur.next()) {
        found = true;
        if (isWide) {
            wide = wide * radix + d;
            continue;
        }
        bits = bits * unsigned(radix) + unsigned(d);
        if (bits > 0xFFFFFFFFu) {
            isWide = true;
            wide = double(bits);
        }
    }
    cur.take(u'&');
    if (isWide)
        return {wide, true};
    return {double(qint32(quint32(bits))), found};
}

int asciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9' ? c.unicode() - u'0' : -1;
}

Number parseDecimal(Cursor &cur)
{
    std::string number; // sign, mantissa and exponent without blanks, for an exact conversion
    const bool negative = cur.peek() == u'-';
    if (negative || cur.peek() == u'+')
        cur.next();
    bool found = false;
    bool significant = false;
    int magnitude = 0; // order of magnitude, to tell an overflow from an underflow
    for (int d; (d = asciiDigit(cur.peek())) >= 0; cur.next()) {
        significant = significant || d != 0;
        magnitude += significant;
        number += char('0' + d);
        found = true;
    }
    if (cur.take(u'.')) {
        number += '.';
        for (int d; (d = asciiDigit(cur.peek())) >= 0; cur.next()) {
            significant = significant || d != 0;
            magnitude -= !significant;
            number += char('0' + d);
            found = true;
        }
    }
    if (!found)
        return {};

    // An exponent counts only when digits follow it; clamping a huge one changes nothing.
    if (cur.takeEither(u'E', u'e')) {
        const bool negativeExp = cur.peek() == u'-';
        if (negativeExp || cur.peek() == u'+')
            cur.next();
        int exponent = 0;
        bool expDigits = false;
        for (int d; (d = asciiDigit(cur.peek())) >= 0; cur.next()) {
            exponent = std::min(exponent * 10 + d, 1000000);
            expDigits = true;
        }
        if (expDigits) {
            exponent = negativeExp ? -exponent : exponent;
            magnitude += exponent;
            number += 'e' + std::to_string(exponent);
        }
    }

    double v = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), v).ec == std::errc::result_out_of_range)
        v = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return {negative ? -v : v, true};
}

template <typename Int> std::optional<Int> roundTo(QStringView text)
{
    // nearbyint rather than qRound: halves go to the even neighbour, as stored values always have.
    const double r = std::nearbyint(parse(text).value);
    if (!(r >= double(std::numeric_limits<Int>::min()) && r <= double(std::numeric_limits<Int>::max())))
        return std::nullopt;
    return Int(r);
}

} // namespace

Number parse(QStringView text)
{
    Cursor cur(text);
    if (cur.take(u'&')) {
        if (cur.takeEither(u'H', u'h'))
            return parseRadix(cur, 16);
        if (cur.takeEither(u'O', u'o'))
            return parseRadix(cur, 8);
        return {};
    }
    return parseDecimal(cur);
}

std::optional<qint32> toInt32(QStringView text)
{
    return roundTo<qint32>(text);
}

std::optional<qint16> toInt16(QStringView text)
{
    return roundTo<qint16>(text);
}

std::optional<bool> toBool(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    const Number n = parse(t);
    if (!n.found)
        return std::nullopt;
    return n.value != 0;
}

} // namespace numtext
