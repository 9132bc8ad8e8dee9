#include "settings/StoreFile.h"

#include "common/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

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
        const qsizetype start = pos;
        const qsizetype nl = file.indexOf('\n', pos);
        const qsizetype end = nl < 0 ? file.size() : nl + 1;
        qsizetype contentEnd = nl < 0 ? file.size() : nl;
        if (contentEnd > start && file[contentEnd - 1] == '\r')
            --contentEnd;
        if (firstLine && nl >= 0) {
            place.newline = contentEnd < nl ? "\r\n" : "\n";
            firstLine = false;
        }
        pos = end;

        const QByteArrayView line = trimBlanks(file.sliced(start, contentEnd - start));
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            inSection = sameName(trimBlanks(line.sliced(1, (close < 0 ? line.size() : close) - 1)), section);
            if (inSection) {
                place.insertAt = end;
                place.insertAfterNewline = nl >= 0;
            }
            continue;
        }
        if (!inSection || line.isEmpty() || line.front() == ';' || line.front() == '#')
            continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        place.insertAt = end;
        place.insertAfterNewline = nl >= 0;
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
        if (!file.isEmpty() && !file.endsWith('\n'))
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

std::optional<QByteArray> load(const QString &path)
{
    RegularFileRead r = readRegularFile(path, kMaxStoreBytes);
    switch (r.status) {
    case RegularFileRead::Ok:
        return std::move(r.data);
    case RegularFileRead::Absent:
        return QByteArray();
    default:
        return std::nullopt;
    }
}

bool save(const QString &path, QByteArrayView content)
{
    const QString dir = QFileInfo(path).path();
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content.data(), content.size()) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace storefile
