// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/gui/dlgOptions.h"

#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/Fonts.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>

namespace {

QFont fontOf(const FontChoice &c)
{
    QFont f = fonts::make(c.name, c.size, c.bold);
    f.setItalic(c.italic);
    f.setUnderline(c.underline);
    f.setStrikeOut(c.strikethrough);
    return f;
}

} // namespace

namespace appearance {

Appearance of(const RichTextView &view, const QWidget &line, qint32 foreColor)
{
    return {view.scriptColor().value_or(foreColor),
            view.FontName(),
            view.FontBold(),
            view.FontItalic(),
            view.FontSize(),
            view.FontStrikethrough(),
            view.FontUnderline(),
            view.BackColor(),
            colors::backColor(&line)};
}

void apply(const Appearance &a, RichTextView &view, QWidget &line)
{
    view.colorRange(0, view.textLength(), a.lForeColor);
    view.setTag(QString::number(a.lForeColor));
    view.setBaseFont(fontOf(
        {a.sFontName, a.dFontSize, a.bFontBold, a.bFontItalic, a.bFontUnderline, a.bFontStrikethrough, 0}));
    view.setBackColor(a.lBackColor);
    colors::setBackColor(&line, a.lLineColor);
}

} // namespace appearance

dlgOptions::dlgOptions(Dialogs &dialogs, QWidget *parent)
    : FixedDialog("dlgOptions", tr("Options"), 5355, 4350, parent), m_dialogs(dialogs)
{
    txtPreview = new QTextEdit(this);
    txtPreview->setObjectName(QStringLiteral("txtPreview"));
    txtPreview->setAccessibleName(tr("Font preview"));
    txtPreview->setAcceptRichText(false);
    txtPreview->setTabChangesFocus(true); // Tab walks the dialog, as its tab order says
    // It shows the look chosen and takes no typing, so that Enter anywhere presses OK.
    txtPreview->setReadOnly(true);
    txtPreview->setTextInteractionFlags(Qt::NoTextInteraction);
    txtPreview->setFocusPolicy(Qt::NoFocus);
    txtPreview->setPlainText(tr("Set your Cuescroll Preferences Here"));
    twips::move(txtPreview, 480, 450, 4425, 1905);
    colors::showsScript(txtPreview);
    setPreviewForeColor(colors::system(8));
    setPreviewBackColor(colors::system(5));

    cmdFont = addButton("cmdFont", tr("Font"), false);
    twips::move(cmdFont, 480, 2730, 1365, 405);
    cmdBackColor = addButton("cmdBackColor", tr("Back Color"), false);
    twips::move(cmdBackColor, 1980, 2730, 1395, 405);

    picPreview = new QFrame(this);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    picPreview->setAccessibleName(tr("Line colour preview"));
    picPreview->setFrameShape(QFrame::NoFrame);
    colors::showsScript(picPreview);
    colors::setBackColor(picPreview, colors::rgb(0x00, 0xC0, 0x00));
    colors::setForeColor(picPreview, colors::system(8));
    // Under the preview, not across it: a thin bar over large text reads as a strikethrough.
    twips::move(picPreview, 510, 2460, 4365, 75);

    cmdLineColor = addButton("cmdLineColor", tr("Line Color"), false);
    twips::move(cmdLineColor, 3510, 2730, 1365, 405);
    cmdOk = addButton("cmdOk", tr("&OK"), true);
    twips::move(cmdOk, 1305, 3630, 1245, 435);
    cmdCancel = addButton("cmdCancel", tr("&Cancel"), true);
    twips::move(cmdCancel, 2805, 3630, 1245, 435);

    QWidget::setTabOrder(txtPreview, cmdFont);
    QWidget::setTabOrder(cmdFont, cmdBackColor);
    QWidget::setTabOrder(cmdBackColor, picPreview);
    QWidget::setTabOrder(picPreview, cmdLineColor);
    QWidget::setTabOrder(cmdLineColor, cmdOk);
    QWidget::setTabOrder(cmdOk, cmdCancel);

    connect(cmdFont, &QPushButton::clicked, this, &dlgOptions::cmdFont_Click);
    connect(cmdBackColor, &QPushButton::clicked, this, &dlgOptions::cmdBackColor_Click);
    connect(cmdLineColor, &QPushButton::clicked, this, &dlgOptions::cmdLineColor_Click);
    connect(cmdOk, &QPushButton::clicked, this, &dlgOptions::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgOptions::cmdCancel_Click);
}

