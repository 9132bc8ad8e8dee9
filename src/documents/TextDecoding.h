// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <optional>

// Text of script files whose encoding nobody recorded.
namespace textcodec {

// UTF-8 (with or without BOM), UTF-16 with BOM (either byte order) or without one (told by the pattern
// of zero bytes), else Windows-1252.
QString decodeText(QByteArrayView data);

// The byte order of UTF-16 text that has no byte order mark, judged from its first 4 kB.
std::optional<QStringConverter::Encoding> utf16WithoutBom(QByteArrayView data);

// Text in a Windows code page: 1252 always, other pages (single-byte, and the East Asian double-byte
// ones) when the platform knows them; unknown pages are read as 1252.
QString decodeCodePage(QByteArrayView data, int codePage);

// Decodes many separate pieces of text in one code page without looking the page up each time.
// Every call starts afresh: a multi-byte sequence cut at the end of a piece is not carried over.
class CodePageDecoder
{
public:
    explicit CodePageDecoder(int codePage);

    int codePage() const { return m_codePage; }
    QString decode(QByteArrayView data);

private:
    int m_codePage;
    std::optional<QStringDecoder> m_platform; // empty: our own 1252 table
};

} // namespace textcodec
