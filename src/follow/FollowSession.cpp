// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/FollowSession.h"

#include "common/Platform.h"
#include "common/Trace.h"
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "core/TalentMessage.h"
#include "follow/Discovery.h"
#include "follow/FollowLink.h"
#include "follow/Follower.h"
#include "follow/LeaderFeed.h"
#include "follow/LeaderServer.h"
#include "follow/Log.h"
#include "scroll/ScrollClock.h"

#include <QHostInfo>
#include <QNetworkInterface>

#include <cmath>
#include <tuple>
#include <utility>

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

// A command as the link between prompters carries it, and back.
follow::Command toLink(const run::Command &c)
{
    const run::VerbNames *n = run::namesOf(c.verb);
    const QString name = n && n->link ? QLatin1String(n->link) : QString();
    switch (c.verb) {
    case run::Verb::Up:
        return {name, 1, 0};
    case run::Verb::Down:
        return {name, -1, 0};
    case run::Verb::GoTo:
        return {name, int(std::lround(c.fraction * run::kLinkFractionScale)), 0};
    default:
        return {name, c.value, c.length};
    }
}

std::optional<run::Command> fromLink(const follow::Command &c)
{
    const std::optional<run::Verb> verb = run::linkVerb(c.name, c.value);
    if (!verb)
        return std::nullopt;
    if (*verb == run::Verb::GoTo)
        return run::Command{*verb, 0, c.value / run::kLinkFractionScale};
    return run::Command{*verb, c.value, 0, c.length};
}

} // namespace

FollowSession::FollowSession(Platform &platform, PrompterCore &core, QObject *parent)
    : QObject(parent), m_platform(platform), m_core(core)
{
    follow::LeaderFeed::Prompter p;
    // Not through this: the feed still asks the time while it is destroyed with this session.
    p.now = [&platform] { return platform.timeGetTime(); };
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
    p.talent = [this] { return m_core.message().text(); };
    p.show = [this]() -> std::optional<follow::Show> {
        const auto shown = m_show ? m_show->shownShow() : QList<ShowRun::Followed>();
        if (!shown)
            return std::nullopt;
        follow::Show out;
        for (const ShowRun::Followed &s : *shown)
            out.stories.append({s.id, s.title, s.planned, s.block, s.words});
        return out;
    };
    p.timers = [this] {
        follow::Timers out;
        if (!m_show)
            return out;
        const show::Timings t = m_show->timings();
        out = {t.elapsed,
               t.storyElapsed,
               t.storyToGo,
               t.showToGo,
               t.overUnder,
               t.planned,
               t.endTime.isValid() ? t.endTime.msecsSinceStartOfDay() / 1000 : -1,
               t.paceSpeed.value_or(0),
               t.rate,
               t.measured};
        return out;
    };
    p.command = [this](const follow::Command &c) {
        if (const std::optional<run::Command> command = fromLink(c))
            m_core.command(*command);
    };
    m_feed = new follow::LeaderFeed(std::move(p), this);

    connect(&core, &PrompterCore::runningChanged, m_feed, &follow::LeaderFeed::stateChanged);
    connect(&core, &PrompterCore::speedChanged, m_feed, &follow::LeaderFeed::stateChanged);
    connect(&core, &PrompterCore::directionChanged, m_feed, &follow::LeaderFeed::stateChanged);
    connect(&core, &PrompterCore::positionChanged, m_feed, &follow::LeaderFeed::stateChanged);
    connect(&core, &PrompterCore::scriptChanged, m_feed, &follow::LeaderFeed::scriptChanged);
    connect(&core, &PrompterCore::appearanceChanged, m_feed, &follow::LeaderFeed::lookChanged);
    connect(&core, &PrompterCore::markersChanged, m_feed, &follow::LeaderFeed::markersChanged);
    connect(&core.message(), &TalentMessage::changed, m_feed, &follow::LeaderFeed::talentChanged);
    if (trace::enabled()) {
        // For the measurement of several prompters: the share of the text read at each shown place
        // (thousandths of a character) and the Top, and the lines a layout made of the text.
        connect(&core, &PrompterCore::positionChanged, this, [this](float top) {
            const PrompterCore::ReadingPlace p = m_core.readingPlace();
            trace::record('R', qint64(std::llround((p.character + p.through * p.length) * 1000)),
                          qint64(top));
        });
        connect(&core, &PrompterCore::relaid, this,
                [this] { trace::record('N', m_core.layoutLength(), m_core.lineCount()); });
    }
    connect(m_feed, &follow::LeaderFeed::followersChanged, this, [this](int count) {
        if (!following())
            showStatus(count > 0 ? tr("Leading %n prompter(s)", nullptr, count) : tr("Leading"));
    });
}

