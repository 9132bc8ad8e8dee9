// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/Documents.h"

#include "common/Platform.h"
#include "documents/Log.h"
#include "documents/Rtf.h"
#include "documents/TextDecoding.h"

#include <QCoreApplication>
#include <QFile>

#include <utility>

namespace documents {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("documents", text);
}

bool startsWith(QByteArrayView data, QByteArrayView prefix)
{
    return data.size() >= prefix.size() && data.first(prefix.size()) == prefix;
}

bool hasUtf16Bom(QByteArrayView data)
{
    return startsWith(data, "\xFF\xFE") || startsWith(data, "\xFE\xFF");
}

} // namespace

const char *kindName(Kind kind)
{
    switch (kind) {
    case Kind::PlainText:
        return "plain text";
    case Kind::Rtf:
        return "Rich Text";
    case Kind::WordBinary:
        return "Word 97-2003";
    case Kind::Zip:
        return "zip package";
    }
    return "?";
}

Kind detectKind(QByteArrayView head)
{
    if (startsWith(head, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return Kind::WordBinary;
    if (startsWith(head, "PK\x03\x04"))
        return Kind::Zip;
    if (rtf::looksLikeRtf(head))
        return Kind::Rtf;
    return Kind::PlainText;
}

QString describe(const Result &result)
{
    QString reason;
    switch (result.error) {
    case Error::None:
        return {};
    case Error::NotFound:
        reason = tr("the file does not exist");
        break;
    case Error::NotAFile:
        reason = tr("it is a folder or a device, not a file");
        break;
    case Error::NoPermission:
        reason = tr("you do not have permission to read it");
        break;
    case Error::Unreadable:
        reason = tr("it cannot be read");
        break;
    case Error::Empty:
        reason = tr("the file is empty");
        break;
    case Error::TooLarge:
        reason =
            tr("its text is larger than %1 MB, too large for a script").arg(kMaxTextBytes / (1024 * 1024));
        break;
    case Error::TooManyParagraphs:
        reason = tr("its text has more than %L1 paragraphs, too many for a script").arg(kMaxParagraphs);
        break;
    case Error::NotText:
        reason = tr("it is neither text nor a document Cuescroll can read");
        break;
    case Error::NotATextDocument:
        reason = tr("it is a packed file but not a text document (.docx or .odt)");
        break;
    case Error::Damaged:
        reason = tr("the document is damaged");
        break;
    case Error::UnpackedTooLarge:
        reason = tr("it would unpack to more than %1 MB; the document is damaged or harmful")
                     .arg(kMaxUnpackedBytes / (1024 * 1024));
        break;
    case Error::ConverterMissing:
        reason = tr("the Word document converter “antiword” is not installed; install the Debian package "
                    "“antiword” (sudo apt install antiword)");
        break;
    case Error::ConverterCrashed:
        reason = tr("the converter “antiword” crashed on it; the document is probably damaged");
        break;
    case Error::ConverterTimedOut:
        reason = tr("the converter “antiword” did not finish in time");
        break;
    case Error::ConverterFailed:
        reason = tr("the converter “antiword” could not read it");
        break;
    case Error::Cancelled:
        reason = tr("reading was cancelled");
        break;
    case Error::WriteFailed:
        reason = tr("it could not be written");
        break;
    }
    if (!result.detail.isEmpty())
        reason = tr("%1 (%2)").arg(reason, result.detail);
    return reason;
}

qsizetype countParagraphs(QByteArrayView data)
{
    qsizetype n = 1;
    for (qsizetype i = 0; i < data.size(); ++i) {
        // A CR followed by LF (in one byte or the next code unit of UTF-16) is one line end.
        if (data[i] == '\n')
            ++n;
        else if (data[i] == '\r' && !(i + 1 < data.size() && data[i + 1] == '\n') &&
                 !(i + 2 < data.size() && data[i + 1] == '\0' && data[i + 2] == '\n') &&
                 !(i + 3 < data.size() && data[i + 1] == '\0' && data[i + 2] == '\0' && data[i + 3] == '\n'))
            ++n;
    }
    return n;
}

bool TextLimit::add(QStringView text)
{
    if (!within())
        return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x80 && m_open) { // most of any text: more of a line already counted
            m_afterHigh = false;
            if (++m_bytes > m_maxBytes)
                return check();
            continue;
        }
        if (!unit(u))
            return false;
    }
    return true;
}

bool TextLimit::add(QChar c, qsizetype count)
{
    const char16_t u = c.unicode();
    if (u < 0x80 && u >= 0x20) { // the common case, spaces, without a loop
        m_bytes += count;
        m_open = m_open || count > 0;
        m_afterCr = m_afterCr && count == 0;
        m_afterHigh = m_afterHigh && count == 0;
        return check();
    }
    for (qsizetype i = 0; i < count; ++i) {
        if (!unit(u))
            return false;
    }
    return within();
}

