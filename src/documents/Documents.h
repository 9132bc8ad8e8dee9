#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Reading script files of every kind the editor offers, writing scripts as text, counting words.
// Nothing here throws or shows a window: failures come back as an error value the caller words.
namespace documents {

// Larger files are no scripts anyone reads aloud; refusing them keeps the editor responsive.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
// Each paragraph costs the text view far more than its bytes: 50 000 short lines (a few hundred kB)
// take half a second to open and lay out. Real scripts have at most a few thousand.
constexpr qsizetype kMaxParagraphs = 50'000;
// The most a part of a .docx or .odt may unpack to (a zip bomb unpacks to far more).
constexpr qint64 kMaxUnpackedBytes = 64 * 1024 * 1024;

// What the first bytes of a file say it is.
enum class Kind {
    PlainText,
    Rtf,        // "{\rtf"
    WordBinary, // an OLE2 compound file: Word 97-2003
    Zip         // a .docx or .odt package
};

Kind detectKind(QByteArrayView head);

enum class Error {
    None,
    NotFound,
    NotAFile,
    NoPermission,
    Unreadable,
    Empty,
    TooLarge,
    TooManyParagraphs,
    NotText,          // binary data that is none of the known kinds
    NotATextDocument, // a zip package that is neither .docx nor .odt
    Damaged,          // a package or document that cannot be read
    UnpackedTooLarge, // would unpack to more than kMaxUnpackedBytes
    ConverterMissing, // antiword is not installed
    ConverterCrashed,
    ConverterTimedOut,
    ConverterFailed, // antiword ran and refused the file
    Cancelled,
    WriteFailed
};

struct Result
{
    Error error = Error::None;
    QString detail; // extra words for the operator (a system or converter message), may be empty
    bool ok() const { return error == Error::None; }
};

struct TextResult : Result
{
    QString text; // paragraphs end with "\n"
};

struct FileData : Result
{
    Kind kind = Kind::PlainText;
    QByteArray data;
};

// The reason in words, for a message that names the file itself.
QString describe(const Result &result);

// Paragraphs that plain text would make (line ends: LF, CR LF or a lone CR; either UTF-16 order).
qsizetype countParagraphs(QByteArrayView data);

// Reads a file for opening: checks that it is a readable regular file of a sensible size and tells
// its kind; plain text with more than kMaxParagraphs paragraphs is refused. Plain text holding NUL bytes
// without a UTF-16 byte order mark is refused as NotText.
FileData readScriptFile(const QString &path);

// The body text of an Office Open XML (.docx) or OpenDocument (.odt) package: paragraphs, tabs and
// line breaks kept; deleted text, field codes, footnotes, comments, headers and footers left out.
TextResult readPackageText(QByteArrayView zipData);

// Writes the text followed by one CR LF in UTF-8 through writeFileSafely: the old file stays as it
// was, bytes and permissions, if anything fails or the file is refused, and the detail says why.
Result WriteTextFile(const QString &path, const QString &text);

// Runs of characters that are not white space (Unicode white space and line ends separate them).
qint32 CountWords(QStringView sText);

} // namespace documents
