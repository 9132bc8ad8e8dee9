// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FollowSeat.h"

#include "app/Log.h"
#include "app/frmMain.h"
#include "common/Platform.h"
#include "common/Trace.h"
#include "core/PrompterCore.h"
#include "follow/Discovery.h"
#include "follow/FollowLink.h"
#include "follow/Follower.h"
#include "follow/LeaderFeed.h"
#include "follow/LeaderServer.h"
#include "scroll/ScrollClock.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QHostInfo>
#include <QLabel>
#include <QNetworkInterface>

#include <cmath>

namespace {

follow::Look lookOf(const appearance::Appearance &a)
{
    return {a.sFontName,          a.dFontSize,  a.bFontBold,  a.bFontItalic, a.bFontUnderline,
            a.bFontStrikethrough, a.lForeColor, a.lBackColor, a.lLineColor};
}

appearance::Appearance appearanceOf(const follow::Look &l)
{
    appearance::Appearance a;
    a.sFontName = l.fontName;
    a.dFontSize = l.fontSize;
    a.bFontBold = l.bold;
    a.bFontItalic = l.italic;
    a.bFontUnderline = l.underline;
    a.bFontStrikethrough = l.strikethrough;
    a.lForeColor = l.foreColor;
    a.lBackColor = l.backColor;
    a.lLineColor = l.lineColor;
    return a;
}

void carryOut(PrompterCore &core, const follow::Command &c)
{
    const QString &n = c.name;
    if (n == QLatin1String("start"))
        core.start();
    else if (n == QLatin1String("stop"))
        core.stop();
    else if (n == QLatin1String("toggle"))
        core.toggle();
    else if (n == QLatin1String("reset"))
        core.reset();
    else if (n == QLatin1String("stepBack"))
        core.stepBack();
    else if (n == QLatin1String("stepForward"))
        core.stepForward();
    else if (n == QLatin1String("pageBack"))
        core.pageBack();
    else if (n == QLatin1String("pageForward"))
        core.pageForward();
    else if (n == QLatin1String("home"))
        core.home();
    else if (n == QLatin1String("end"))
        core.end();
    else if (n == QLatin1String("slower"))
        core.slower();
    else if (n == QLatin1String("faster"))
        core.faster();
    else if (n == QLatin1String("speed"))
        core.setSpeed(c.value);
    else if (n == QLatin1String("direction"))
        core.setDirection(c.value < 0 ? PrompterCore::Direction::Down : PrompterCore::Direction::Up);
    else if (n == QLatin1String("jump"))
        core.jumpToMarker(c.value);
    else if (n == QLatin1String("wheel"))
        core.wheel(c.value);
    else if (n == QLatin1String("clearMarkers"))
        core.doAction(QStringLiteral("ClearAll"));
    else if (n == QLatin1String("mark"))
        core.markPassage(c.value, c.length);
    else if (n == QLatin1String("unmark"))
        core.unmark(c.value);
}

} // namespace

FollowSeat::FollowSeat(Platform &platform, frmMain &window, PrompterCore &core, QLabel *status)
    : QObject(&window), m_platform(platform), m_window(window), m_core(core), m_status(status)
{
    follow::LeaderFeed::Prompter p;
    p.now = [this] { return m_platform.timeGetTime(); };
    p.state = [this] { return leaderState(); };
    p.script = [this] { return m_core.scriptRtf(); };
    p.look = [this] { return lookOf(m_core.appearance()); };
    p.markers = [this] {
        QList<follow::Marker> out;
        const CMarkers &m = m_core.markers();
        for (qint32 i = 1; i <= m.Count(); ++i) {
            const CMarker marker = *m.Item(i);
            out.append({marker.lStartFrom, marker.lLength, marker.sText});
        }
        return out;
    };
    p.command = [this](const follow::Command &c) { carryOut(m_core, c); };
    m_feed = new follow::LeaderFeed(std::move(p), this);

    connect(&core, &PrompterCore::runningChanged, m_feed, &follow::LeaderFeed::stateChanged);
    connect(&core, &PrompterCore::speedChanged, m_feed, &follow::LeaderFeed::stateChanged);
    connect(&core, &PrompterCore::directionChanged, m_feed, &follow::LeaderFeed::stateChanged);
    connect(&core, &PrompterCore::positionChanged, m_feed, &follow::LeaderFeed::stateChanged);
    connect(&core, &PrompterCore::scriptChanged, m_feed, &follow::LeaderFeed::scriptChanged);
    connect(&core, &PrompterCore::appearanceChanged, m_feed, &follow::LeaderFeed::lookChanged);
    connect(&core, &PrompterCore::markersChanged, m_feed, &follow::LeaderFeed::markersChanged);
    if (trace::enabled()) {
        // For the measurement of several prompters: the share of the text read at each shown place
        // (thousandths of a character) and the Top, and the lines a layout made of the text.
        connect(&core, &PrompterCore::positionChanged, this, [this](float top) {
            const PrompterCore::ReadingPlace p = m_core.readingPlace();
            trace::record('R', qint64(std::llround((p.character + p.through * p.length) * 1000)),
                          qint64(top));
        });
        connect(&core, &PrompterCore::relaid, this, [this] {
            const RichTextView *view = m_window.rtDoc;
            trace::record('N', view->textLength(), view->GetLineFromChar(view->textLength()) + 1);
        });
    }
    connect(m_feed, &follow::LeaderFeed::followersChanged, this, [this](int count) {
        if (!following())
            showStatus(count > 0 ? tr("Leading %n prompter(s)", nullptr, count) : tr("Leading"));
    });
}

