// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The numeric-text reader behind every stored number.
#include "settings/NumericText.h"

#include <QString>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const numtext::Number n = numtext::parse(text);
    if (!n.found && n.value != 0)
        std::abort();
    (void)numtext::toInt32(text);
    (void)numtext::toInt16(text);
    (void)numtext::toBool(text);
    return 0;
}
