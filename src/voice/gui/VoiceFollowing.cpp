// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/gui/VoiceFollowing.h"

#include "common/Platform.h"
#include "core/PrompterCore.h"
#include "documents/Cues.h"
#include "settings/Settings.h"
#include "ui/Dialogs.h"
#include "ui/Twips.h"
#include "voice/Follower.h"
#include "voice/gui/LevelMeter.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QProgressBar>

#include <algorithm>
#include <cmath>

VoiceFollowing::VoiceFollowing(PrompterCore &core, Platform &platform, Dialogs &dialogs, Settings &settings,
                               Controls c)
    : QObject(c.window), m_core(core), m_platform(platform), m_dialogs(dialogs), m_settings(settings), m_c(c)
{
    m_meter = new LevelMeter(c.picPanel);
    m_meter->setObjectName(QStringLiteral("picVoiceLevel"));
    m_meter->hide();
    c.prgDoc->installEventFilter(this);

    connect(&core, &PrompterCore::scriptChanged, this, [this] {
        m_scriptTaken = false;
        halt();
        if (m_on)
            ensureFollower();
    });
    connect(&core, &PrompterCore::positionChanged, this, &VoiceFollowing::moved);
}

// The core, made before it, is already gone: nothing of it is touched here.
VoiceFollowing::~VoiceFollowing() = default;

bool VoiceFollowing::ensureFollower()
{
    if (!m_follower) {
        QString error;
        m_follower = voice::Follower::load(this, &error);
        if (!m_follower) {
            m_on = false;
            m_dialogs.warning(m_c.window, m_c.window->windowTitle(),
                              tr("Following the voice cannot start.\n%1").arg(error));
            return false;
        }
        connect(m_follower, &voice::Follower::heard, this, [this](int character) { heard(character); });
        connect(m_follower, &voice::Follower::leapt, this, [this](int character) { heard(character, true); });
        connect(m_follower, &voice::Follower::silence, this, &VoiceFollowing::halt);
        connect(m_follower, &voice::Follower::level, m_meter, &LevelMeter::setLevel);
        connect(m_follower, &voice::Follower::failed, this, &VoiceFollowing::failed);
        applyInput();
    }
    if (!m_scriptTaken) {
        m_scriptTaken = true;
        // Cues and story breaks are not spoken: blanked, so that places in it are still the script's.
        m_follower->engine().setScript(cues::readText(*m_core.document()));
        m_follower->engine().setPlace(m_core.charAtLine());
    }
    return true;
}

void VoiceFollowing::applyInput()
{
    if (!m_follower)
        return;
    if (!m_recording.isEmpty())
        m_follower->engine().useRecording(m_platform, m_recording);
    else
        m_follower->engine().useMicrophone(m_settings.voiceInput().toUtf8());
}

void VoiceFollowing::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    halt();
    if (on) {
        if (!ensureFollower())
            return;
        m_follower->engine().setPlace(m_core.charAtLine());
        placeMeter();
        m_meter->setLevel(0);
        m_meter->show();
        m_follower->engine().setListening(true);
    } else {
        m_meter->hide();
        if (m_follower)
            m_follower->engine().setListening(false);
    }
}

void VoiceFollowing::setRecording(const QString &path)
{
    m_recording = path;
    applyInput();
}

void VoiceFollowing::setDevice(const QString &id)
{
    m_settings.setVoiceInput(id);
    m_recording.clear();
    applyInput();
}

