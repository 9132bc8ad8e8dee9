// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FixedDialog.h"

#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

FixedDialog::FixedDialog(const char *objectName, const QString &caption, float clientWidthTwips,
                         float clientHeightTwips, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);
    setWindowIcon(icons::app());
    setFont(fonts::standard());
    twips::setClientSize(this, clientWidthTwips, clientHeightTwips);
    setFixedSize(size());
}

QPushButton *FixedDialog::addButton(const char *name, const QString &caption, bool bold)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(QLatin1String(name));
    // No default button: Enter belongs to whichever control has the focus.
    b->setAutoDefault(false);
    b->setDefault(false);
    if (bold)
        b->setFont(fonts::standardBold());
    return b;
}

void FixedDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        // Esc presses no button here.
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button still answers Enter as it would on click.
        if (auto *b = qobject_cast<QAbstractButton *>(focusWidget()); b && b->isEnabled())
            b->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
