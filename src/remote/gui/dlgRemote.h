// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class Dialogs;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Settings;

namespace remote {
class RemoteControl;

// "Remote control…": on or off, the port, the page's addresses and its QR code, a new token, OSC
// and MIDI, and how many devices are connected. Every change applies and is kept at once.
class dlgRemote : public QDialog
{
    Q_OBJECT

public:
    dlgRemote(Settings &settings, RemoteControl &remote, Dialogs &dialogs, QWidget *parent = nullptr);
    ~dlgRemote() override;

    QCheckBox *chkEnabled;
    QSpinBox *spnPort;
    QLabel *lblStatus;
    QLabel *lblAddresses;
    QLabel *picQr;
    QPushButton *cmdNewToken;
    QCheckBox *chkOsc;
    QLineEdit *txtOscAllow;
    QLabel *lblOscIgnored;
    QCheckBox *chkMidi;
    QLabel *lblMidi;
    QLabel *lblDevices;
    QLineEdit *txtOscFeedback;
    QCheckBox *chkGamepad;
    QLabel *lblGamepad;

    // Shows what the remote control is doing now.
    void refresh();

private:
    void applyChoices();
    void askNewToken();

    Settings &m_settings;
    RemoteControl &m_remote;
    Dialogs &m_dialogs;
};

} // namespace remote
