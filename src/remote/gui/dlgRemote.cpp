// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/gui/dlgRemote.h"

#include "remote/GamepadInput.h"
#include "remote/QrCode.h"
#include "remote/gui/RemoteControl.h"
#include "settings/Settings.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace remote {

dlgRemote::dlgRemote(Settings &settings, RemoteControl &remote, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_remote(remote), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("dlgRemote"));
    setWindowTitle(tr("Remote control"));
    m_remote.setOwnWindow(this);

    chkEnabled = new QCheckBox(tr("&Remote control on"), this);
    chkEnabled->setObjectName(QStringLiteral("chkEnabled"));
    spnPort = new QSpinBox(this);
    spnPort->setObjectName(QStringLiteral("spnPort"));
    spnPort->setRange(1024, 65535);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblAddresses = new QLabel(this);
    lblAddresses->setObjectName(QStringLiteral("lblAddresses"));
    // Reached from its caption's accelerator, and copied from by keyboard as well.
    lblAddresses->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblAddresses->setAccessibleName(tr("Addresses of the page"));
    picQr = new QLabel(this);
    picQr->setObjectName(QStringLiteral("picQr"));
    picQr->setAlignment(Qt::AlignCenter);
    picQr->setAccessibleName(tr("QR code of the page's address, for a phone's camera"));
    cmdNewToken = new QPushButton(tr("&New token"), this);
    cmdNewToken->setObjectName(QStringLiteral("cmdNewToken"));
    cmdNewToken->setToolTip(tr("Devices that have the page open must scan the new code."));
    // Cutting every phone off is never what Return in the port box means.
    cmdNewToken->setAutoDefault(false);
    chkOsc = new QCheckBox(tr("Take &OSC (UDP, same port) from:"), this);
    chkOsc->setObjectName(QStringLiteral("chkOsc"));
    txtOscAllow = new QLineEdit(this);
    txtOscAllow->setObjectName(QStringLiteral("txtOscAllow"));
    txtOscAllow->setPlaceholderText(tr("this computer only"));
    txtOscAllow->setToolTip(tr("Addresses or networks, e.g. 192.168.1.20 10.0.0.0/24"));
    lblOscIgnored = new QLabel(this);
    lblOscIgnored->setObjectName(QStringLiteral("lblOscIgnored"));
    lblOscIgnored->setWordWrap(true);
    chkMidi = new QCheckBox(tr("Take &MIDI from every input"), this);
    chkMidi->setObjectName(QStringLiteral("chkMidi"));
    lblMidi = new QLabel(this);
    lblMidi->setObjectName(QStringLiteral("lblMidi"));
    lblDevices = new QLabel(this);
    lblDevices->setObjectName(QStringLiteral("lblDevices"));
    txtOscFeedback = new QLineEdit(this);
    txtOscFeedback->setObjectName(QStringLiteral("txtOscFeedback"));
    txtOscFeedback->setPlaceholderText(tr("no desk"));
    txtOscFeedback->setToolTip(tr("host:port of each desk, e.g. 192.168.1.30:9000 desk.local:8000"));
    chkGamepad = new QCheckBox(tr("Take game &controllers"), this);
    chkGamepad->setObjectName(QStringLiteral("chkGamepad"));
    lblGamepad = new QLabel(this);
    lblGamepad->setObjectName(QStringLiteral("lblGamepad"));

    auto *form = new QFormLayout;
    form->addRow(chkEnabled);
    form->addRow(tr("&Port:"), spnPort);
    form->addRow(lblStatus);
    form->addRow(tr("P&age:"), lblAddresses);
    form->addRow(picQr);
    form->addRow(cmdNewToken);
    form->addRow(lblDevices);
    form->addRow(chkOsc);
    form->addRow(txtOscAllow);
    form->addRow(lblOscIgnored);
    form->addRow(tr("&Send the state as OSC to:"), txtOscFeedback);
    form->addRow(chkMidi);
    form->addRow(lblMidi);
    form->addRow(chkGamepad);
    form->addRow(lblGamepad);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // No default button: Return applies the box it is pressed in, and nothing more.
    for (QAbstractButton *b : buttons->buttons())
        if (auto *p = qobject_cast<QPushButton *>(b))
            p->setAutoDefault(false);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    chkEnabled->setChecked(settings.remoteEnabled() || remote.listening());
    spnPort->setValue(remote.listening() ? remote.port() : settings.remotePort());
    chkOsc->setChecked(settings.osc() || remote.oscListening());
    txtOscAllow->setText(settings.oscAllow());
    chkMidi->setChecked(settings.midi());
    txtOscFeedback->setText(settings.oscFeedback());
    chkGamepad->setChecked(settings.gamepad());

    connect(chkEnabled, &QCheckBox::toggled, this, &dlgRemote::applyChoices);
    connect(chkOsc, &QCheckBox::toggled, this, &dlgRemote::applyChoices);
    connect(chkMidi, &QCheckBox::toggled, this, &dlgRemote::applyChoices);
    connect(chkGamepad, &QCheckBox::toggled, this, &dlgRemote::applyChoices);
    // Sent, not taken: it needs nothing started again.
    connect(txtOscFeedback, &QLineEdit::editingFinished, this,
            [this] { m_settings.setOscFeedback(txtOscFeedback->text().simplified()); });
    connect(spnPort, &QSpinBox::editingFinished, this, &dlgRemote::applyChoices);
    connect(txtOscAllow, &QLineEdit::editingFinished, this, &dlgRemote::applyChoices);
    connect(cmdNewToken, &QPushButton::clicked, this, &dlgRemote::askNewToken);
    connect(&remote, &RemoteControl::statusChanged, this, &dlgRemote::refresh);
    refresh();
}