FollowSeat::~FollowSeat()
{
    // The window is going: it hears nothing more.
    blockSignals(true);
    stopFollowing();
}

follow::State FollowSeat::leaderState() const
{
    follow::State s;
    // A running clock's place is the one its last step put there.
    s.running = m_core.clock().ticking();
    s.time = s.running ? m_core.clock().lastTick() : m_platform.timeGetTime();
    s.speed = m_core.speed();
    s.forward = m_core.direction() == PrompterCore::Direction::Up;
    const PrompterCore::ReadingPlace p = m_core.readingPlace();
    s.place = {p.character, p.through, p.length, p.paragraph};
    return s;
}

follow::Discovery &FollowSeat::discovery()
{
    if (!m_discovery) {
        m_discovery = new follow::Discovery(this);
        connect(m_discovery, &follow::Discovery::leadersChanged, this, &FollowSeat::leadersChanged);
    }
    return *m_discovery;
}

bool FollowSeat::lead(const QHostAddress &address, quint16 port, const QString &token, QString *error)
{
    delete m_server;
    m_throughPort = 0;
    m_server = new follow::LeaderServer(*m_feed, token, this);
    if (!m_server->listen(address, port)) {
        if (error)
            *error = m_server->errorString();
        delete m_server;
        m_server = nullptr;
        return false;
    }
    m_token = token;
    trace::record('V', m_server->port());
    discovery().announce(tr("Cuescroll on %1").arg(QHostInfo::localHostName()), m_server->port());
    showStatus(tr("Leading"));
    return true;
}

void FollowSeat::leadThrough(quint16 port, const QString &token)
{
    delete m_server;
    m_server = nullptr;
    m_throughPort = port;
    m_token = token;
    discovery().announce(tr("Cuescroll on %1").arg(QHostInfo::localHostName()), port);
    showStatus(tr("Leading"));
}

bool FollowSeat::leading() const
{
    return m_server != nullptr || m_throughPort != 0;
}

quint16 FollowSeat::leadPort() const
{
    return m_server ? m_server->port() : m_throughPort;
}

void FollowSeat::stopLeading()
{
    if (!leading())
        return;
    delete m_server;
    m_server = nullptr;
    m_throughPort = 0;
    discovery().withdraw();
    m_feed->dropFollowers();
    if (!following())
        showStatus(QString());
}

QStringList FollowSeat::leadAddresses() const
{
    QStringList out;
    for (const QHostAddress &a : QNetworkInterface::allAddresses()) {
        if (a.isLoopback() || a.isLinkLocal() || a.isMulticast())
            continue;
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            out.prepend(QStringLiteral("%1:%2").arg(a.toString()).arg(leadPort()));
        else if (a.protocol() == QAbstractSocket::IPv6Protocol)
            out.append(QStringLiteral("[%1]:%2").arg(a.toString()).arg(leadPort()));
    }
    // With no network, only prompters on this computer can follow.
    if (out.isEmpty())
        out << QStringLiteral("127.0.0.1:%1").arg(leadPort());
    return out;
}

QString FollowSeat::lastLeader() const
{
    if (m_lastLeader.isEmpty())
        return QString();
    if (m_lastLeader.scheme() != QLatin1String("ws") || m_lastLeader.path() != QLatin1String(follow::kPath))
        return m_lastLeader.toString();
    const QString host = m_lastLeader.host();
    return QStringLiteral("%1:%2")
        .arg(host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host)
        .arg(m_lastLeader.port(follow::kDefaultPort));
}

void FollowSeat::makeFollower()
{
    follow::Follower::Prompter p;
    p.script = [this](const QByteArray &rtf) {
        // The same script again after a lost link: left where it is, not sent back to its beginning.
        if (rtf == m_shownRtf)
            return;
        m_shownRtf = rtf;
        m_core.takeRichScript(rtf);
    };
    p.look = [this](const follow::Look &l) {
        if (l == m_shownLook)
            return;
        m_shownLook = l;
        m_core.showAppearance(appearanceOf(l));
    };
    p.markers = [this](const QList<follow::Marker> &markers) {
        CMarkers m;
        for (const follow::Marker &marker : markers)
            m.Add({marker.start, marker.length, marker.text});
        m_core.replaceMarkers(m);
    };
    p.state = [this](const follow::State &s) {
        m_core.setSpeed(s.speed);
        m_core.setDirection(s.forward ? PrompterCore::Direction::Up : PrompterCore::Direction::Down);
    };
    p.topFor = [this](const follow::Place &place) {
        return m_core.topFor({place.character, place.through, place.length, place.paragraph},
                             PrompterCore::Align::Paragraph);
    };
    p.lineHeight = [this] { return twips::height(m_window.lblHeightFinder); };
    m_follower = new follow::Follower(std::move(p), this);
    connect(&m_core, &PrompterCore::relaid, m_follower, &follow::Follower::relaid);
    m_core.stop();
    m_core.setSteering([this](quint32 now) { return m_follower->frame(now, m_core.top()); });
}

