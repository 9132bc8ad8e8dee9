// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/StoreFile.h"

#include "common/Platform.h"
#include "settings/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace storefile {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimBlanks(QByteArrayView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

bool sameName(QByteArrayView stored, QStringView wanted)
{
    return QString::fromUtf8(stored).compare(wanted, Qt::CaseInsensitive) == 0;
}

// Where a key's value lies, or where a new key of the section would go.
struct Place
{
    qsizetype valueStart = -1; // the key's line: its value runs from here to valueEnd
    qsizetype valueEnd = -1;
    qsizetype insertAt = -1; // after the last key (or header) of the section; -1: no section
    bool insertAfterNewline = true;
    QByteArray newline = "\n";
};

Place locate(QByteArrayView file, QStringView section, QStringView key)
{
    Place place;
    bool inSection = section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0;
    qsizetype pos = file.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    bool firstLine = true;
    while (pos < file.size()) {
        // Lines end in LF, CR LF or a lone CR, as each editor that touched the file left them.
        const qsizetype start = pos;
        qsizetype contentEnd = start;
        while (contentEnd < file.size() && file[contentEnd] != '\n' && file[contentEnd] != '\r')
            ++contentEnd;
        const bool ended = contentEnd < file.size();
        qsizetype end = contentEnd;
        if (ended)
            end += file[contentEnd] == '\r' && end + 1 < file.size() && file[end + 1] == '\n' ? 2 : 1;
        if (firstLine && ended) {
            place.newline = file.sliced(contentEnd, end - contentEnd).toByteArray();
            firstLine = false;
        }
        pos = end;

        const QByteArrayView line = trimBlanks(file.sliced(start, contentEnd - start));
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            inSection = sameName(trimBlanks(line.sliced(1, (close < 0 ? line.size() : close) - 1)), section);
            if (inSection) {
                place.insertAt = end;
                place.insertAfterNewline = ended;
            }
            continue;
        }
        if (!inSection || line.isEmpty() || line.front() == ';' || line.front() == '#')
            continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        place.insertAt = end;
        place.insertAfterNewline = ended;
        if (sameName(trimBlanks(line.first(eq)), key)) {
            qsizetype v = (line.data() - file.data()) + eq + 1;
            while (v < contentEnd && isBlank(file[v]))
                ++v;
            place.valueStart = v;
            place.valueEnd = contentEnd;
            return place;
        }
    }
    return place;
}

QByteArray keyLine(QStringView key, QStringView value)
{
    return key.toUtf8() + '=' + encodeValue(value);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

std::optional<QString> findValue(QByteArrayView file, QStringView section, QStringView key)
{
    const Place place = locate(file, section, key);
    if (place.valueStart < 0)
        return std::nullopt;
    return decodeValue(file.sliced(place.valueStart, place.valueEnd - place.valueStart));
}

QByteArray setValue(QByteArrayView file, QStringView section, QStringView key, QStringView value)
{
    const Place place = locate(file, section, key);
    QByteArray out;
    out.reserve(file.size() + key.size() + value.size() * 3 + 32);
    if (place.valueStart >= 0) {
        out += file.first(place.valueStart);
        out += encodeValue(value);
        out += file.sliced(place.valueEnd);
    } else if (place.insertAt >= 0) {
        out += file.first(place.insertAt);
        if (!place.insertAfterNewline)
            out += place.newline;
        out += keyLine(key, value) + place.newline;
        out += file.sliced(place.insertAt);
    } else {
        out += file;
        if (!file.isEmpty() && !file.endsWith('\n') && !file.endsWith('\r'))
            out += place.newline;
        out += '[' + section.toUtf8() + ']' + place.newline + keyLine(key, value) + place.newline;
    }
    return out;
}

QByteArray encodeValue(QStringView value)
{
    QString text;
    text.reserve(value.size() + 8);
    // A leading "@" marked a typed value in earlier versions; doubled, it reads as plain text.
    if (value.startsWith(u'@'))
        text += u'@';
    bool quote = !value.isEmpty() && (value.front() == u' ' || value.back() == u' ');
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"':
        case u'\\':
            text += u'\\';
            text += c;
            break;
        case u'\n':
            text += QLatin1String("\\n");
            break;
        case u'\r':
            text += QLatin1String("\\r");
            break;
        case u'\t':
            text += QLatin1String("\\t");
            break;
        case u';':
        case u',':
        case u'=':
            quote = true;
            text += c;
            break;
        default:
            if (u < 0x20 || u == 0x7F)
                text += QStringLiteral("\\x%1").arg(uint(u), 4, 16, QLatin1Char('0'));
            else
                text += c;
        }
    }
    if (quote)
        text = u'"' + text + u'"';
    return text.toUtf8();
}

