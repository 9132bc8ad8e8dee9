// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dlgFont.h"

#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Icons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Sizes as people write them: 10.5 and 28, not 10.50 and 28.00.
class SizeBox final : public QDoubleSpinBox
{
public:
    using QDoubleSpinBox::QDoubleSpinBox;
    QString textFromValue(double value) const override
    {
        QString text = locale().toString(value, 'f', decimals());
        const QString point = locale().decimalPoint();
        if (text.contains(point)) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(point))
                text.chop(point.size());
        }
        return text;
    }
};

QIcon swatch(const QColor &color, const QPalette &palette)
{
    QPixmap pm(24, 14);
    pm.fill(color);
    QPainter p(&pm);
    p.setPen(palette.color(QPalette::WindowText));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return QIcon(pm);
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, bool checked)
{
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(QLatin1String(name));
    c->setChecked(checked);
    return c;
}

} // namespace

dlgFont::dlgFont(Dialogs &dialogs, const FontChoice &initial, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_dialogs(dialogs), m_initialName(initial.name), m_color(initial.color)
{
    setObjectName(QStringLiteral("dlgFont"));
    setWindowTitle(tr("Font"));
    setWindowIcon(icons::app());
    setFont(fonts::standard());

    cboFontName = new QFontComboBox(this);
    cboFontName->setObjectName(QStringLiteral("cboFontName"));
    cboFontName->setAccessibleName(tr("Font"));
    cboFontName->setCurrentFont(fonts::make(initial.name, initial.size));
    m_shownName = cboFontName->currentFont().family();

    txtFontSize = new SizeBox(this);
    txtFontSize->setObjectName(QStringLiteral("txtFontSize"));
    txtFontSize->setAccessibleName(tr("Size"));
    txtFontSize->setDecimals(2);
    txtFontSize->setRange(1, 1638);
    txtFontSize->setSuffix(tr(" pt"));
    txtFontSize->setValue(initial.size);

    chkBold = checkBox(this, "chkBold", tr("&Bold"), initial.bold);
    chkItalic = checkBox(this, "chkItalic", tr("&Italic"), initial.italic);
    chkUnderline = checkBox(this, "chkUnderline", tr("&Underline"), initial.underline);
    chkStrikethrough = checkBox(this, "chkStrikethrough", tr("S&trikethrough"), initial.strikethrough);

    cmdColor = new QPushButton(tr("C&olor..."), this);
    cmdColor->setObjectName(QStringLiteral("cmdColor"));
    cmdColor->setAccessibleName(tr("Text color"));
    cmdColor->setAutoDefault(false);

    lblSample = new QLabel(tr("AaBbYyZz"), this);
    lblSample->setObjectName(QStringLiteral("lblSample"));
    lblSample->setAccessibleName(tr("Sample"));
    lblSample->setAlignment(Qt::AlignCenter);
    lblSample->setFrameShape(QFrame::StyledPanel);
    lblSample->setAutoFillBackground(true);
    lblSample->setBackgroundRole(QPalette::Base);
    // The sample shows the text as the script shows it, on a page of its own.
    colors::showsScript(lblSample);
    QPalette page = lblSample->palette();
    page.setColor(QPalette::Base, colors::scriptPalette().color(QPalette::Base));
    lblSample->setPalette(page);
    lblSample->setFixedSize(340, 110); // a big size is clipped, not a dialog that grows off the screen

    auto *styles = new QHBoxLayout;
    styles->addWidget(chkBold);
    styles->addWidget(chkItalic);
    styles->addStretch();
    auto *effects = new QHBoxLayout;
    effects->addWidget(chkUnderline);
    effects->addWidget(chkStrikethrough);
    effects->addStretch();
    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(cmdColor);
    colorRow->addStretch();

    auto *form = new QFormLayout;
    form->addRow(tr("&Font:"), cboFontName);
    form->addRow(tr("&Size:"), txtFontSize);
    form->addRow(tr("Style:"), styles);
    form->addRow(tr("Effects:"), effects);
    form->addRow(tr("Text color:"), colorRow);
    form->addRow(tr("Sample:"), lblSample);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdOk = buttons->button(QDialogButtonBox::Ok);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdCancel = buttons->button(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdColor, &QPushButton::clicked, this, &dlgFont::cmdColor_Click);
    connect(cboFontName, &QFontComboBox::currentFontChanged, this, &dlgFont::UpdateSample);
    connect(txtFontSize, &QDoubleSpinBox::valueChanged, this, &dlgFont::UpdateSample);
    for (QCheckBox *c : {chkBold, chkItalic, chkUnderline, chkStrikethrough})
        connect(c, &QCheckBox::toggled, this, &dlgFont::UpdateSample);
    UpdateSample();
}

FontChoice dlgFont::choice() const
{
    const QString shown = cboFontName->currentFont().family();
    return {shown == m_shownName ? m_initialName : shown,
            txtFontSize->value(),
            chkBold->isChecked(),
            chkItalic->isChecked(),
            chkUnderline->isChecked(),
            chkStrikethrough->isChecked(),
            m_color};
}

void dlgFont::cmdColor_Click()
{
    if (const auto c = m_dialogs.color(this, colors::resolve(m_color, lblSample), tr("Text Color"))) {
        m_color = colors::fromQColor(*c);
        UpdateSample();
    }
}

void dlgFont::UpdateSample()
{
    const FontChoice c = choice();
    QFont f = fonts::make(c.name, c.size, c.bold);
    f.setItalic(c.italic);
    f.setUnderline(c.underline);
    f.setStrikeOut(c.strikethrough);
    lblSample->setFont(f);
    // On a Base background a label draws its text in the Text role, not in WindowText.
    const QColor color = colors::resolve(m_color, lblSample);
    QPalette p = lblSample->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(lblSample->foregroundRole(), color);
    lblSample->setPalette(p);
    cmdColor->setIcon(swatch(color, palette()));
}
