// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A rundown file from anywhere: read, written again, and read back alike.
#include "show/RundownFile.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString folder = QStringLiteral("/shows/evening");
    const show::ReadRundown r = show::readRundown(bytes, folder);
    if (!r.ok())
        return 0;
    if (r.rundown.stories.size() > show::kMaxStories)
        std::abort();
    const QByteArray written = show::writeRundown(r.rundown, folder);
    const show::ReadRundown back = show::readRundown(written, folder);
    if (!back.ok() || back.ignoredLines != 0 || show::writeRundown(back.rundown, folder) != written)
        std::abort();
    return 0;
}
