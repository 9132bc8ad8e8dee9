// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mos/MosXml.h"
#include "mos/RunningOrders.h"

#include <QByteArray>
#include <QString>

namespace mos {

// What this device says about itself.
struct Identity
{
    QString mosID = QStringLiteral("cuescroll.prompter.mos");
    QString ncsID; // the newsroom taken; empty: any
    QString version;
};

// The paragraphs of a story's body: instructions to the presenter apart from what is read,
// formatting kept as plain text, anything else (items, packages, tables) left out.
QList<Paragraph> bodyOf(const Node &storyBody);
// A message's type: its one element past the header ("heartbeat", "roCreate"…); empty: none.
QString kindOf(const Node &message);

// The device's side of the conversation, without the network: each message from the newsroom is
// carried out on the running orders and answered as the protocol wants.
class Responder
{
public:
    Responder(RunningOrders &orders, Identity identity) : m_orders(orders), m_identity(std::move(identity)) {}

    const Identity &identity() const { return m_identity; }
    void setIdentity(const Identity &identity) { m_identity = identity; }

    // The answer to a message, or nothing when none is due (an answer to one of ours).
    QByteArray answer(const Node &message);
    // The requests a received list of running orders gives rise to (one roReq per order).
    QList<QByteArray> takeRequests();
    // The newsroom a message came from, once one has spoken; empty before.
    QString ncsID() const { return m_lastNcs; }

    // Messages the device starts.
    QByteArray heartbeat() const;
    QByteArray storyOnAir(const QString &orderId, const QString &storyId);
    QByteArray requestOrder(const QString &orderId);
    QByteArray requestAll();

private:
    QByteArray ack(const Node &message, const QString &orderId, const QString &status);
    QString carryOut(const QString &kind, const Node &body);
    Header header(qint64 messageID) const;

    RunningOrders &m_orders;
    Identity m_identity;
    QString m_lastNcs;
    qint64 m_nextID = 1;
    QList<QByteArray> m_requests;
};

} // namespace mos
