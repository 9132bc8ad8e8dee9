// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// RTF reader: any bytes read without harm and within the limits of a script, and what our writer makes of the
// result reads back to the same text and the same formats.
#include "documents/Rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTextDocument doc;
    if (rtf::read(QByteArrayView(data, qsizetype(size)), &doc) != documents::Error::None)
        return 0;
    if (documents::checkTextLimits(doc.toRawText()) != documents::Error::None)
        std::abort();
    const QByteArray written = rtf::write(&doc);
    QTextDocument again;
    if (rtf::read(written, &again) != documents::Error::None)
        std::abort();
    if (again.toPlainText() != doc.toPlainText())
        std::abort();
    if (rtf::write(&again) != written)
        std::abort(); // a format changed on the way through
    return 0;
}
