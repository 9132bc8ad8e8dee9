// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/gui/dlgMos.h"

#include "mos/MosControl.h"
#include "mos/MosDevice.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace mos {

dlgMos::dlgMos(Settings &settings, MosControl &control, const QString &shownOrder, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_control(control)
{
    setObjectName(QStringLiteral("dlgMos"));
    setWindowTitle(tr("Newsroom system (MOS)"));

    chkEnabled = new QCheckBox(tr("&Take running orders from a newsroom system"), this);
    chkEnabled->setObjectName(QStringLiteral("chkEnabled"));
    txtMosID = new QLineEdit(this);
    txtMosID->setObjectName(QStringLiteral("txtMosID"));
    txtMosID->setPlaceholderText(QStringLiteral("cuescroll.prompter.mos"));
    txtNcsID = new QLineEdit(this);
    txtNcsID->setObjectName(QStringLiteral("txtNcsID"));
    txtNcsID->setPlaceholderText(tr("any"));
    spnLower = new QSpinBox(this);
    spnLower->setObjectName(QStringLiteral("spnLower"));
    spnLower->setRange(1, 65535);
    spnUpper = new QSpinBox(this);
    spnUpper->setObjectName(QStringLiteral("spnUpper"));
    spnUpper->setRange(1, 65535);
    txtAllow = new QLineEdit(this);
    txtAllow->setObjectName(QStringLiteral("txtAllow"));
    txtAllow->setPlaceholderText(tr("this computer only"));
    txtAllow->setToolTip(tr("Addresses or networks, e.g. 192.168.1.20 10.0.0.0/24"));
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lstConnections = new QTreeWidget(this);
    lstConnections->setObjectName(QStringLiteral("lstConnections"));
    lstConnections->setRootIsDecorated(false);
    lstConnections->setHeaderLabels(
        {tr("Newsroom"), tr("Address"), tr("Port"), tr("Last heartbeat"), tr("Last message")});
    lstConnections->setMinimumHeight(lstConnections->fontMetrics().height() * 7);
    // Room for every column of a few connections without scrolling sideways.
    lstConnections->setMinimumWidth(lstConnections->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 75);
    lblError = new QLabel(this);
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setWordWrap(true);
    lblError->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cboOrder = new QComboBox(this);
    cboOrder->setObjectName(QStringLiteral("cboOrder"));

    // Room for a whole id or a few addresses, in any language's layout.
    for (QLineEdit *e : {txtMosID, txtNcsID, txtAllow})
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 28);

    auto *form = new QFormLayout;
    form->addRow(chkEnabled);
    form->addRow(tr("&MOS ID:"), txtMosID);
    form->addRow(tr("&Newsroom ID:"), txtNcsID);
    form->addRow(tr("&Lower port:"), spnLower);
    form->addRow(tr("&Upper port:"), spnUpper);
    form->addRow(tr("Newsroom &addresses:"), txtAllow);
    form->addRow(lblStatus);
    form->addRow(lstConnections);
    form->addRow(lblError);
    form->addRow(tr("&Running order shown:"), cboOrder);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // No default button: Return applies the box it is pressed in, and nothing more.
    for (QAbstractButton *b : buttons->buttons())
        if (auto *p = qobject_cast<QPushButton *>(b))
            p->setAutoDefault(false);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    chkEnabled->setChecked(settings.mosEnabled() || control.listening());
    txtMosID->setText(settings.mosID());
    txtNcsID->setText(settings.mosNcsID());
    spnLower->setValue(control.listening() ? control.device().lowerPort() : settings.mosLowerPort());
    spnUpper->setValue(control.listening() ? control.device().upperPort() : settings.mosUpperPort());
    txtAllow->setText(settings.mosAllow());
    listOrders();
    cboOrder->setCurrentIndex(std::max(0, cboOrder->findData(shownOrder)));

    connect(chkEnabled, &QCheckBox::toggled, this, &dlgMos::applyChoices);
    for (QLineEdit *e : {txtMosID, txtNcsID, txtAllow})
        connect(e, &QLineEdit::editingFinished, this, &dlgMos::applyChoices);
    for (QSpinBox *s : {spnLower, spnUpper})
        connect(s, &QSpinBox::editingFinished, this, &dlgMos::applyChoices);
    connect(&control, &MosControl::statusChanged, this, &dlgMos::refresh);
    connect(&control, &MosControl::stateChanged, this, &dlgMos::listConnections);
    // The times shown are ages: they grow while nothing comes.
    auto *ticker = new QTimer(this);
    ticker->start(1000);
    connect(ticker, &QTimer::timeout, this, &dlgMos::listConnections);
    connect(&control.orders(), &RunningOrders::ordersChanged, this, &dlgMos::listOrders);
    connect(&control, &MosControl::shownOrderChanged, this,
            [this](const QString &id) { cboOrder->setCurrentIndex(std::max(0, cboOrder->findData(id))); });
    connect(cboOrder, &QComboBox::activated, this,
            [this](int index) { Q_EMIT orderChosen(cboOrder->itemData(index).toString()); });
    refresh();
}

