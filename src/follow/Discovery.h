// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// Cuescroll leaders on the local network, as DNS-SD (_cuescroll._tcp) through the Avahi daemon lists
// them, and a leader's own announcement. Without the daemon nothing is listed and nothing announced;
// a typed address still works.
namespace follow {

inline constexpr char kServiceType[] = "_cuescroll._tcp";

struct Found
{
    QString name; // the leader's service name, as a person gave it
    QString host;
    quint16 port = 0;
    bool operator==(const Found &) const = default;
};

class Discovery : public QObject
{
    Q_OBJECT

public:
    explicit Discovery(QObject *parent = nullptr);
    ~Discovery() override;

    // Starts looking; false when there is no Avahi daemon to ask.
    bool browse();
    // Announces this prompter as a leader on `port`; false without the daemon.
    bool announce(const QString &name, quint16 port);
    // No longer announced.
    void withdraw();

    QList<Found> leaders() const { return m_found; }

Q_SIGNALS:
    void leadersChanged();

private:
    struct Avahi;
    void add(const Found &f);
    void remove(const QString &name);
    std::unique_ptr<Avahi> m_avahi;
    QList<Found> m_found;
};

} // namespace follow
