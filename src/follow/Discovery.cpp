// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/Discovery.h"

#include "follow/Log.h"

#include <QMetaObject>
#include <QPointer>

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>
#include <avahi-common/error.h>
#include <avahi-common/thread-watch.h>

namespace follow {

// Avahi calls back on its own thread; what it finds is handed to the window's thread.
struct Discovery::Avahi
{
    AvahiThreadedPoll *poll = nullptr;
    AvahiClient *client = nullptr;
    AvahiServiceBrowser *browser = nullptr;
    AvahiEntryGroup *group = nullptr;
    QPointer<Discovery> owner;

    ~Avahi()
    {
        if (poll)
            avahi_threaded_poll_stop(poll);
        if (group)
            avahi_entry_group_free(group);
        if (browser)
            avahi_service_browser_free(browser);
        if (client)
            avahi_client_free(client);
        if (poll)
            avahi_threaded_poll_free(poll);
    }

    bool start()
    {
        if (client)
            return true;
        poll = avahi_threaded_poll_new();
        if (!poll)
            return false;
        int error = 0;
        client =
            avahi_client_new(avahi_threaded_poll_get(poll), AvahiClientFlags(0), nullptr, nullptr, &error);
        if (!client) {
            // Asked again later: the daemon may have started by then.
            qCInfo(lcFollow) << "no DNS-SD:" << avahi_strerror(error);
            avahi_threaded_poll_free(poll);
            poll = nullptr;
            return false;
        }
        avahi_threaded_poll_start(poll);
        return true;
    }

    static void resolved(AvahiServiceResolver *r, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent event,
                         const char *name, const char *, const char *, const char *hostName,
                         const AvahiAddress *, uint16_t port, AvahiStringList *, AvahiLookupResultFlags,
                         void *data)
    {
        auto *self = static_cast<Avahi *>(data);
        if (event == AVAHI_RESOLVER_FOUND) {
            const Found f{QString::fromUtf8(name), QString::fromUtf8(hostName), port};
            QMetaObject::invokeMethod(self->owner.data(), [owner = self->owner, f] {
                if (owner)
                    owner->add(f);
            });
        }
        avahi_service_resolver_free(r);
    }

    static void browsed(AvahiServiceBrowser *, AvahiIfIndex interface, AvahiProtocol protocol,
                        AvahiBrowserEvent event, const char *name, const char *type, const char *domain,
                        AvahiLookupResultFlags, void *data)
    {
        auto *self = static_cast<Avahi *>(data);
        if (event == AVAHI_BROWSER_NEW) {
            avahi_service_resolver_new(self->client, interface, protocol, name, type, domain,
                                       AVAHI_PROTO_UNSPEC, AvahiLookupFlags(0), resolved, self);
        } else if (event == AVAHI_BROWSER_REMOVE) {
            const QString n = QString::fromUtf8(name);
            QMetaObject::invokeMethod(self->owner.data(), [owner = self->owner, n] {
                if (owner)
                    owner->remove(n);
            });
        }
    }
};

Discovery::Discovery(QObject *parent) : QObject(parent), m_avahi(std::make_unique<Avahi>())
{
    m_avahi->owner = this;
}

Discovery::~Discovery() = default;

bool Discovery::browse()
{
    if (!m_avahi->start())
        return false;
    if (m_avahi->browser)
        return true;
    avahi_threaded_poll_lock(m_avahi->poll);
    m_avahi->browser =
        avahi_service_browser_new(m_avahi->client, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, kServiceType, nullptr,
                                  AvahiLookupFlags(0), Avahi::browsed, m_avahi.get());
    avahi_threaded_poll_unlock(m_avahi->poll);
    return m_avahi->browser != nullptr;
}

bool Discovery::announce(const QString &name, quint16 port)
{
    if (!m_avahi->start())
        return false;
    avahi_threaded_poll_lock(m_avahi->poll);
    if (!m_avahi->group)
        m_avahi->group = avahi_entry_group_new(m_avahi->client, nullptr, nullptr);
    bool ok = false;
    if (m_avahi->group) {
        avahi_entry_group_reset(m_avahi->group);
        ok = avahi_entry_group_add_service(m_avahi->group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC,
                                           AvahiPublishFlags(0), name.toUtf8().constData(), kServiceType,
                                           nullptr, nullptr, port, "path=/api/v1/follow", nullptr) == 0 &&
             avahi_entry_group_commit(m_avahi->group) == 0;
    }
    avahi_threaded_poll_unlock(m_avahi->poll);
    qCDebug(lcFollow) << "announced as" << name << "on port" << port << ok;
    return ok;
}

void Discovery::withdraw()
{
    if (!m_avahi->poll || !m_avahi->group)
        return;
    avahi_threaded_poll_lock(m_avahi->poll);
    avahi_entry_group_reset(m_avahi->group);
    avahi_threaded_poll_unlock(m_avahi->poll);
}

void Discovery::add(const Found &f)
{
    remove(f.name);
    m_found.append(f);
    Q_EMIT leadersChanged();
}

void Discovery::remove(const QString &name)
{
    const qsizetype before = m_found.size();
    m_found.removeIf([&](const Found &f) { return f.name == name; });
    if (m_found.size() != before)
        Q_EMIT leadersChanged();
}

} // namespace follow
