// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mos/MosDevice.h"
#include "mos/RunningOrders.h"

#include <QJsonObject>
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
    // Where the newsroom listens for what the device starts, when not on our port numbers.
    void setNewsroomPorts(quint16 lower, quint16 upper)
    {
        m_ncsLower = lower;
        m_ncsUpper = upper;
    }
    // Starts, restarts or stops as the settings say.
    void applySettings();
    // On for this run whatever the settings say, on `lowerPort` and the next one when given.
    bool startForRun(std::optional<quint16> lowerPort);
    bool listening() const { return m_device.listening(); }
    QString error() const { return m_error; }
    // A line for the operator: off, listening where, or why not.
    QString status() const;
    // The running order the operator picked to show; empty: none. The choice is kept, and taken
    // again in a later run once the newsroom sends that order.
    QString shownOrder() const { return m_shown; }
    void setShownOrder(const QString &orderId);
    // The show let the order go (the newsroom deleted it, another script was opened).
    void dropShownOrder();
    // The link for the remote control's state: the connections, the running orders known, the one
    // shown; times on the device's clock.
    QJsonObject stateJson() const;
    quint32 now() const { return m_now(); }

Q_SIGNALS:
    void statusChanged();
    void shownOrderChanged(const QString &orderId);
    // What stateJson() tells changed.
    void stateChanged();

private:
    bool start(quint16 lower, quint16 upper);
    void show(const QString &orderId);
    void takeAgain();

    Settings &m_settings;
    net::Clock m_now;
    RunningOrders m_orders;
    MosDevice m_device;
    QString m_error;
    QString m_shown;
    QString m_wanted; // the order kept from the last choice, shown once the newsroom sends it
    QHostAddress m_address = QHostAddress::Any;
    quint16 m_ncsLower = 0;
    quint16 m_ncsUpper = 0;
};

} // namespace mos
