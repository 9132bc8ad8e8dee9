#include "documents/Documents.h"

#include "common/Platform.h"
#include "documents/Rtf.h"
#include "documents/TextDecoding.h"

#include <QCoreApplication>
#include <QFile>

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
        reason = tr("it is larger than %1 MB, too large for a script").arg(kMaxFileBytes / (1024 * 1024));
        break;
    case Error::TooManyParagraphs:
        reason = tr("it has more than %L1 paragraphs, too many for a script").arg(kMaxParagraphs);
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
        reason += QStringLiteral(" (") + result.detail + QLatin1Char(')');
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

FileData readScriptFile(const QString &path)
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
    } else if (out.kind == Kind::PlainText && countParagraphs(out.data) > kMaxParagraphs) {
        out.error = Error::TooManyParagraphs;
        out.data.clear();
    }
    return out;
}

Result WriteTextFile(const QString &path, const QString &text)
{
    Result out;
    const FileWrite written = writeFileSafely(path, QByteArray(text.toUtf8() + "\r\n"));
    if (!written.ok()) {
        out.error = Error::WriteFailed;
        out.detail = written.detail;
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
