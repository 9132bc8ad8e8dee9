// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The .docx and .odt reader on any bytes (seed it with real packages): what it returns is within the
// limits of a script.
#include "documents/Documents.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const documents::TextResult r = documents::readPackageText(QByteArrayView(data, qsizetype(size)));
    if (r.ok() && documents::checkTextLimits(r.text) != documents::Error::None)
        std::abort();
    return 0;
}