dlgRemote::~dlgRemote()
{
    m_remote.setOwnWindow(nullptr);
}

void dlgRemote::applyChoices()
{
    const bool portChanged = m_settings.remotePort() != spnPort->value();
    const bool sameFilters = m_settings.oscAllow() == txtOscAllow->text().trimmed() &&
                             m_settings.midi() == chkMidi->isChecked() &&
                             m_settings.gamepad() == chkGamepad->isChecked();
    const bool changed = m_settings.remoteEnabled() != chkEnabled->isChecked() || portChanged ||
                         m_settings.osc() != chkOsc->isChecked() || !sameFilters;
    if (!changed && (m_remote.listening() == chkEnabled->isChecked()))
        return;
    // Started from the command line, it may already listen as chosen: its phones stay connected.
    const bool runsAsChosen = m_remote.listening() && chkEnabled->isChecked() && sameFilters &&
                              m_remote.port() == spnPort->value() &&
                              m_remote.oscListening() == chkOsc->isChecked();
    m_settings.setRemoteEnabled(chkEnabled->isChecked());
    m_settings.setRemotePort(quint16(spnPort->value()));
    m_settings.setOsc(chkOsc->isChecked());
    m_settings.setOscAllow(txtOscAllow->text().trimmed());
    m_settings.setMidi(chkMidi->isChecked());
    m_settings.setGamepad(chkGamepad->isChecked());
    if (!runsAsChosen)
        m_remote.applySettings();
}

void dlgRemote::askNewToken()
{
    const int devices = m_remote.devices();
    const QString text =
        devices > 0
            ? tr("%n device(s) connected now will be cut off and must scan the new code.", nullptr, devices)
            : tr("Pages opened with the present code will stop working.");
    if (m_dialogs.confirm(this, windowTitle(), text, tr("&Make a new token")))
        m_remote.newToken();
}

void dlgRemote::refresh()
{
    const bool on = m_remote.listening();
    if (!m_remote.error().isEmpty())
        lblStatus->setText(m_remote.error());
    else if (on)
        lblStatus->setText(m_remote.oscListening() ? tr("Listening on port %1, OSC too.").arg(m_remote.port())
                                                   : tr("Listening on port %1.").arg(m_remote.port()));
    else
        lblStatus->setText(tr("Off: nothing listens on the network."));
    const QStringList pages = on ? m_remote.pageAddresses() : QStringList();
    lblAddresses->setText(pages.join(QLatin1Char('\n')));
    lblAddresses->setVisible(on);
    picQr->setVisible(on);
    if (on)
        picQr->setPixmap(QPixmap::fromImage(qrCode(pages.first())));
    cmdNewToken->setEnabled(on);
    lblDevices->setText(on ? tr("%n device(s) connected.", nullptr, m_remote.devices()) : QString());
    txtOscAllow->setEnabled(chkOsc->isChecked());
    lblOscIgnored->setText(m_remote.oscListening() ? m_remote.oscIgnored() : QString());
    const QStringList midi = m_remote.midiInputs();
    lblMidi->setText(chkMidi->isChecked()
                         ? (midi.isEmpty() ? tr("No MIDI input found.")
                                           : tr("Listening to: %1").arg(midi.join(QStringLiteral(", "))))
                         : QString());
    const QStringList pads = m_remote.gamepads().controllers();
    lblGamepad->setText(chkGamepad->isChecked()
                            ? (pads.isEmpty() ? tr("No game controller plugged in.")
                                              : tr("Listening to: %1").arg(pads.join(QStringLiteral(", "))))
                            : QString());
}

} // namespace remote
