// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/GamepadInput.h"

#include "common/Modules.h"
#include "remote/GamepadDevices.h"
#include "remote/Log.h"

#include <QFileSystemWatcher>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace remote {

namespace {

// SDL's names and numbers of the buttons and axes, which are part of its interface: the map is read
// and written without loading SDL.
const char *const kButtons[] = {"a",
                                "b",
                                "x",
                                "y",
                                "back",
                                "guide",
                                "start",
                                "leftstick",
                                "rightstick",
                                "leftshoulder",
                                "rightshoulder",
                                "dpup",
                                "dpdown",
                                "dpleft",
                                "dpright",
                                "misc1",
                                "paddle1",
                                "paddle2",
                                "paddle3",
                                "paddle4",
                                "touchpad"};
const char *const kAxes[] = {"leftx", "lefty", "rightx", "righty", "lefttrigger", "righttrigger"};
enum Button {
    A,
    B,
    X,
    Y,
    Back,
    Guide,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown
};
enum Axis { LeftX, LeftY, RightX, RightY, TriggerLeft, TriggerRight };
constexpr int kAxisMin = -32768;
constexpr int kAxisMax = 32767;

template <std::size_t N> int indexOf(const char *const (&names)[N], QString name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

template <std::size_t N> const char *nameOf(const char *const (&names)[N], int index)
{
    return index >= 0 && std::size_t(index) < N ? names[index] : nullptr;
}

} // namespace

GamepadMap defaultGamepadMap()
{
    using K = GamepadBinding::Kind;
    return {{K::Button, A, Verb::Toggle},
            {K::Button, B, Verb::Stop},
            {K::Button, Back, Verb::Reset},
            {K::Button, X, Verb::Slower},
            {K::Button, Y, Verb::Faster},
            {K::Button, DpadUp, Verb::Back},
            {K::Button, DpadDown, Verb::Forward},
            {K::Button, LeftShoulder, Verb::PageBack},
            {K::Button, RightShoulder, Verb::PageForward},
            {K::Axis, TriggerRight, Verb::Speed}};
}

QString gamepadMapText(const GamepadMap &map)
{
    QStringList parts;
    for (const GamepadBinding &b : map) {
        const char *name =
            b.kind == GamepadBinding::Kind::Axis ? nameOf(kAxes, b.index) : nameOf(kButtons, b.index);
        if (name)
            parts << QLatin1String(name) + QLatin1Char('=') + actionName(b.verb);
    }
    return parts.join(QLatin1Char(' '));
}

GamepadMap parseGamepadMap(const QString &text)
{
    GamepadMap map;
    for (const QString &entry : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList pair = entry.split(QLatin1Char('='));
        if (pair.size() != 2)
            continue;
        // An axis may be written with the half it means, "+lefty", as SDL's own mappings do.
        const QString name = pair[0];
        const bool signedAxis = name.startsWith(QLatin1Char('+')) || name.startsWith(QLatin1Char('-'));
        const int axis = indexOf(kAxes, signedAxis ? name.mid(1) : name);
        if (axis >= 0) {
            if (pair[1] == QLatin1String("speed"))
                map << GamepadBinding{GamepadBinding::Kind::Axis, axis, Verb::Speed};
            continue;
        }
        const int button = indexOf(kButtons, name);
        const std::optional<Verb> verb = actionNamed(pair[1]);
        if (button >= 0 && verb)
            map << GamepadBinding{GamepadBinding::Kind::Button, button, *verb};
    }
    return map.isEmpty() ? defaultGamepadMap() : map;
}

int speedOfAxis(const GamepadBinding &axis, int value)
{
    const bool trigger = axis.index == TriggerLeft || axis.index == TriggerRight;
    const double low = trigger ? 0 : kAxisMin;
    const double share = std::clamp((value - low) / (kAxisMax - low), 0.0, 1.0);
    return kMinSpeed + int(std::lround(share * (kMaxSpeed - kMinSpeed)));
}

GamepadInput::GamepadInput(QObject *parent) : QObject(parent), m_poll(new QTimer(this))
{
    connect(m_poll, &QTimer::timeout, this, &GamepadInput::poll);
}

GamepadInput::~GamepadInput()
{
    close();
}

bool GamepadInput::open()
{
    if (m_open)
        return true;
    if (!m_pads) {
        const auto make = modules::function<MakeGamepadDevices>(QLatin1String(kGamepadModule),
                                                                kMakeGamepadDevices, &m_error);
        if (!make)
            return false;
        m_pads.reset(make());
    }
    m_error.clear();
    const QString why = m_pads->open();
    if (!why.isEmpty()) {
        qCInfo(lcRemote) << "game controllers cannot be read:" << why;
        return false;
    }
    m_open = true;
    // Plugging one in makes a device node: that wakes the program, nothing else does while none is open.
    m_devices = new QFileSystemWatcher(this);
    m_devices->addPath(QStringLiteral("/dev/input"));
    connect(m_devices, &QFileSystemWatcher::directoryChanged, this, [this] {
        poll();
        // The node's permissions come a moment after the node.
        QTimer::singleShot(500, this, &GamepadInput::poll);
    });
    poll();
    return true;
}

void GamepadInput::close()
{
    if (!m_open)
        return;
    m_poll->stop();
    delete m_devices;
    m_devices = nullptr;
    m_pads->close();
    m_speeds.clear();
    m_open = false;
    Q_EMIT controllersChanged();
}

QStringList GamepadInput::controllers() const
{
    return m_pads ? m_pads->names() : QStringList();
}

void GamepadInput::added(int controller)
{
    // Where its axes stand now is no command: a trigger at rest would drop the speed to its least.
    for (const GamepadBinding &b : std::as_const(m_map)) {
        if (b.kind == GamepadBinding::Kind::Axis)
            m_speeds.insert(b.index, speedOfAxis(b, m_pads->axis(controller, b.index)));
    }
    qCInfo(lcRemote) << "game controllers" << m_pads->names();
    Q_EMIT controllersChanged();
}

void GamepadInput::poll()
{
    if (!m_open)
        return;
    using K = GamepadDevices::Event::Kind;
    for (const GamepadDevices::Event &e : m_pads->poll()) {
        switch (e.kind) {
        case K::Added:
            added(e.controller);
            break;
        case K::Removed:
            Q_EMIT controllersChanged();
            break;
        case K::Button:
            for (const GamepadBinding &b : std::as_const(m_map)) {
                if (b.kind == GamepadBinding::Kind::Button && b.index == e.index)
                    Q_EMIT commandReceived(Command{b.verb, 0, 0});
            }
            break;
        case K::Axis:
            for (const GamepadBinding &b : std::as_const(m_map)) {
                if (b.kind != GamepadBinding::Kind::Axis || b.index != e.index)
                    continue;
                // Only a change of speed is a command, so that an axis at rest leaves other hands be.
                const int speed = speedOfAxis(b, e.value);
                if (m_speeds.value(b.index, 0) != speed) {
                    m_speeds.insert(b.index, speed);
                    Q_EMIT commandReceived(Command{Verb::Speed, speed, 0});
                }
            }
            break;
        }
    }
    if (m_pads->names().isEmpty())
        m_poll->stop();
    else if (!m_poll->isActive())
        m_poll->start(kPollMs);
}

} // namespace remote