void VoiceFollowing::fillMenu(QMenu &menu)
{
    menu.addSeparator();
    QAction *follow = menu.addAction(tr("Follow my &voice"));
    follow->setObjectName(QStringLiteral("mnuFollowVoice"));
    follow->setCheckable(true);
    follow->setChecked(m_on);
    connect(follow, &QAction::toggled, this, &VoiceFollowing::setOn);

    QMenu *inputs = menu.addMenu(tr("Voice &input"));
    inputs->setObjectName(QStringLiteral("mnuVoiceInput"));
    auto *group = new QActionGroup(inputs);
    const auto add = [this, inputs, group](const QString &caption, bool checked, auto choose) {
        QAction *a = inputs->addAction(caption);
        a->setCheckable(true);
        a->setChecked(checked);
        group->addAction(a);
        connect(a, &QAction::triggered, this, choose);
        return a;
    };
    const QString chosen = m_recording.isEmpty() ? m_settings.voiceInput() : QString();
    add(tr("&Default microphone"), m_recording.isEmpty() && chosen.isEmpty(), [this] { setDevice({}); });
    QAction *devicesAfter = nullptr;
    if (!m_recording.isEmpty())
        devicesAfter =
            add(tr("&Recording %1")
                    .arg(QFileInfo(m_recording).fileName().replace(QLatin1Char('&'), QLatin1String("&&"))),
                true, [] {});
    // The devices are asked for as the submenu opens: asking loads the voice's audio libraries.
    connect(inputs, &QMenu::aboutToShow, this, [this, inputs, group, chosen, devicesAfter, add] {
        if (inputs->property("listed").toBool())
            return;
        inputs->setProperty("listed", true);
        int number = 0;
        for (const voice::Engine::Input &d : voice::Follower::inputs()) {
            const QString id = QString::fromUtf8(d.id);
            // Numbered, so that each has an accelerator; an "&" in the system's name is no accelerator.
            QString name = QString(d.description).replace(QLatin1Char('&'), QLatin1String("&&"));
            if (++number <= 9)
                name = QStringLiteral("&%1 %2").arg(number).arg(name);
            QAction *a = add(name, m_recording.isEmpty() && id == chosen, [this, id] { setDevice(id); });
            if (devicesAfter)
                inputs->insertAction(devicesAfter, a);
        }
    });
}

void VoiceFollowing::heard(int character, bool leap)
{
    // The clock is running the script: the operator drives, and following resumes when it stops.
    // So is a leader steering this prompter as one of its followers.
    if (m_core.running() || m_core.steeredBy(PrompterCore::Driver::Leader)) {
        m_follower->engine().setPlace(m_core.charAtLine());
        return;
    }
    const float target = m_core.topFor({character, 0.5});
    const float line = std::abs(m_core.topFor({character, 1.0}) - m_core.topFor({character, 0.0}));
    const float lineHeight = line > 0 ? line : 300.0f;
    const float speed = lineHeight * kMaxLinesPerSecond;
    const float landing = lineHeight * kLeapLandingLines;
    const quint32 now = m_platform.timeGetTime();
    if (leap && std::abs(target - m_core.top()) > landing) {
        // Gliding over a skipped paragraph would keep the presenter waiting a second or more.
        m_approach.halt();
        m_approach.aim(target, target + std::copysign(landing, m_core.top() - target), speed, now);
    } else {
        m_approach.aim(target, m_core.top(), speed, now);
    }
    if (m_steering)
        return;
    m_steering = true;
    m_steeredTop = m_core.top();
    m_core.steer(PrompterCore::Driver::Voice, [this](quint32 now) -> std::optional<float> {
        const std::optional<float> top = m_approach.at(now);
        if (!top) {
            // Arrived: frames may stop. Not from inside the steering call itself.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!m_approach.moving())
                        halt();
                },
                Qt::QueuedConnection);
            return std::nullopt;
        }
        m_steeredTop = std::clamp(*top, -float(m_core.range()), 0.0f);
        return top;
    });
}

void VoiceFollowing::halt()
{
    m_approach.halt();
    if (m_steering) {
        m_steering = false;
        m_core.letGo(PrompterCore::Driver::Voice);
    }
}

void VoiceFollowing::moved(float top)
{
    if (!m_on || !m_follower)
        return;
    if (m_steering && std::abs(top - m_steeredTop) < 1.0f)
        return;
    // Keys, the wheel, a jump, Reset, a new layout or the clock: the operator's place is the place.
    halt();
    m_follower->engine().setPlace(m_core.charAtLine());
}

void VoiceFollowing::failed(const QString &reason)
{
    // A recogniser that failed has dropped its model: the next start builds it again.
    m_scriptTaken = false;
    setOn(false);
    m_dialogs.warning(m_c.window, m_c.window->windowTitle(), reason);
}

void VoiceFollowing::placeMeter()
{
    const QProgressBar *p = m_c.prgDoc;
    twips::move(m_meter, twips::left(p), twips::height(m_c.picPanel) - 240, twips::width(p), 120);
}

bool VoiceFollowing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_c.prgDoc && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placeMeter();
    return QObject::eventFilter(watched, event);
}
