// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/dlgFollow.h"

#include "follow/Discovery.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

dlgFollow::dlgFollow(follow::Discovery &discovery, const QString &token, QWidget *parent)
    : QDialog(parent), cboAddress(new QComboBox(this)), txtToken(new QLineEdit(token, this)),
      m_discovery(discovery)
{
    setObjectName(QStringLiteral("dlgFollow"));
    setWindowTitle(tr("Follow Prompter"));
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    cboAddress->setMinimumWidth(320);
    cboAddress->lineEdit()->setPlaceholderText(tr("host or host:port"));
    txtToken->setObjectName(QStringLiteral("txtToken"));
    txtToken->setEchoMode(QLineEdit::Password);

    auto *form = new QFormLayout(this);
    form->addRow(new QLabel(tr("The leader's screen, script and run are shown here, and the keys drive the "
                               "leader."),
                            this));
    form->addRow(tr("&Leader:"), cboAddress);
    form->addRow(tr("&Token:"), txtToken);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Follow"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);

    connect(&m_discovery, &follow::Discovery::leadersChanged, this, &dlgFollow::listLeaders);
    if (!m_discovery.browse())
        cboAddress->setToolTip(
            tr("No leaders are listed: DNS-SD (Avahi) is not running here. Type the address."));
    listLeaders();
}

void dlgFollow::listLeaders()
{
    const QString typed = cboAddress->currentText();
    cboAddress->clear();
    for (const follow::Found &f : m_discovery.leaders())
        cboAddress->addItem(tr("%1 (%2:%3)").arg(f.name, f.host).arg(f.port),
                            QStringLiteral("%1:%2").arg(f.host).arg(f.port));
    cboAddress->setEditText(typed);
}

QString dlgFollow::address() const
{
    // A listed leader stands for its address; anything typed is the address itself.
    const int i = cboAddress->findText(cboAddress->currentText());
    return i >= 0 ? cboAddress->itemData(i).toString() : cboAddress->currentText().trimmed();
}

QString dlgFollow::token() const
{
    return txtToken->text();
}
