// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "follow/Protocol.h"

#include <QHostAddress>
#include <QObject>
#include <QUrl>

#include <functional>

class QTimer;
class QUdpSocket;
class QWebSocket;

// A follower's connection to its leader: it opens the leader's feed with the token, pings it to learn
// its clock, hands on what the leader says, and when the leader goes away tries again, soon and then
// every half second, so that a leader listening again is followed again within a second.
namespace follow {

class FollowLink : public QObject
{
    Q_OBJECT

public:
    static constexpr int kFirstRetryMs = 100;
    static constexpr int kLongestRetryMs = 500;
    static constexpr int kPingMs = 1000;
    static constexpr int kQuickPings = 5; // right after connecting, to know the clock at once
    // A leader silent this long is lost, even with the connection still open. Any frame of a message
    // counts: a long script behind a slow link arrives in many, and is no silence.
    static constexpr int kSilenceMs = 2500;
    static constexpr int kSilenceCheckMs = 100;
    // An attempt not answered by then is given up and made again: a leader's machine that was down
    // answers none of the attempts made meanwhile, and would hold this one for many seconds.
    static constexpr int kAttemptMs = 800;
    // A run channel offered and no datagram by then: the leader hears that they do not reach us.
    static constexpr int kReachMs = 3000;

    // Why a leader will not be followed; no use trying again.
    enum class Refusal { Token, NotLeading, Self };
    Q_ENUM(Refusal)

    // `now` reads the follower's clock, the one pings are timed by.
    FollowLink(std::function<quint32()> now, QObject *parent = nullptr);
    ~FollowLink() override;

    // HOST, HOST:PORT, [V6]:PORT or a ws:// address; nothing for an address no link can open.
    static std::optional<QUrl> addressOf(const QString &text);
    // The wait before the attempt after `failures` failed ones.
    static int retryDelay(int failures);

    void open(const QUrl &url, const QString &token);
    void close();
    bool connected() const { return m_connected; }
    // This prompter's own feed: a leader welcoming with its id is this prompter itself.
    void setOwnId(const QString &id) { m_ownId = id; }
    QUrl url() const { return m_url; }

    void send(const Message &message);
    // The local UDP port of the leader's run channel, 0 while there is none; whether its datagrams came.
    quint16 datagramPort() const;
    bool datagramsReach() const { return m_datagramsHeard; }

Q_SIGNALS:
    void received(const follow::Message &message, quint32 now);
    void linked();
    void lost(); // the leader went away or fell silent; the link is trying again
    // The leader refused us, or is ourselves; `detail` is what a refusing leader said.
    void refused(follow::FollowLink::Refusal why, const QString &detail);

private:
    void connectNow();
    void onConnected();
    void onDisconnected();
    void onText(const QString &text);
    void sendPing();
    void quickPings();
    void dropSocket();
    // A state is taken only if newer than the last, however it came.
    void take(const Message &message, quint32 now);
    void openChannel(const Channel &channel);
    void closeChannel();
    void readDatagrams();
    void sayHello();

    std::function<quint32()> m_now;
    QWebSocket *m_socket = nullptr;
    QTimer *m_retry;
    QTimer *m_ping;
    QTimer *m_silence;
    QTimer *m_attempt;
    QUrl m_url;
    QString m_token;
    QString m_ownId;
    quint32 m_heard = 0; // when the leader last sent anything, on m_now's clock
    int m_failures = 0;
    int m_pingsSent = 0;
    quint32 m_pingId = 0;
    bool m_connected = false;
    bool m_open = false;
    quint32 m_lastSeq = 0;
    QUdpSocket *m_udp = nullptr;
    QByteArray m_nonce;
    QByteArray m_key;
    QHostAddress m_leaderAddress;
    quint16 m_leaderPort = 0;
    quint32 m_helloCount = 0;
    quint32 m_offeredAt = 0;
    bool m_datagramsHeard = false;
    bool m_toldReaching = false;
};

} // namespace follow
