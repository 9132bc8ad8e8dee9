// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The site file reader: any bytes, any section and key.
#include "settings/IniFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QString value = inifile::valueIn(bytes, u"General", u"AppName");
    if (value.size() > 255)
        std::abort();
    // A section and key taken from the input itself, so that matches happen.
    const qsizetype cut = bytes.indexOf('\n');
    if (cut > 0) {
        const QString names = QString::fromUtf8(bytes.first(cut));
        const qsizetype eq = names.indexOf(u'=');
        if (eq >= 0)
            (void)inifile::valueIn(bytes, QStringView(names).first(eq), QStringView(names).sliced(eq + 1), 3);
    }
    return 0;
}
