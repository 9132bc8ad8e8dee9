// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/TextDecoding.h"

#include <array>

namespace textcodec {

namespace {

// 0x80-0x9F of Windows-1252. The five bytes Microsoft left undefined keep their own value, as
// Windows itself does, so nothing is lost when such a file is saved again.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decode1252(QByteArrayView data)
{
    QString out(data.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    for (const char c : data) {
        const auto b = static_cast<unsigned char>(c);
        *dst++ = (b >= 0x80 && b <= 0x9F) ? kCp1252High[b - 0x80] : char16_t(b);
    }
    return out;
}

bool startsWith(QByteArrayView data, std::initializer_list<unsigned char> bytes)
{
    if (data.size() < qsizetype(bytes.size()))
        return false;
    qsizetype i = 0;
    for (const unsigned char b : bytes) {
        if (static_cast<unsigned char>(data[i++]) != b)
            return false;
    }
    return true;
}

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView data)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(data);
}

} // namespace

std::optional<QStringConverter::Encoding> utf16WithoutBom(QByteArrayView data)
{
    // Mostly Latin text in UTF-16 has a zero in nearly every other byte and almost none between.
    const qsizetype n = std::min<qsizetype>(data.size(), 4096) & ~qsizetype(1);
    if (n < 4)
        return std::nullopt;
    qsizetype zeroEven = 0, zeroOdd = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        zeroEven += data[i] == '\0';
        zeroOdd += data[i + 1] == '\0';
    }
    const qsizetype units = n / 2;
    if (zeroOdd * 10 >= units * 4 && zeroEven * 20 < units)
        return QStringConverter::Utf16LE;
    if (zeroEven * 10 >= units * 4 && zeroOdd * 20 < units)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

QString decodeText(QByteArrayView data)
{
    if (startsWith(data, {0xEF, 0xBB, 0xBF}))
        return decodeWith(QStringConverter::Utf8, data.sliced(3));
    if (startsWith(data, {0xFF, 0xFE}))
        return decodeWith(QStringConverter::Utf16LE, data.sliced(2));
    if (startsWith(data, {0xFE, 0xFF}))
        return decodeWith(QStringConverter::Utf16BE, data.sliced(2));

    if (const auto order = utf16WithoutBom(data))
        return decodeWith(*order, data);

    // Stateless, so a sequence cut off at the end counts as an error instead of waiting for more.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    return decode1252(data);
}

QString decodeCodePage(QByteArrayView data, int codePage)
{
    return CodePageDecoder(codePage).decode(data);
}

CodePageDecoder::CodePageDecoder(int codePage) : m_codePage(codePage)
{
    if (codePage == 1252 || codePage <= 0)
        return;
    const QByteArray name = "windows-" + QByteArray::number(codePage);
    QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
    if (decoder.isValid())
        m_platform.emplace(std::move(decoder));
}

QString CodePageDecoder::decode(QByteArrayView data)
{
    if (!m_platform)
        return decode1252(data);
    m_platform->resetState();
    return m_platform->decode(data);
}

} // namespace textcodec
