// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/MosControl.h"

#include "settings/Settings.h"

#include <QCoreApplication>

namespace mos {

MosControl::MosControl(Settings &settings, net::Clock now, QObject *parent)
    : QObject(parent), m_settings(settings), m_device(m_orders, std::move(now))
{
    connect(&m_device, &MosDevice::connectionsChanged, this, &MosControl::statusChanged);
}

bool MosControl::start(quint16 lower, quint16 upper)
{
    MosDevice::Options options;
    options.identity.mosID = m_settings.mosID();
    options.identity.ncsID = m_settings.mosNcsID();
    options.identity.version = QCoreApplication::applicationVersion();
    options.lowerPort = lower;
    options.upperPort = upper;
    options.allow = m_settings.mosAllow();
    options.address = m_address;
    const bool started = m_device.start(options);
    m_error = started ? QString() : m_device.errorString();
    Q_EMIT statusChanged();
    return started;
}

void MosControl::applySettings()
{
    if (!m_settings.mosEnabled()) {
        m_device.stop();
        m_error.clear();
        Q_EMIT statusChanged();
        return;
    }
    start(m_settings.mosLowerPort(), m_settings.mosUpperPort());
}

bool MosControl::startForRun(std::optional<quint16> lowerPort)
{
    if (lowerPort)
        return start(*lowerPort, quint16(*lowerPort + 1));
    return start(m_settings.mosLowerPort(), m_settings.mosUpperPort());
}

void MosControl::setShownOrder(const QString &orderId)
{
    if (m_shown == orderId)
        return;
    m_shown = orderId;
    Q_EMIT shownOrderChanged(orderId);
}

QString MosControl::status() const
{
    if (!m_error.isEmpty())
        return m_error;
    if (!m_device.listening())
        return tr("Off: no running orders are taken.");
    return tr("Taking running orders on ports %1 and %2; %n connection(s).", nullptr, m_device.connections())
        .arg(m_device.lowerPort())
        .arg(m_device.upperPort());
}

} // namespace mos
