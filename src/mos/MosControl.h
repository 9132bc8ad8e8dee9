// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mos/MosDevice.h"
#include "mos/RunningOrders.h"

#include <QObject>

#include <optional>

class Settings;

namespace mos {

// The newsroom link as the settings have it: on or off, its ids, ports and addresses. Off, nothing
// listens; the running orders received stay until the program ends.
class MosControl : public QObject
{
    Q_OBJECT

public:
    MosControl(Settings &settings, net::Clock now, QObject *parent = nullptr);

    RunningOrders &orders() { return m_orders; }
    MosDevice &device() { return m_device; }

    // Where it listens: every address of this machine unless set (the newsroom list still applies).
    void setListenAddress(const QHostAddress &address) { m_address = address; }
    // Starts, restarts or stops as the settings say.
    void applySettings();
    // On for this run whatever the settings say, on `lowerPort` and the next one when given.
    bool startForRun(std::optional<quint16> lowerPort);
    bool listening() const { return m_device.listening(); }
    QString error() const { return m_error; }
    // A line for the operator: off, listening where, or why not.
    QString status() const;
    // The running order the operator picked to show; empty: none.
    QString shownOrder() const { return m_shown; }
    void setShownOrder(const QString &orderId);

Q_SIGNALS:
    void statusChanged();
    void shownOrderChanged(const QString &orderId);

private:
    bool start(quint16 lower, quint16 upper);

    Settings &m_settings;
    RunningOrders m_orders;
    MosDevice m_device;
    QString m_error;
    QString m_shown;
    QHostAddress m_address = QHostAddress::Any;
};

} // namespace mos