void FollowSession::setShow(ShowRun *show)
{
    m_show = show;
    // A show is composed after its script is taken: its stories follow the script, once laid out.
    connect(show, &ShowRun::rundownChanged, m_feed, &follow::LeaderFeed::showChanged);
    connect(show, &ShowRun::timersChanged, m_feed, &follow::LeaderFeed::timersChanged);
}

FollowSession::~FollowSession()
{
    release();
}

void FollowSession::release()
{
    blockSignals(true);
    stopFollowing();
}

follow::State FollowSession::leaderState() const
{
    follow::State s;
    // A running clock's place is the one its last step put there.
    s.running = m_core.clock().ticking();
    s.time = s.running ? m_core.clock().lastTick() : m_platform.timeGetTime();
    s.speed = m_core.speed();
    s.forward = m_core.direction() == PrompterCore::Direction::Up;
    const PrompterCore::ReadingPlace p = m_core.readingPlace();
    s.place.character = p.character;
    s.place.through = p.through;
    s.place.length = p.length;
    s.place.paragraph = p.paragraph;
    if (m_show && m_show->isShow())
        std::tie(s.place.story, s.place.storyCharacter) = m_show->storyPlace(p.character);
    return s;
}

follow::Discovery &FollowSession::discovery()
{
    if (!m_discovery) {
        m_discovery = new follow::Discovery(this);
        connect(m_discovery, &follow::Discovery::leadersChanged, this, &FollowSession::leadersChanged);
    }
    return *m_discovery;
}

bool FollowSession::lead(const QHostAddress &address, quint16 port, const QString &token, QString *error)
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
    m_feed->listenDatagrams(address, m_server->port(), token);
    trace::record('V', m_server->port());
    discovery().announce(tr("Cuescroll on %1").arg(QHostInfo::localHostName()), m_server->port());
    showStatus(tr("Leading"));
    return true;
}

void FollowSession::leadThrough(quint16 port, const QString &token)
{
    delete m_server;
    m_server = nullptr;
    m_throughPort = port;
    m_token = token;
    m_feed->listenDatagrams(QHostAddress::Any, port, token);
    discovery().announce(tr("Cuescroll on %1").arg(QHostInfo::localHostName()), port);
    showStatus(tr("Leading"));
}

bool FollowSession::leading() const
{
    return m_server != nullptr || m_throughPort != 0;
}

quint16 FollowSession::leadPort() const
{
    return m_server ? m_server->port() : m_throughPort;
}

void FollowSession::stopLeading()
{
    if (!leading())
        return;
    delete m_server;
    m_server = nullptr;
    m_throughPort = 0;
    discovery().withdraw();
    m_feed->dropFollowers();
    m_feed->stopDatagrams();
    if (!following())
        showStatus(QString());
}

QStringList FollowSession::leadAddresses() const
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

QString FollowSession::lastLeader() const
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

