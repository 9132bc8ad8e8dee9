// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a sample Rich Text file for measuring the whole program on it:
//   make-rtf realistic|bold BYTES FILE
// then e.g. CUESCROLL_SMOKE_TEST=1 /usr/bin/time -v build/bin/cuescroll FILE
#include "RtfSamples.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc != 4 || (std::strcmp(argv[1], "realistic") != 0 && std::strcmp(argv[1], "bold") != 0)) {
        std::fputs("usage: make-rtf realistic|bold BYTES FILE\n", stderr);
        return 2;
    }
    const qsizetype bytes = std::strtoll(argv[2], nullptr, 10);
    const QByteArray rtf =
        std::strcmp(argv[1], "bold") == 0 ? rtfsamples::boldToggles(bytes) : rtfsamples::realistic(bytes);
    QFile file(QString::fromLocal8Bit(argv[3]));
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "make-rtf: %s\n", qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
