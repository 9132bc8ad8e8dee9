// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/gui/dlgFollow.h"

#include "follow/Discovery.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>

dlgFollow::dlgFollow(follow::Discovery &discovery, const QString &address, const QString &token,
                     const QString &problem, QWidget *parent)
    : QDialog(parent), lblProblem(new QLabel(problem, this)), lblNoLeaders(new QLabel(this)),
      cboAddress(new QComboBox(this)), txtToken(new QLineEdit(token, this)),
      chkShowToken(new QCheckBox(tr("&Show the token"), this)), m_discovery(discovery)
{
    setObjectName(QStringLiteral("dlgFollow"));
    setWindowTitle(tr("Follow Prompter"));
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    lblProblem->setVisible(!problem.isEmpty());
    QFont bold = lblProblem->font();
    bold.setBold(true);
    lblProblem->setFont(bold);
    lblNoLeaders->setObjectName(QStringLiteral("lblNoLeaders"));
    lblNoLeaders->setWordWrap(true);
    lblNoLeaders->hide();
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    cboAddress->setMinimumWidth(320);
    cboAddress->lineEdit()->setPlaceholderText(tr("host or host:port, or the address with its token"));
    txtToken->setObjectName(QStringLiteral("txtToken"));
    txtToken->setEchoMode(QLineEdit::Password);
    chkShowToken->setObjectName(QStringLiteral("chkShowToken"));
    connect(chkShowToken, &QCheckBox::toggled, txtToken,
            [this](bool shown) { txtToken->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password); });

    auto *form = new QFormLayout(this);
    auto *intro = new QLabel(tr("The leader's screen, script and run are shown here, and the keys drive the "
                                "leader."),
                             this);
    intro->setWordWrap(true);
    form->addRow(intro);
    form->addRow(lblProblem);
    form->addRow(tr("&Leader:"), cboAddress);
    form->addRow(lblNoLeaders);
    form->addRow(tr("&Token:"), txtToken);
    form->addRow(QString(), chkShowToken);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Follow"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);

    connect(&m_discovery, &follow::Discovery::leadersChanged, this, &dlgFollow::listLeaders);
    if (!m_discovery.browse()) {
        lblNoLeaders->setText(
            tr("No leaders can be listed: DNS-SD (Avahi) is not running on this computer. Type the leader's "
               "address."));
        lblNoLeaders->show();
    }
    cboAddress->setEditText(address);
    listLeaders();
    // Pasted whole, the token shows in its field as soon as the address is left.
    connect(cboAddress->lineEdit(), &QLineEdit::editingFinished, this, &dlgFollow::takeTokenFromAddress);
    // Refused, the token is what to look at again; else the address, unless one is already there.
    if (!problem.isEmpty() && !token.isEmpty()) {
        txtToken->setFocus();
        txtToken->selectAll();
    } else if (!address.isEmpty()) {
        txtToken->setFocus();
    }
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

std::optional<std::pair<QString, QString>> dlgFollow::splitToken(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QUrlQuery query(url);
    if (!url.isValid() || url.host().isEmpty() || !query.hasQueryItem(QStringLiteral("token")))
        return std::nullopt;
    const QString token = query.queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded);
    if (url.scheme() == QLatin1String("ws") || url.scheme() == QLatin1String("wss"))
        return std::pair{url.adjusted(QUrl::RemoveQuery).toString(), token};
    // A web page's address names the prompter's port; the feed is found there.
    const bool v6 = QHostAddress(url.host()).protocol() == QAbstractSocket::IPv6Protocol;
    QString address = v6 ? QLatin1Char('[') + url.host() + QLatin1Char(']') : url.host();
    if (url.port() != -1)
        address += QLatin1Char(':') + QString::number(url.port());
    return std::pair{address, token};
}

void dlgFollow::takeTokenFromAddress()
{
    if (const auto split = splitToken(cboAddress->currentText())) {
        cboAddress->setEditText(split->first);
        txtToken->setText(split->second);
    }
}

QString dlgFollow::address() const
{
    if (const auto split = splitToken(cboAddress->currentText()))
        return split->first;
    // A listed leader stands for its address; anything typed is the address itself.
    const int i = cboAddress->findText(cboAddress->currentText());
    return i >= 0 ? cboAddress->itemData(i).toString() : cboAddress->currentText().trimmed();
}

QString dlgFollow::token() const
{
    const auto split = splitToken(cboAddress->currentText());
    return split ? split->second : txtToken->text();
}