void FollowSession::makeFollower()
{
    follow::Follower::Prompter p;
    p.script = [this](const QByteArray &rtf) {
        // The same script again after a lost link: left where it is, not sent back to its beginning.
        if (rtf == m_shownRtf)
            return;
        m_shownRtf = rtf;
        m_core.command({run::Verb::LeaderScript, 0, 0, 0, QString::fromLatin1(rtf)});
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
    // Shown until the leader clears it: the leader's time for it is the leader's to keep.
    p.talent = [this](const QString &text) {
        if (text.isEmpty() || m_core.command({run::Verb::Message, 0, 0, 0, text}).refused())
            m_core.command({run::Verb::ClearMessage});
    };
    p.state = [this](const follow::State &s) {
        tellRunning(s.running && !m_held);
        m_core.command({run::Verb::LeaderRun, s.speed, 0, s.forward ? 1 : -1});
    };
    p.show = [this](const follow::Show &show) {
        if (!m_show)
            return;
        QList<ShowRun::Followed> stories;
        for (const follow::ShowStory &s : show.stories)
            stories.append({s.id, s.title, s.planned, s.block, s.words});
        m_show->followShow(stories);
    };
    p.timers = [this](const follow::Timers &t) {
        if (!m_show)
            return;
        show::Timings shown;
        shown.elapsed = t.elapsed;
        shown.storyElapsed = t.storyElapsed;
        shown.storyToGo = t.storyToGo;
        shown.showToGo = t.showToGo;
        shown.overUnder = t.overUnder;
        shown.planned = t.planned;
        if (t.endTime >= 0)
            shown.endTime = QTime::fromMSecsSinceStartOfDay(t.endTime * 1000);
        if (t.paceSpeed > 0)
            shown.paceSpeed = t.paceSpeed;
        shown.rate = t.rate;
        shown.measured = t.measured;
        m_show->followTimings(shown);
    };
    p.topFor = [this](const follow::Place &place) {
        // In a show, the place is the story's: the same words whatever came before them here.
        const int inStory =
            m_show && !place.story.isEmpty() ? m_show->characterIn(place.story, place.storyCharacter) : -1;
        return m_core.topFor(
            {inStory >= 0 ? inStory : place.character, place.through, place.length, place.paragraph},
            PrompterCore::Align::Paragraph);
    };
    p.lineHeight = [this] { return m_core.lineHeight(); };
    m_follower = new follow::Follower(std::move(p), this);
    connect(&m_core, &PrompterCore::relaid, m_follower, &follow::Follower::relaid);
    m_core.command({run::Verb::StopHere});
    if (m_show) {
        // The leader's show, none until it tells one, on the leader's run.
        m_show->followShow(QList<ShowRun::Followed>());
        m_show->followTimings(std::nullopt);
        m_show->showLeaderRun(false);
    }
    followLeader();
    m_core.setLeader([this](const run::Command &c) { return forward(c); });
}

void FollowSession::followLeader()
{
    m_held = false;
    m_core.steer(PrompterCore::Driver::Leader,
                 [this](quint32 now) { return m_follower->frame(now, m_core.top()); });
}

void FollowSession::tellRunning(bool running)
{
    if (m_show && m_follower)
        m_show->showLeaderRun(running);
    if (std::exchange(m_toldRunning, running) != running)
        Q_EMIT leaderRunningChanged(running);
}

void FollowSession::hold()
{
    tellRunning(false);
    m_core.letGo(PrompterCore::Driver::Leader);
    m_core.command({run::Verb::StopHere});
    m_held = true;
    m_heldAt = m_platform.timeGetTime();
}

void FollowSession::heardFromLeader(const follow::Message &message, quint32 now)
{
    if (!m_held)
        return;
    // Held by a Stop: the leader's word that it stopped, or anything it says once the Stop had time to
    // reach it (it may not have taken it), gives the motion back to it.
    const auto *state = std::get_if<follow::State>(&message);
    if (std::holds_alternative<follow::Welcome>(message) ||
        (state && (!state->running || elapsedMs(now, m_heldAt) >= kHoldMs)))
        followLeader();
}

follow::Follower &FollowSession::followInProcess()
{
    stopFollowing();
    makeFollower();
    return *m_follower;
}

void FollowSession::follow(const QUrl &leader, const QString &token)
{
    stopFollowing();
    m_token = token;
    m_lastLeader = leader;
    makeFollower();
    m_link = new follow::FollowLink([this] { return m_platform.timeGetTime(); }, this);
    if (trace::enabled()) {
        // For the measurement of a Stop's way over the network: when the follower hears of it.
        connect(m_link, &follow::FollowLink::received, this, [this](const follow::Message &m) {
            const auto *s = std::get_if<follow::State>(&m);
            if (s && !s->running && m_follower->leaderState().running)
                trace::record('T');
        });
    }
    connect(m_link, &follow::FollowLink::received, m_follower, &follow::Follower::receive);
    connect(m_link, &follow::FollowLink::received, this, &FollowSession::heardFromLeader);
    connect(m_link, &follow::FollowLink::linked, this, [this] {
        trace::record('K');
        setLost(false);
        showStatus(tr("Following %1").arg(m_link->url().host()));
    });
    connect(m_link, &follow::FollowLink::lost, this, [this] {
        setLost(true);
        m_follower->lose();
        if (m_held)
            showStatus(tr("Leader lost: stopped here, reconnecting…"));
        else
            showStatus(
                tr("Leader lost: going on at speed %1, reconnecting…").arg(m_follower->leaderState().speed));
        // Another prompter may take the lead meanwhile and announce itself: it is followed then.
        m_leadersWhenLost = discovery().leaders();
        discovery().browse();
    });
    m_link->setOwnId(m_feed->id());
    connect(m_link, &follow::FollowLink::refused, this,
            [this](follow::FollowLink::Refusal why, const QString &detail) {
                qCInfo(lcFollow) << "refused by the leader:" << why << detail;
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
    qCInfo(lcFollow) << "following" << leader.toDisplayString();
    Q_EMIT followingChanged(true);
}

void FollowSession::leadersChanged()
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
        qCInfo(lcFollow) << "the leader is lost and" << f.name << "leads now: following it";
        showStatus(tr("Following %1 in the lost leader's place").arg(f.name));
        m_link->open(*url, m_token);
        return;
    }
}

void FollowSession::setLost(bool lost)
{
    if (std::exchange(m_lost, lost) != lost)
        Q_EMIT leaderLostChanged(lost);
}

void FollowSession::stopFollowing()
{
    if (!m_follower)
        return;
    m_core.setLeader({});
    m_core.letGo(PrompterCore::Driver::Leader);
    m_held = false;
    tellRunning(false);
    if (m_link) {
        // It may be what is telling us to stop.
        m_link->close();
        m_link->disconnect(this);
        m_link->deleteLater();
        m_link = nullptr;
    }
    delete m_follower;
    m_follower = nullptr;
    if (m_show) {
        m_show->showLeaderRun(std::nullopt);
        m_show->followShow(std::nullopt);
    }
    m_shownRtf.clear();
    m_shownLook = {};
    setLost(false);
    showStatus(leading() ? tr("Leading") : QString());
    Q_EMIT followingChanged(false);
}

bool FollowSession::promote(const QHostAddress &address)
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
        m_core.command({run::Verb::Start});
    return true;
}

std::optional<run::Answer> FollowSession::forward(const run::Command &c)
{
    if (!m_link)
        return std::nullopt;
    // Stop stops this prompter at once, whether the leader hears it or not.
    const bool stops = c.verb == run::Verb::Stop ||
                       (c.verb == run::Verb::Toggle && !m_held && m_follower->leaderState().running);
    if (stops)
        hold();
    if (m_link->connected() && !m_lost) {
        m_link->send(toLink(c));
        return run::Answer::forwarded();
    }
    if (stops || (m_held && c.verb == run::Verb::Stop)) {
        showStatus(tr("Leader lost: stopped here, reconnecting…"));
        return run::Answer::done();
    }
    const QString why = tr("The leader cannot be reached: only Stop works here until it is back.");
    qCInfo(lcFollow) << "command refused:" << why;
    showStatus(why);
    return run::Answer::refused(run::Answer::Reason::LeaderLost, why);
}

void FollowSession::showStatus(const QString &text, const QString &more)
{
    m_statusText = text;
    m_statusDetail = more;
    Q_EMIT statusChanged(text, more);
}
