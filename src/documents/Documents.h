// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Reading script files of every kind the editor offers, writing scripts as text, counting words.
// Nothing here throws or shows a window: failures come back as an error value the caller words.
namespace documents {

// Longer texts are no scripts anyone reads aloud; refusing them keeps the editor responsive. Measured
// as the text's UTF-8 size, the form it is saved in, with one byte for each line end.
constexpr qint64 kMaxTextBytes = 16 * 1024 * 1024;
// Each paragraph costs the text view far more than its bytes: 50 000 short lines (a few hundred kB)
// take half a second to open and lay out. Real scripts have at most a few thousand.
constexpr qsizetype kMaxParagraphs = 50'000;
// The largest file read at all: a text at both limits as saved (CR LF ends, a final one) with a
// byte order mark, so that whatever the editor saves opens again.
constexpr qint64 kMaxFileBytes = kMaxTextBytes + kMaxParagraphs + 1 + 3;
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
// For the log.
const char *kindName(Kind kind);

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
    QString text; // plain text only: as plainText() gives it
};

// Measures a text against the limits of a script while a reader produces it, so that the reader
// stops at the first character or paragraph over them instead of building all of it. Line ends are
// LF, CR LF, CR, U+2028, U+2029, vertical tab and form feed, each one byte; a final line end opens no
// paragraph, so text saved with a line end after every paragraph counts as it did before saving.
class TextLimit
{
public:
    explicit TextLimit(qint64 maxBytes = kMaxTextBytes, qsizetype maxParagraphs = kMaxParagraphs)
        : m_maxBytes(maxBytes), m_maxParagraphs(maxParagraphs)
    {}

    // Counts more of the text; false once the text so far is over a limit, and from then on.
    bool add(QStringView text);
    // `count` copies of one character.
    bool add(QChar c, qsizetype count);

    bool within() const { return m_error == Error::None; }
    Error error() const { return m_error; } // None, TooLarge or TooManyParagraphs
    qint64 bytes() const { return m_bytes; }
    qsizetype paragraphs() const { return m_breaks + (m_open ? 1 : 0); }

private:
    bool unit(char16_t u);
    bool check();

    qint64 m_maxBytes;
    qsizetype m_maxParagraphs;
    qint64 m_bytes = 0;
    qsizetype m_breaks = 0;
    bool m_open = false;      // characters since the last line end
    bool m_afterCr = false;   // an LF now ends no line of its own
    bool m_afterHigh = false; // a high surrogate waits for its partner
    Error m_error = Error::None;
};

// The whole text at once: None, TooLarge or TooManyParagraphs.
Error checkTextLimits(QStringView text);

// The reason in words, for a message that names the file itself.
QString describe(const Result &result);

// Paragraphs that plain text would make (line ends: LF, CR LF or a lone CR; either UTF-16 order),
// a line end at the very end included. Only a first look: plainText() applies the limits.
qsizetype countParagraphs(QByteArrayView data);

// Reads a file for opening: checks that it is a readable regular file of a sensible size and tells
// its kind; plain text is decoded into `text`, and refused when over the limits. Plain text holding
// NUL bytes without a UTF-16 byte order mark is refused as NotText.
FileData readScriptFile(const QString &path);

// Plain text of any encoding decodeText() knows, within the limits, without the one line end that
// ends a saved file.
TextResult plainText(QByteArrayView data);

// The body text of an Office Open XML (.docx) or OpenDocument (.odt) package: paragraphs, tabs and
// line breaks kept; deleted text, field codes, footnotes, comments, headers and footers left out.
// Reading stops at the first character or paragraph over the limits.
TextResult readPackageText(QByteArrayView zipData);

// Writes the text followed by one CR LF in UTF-8 through writeFileSafely: the old file stays as it
// was, bytes and permissions, if anything fails or the file is refused, and the detail says why.
Result WriteTextFile(const QString &path, const QString &text);

// Runs of characters that are not white space (Unicode white space and line ends separate them).
qint32 CountWords(QStringView sText);

} // namespace documents
