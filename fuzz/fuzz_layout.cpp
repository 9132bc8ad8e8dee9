// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the readers accept, laid out as the prompter lays it out (scripts/fuzz gives each input a time
// budget, so an input the layout is slow on is a finding), and shown as it was read.
#include "documents/Documents.h"
#include "documents/TextDecoding.h"
#include "ui/LayoutBounds.h"
#include "ui/RichTextView.h"

#include <QApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    static RichTextView view(RichTextView::Input::None);
    view.resize(640, 480);
    switch (documents::detectKind(bytes)) {
    case documents::Kind::Rtf:
        if (!view.loadTextRTF(bytes.toByteArray()).ok)
            return 0;
        break;
    case documents::Kind::Zip: {
        const documents::TextResult r = documents::readPackageText(bytes);
        if (!r.ok() || !layoutbounds::refusal(r.text).isEmpty())
            return 0;
        view.setText(r.text);
        break;
    }
    case documents::Kind::PlainText: {
        const QString text = textcodec::decodeText(bytes);
        if (documents::countParagraphs(bytes) > documents::kMaxParagraphs ||
            !layoutbounds::refusal(text).isEmpty())
            return 0;
        view.setText(text);
        break;
    }
    case documents::Kind::WordBinary:
        return 0;
    }
    if (view.GetLineFromChar(view.textLength()) < view.GetLineFromChar(0))
        std::abort();
    const QString shown = view.Text();
    view.setText(shown);
    if (view.Text() != shown)
        std::abort();
    return 0;
}
