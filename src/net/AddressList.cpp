// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/AddressList.h"

#include "net/Log.h"
#include "net/RateLimit.h"

#include <QNetworkInterface>
#include <QRegularExpression>

#include <algorithm>

namespace net {

AddressList AddressList::parse(const QString &text)
{
    AddressList list;
    const QStringList entries =
        text.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        QPair<QHostAddress, int> subnet = QHostAddress::parseSubnet(entry);
        if (subnet.first.isNull()) {
            const QHostAddress single(entry);
            if (single.isNull()) {
                qCWarning(lcNet) << "not an address:" << entry;
                continue;
            }
            subnet = {single, single.protocol() == QAbstractSocket::IPv6Protocol ? 128 : 32};
        }
        list.m_subnets << subnet;
    }
    return list;
}

bool AddressList::allows(const QHostAddress &address) const
{
    const QHostAddress from = plainAddress(address);
    if (m_subnets.isEmpty()) // this machine, by any of its addresses
        return from.isLoopback() || QNetworkInterface::allAddresses().contains(from);
    return std::any_of(m_subnets.begin(), m_subnets.end(), [&](const auto &s) { return from.isInSubnet(s); });
}

} // namespace net
