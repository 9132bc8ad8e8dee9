// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/MosControl.h"

#include "settings/Settings.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace mos {

MosControl::MosControl(Settings &settings, net::Clock now, QObject *parent)
    : QObject(parent), m_settings(settings), m_now(now), m_device(m_orders, std::move(now))
{
    connect(&m_device, &MosDevice::connectionsChanged, this, &MosControl::statusChanged);
    connect(&m_device, &MosDevice::connectionsChanged, this, &MosControl::stateChanged);
    connect(&m_device, &MosDevice::activity, this, &MosControl::stateChanged);
    connect(&m_orders, &RunningOrders::ordersChanged, this, &MosControl::stateChanged);
    connect(&m_orders, &RunningOrders::ordersChanged, this, &MosControl::takeAgain);
    connect(&m_orders, &RunningOrders::storiesChanged, this, &MosControl::takeAgain);
    m_wanted = m_settings.mosRunningOrder();
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
    options.ncsLowerPort = m_ncsLower;
    options.ncsUpperPort = m_ncsUpper;
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
    m_wanted = orderId;
    if (m_settings.mosRunningOrder() != orderId)
        m_settings.setMosRunningOrder(orderId);
    show(orderId);
}

void MosControl::dropShownOrder()
{
    setShownOrder({});
}

void MosControl::show(const QString &orderId)
{
    if (m_shown == orderId)
        return;
    m_shown = orderId;
    Q_EMIT shownOrderChanged(orderId);
    Q_EMIT stateChanged();
}

void MosControl::takeAgain()
{
    // Only once it has stories: an order listed without them would empty the screen meanwhile.
    const RunningOrder *o = m_wanted.isEmpty() || !m_shown.isEmpty() ? nullptr : m_orders.order(m_wanted);
    if (o && !o->stories.isEmpty())
        show(m_wanted);
}

QJsonObject MosControl::stateJson() const
{
    const auto time = [](quint32 t) { return t ? QJsonValue(qint64(t)) : QJsonValue(); };
    const auto text = [](const QString &t) { return t.isEmpty() ? QJsonValue() : QJsonValue(t); };
    QJsonArray connections;
    for (const MosDevice::Peer &p : m_device.peers())
        connections.append(QJsonObject{
            {QStringLiteral("ncsID"), text(p.ncsID)},
            {QStringLiteral("address"), p.address.toString()},
            {QStringLiteral("port"), p.port},
            {QStringLiteral("channel"), p.upper ? QStringLiteral("upper") : QStringLiteral("lower")},
            {QStringLiteral("outgoing"), p.outgoing},
            {QStringLiteral("lastHeartbeat"), time(p.lastHeartbeat)},
            {QStringLiteral("lastMessage"), time(p.lastMessage)},
            {QStringLiteral("lastMessageType"), text(p.lastKind)},
        });
    QJsonArray orders;
    for (const RunningOrder &o : m_orders.orders())
        orders.append(QJsonObject{
            {QStringLiteral("id"), o.id},
            {QStringLiteral("slug"), o.slug},
            {QStringLiteral("stories"), int(o.stories.size())},
        });
    return {
        {QStringLiteral("listening"), m_device.listening()},
        {QStringLiteral("connections"), connections},
        {QStringLiteral("runningOrders"), orders},
        {QStringLiteral("runningOrder"), text(m_shown)},
        {QStringLiteral("error"), text(!m_error.isEmpty() ? m_error : m_device.lastError())},
        {QStringLiteral("errorTime"), m_error.isEmpty() ? time(m_device.lastErrorTime()) : QJsonValue()},
    };
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
