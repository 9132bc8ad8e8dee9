// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/IniFile.h"

#include "common/Platform.h"
#include "documents/TextDecoding.h"

namespace inifile {

namespace {

// Only spaces and tabs: other characters around a value belong to it.
QStringView trimBlanks(QStringView s)
{
    while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
        s = s.sliced(1);
    while (!s.isEmpty() && (s.back() == u' ' || s.back() == u'\t'))
        s.chop(1);
    return s;
}

QStringView nextLine(QStringView text, qsizetype &pos)
{
    const qsizetype start = pos;
    while (pos < text.size() && text[pos] != u'\n' && text[pos] != u'\r')
        ++pos;
    const QStringView line = text.sliced(start, pos - start);
    if (pos < text.size() && text[pos] == u'\r')
        ++pos;
    if (pos < text.size() && text[pos] == u'\n')
        ++pos; // LF alone, or the second half of CR LF
    return line;
}

QString cut(QStringView value, int maxChars)
{
    if (maxChars <= 0)
        return {};
    if (value.size() <= maxChars)
        return value.toString();
    qsizetype n = maxChars;
    if (value[n - 1].isHighSurrogate() && value[n].isLowSurrogate())
        --n; // never leave half a character behind
    return value.first(n).toString();
}

} // namespace

QString readValue(const QString &filePath, const QString &section, const QString &key, int maxChars)
{
    const RegularFileRead file = readRegularFile(filePath, kMaxIniBytes);
    if (file.status != RegularFileRead::Ok)
        return {};
    return valueIn(file.data, section, key, maxChars);
}

QString valueIn(QByteArrayView data, QStringView section, QStringView key, int maxChars)
{
    // Saved by whatever editor was at hand: the detection plain-text scripts get.
    const QString text = textcodec::decodeText(data);

    bool inSection = false;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QStringView line = trimBlanks(nextLine(text, pos));
        if (line.startsWith(u'[')) {
            // Only the first section of that name is searched.
            if (inSection)
                return {};
            const qsizetype close = line.indexOf(u']');
            const QStringView name = trimBlanks(line.sliced(1, (close < 0 ? line.size() : close) - 1));
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection || line.startsWith(u';'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || trimBlanks(line.first(eq)).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QStringView value = trimBlanks(line.sliced(eq + 1));
        if (value.size() >= 2 && value.front() == value.back() &&
            (value.front() == u'"' || value.front() == u'\''))
            value = value.sliced(1, value.size() - 2);
        return cut(value, maxChars);
    }
    return {};
}

} // namespace inifile