void dlgOptions::showEvent(QShowEvent *event)
{
    // Every showing is a fresh dialog: the previews start from the prompter as it is now.
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
        if (keysPage) {
            // Three buttons under the three above them.
            cmdKeys = addButton("cmdKeys", tr("&Keys…"), false);
            twips::move(cmdKeys, 480, 3630, 1365, 435);
            twips::move(cmdOk, 1980, 3630, 1395, 435);
            twips::move(cmdCancel, 3510, 3630, 1365, 435);
            cmdKeys->show();
            QWidget::setTabOrder(cmdLineColor, cmdKeys);
            QWidget::setTabOrder(cmdKeys, cmdOk);
            connect(cmdKeys, &QPushButton::clicked, this, [this] { keysPage(); });
        }
        // Enter takes what the preview shows: OK holds the focus until the operator moves it.
        cmdOk->setFocus();
    }
    FixedDialog::showEvent(event);
}

void dlgOptions::Form_Load()
{
    if (!current)
        return;
    txtPreview->setFont(
        fontOf({current->sFontName, current->dFontSize, current->bFontBold, current->bFontItalic,
                current->bFontUnderline, current->bFontStrikethrough, 0}));
    setPreviewBackColor(current->lBackColor);
    setPreviewForeColor(current->lForeColor);
    colors::setBackColor(picPreview, current->lLineColor);
}

void dlgOptions::cmdFont_Click()
{
    const QFont f = txtPreview->font();
    const FontChoice initial{f.family(),
                             f.pointSizeF(),
                             f.bold(),
                             f.italic(),
                             f.underline(),
                             f.strikeOut(),
                             colors::foreColor(txtPreview)};
    // Cancelling the step leaves both the font and the text colour as they were.
    if (const auto chosen = m_dialogs.font(this, initial, tr("Font"))) {
        txtPreview->setFont(fontOf(*chosen));
        setPreviewForeColor(chosen->color);
    }
}

void dlgOptions::cmdBackColor_Click()
{
    const qint32 current = colors::backColor(txtPreview);
    if (const auto c = m_dialogs.color(this, colors::resolve(current, txtPreview), tr("Back Color")))
        setPreviewBackColor(colors::fromQColor(*c));
}

void dlgOptions::cmdLineColor_Click()
{
    const qint32 current = colors::backColor(picPreview);
    if (const auto c = m_dialogs.color(this, colors::resolve(current, picPreview), tr("Line Color")))
        colors::setBackColor(picPreview, colors::fromQColor(*c));
}

void dlgOptions::cmdOk_Click()
{
    const QFont f = txtPreview->font();
    chosen = appearance::Appearance{colors::foreColor(txtPreview),
                                    f.family(),
                                    f.bold(),
                                    f.italic(),
                                    f.pointSizeF(),
                                    f.strikeOut(),
                                    f.underline(),
                                    colors::backColor(txtPreview),
                                    colors::backColor(picPreview)};
    accept();
}

void dlgOptions::cmdCancel_Click()
{
    reject();
}

void dlgOptions::setPreviewForeColor(qint32 color)
{
    colors::setForeColor(txtPreview, color);
    QPalette p = txtPreview->palette();
    p.setColor(QPalette::Text, colors::resolve(color, txtPreview));
    txtPreview->setPalette(p);
}

void dlgOptions::setPreviewBackColor(qint32 color)
{
    colors::setBackColor(txtPreview, color);
    QPalette p = txtPreview->palette();
    p.setColor(QPalette::Base, colors::resolve(color, txtPreview));
    txtPreview->setPalette(p);
}