QString decodeValue(QByteArrayView stored)
{
    // A byte order mark inside a value is part of it.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString raw = utf8(trimBlanks(stored));
    QString out;
    out.reserve(raw.size());
    qsizetype i = 0;
    bool quoted = raw.startsWith(u'"');
    if (quoted)
        ++i;
    while (i < raw.size()) {
        const QChar c = raw[i++];
        if (quoted && c == u'"')
            break;
        if (c != u'\\' || i == raw.size()) {
            out += c;
            continue;
        }
        const QChar e = raw[i++];
        switch (e.unicode()) {
        case u'a':
            out += QChar(0x07);
            break;
        case u'b':
            out += QChar(0x08);
            break;
        case u'f':
            out += QChar(0x0C);
            break;
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        case u't':
            out += u'\t';
            break;
        case u'v':
            out += QChar(0x0B);
            break;
        case u'x': {
            char16_t code = 0;
            int digits = 0;
            for (int d; digits < 4 && i < raw.size() && (d = hexDigit(raw[i])) >= 0; ++digits, ++i)
                code = char16_t(code * 16 + d);
            out += digits ? QChar(code) : e;
            break;
        }
        default:
            out += e; // \" \\ \' \? and anything unknown: the character itself
        }
    }
    if (out.startsWith(QLatin1String("@@")))
        out.remove(0, 1);
    return out;
}

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("storefile", text);
}

QByteArray encoded(QByteArrayView text, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return text.toByteArray();
    const bool le = encoding == Encoding::Utf16LE;
    QStringEncoder encoder(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    return QByteArray(le ? "\xFF\xFE" : "\xFE\xFF") + QByteArray(encoder(QString::fromUtf8(text)));
}

Loaded read(const QString &path)
{
    Loaded out;
    RegularFileRead r = readRegularFile(path, kMaxStoreBytes);
    switch (r.status) {
    case RegularFileRead::Ok:
        break;
    case RegularFileRead::Absent:
        out.text = QByteArray();
        return out;
    case RegularFileRead::TooLarge:
        out.problem = tr("it is larger than %1 bytes and was left as it is").arg(kMaxStoreBytes);
        return out;
    case RegularFileRead::NotRegular:
        out.problem = tr("it is not a regular file");
        return out;
    case RegularFileRead::NoPermission:
        out.problem = tr("it may not be read");
        return out;
    case RegularFileRead::Unreadable:
        out.problem = r.detail;
        return out;
    }
    QByteArray text = std::move(r.data);
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF")) {
        out.encoding = text.startsWith("\xFF\xFE") ? Encoding::Utf16LE : Encoding::Utf16BE;
        QStringDecoder decoder(out.encoding == Encoding::Utf16LE ? QStringConverter::Utf16LE
                                                                 : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless);
        const QByteArray utf8 = QString(decoder(QByteArrayView(text).sliced(2))).toUtf8();
        // Broken UTF-16 would come back changed: such a store is left alone.
        if (encoded(utf8, out.encoding) != text) {
            out.problem = tr("it is UTF-16 text that could not be written back unchanged");
            return out;
        }
        text = utf8;
    }
    // UTF-16 without a byte order mark, UTF-32 or no text at all: a key added in UTF-8 would be lost.
    if (text.contains('\0')) {
        out.problem = tr("it is not in an encoding Cuescroll can write back (UTF-8, UTF-16 with a byte "
                         "order mark or a single-byte code page)");
        return out;
    }
    out.text = std::move(text);
    return out;
}

FileWrite write(const QString &path, QByteArrayView text, Encoding encoding)
{
    FileWrite out;
    const QByteArray bytes = encoded(text, encoding);
    if (bytes.size() > kMaxStoreBytes) {
        out.status = FileWrite::Failed;
        out.detail = tr("it would grow beyond the %1 bytes a settings file may hold").arg(kMaxStoreBytes);
        return out;
    }
    const QString dir = QFileInfo(path).path();
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir)) {
        out.status = FileWrite::Failed;
        out.detail = tr("its folder could not be made");
        return out;
    }
    // It may hold the remote control's token: a new one is the user's alone.
    return writeFileSafely(path, bytes, NewFile::Private);
}

} // namespace

Loaded open(const QString &path)
{
    Loaded out = read(path);
    if (!out.text)
        qCInfo(lcSettings).noquote() << "store" << path << "left alone -" << out.problem;
    else
        qCDebug(lcSettings).noquote() << "store" << path << "read:" << out.text->size() << "bytes";
    return out;
}

std::optional<QByteArray> load(const QString &path)
{
    return open(path).text;
}

FileWrite save(const QString &path, QByteArrayView text, Encoding encoding)
{
    FileWrite out = write(path, text, encoding);
    if (!out.ok())
        qCInfo(lcSettings).noquote() << "store" << path << "not saved -" << out.detail;
    return out;
}

} // namespace storefile
