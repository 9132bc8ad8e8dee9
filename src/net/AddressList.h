// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>

namespace net {

// The addresses a listener takes from: "127.0.0.1 192.168.1.0/24 ::1"; empty: this machine.
class AddressList
{
public:
    static AddressList parse(const QString &text);
    bool allows(const QHostAddress &address) const;
    bool empty() const { return m_subnets.isEmpty(); }

private:
    QList<QPair<QHostAddress, int>> m_subnets;
};

} // namespace net