void dlgMos::applyChoices()
{
    const bool changed = m_settings.mosEnabled() != chkEnabled->isChecked() ||
                         m_settings.mosID() != txtMosID->text().trimmed() ||
                         m_settings.mosNcsID() != txtNcsID->text().trimmed() ||
                         m_settings.mosLowerPort() != spnLower->value() ||
                         m_settings.mosUpperPort() != spnUpper->value() ||
                         m_settings.mosAllow() != txtAllow->text().trimmed();
    if (!changed && m_control.listening() == chkEnabled->isChecked())
        return;
    m_settings.setMosEnabled(chkEnabled->isChecked());
    m_settings.setMosID(txtMosID->text().trimmed());
    m_settings.setMosNcsID(txtNcsID->text().trimmed());
    m_settings.setMosLowerPort(quint16(spnLower->value()));
    m_settings.setMosUpperPort(quint16(spnUpper->value()));
    m_settings.setMosAllow(txtAllow->text().trimmed());
    m_control.applySettings();
}

void dlgMos::listOrders()
{
    const QString current = cboOrder->currentData().toString();
    cboOrder->clear();
    cboOrder->addItem(tr("None"), QString());
    for (const RunningOrder &o : m_control.orders().orders())
        cboOrder->addItem(o.slug.isEmpty() ? o.id : o.slug, o.id);
    cboOrder->setCurrentIndex(std::max(0, cboOrder->findData(current)));
}

void dlgMos::refresh()
{
    lblStatus->setText(m_control.status());
    listConnections();
}

void dlgMos::listConnections()
{
    const quint32 now = m_control.now();
    const auto ago = [now](quint32 t) {
        return t ? tr("%n s ago", nullptr, int((now - t) / 1000)) : tr("not yet");
    };
    lstConnections->clear();
    for (const MosDevice::Peer &p : m_control.device().peers()) {
        const QString port = (p.upper ? tr("upper %1") : tr("lower %1")).arg(p.port);
        auto *item = new QTreeWidgetItem(
            lstConnections,
            {p.ncsID.isEmpty() ? tr("(not yet known)") : p.ncsID, p.address.toString(),
             p.outgoing ? tr("%1, ours").arg(port) : port, ago(p.lastHeartbeat),
             p.lastMessage ? QStringLiteral("%1 (%2)").arg(p.lastKind, ago(p.lastMessage)) : ago(0)});
        Q_UNUSED(item)
    }
    for (int c = 0; c < lstConnections->columnCount(); ++c)
        lstConnections->resizeColumnToContents(c);
    const QString error = m_control.device().lastError();
    lblError->setText(error.isEmpty()
                          ? tr("No errors.")
                          : tr("Last error (%1): %2").arg(ago(m_control.device().lastErrorTime()), error));
}

} // namespace mos