follow::Follower &FollowSeat::followInProcess()
{
    stopFollowing();
    makeFollower();
    return *m_follower;
}

void FollowSeat::follow(const QUrl &leader, const QString &token)
{
    stopFollowing();
    m_token = token;
    m_lastLeader = leader;
    makeFollower();
    m_link = new follow::FollowLink([this] { return m_platform.timeGetTime(); }, this);
    connect(m_link, &follow::FollowLink::received, m_follower, &follow::Follower::receive);
    connect(m_link, &follow::FollowLink::linked, this, [this] {
        trace::record('K');
        m_lost = false;
        showStatus(tr("Following %1").arg(m_link->url().host()));
    });
    connect(m_link, &follow::FollowLink::lost, this, [this] {
        m_lost = true;
        m_follower->lose();
        showStatus(
            tr("Leader lost: going on at speed %1, reconnecting…").arg(m_follower->leaderState().speed));
        // Another prompter may take the lead meanwhile and announce itself: it is followed then.
        m_leadersWhenLost = discovery().leaders();
        discovery().browse();
    });
    m_link->setOwnId(m_feed->id());
    connect(m_link, &follow::FollowLink::refused, this,
            [this](follow::FollowLink::Refusal why, const QString &detail) {
                qCInfo(lcApp) << "refused by the leader:" << why << detail;
                const QString host = m_link->url().host();
                QString said, shortly; // the panel has room for a few words; its tooltip for all
                switch (why) {
                case follow::FollowLink::Refusal::Token:
                    said = tr("The prompter at %1 did not accept the token. Its studio menu shows the "
                              "right one under “How to follow this prompter…”.")
                               .arg(host);
                    shortly = tr("Not following: wrong token");
                    break;
                case follow::FollowLink::Refusal::Self:
                    said = tr("%1 is this prompter itself: a prompter cannot follow itself.").arg(host);
                    shortly = tr("Not following: that is this prompter");
                    break;
                case follow::FollowLink::Refusal::NotLeading:
                    said = tr("The prompter at %1 does not lead: nothing can follow it.").arg(host);
                    shortly = tr("Not following: %1 does not lead").arg(host);
                    break;
                }
                const bool fresh = !m_follower->welcomed();
                stopFollowing();
                showStatus(shortly, said);
                Q_EMIT refused(said, fresh);
            });
    showStatus(tr("Connecting to %1…").arg(leader.host()));
    m_link->open(leader, token);
    qCInfo(lcApp) << "following" << leader.toDisplayString();
    Q_EMIT followingChanged(true);
}

void FollowSeat::leadersChanged()
{
    if (!m_lost || !m_link)
        return;
    for (const follow::Found &f : discovery().leaders()) {
        if (m_leadersWhenLost.contains(f))
            continue;
        const std::optional<QUrl> url =
            follow::FollowLink::addressOf(QStringLiteral("%1:%2").arg(f.host).arg(f.port));
        if (!url || *url == m_link->url())
            continue;
        qCInfo(lcApp) << "the leader is lost and" << f.name << "leads now: following it";
        showStatus(tr("Following %1 in the lost leader's place").arg(f.name));
        m_link->open(*url, m_token);
        return;
    }
}

void FollowSeat::stopFollowing()
{
    if (!m_follower)
        return;
    m_core.setSteering({});
    if (m_link) {
        // It may be what is telling us to stop.
        m_link->close();
        m_link->disconnect(this);
        m_link->deleteLater();
        m_link = nullptr;
    }
    delete m_follower;
    m_follower = nullptr;
    m_shownRtf.clear();
    m_shownLook = {};
    m_lost = false;
    showStatus(leading() ? tr("Leading") : QString());
    Q_EMIT followingChanged(false);
}

bool FollowSeat::promote(const QHostAddress &address)
{
    const quint16 port =
        m_link && m_link->url().port() > 0 ? quint16(m_link->url().port()) : follow::kDefaultPort;
    // It goes on from where it stands, at the speed it was following, now on its own clock.
    const follow::State last = m_follower ? m_follower->leaderState() : follow::State{};
    stopFollowing();
    QString error;
    if (!lead(address, port, m_token, &error)) {
        showStatus(tr("This prompter cannot lead: %1").arg(error));
        return false;
    }
    if (last.running)
        m_core.start();
    return true;
}

bool FollowSeat::forward(const follow::Command &command)
{
    if (!m_link)
        return false;
    m_link->send(command);
    return true;
}

void FollowSeat::showStatus(const QString &text, const QString &more)
{
    if (!m_status)
        return;
    m_status->setText(text);
    m_status->setToolTip(more);
    m_status->setVisible(!text.isEmpty());
}
