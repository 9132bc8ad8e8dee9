// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/gui/RemoteControl.h"

#include "common/Platform.h"
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "core/TalentMessage.h"
#include "documents/Cues.h"
#include "net/Token.h"
#include "remote/GamepadInput.h"
#include "remote/Log.h"
#include "remote/MidiInput.h"
#include "remote/OscFeedback.h"
#include "remote/RemoteServer.h"
#include "remote/RemoteShow.h"
#include "settings/Settings.h"
#include "ui/Dialogs.h"

#include <QNetworkInterface>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace remote {

RemoteControl::RemoteControl(Platform &platform, Settings &settings, PrompterCore &core, ShowRun &show,
                             QObject *parent)
    : QObject(parent), m_platform(platform), m_settings(settings), m_core(core), m_show(show),
      m_server(new RemoteServer(platform, this)), m_midi(new MidiInput(this)),
      m_feedback(new OscFeedback(
          platform, [this] { return feedback(); }, this)),
      m_gamepads(new GamepadInput(this)), m_push(new QTimer(this))
{
    m_push->setSingleShot(true);
    connect(m_push, &QTimer::timeout, this, &RemoteControl::pushNow);
    m_server->setStateSource([this] { return stateJson(); });
    m_server->setCommandHandler([this](const Command &c) { return apply(c); });
    connect(m_midi, &MidiInput::commandReceived, this, &RemoteControl::apply);
    connect(m_gamepads, &GamepadInput::commandReceived, this, &RemoteControl::apply);
    connect(m_gamepads, &GamepadInput::controllersChanged, this, &RemoteControl::statusChanged);
    connect(m_server, &RemoteServer::devicesChanged, this, &RemoteControl::statusChanged);
    connect(m_server, &RemoteServer::oscIgnored, this, [this](const QString &why) {
        qCInfo(lcRemote) << why;
        m_oscIgnored = why;
        Q_EMIT statusChanged();
    });

    const auto now = [this] { changed(false); };
    connect(&core, &PrompterCore::runningChanged, this, now);
    connect(&core, &PrompterCore::speedChanged, this, now);
    connect(&core, &PrompterCore::directionChanged, this, now);
    connect(&core, &PrompterCore::progressChanged, this, now);
    connect(&core, &PrompterCore::timeToGoChanged, this, now);
    connect(&core, &PrompterCore::markModeChanged, this, now);
    connect(&core, &PrompterCore::fullScreenChanged, this, now);
    connect(&core.message(), &TalentMessage::changed, this, now);
    connect(&core, &PrompterCore::positionChanged, this, [this] { changed(true); });
    connect(&core, &PrompterCore::scriptChanged, this, &RemoteControl::scriptChanged);
    connect(&core, &PrompterCore::markersChanged, this, &RemoteControl::markersChanged);
    // Places count in the story on air: its markers are others when it changes.
    connect(&show, &ShowRun::storyChanged, this, &RemoteControl::markersChanged);
    connect(&show, &ShowRun::rundownChanged, this, now);
    connect(&show, &ShowRun::timersChanged, this, now);
    scriptChanged();

    // The desks hear the state whether or not anything listens here: it is sent, not taken.
    const auto told = [this] { m_feedback->changed(false); };
    connect(&core, &PrompterCore::runningChanged, m_feedback, told);
    connect(&core, &PrompterCore::speedChanged, m_feedback, told);
    connect(&core, &PrompterCore::directionChanged, m_feedback, told);
    const auto moved = [this] { m_feedback->changed(true); };
    connect(&core, &PrompterCore::progressChanged, m_feedback, moved);
    connect(&core, &PrompterCore::timeToGoChanged, m_feedback, moved);
    // A desk's lamps follow the message, the story and the timers as they change.
    connect(&core.message(), &TalentMessage::changed, m_feedback, told);
    connect(&show, &ShowRun::storyChanged, m_feedback, told);
    connect(&show, &ShowRun::rundownChanged, m_feedback, told);
    connect(&show, &ShowRun::timersChanged, m_feedback, moved);
    // Nothing goes out before the script is laid out: a desk's first state is the true one.
    m_feedback->hold(true);
    connect(&core, &PrompterCore::relaid, m_feedback, [this] { m_feedback->hold(false); });
    connect(m_server, &RemoteServer::oscStateAsked, m_feedback, &OscFeedback::answer);
    m_feedback->setTargets(settings.oscFeedback());
    connect(&settings, &Settings::changed, m_feedback, [this](Settings::Key key) {
        if (key == Settings::Key::OscFeedback)
            m_feedback->setTargets(m_settings.oscFeedback());
    });

    m_token = qEnvironmentVariable("CUESCROLL_REMOTE_TOKEN");
}

