// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/GamepadInput.h"

#include "remote/Log.h"

#include <QFileSystemWatcher>
#include <QTimer>

#include <SDL.h>
#include <algorithm>
#include <cmath>

namespace remote {

namespace {

SDL_GameController *pad(void *p)
{
    return static_cast<SDL_GameController *>(p);
}

} // namespace

GamepadMap defaultGamepadMap()
{
    using K = GamepadBinding::Kind;
    return {{K::Button, SDL_CONTROLLER_BUTTON_A, Verb::Toggle},
            {K::Button, SDL_CONTROLLER_BUTTON_B, Verb::Stop},
            {K::Button, SDL_CONTROLLER_BUTTON_BACK, Verb::Reset},
            {K::Button, SDL_CONTROLLER_BUTTON_X, Verb::Slower},
            {K::Button, SDL_CONTROLLER_BUTTON_Y, Verb::Faster},
            {K::Button, SDL_CONTROLLER_BUTTON_DPAD_UP, Verb::Back},
            {K::Button, SDL_CONTROLLER_BUTTON_DPAD_DOWN, Verb::Forward},
            {K::Button, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, Verb::PageBack},
            {K::Button, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, Verb::PageForward},
            {K::Axis, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, Verb::Speed}};
}

QString gamepadMapText(const GamepadMap &map)
{
    QStringList parts;
    for (const GamepadBinding &b : map) {
        const char *name = b.kind == GamepadBinding::Kind::Axis
                               ? SDL_GameControllerGetStringForAxis(SDL_GameControllerAxis(b.index))
                               : SDL_GameControllerGetStringForButton(SDL_GameControllerButton(b.index));
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
        const QByteArray name = pair[0].toLatin1();
        const SDL_GameControllerAxis axis = SDL_GameControllerGetAxisFromString(name.constData());
        if (axis != SDL_CONTROLLER_AXIS_INVALID) {
            if (pair[1] == QLatin1String("speed"))
                map << GamepadBinding{GamepadBinding::Kind::Axis, axis, Verb::Speed};
            continue;
        }
        const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(name.constData());
        const std::optional<Verb> verb = actionNamed(pair[1]);
        if (button != SDL_CONTROLLER_BUTTON_INVALID && verb)
            map << GamepadBinding{GamepadBinding::Kind::Button, button, *verb};
    }
    return map.isEmpty() ? defaultGamepadMap() : map;
}

int speedOfAxis(const GamepadBinding &axis, int value)
{
    const bool trigger =
        axis.index == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis.index == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
    const double low = trigger ? 0 : SDL_JOYSTICK_AXIS_MIN;
    const double share = std::clamp((value - low) / (SDL_JOYSTICK_AXIS_MAX - low), 0.0, 1.0);
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
    // Buttons count while another window has the focus: the prompter rarely has it on a show.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // Ctrl+C and a TERM still end the program, as SDL would otherwise turn them into events of its own.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        qCInfo(lcRemote) << "game controllers cannot be read:" << SDL_GetError();
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
    for (void *c : std::as_const(m_controllers))
        SDL_GameControllerClose(pad(c));
    m_controllers.clear();
    m_speeds.clear();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    m_open = false;
    Q_EMIT controllersChanged();
}

QStringList GamepadInput::controllers() const
{
    QStringList names;
    for (void *c : m_controllers) {
        const char *name = SDL_GameControllerName(pad(c));
        names << (name ? QString::fromUtf8(name) : QStringLiteral("?"));
    }
    return names;
}

void GamepadInput::addController(int deviceIndex)
{
    if (!SDL_IsGameController(deviceIndex))
        return;
    SDL_GameController *c = SDL_GameControllerOpen(deviceIndex);
    if (!c)
        return;
    const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c));
    if (m_controllers.contains(id)) {
        SDL_GameControllerClose(c); // opened twice counts twice
        return;
    }
    m_controllers.insert(id, c);
    // Where its axes stand now is no command: a trigger at rest would drop the speed to its least.
    for (const GamepadBinding &b : std::as_const(m_map)) {
        if (b.kind == GamepadBinding::Kind::Axis)
            m_speeds.insert(b.index,
                            speedOfAxis(b, SDL_GameControllerGetAxis(c, SDL_GameControllerAxis(b.index))));
    }
    qCInfo(lcRemote) << "game controller" << SDL_GameControllerName(c);
    Q_EMIT controllersChanged();
}

void GamepadInput::poll()
{
    if (!m_open)
        return;
    SDL_PumpEvents();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            addController(e.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (void *c = m_controllers.take(e.cdevice.which)) {
                SDL_GameControllerClose(pad(c));
                Q_EMIT controllersChanged();
            }
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            for (const GamepadBinding &b : std::as_const(m_map)) {
                if (b.kind == GamepadBinding::Kind::Button && b.index == e.cbutton.button)
                    Q_EMIT commandReceived(Command{b.verb, 0, 0});
            }
            break;
        case SDL_CONTROLLERAXISMOTION:
            for (const GamepadBinding &b : std::as_const(m_map)) {
                if (b.kind != GamepadBinding::Kind::Axis || b.index != e.caxis.axis)
                    continue;
                // Only a change of speed is a command, so that an axis at rest leaves other hands be.
                const int speed = speedOfAxis(b, e.caxis.value);
                if (m_speeds.value(b.index, 0) != speed) {
                    m_speeds.insert(b.index, speed);
                    Q_EMIT commandReceived(Command{Verb::Speed, speed, 0});
                }
            }
            break;
        default:
            break;
        }
    }
    if (m_controllers.isEmpty())
        m_poll->stop();
    else if (!m_poll->isActive())
        m_poll->start(kPollMs);
}

} // namespace remote
