#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextDocument;

// Rich Text Format: our own writer, and a reader for our output and ordinary word-processor files.
namespace rtf {

// True when the data opens as an RTF document ("{\rtf", leading white space allowed).
bool looksLikeRtf(QByteArrayView data);

// Replaces the document's content with the RTF data: one block per paragraph, with font, size, bold,
// italic, underline, strike-through and text colour kept per character. A manual line break and each
// table cell make paragraphs of their own; headers, footers, footnotes, pictures and hidden text are
// left out. Returns false (and leaves the document untouched) when the data is not RTF; damaged RTF
// is read as far as it makes sense.
bool read(QByteArrayView data, QTextDocument *doc, QString *error = nullptr);

// The whole document as RTF (7-bit text; non-ASCII as \uN).
QByteArray write(const QTextDocument *doc);

} // namespace rtf
