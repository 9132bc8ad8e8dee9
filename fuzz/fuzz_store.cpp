// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The per-user store's reader and writer: on any file, a value set reads back, other values stay,
// and every byte of the old file is still there in order.
#include "settings/StoreFile.h"

#include <QList>

#include <cstdlib>

namespace {

bool keepsAllBytes(QByteArrayView before, QByteArrayView after)
{
    qsizetype j = 0;
    for (const char c : before) {
        while (j < after.size() && after[j] != c)
            ++j;
        if (j == after.size())
            return false;
        ++j;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // The first byte chooses the key and section, the rest is the file; the value comes from the tail.
    static const char16_t *const keys[] = {u"FontName", u"fontname", u"BackColor", u"x"};
    static const char16_t *const sections[] = {u"General", u"general", u"Other", u"a b"};
    const QStringView key(keys[data[0] & 3]);
    const QStringView section(sections[(data[0] >> 2) & 3]);
    const QByteArrayView file(data + 1, qsizetype(size - 1));
    const QString value = QString::fromUtf8(file.last(std::min<qsizetype>(file.size(), 12)));

    const std::optional<QString> other = storefile::findValue(file, u"General", u"LineColor");
    const QByteArray changed = storefile::setValue(file, section, key, value);
    if (storefile::findValue(changed, section, key) != value)
        std::abort();
    if (key.compare(u"LineColor", Qt::CaseInsensitive) != 0 &&
        storefile::findValue(changed, u"General", u"LineColor") != other)
        std::abort();
    if (storefile::findValue(file, section, key)) {
        // Replaced: one line differs, all others are as they were.
        const QList<QByteArray> a = file.toByteArray().split('\n'), b = changed.split('\n');
        if (a.size() != b.size())
            std::abort();
        int differing = 0;
        for (qsizetype i = 0; i < a.size(); ++i)
            differing += a[i] != b[i];
        if (differing > 1)
            std::abort();
    } else if (!keepsAllBytes(file, changed)) {
        std::abort(); // added: only new bytes
    }
    if (storefile::setValue(changed, section, key, value) != changed)
        std::abort(); // setting the same value again changes nothing
    if (storefile::decodeValue(storefile::encodeValue(value)) != value)
        std::abort();
    return 0;
}
