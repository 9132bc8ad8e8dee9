// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Decoding text of unknown encoding, and text in a Windows code page; a plain-text script as it is
// opened stays within the limits.
#include "documents/Documents.h"
#include "documents/TextDecoding.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const documents::TextResult script = documents::plainText(bytes);
    if (script.ok() && documents::checkTextLimits(script.text) != documents::Error::None)
        std::abort();
    if (size > 0) {
        static const int pages[] = {1252, 932, 936, 949, 950, 1250, 1251, 1253, 874, 437, 0, 65001};
        (void)textcodec::decodeCodePage(bytes.sliced(1), pages[data[0] % std::size(pages)]);
    }
    return 0;
}