RemoteControl::~RemoteControl()
{
    shutDown();
}

void RemoteControl::shutDown()
{
    // The MIDI threads end, and the sockets close, while the core they command is still there.
    m_server->disconnect(this);
    m_server->setCommandHandler({});
    m_midi->disconnect(this);
    m_gamepads->disconnect(this);
    m_feedback->setTargets({});
    stopAll();
}

void RemoteControl::ensureToken()
{
    if (!m_token.isEmpty())
        return;
    m_token = m_settings.remoteToken();
    if (m_token.isEmpty())
        newToken();
}

void RemoteControl::newToken()
{
    // Not to be guessed within the rate limit.
    m_token = net::newToken();
    m_settings.setRemoteToken(m_token);
    if (listening()) // devices holding the old token are let go, and told why
        m_server->replaceToken(m_token.toUtf8());
    Q_EMIT statusChanged();
}

bool RemoteControl::applySettings()
{
    m_forRun = false;
    if (!m_settings.remoteEnabled() && !m_settings.midi() && !m_settings.gamepad()) {
        stopAll();
        m_error.clear();
        Q_EMIT statusChanged();
        return true;
    }
    bool ok = true;
    if (m_settings.remoteEnabled())
        ok = startServer(m_settings.remotePort(), m_settings.osc());
    else
        m_server->stop();
    m_midi->close();
    // A device's module that is missing is told as the server's failures are; the rest runs on.
    if (m_settings.midi()) {
        m_midi->setMap(parseMidiMap(m_settings.midiMap()));
        m_midi->open();
        if (ok && !m_midi->error().isEmpty()) {
            m_error = m_midi->error();
            ok = false;
        }
    }
    m_gamepads->close();
    if (m_settings.gamepad()) {
        m_gamepads->setMap(parseGamepadMap(m_settings.gamepadMap()));
        if (!m_gamepads->open() && ok && !m_gamepads->error().isEmpty()) {
            m_error = m_gamepads->error();
            ok = false;
        }
    }
    Q_EMIT statusChanged();
    return ok;
}

bool RemoteControl::startForRun(std::optional<quint16> port, bool osc)
{
    const bool ok = startServer(port.value_or(m_settings.remotePort()), osc);
    m_forRun = ok;
    Q_EMIT statusChanged();
    return ok;
}

bool RemoteControl::startServer(quint16 port, bool osc)
{
    ensureToken();
    RemoteServer::Options o;
    o.address = m_address;
    o.port = port;
    o.token = m_token.toUtf8();
    o.osc = osc;
    o.oscAllow = m_settings.oscAllow();
    const bool ok = m_server->start(o);
    m_error = ok ? QString() : m_server->errorString();
    if (!ok)
        qCInfo(lcRemote) << m_error;
    return ok;
}

void RemoteControl::stopAll()
{
    m_server->stop();
    m_midi->close();
    m_gamepads->close();
    m_push->stop();
}

bool RemoteControl::listening() const
{
    return m_server->listening();
}

quint16 RemoteControl::port() const
{
    return m_server->port();
}

bool RemoteControl::oscListening() const
{
    return m_server->oscListening();
}

int RemoteControl::devices() const
{
    return m_server->devices();
}

QStringList RemoteControl::midiInputs() const
{
    return m_midi->inputs();
}

QStringList RemoteControl::pageAddresses() const
{
    QStringList hosts;
    for (const QHostAddress &a : QNetworkInterface::allAddresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback() && !a.isLinkLocal())
            hosts << a.toString();
    }
    hosts << QStringLiteral("127.0.0.1");
    QStringList out;
    const QString token = QString::fromLatin1(QUrl::toPercentEncoding(m_token));
    for (const QString &h : std::as_const(hosts))
        out << QStringLiteral("http://%1:%2/?token=%3").arg(h).arg(port()).arg(token);
    return out;
}

run::Answer RemoteControl::apply(const Command &c)
{
    if (otherWindowOpen(nullptr, m_ownWindow)) {
        qCInfo(lcRemote) << "command" << actionName(c.verb) << "refused: a window is open";
        return run::Answer::refused(run::Answer::Reason::WindowOpen, tr("Another window is open."));
    }
    qCDebug(lcRemote) << "command" << actionName(c.verb) << c.value << c.fraction;
    Command command = c;
    if (command.verb == Verb::JumpChar)
        command.value += storyOffset();
    const run::Answer a = m_core.command(command);
    if (a.refused())
        qCInfo(lcRemote) << "command" << actionName(c.verb) << "refused:" << a.text;
    return a;
}

int RemoteControl::storyOffset() const
{
    const ShowRun &show = m_show;
    return show.current() >= 0 ? std::max(0, show.storyStart(show.current())) : 0;
}

