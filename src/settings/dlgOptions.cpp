#include "settings/dlgOptions.h"

#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>

dlgOptions::dlgOptions(QWidget *parent) : FixedDialog("dlgOptions", tr("Options"), 5355, 4350, parent)
{
    txtPreview = new QTextEdit(this);
    txtPreview->setObjectName(QStringLiteral("txtPreview"));
    txtPreview->setAccessibleName(tr("Font preview"));
    txtPreview->setAcceptRichText(false);
    txtPreview->setPlainText(tr("Set your Cuescroll Preferences Here"));
    twips::move(txtPreview, 480, 450, 4425, 1905);

    cmdFont = addButton("cmdFont", tr("Font"), false);
    twips::move(cmdFont, 480, 2730, 1365, 405);
    cmdBackColor = addButton("cmdBackColor", tr("Back Color"), false);
    twips::move(cmdBackColor, 1980, 2730, 1395, 405);

    picPreview = new QFrame(this);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    picPreview->setAccessibleName(tr("Line colour preview"));
    picPreview->setFrameShape(QFrame::NoFrame);
    picPreview->setAutoFillBackground(true);
    QPalette pal = picPreview->palette();
    pal.setColor(QPalette::Window, colors::toQColor(colors::rgb(0x00, 0xC0, 0x00)));
    picPreview->setPalette(pal);
    twips::move(picPreview, 510, 1380, 4365, 75);

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

    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}
