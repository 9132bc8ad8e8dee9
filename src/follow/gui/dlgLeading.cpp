// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/gui/dlgLeading.h"

#include "follow/Protocol.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

dlgLeading::dlgLeading(const QStringList &addresses, const QString &token, QWidget *parent)
    : QDialog(parent), txtAddresses(new QPlainTextEdit(addresses.join(QLatin1Char('\n')), this)),
      txtToken(new QLineEdit(token, this)), cmdCopy(new QPushButton(tr("&Copy address and token"), this)),
      cmdStop(new QPushButton(tr("&Stop leading"), this))
{
    setObjectName(QStringLiteral("dlgLeading"));
    setWindowTitle(tr("Leading"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    txtAddresses->setObjectName(QStringLiteral("txtAddresses"));
    txtAddresses->setReadOnly(true);
    txtAddresses->setFont(fixed);
    txtAddresses->setAccessibleName(tr("This computer's addresses"));
    const int lines = int(std::min<qsizetype>(addresses.size(), 4));
    txtAddresses->setFixedHeight(txtAddresses->fontMetrics().lineSpacing() * (lines + 1) +
                                 2 * txtAddresses->frameWidth());
    txtToken->setObjectName(QStringLiteral("txtToken"));
    txtToken->setReadOnly(true);
    txtToken->setFont(fixed);
    txtToken->setMinimumWidth(txtToken->fontMetrics().horizontalAdvance(token) + 16);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdStop->setObjectName(QStringLiteral("cmdStop"));

    auto *form = new QFormLayout(this);
    auto *intro = new QLabel(tr("Other prompters can follow this one. On each, choose “Follow prompter…” in "
                                "the studio menu and give one of these addresses and the token."),
                             this);
    intro->setWordWrap(true);
    form->addRow(intro);
    form->addRow(tr("Addresses:"), txtAddresses);
    form->addRow(tr("Token:"), txtToken);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(cmdCopy, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdStop, QDialogButtonBox::DestructiveRole);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    form->addRow(buttons);
    // The first address with the token in it: pasted whole into a follower's dialog.
    connect(cmdCopy, &QPushButton::clicked, this, [addresses, token] {
        QUrl url(QStringLiteral("ws://%1%2").arg(addresses.value(0), QLatin1String(follow::kPath)));
        url.setQuery(QStringLiteral("token=") + QString::fromLatin1(QUrl::toPercentEncoding(token)));
        QApplication::clipboard()->setText(url.toString());
    });
    connect(cmdStop, &QPushButton::clicked, this, [this] { done(kStopLeading); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}