bool TextLimit::unit(char16_t u)
{
    if (!within())
        return false;
    const bool afterCr = std::exchange(m_afterCr, false);
    const bool afterHigh = std::exchange(m_afterHigh, false);
    switch (u) {
    case u'\n':
        if (afterCr)
            return true; // the CR counted it
        [[fallthrough]];
    case u'\r':
    case u'\v':
    case u'\f':
    case QChar::LineSeparator:
    case QChar::ParagraphSeparator:
        m_afterCr = u == u'\r';
        ++m_breaks;
        ++m_bytes;
        m_open = false;
        return check();
    default:
        break;
    }
    m_open = true;
    if (u < 0x80)
        m_bytes += 1;
    else if (u < 0x800)
        m_bytes += 2;
    else if (QChar::isLowSurrogate(u) && afterHigh)
        m_bytes += 1; // with its high surrogate's 3: four bytes
    else
        m_bytes += 3; // a lone surrogate is saved as U+FFFD
    m_afterHigh = QChar::isHighSurrogate(u);
    return check();
}

bool TextLimit::check()
{
    if (m_error != Error::None)
        return false;
    if (m_bytes > m_maxBytes)
        m_error = Error::TooLarge;
    else if (paragraphs() > m_maxParagraphs)
        m_error = Error::TooManyParagraphs;
    return within();
}

Error checkTextLimits(QStringView text)
{
    TextLimit limit;
    limit.add(text);
    return limit.error();
}

TextResult plainText(QByteArrayView data)
{
    TextResult r;
    r.text = textcodec::decodeText(data);
    TextLimit limit;
    if (!limit.add(r.text)) {
        r.error = limit.error();
        r.text.clear();
        return r;
    }
    qCDebug(lcDocuments) << "plain text:" << limit.bytes() << "bytes as saved," << limit.paragraphs()
                         << "paragraphs";
    // Saving ends the text with a line end; opening takes it off again, so the text does not grow an
    // empty paragraph each time it is saved and opened.
    if (r.text.endsWith(QLatin1String("\r\n")))
        r.text.chop(2);
    else if (!r.text.isEmpty() && (r.text.back() == QLatin1Char('\n') || r.text.back() == QLatin1Char('\r')))
        r.text.chop(1);
    return r;
}

namespace {

FileData readScriptFileUnlogged(const QString &path)
{
    FileData out;
    // One non-blocking open of whatever lies at the path now: the file may have changed since the
    // operator chose it, into another file, a folder or a pipe that nobody writes to.
    RegularFileRead file = readRegularFile(path, kMaxFileBytes);
    switch (file.status) {
    case RegularFileRead::Ok:
        break;
    case RegularFileRead::Absent:
        out.error = Error::NotFound;
        return out;
    case RegularFileRead::NotRegular:
        out.error = Error::NotAFile;
        return out;
    case RegularFileRead::TooLarge:
        out.error = Error::TooLarge;
        out.detail = tr("the file holds more than %1 MB").arg(kMaxFileBytes / (1024 * 1024));
        return out;
    case RegularFileRead::NoPermission:
        out.error = Error::NoPermission;
        return out;
    case RegularFileRead::Unreadable:
        out.error = Error::Unreadable;
        out.detail = file.detail;
        return out;
    }
    out.data = std::move(file.data);
    if (out.data.isEmpty()) {
        out.error = Error::Empty;
        return out;
    }
    out.kind = detectKind(out.data);
    if (out.kind == Kind::PlainText && !hasUtf16Bom(out.data) && !textcodec::utf16WithoutBom(out.data) &&
        out.data.contains('\0')) {
        out.error = Error::NotText;
        out.data.clear();
    } else if (out.kind == Kind::PlainText) {
        TextResult text = plainText(out.data);
        static_cast<Result &>(out) = text;
        out.text = std::move(text.text);
        if (!out.ok())
            out.data.clear();
    }
    return out;
}

} // namespace

FileData readScriptFile(const QString &path)
{
    FileData out = readScriptFileUnlogged(path);
    if (!out.ok())
        qCInfo(lcDocuments).noquote() << "refused" << path << "-" << describe(out);
    else
        qCDebug(lcDocuments).noquote()
            << "read" << path << "-" << QString::fromLatin1(kindName(out.kind)) + QLatin1Char(',')
            << out.data.size() << "bytes";
    return out;
}

Result WriteTextFile(const QString &path, const QString &text)
{
    Result out;
    // Whatever is saved must open again: a text over the limits of opening is refused before any write.
    const QString saved = text + QStringLiteral("\r\n");
    if (const Error beyond = checkTextLimits(saved); beyond != Error::None) {
        out.error = Error::WriteFailed;
        out.detail = describe(Result{beyond, {}});
        qCInfo(lcDocuments).noquote() << "not saved" << path << "-" << out.detail;
        return out;
    }
    const FileWrite written = writeFileSafely(path, saved.toUtf8());
    if (!written.ok()) {
        out.error = Error::WriteFailed;
        out.detail = written.detail;
        qCInfo(lcDocuments).noquote() << "saving" << path << "failed -" << out.detail;
    } else {
        qCDebug(lcDocuments).noquote() << "saved" << path << "-" << saved.size() << "characters";
    }
    return out;
}

qint32 CountWords(QStringView sText)
{
    qint32 count = 0;
    bool inWord = false;
    for (const QChar c : sText) {
        // Line and paragraph separators are white space too; so are the other Unicode spaces.
        const bool blank = c.isSpace();
        if (!blank && !inWord)
            ++count;
        inWord = !blank;
    }
    return count;
}

} // namespace documents