State RemoteControl::state() const
{
    State s;
    s.running = running();
    s.speed = m_core.speed();
    s.up = m_core.direction() == PrompterCore::Direction::Up;
    s.top = m_core.top();
    s.range = m_core.range();
    s.progress = m_core.progress();
    s.timeToGo = m_show.timeToGo();
    s.words = m_show.words();
    s.charAtLine = m_core.charAtLine();
    if (std::exchange(m_textStale, false))
        m_text = m_core.plainText();
    s.lineText = lineFrom(m_text, s.charAtLine);
    s.charAtLine -= storyOffset();
    s.show = showJson(m_show);
    if (QJsonObject timers = s.show.value(QLatin1String("timers")).toObject();
        timers.contains(QLatin1String("overUnder"))) {
        timers.insert(QStringLiteral("overUnder"),
                      overUnderShown(timers.value(QLatin1String("overUnder")).toDouble()));
        s.show.insert(QStringLiteral("timers"), timers);
    }
    s.markMode = m_core.markMode();
    s.fullScreen = m_core.fullScreen();
    s.time = m_platform.timeGetTime();
    s.message = m_core.message().text();
    s.leaderLost = m_leaderLost;
    if (m_mosState)
        s.mos = m_mosState();
    s.cueErrors = m_cueErrors;
    return s;
}

// The rundown, the timers and the message are told from here when the run has them.
Feedback RemoteControl::feedback() const
{
    Feedback f;
    f.running = running();
    f.speed = m_core.speed();
    f.up = m_core.direction() == PrompterCore::Direction::Up;
    f.progress = m_core.progress() / 100.0;
    f.timeToGo = m_show.timeToGo();
    if (m_show.isShow()) {
        f.story = std::max(1, m_show.current() + 1); // before it is placed, the first is on air
        if (const show::Timings t = m_show.timings(); t.planned)
            f.overUnder = overUnderShown(t.overUnder);
    }
    f.message = m_core.message().text();
    return f;
}

// A follower's own clock stands while its leader moves the script.
bool RemoteControl::running() const
{
    return m_core.following() ? m_leaderRunning : m_core.running();
}

void RemoteControl::setLeaderRunning(bool running)
{
    if (std::exchange(m_leaderRunning, running) == running)
        return;
    changed(false);
    m_feedback->changed(false);
}

double RemoteControl::overUnderShown(double raw) const
{
    return m_overUnder.take(raw, m_platform.timeGetTime());
}

void RemoteControl::setLeaderLost(bool lost)
{
    if (std::exchange(m_leaderLost, lost) != lost)
        changed(false);
}

QByteArray RemoteControl::stateJson() const
{
    return remote::stateJson(state(), m_markers, m_cues);
}

void RemoteControl::changed(bool position)
{
    if (m_server->devices() == 0)
        return;
    int delay = 0;
    if (position) {
        m_movePending = true;
        if (m_push->isActive())
            return; // already due, and it will show the latest place
        // Only moves wait for their turn: the first frame that moves after a Start goes out at once.
        delay =
            std::clamp(kPositionGapMs - elapsedMs(m_platform.timeGetTime(), m_lastMove), 0, kPositionGapMs);
    }
    if (!m_push->isActive() || m_push->remainingTime() > delay)
        m_push->start(delay);
}

void RemoteControl::pushNow()
{
    m_push->stop();
    if (std::exchange(m_movePending, false))
        m_lastMove = m_platform.timeGetTime();
    m_server->push(stateJson());
}

void RemoteControl::scriptChanged()
{
    m_textStale = true; // a long script is made plain text only for a remote that asks
    m_allCues.clear();
    for (const cues::Cue &c : cues::list(*m_core.document()))
        m_allCues << Cue{c.text, c.start};
    markersChanged();
}

void RemoteControl::markersChanged()
{
    // Of a show, the story on air's only, placed in its own text.
    const ShowRun &show = m_show;
    const int offset = storyOffset();
    const int next = show.current() >= 0 ? show.storyStart(show.current() + 1) : -1;
    const auto inStory = [&](int at) { return at >= offset && (next < 0 || at < next); };
    QList<Marker> list;
    const CMarkers &markers = m_core.markers();
    for (qint32 i = 1; i <= markers.Count(); ++i) {
        const auto m = markers.Item(i);
        if (m && inStory(m->lStartFrom))
            list << Marker{m->lStartFrom - offset, m->lLength, m->sText};
    }
    m_markers = markersJson(list);
    QList<Cue> cues;
    for (const Cue &c : std::as_const(m_allCues))
        if (inStory(c.start))
            cues << Cue{c.text, c.start - offset};
    m_cues = cuesJson(cues);
    changed(false);
}

} // namespace remote
