// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/Appearance.h"
#include "ui/FixedDialog.h"

#include <functional>
#include <optional>

class Dialogs;
class QFrame;
class QPushButton;
class QTextEdit;
class RichTextView;

namespace appearance {

// The look the script view and the reading line show; the text colour is the one the view's tag
// records, `foreColor` when it records none.
Appearance of(const RichTextView &view, const QWidget &line, qint32 foreColor);
// Colours every character of the script, which paints over any marker highlight.
void apply(const Appearance &a, RichTextView &view, QWidget &line);

} // namespace appearance

// Appearance options: the script's font and colours and the reading line's colour, with a preview.
// The two previews are the dialog's whole state; only OK hands them over, as `chosen`.
class dlgOptions : public FixedDialog
{
    Q_OBJECT

public:
    explicit dlgOptions(Dialogs &dialogs, QWidget *parent = nullptr);

    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdLineColor = nullptr;
    QFrame *picPreview = nullptr;
    QPushButton *cmdBackColor = nullptr;
    QPushButton *cmdFont = nullptr;
    QTextEdit *txtPreview = nullptr;

    // Set by the caller before showing: opens the Keys page; without it there is no Keys button.
    std::function<void()> keysPage;
    QPushButton *cmdKeys = nullptr;

    // Set by the caller before showing: where the previews start.
    std::optional<appearance::Appearance> current;
    // What OK confirmed, for the caller to apply; nothing after Cancel or the close box.
    std::optional<appearance::Appearance> chosen;

    void cmdFont_Click();
    void cmdBackColor_Click();
    void cmdLineColor_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void setPreviewForeColor(qint32 color);
    void setPreviewBackColor(qint32 color);

    Dialogs &m_dialogs;
    bool m_loaded = false;
};
