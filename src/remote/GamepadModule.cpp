// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/GamepadDevices.h"

#include <QMap>

#include <SDL.h>

namespace {

class SdlGamepads final : public remote::GamepadDevices
{
public:
    ~SdlGamepads() override { close(); }

    QString open() override
    {
        if (m_open)
            return {};
        // Buttons count while another window has the focus: the prompter rarely has it on a show.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        // Ctrl+C and a TERM still end the program, as SDL would otherwise turn them into events of its own.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
            return QString::fromUtf8(SDL_GetError());
        m_open = true;
        return {};
    }

    void close() override
    {
        if (!m_open)
            return;
        for (SDL_GameController *c : std::as_const(m_controllers))
            SDL_GameControllerClose(c);
        m_controllers.clear();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        m_open = false;
    }

    QList<Event> poll() override
    {
        QList<Event> events;
        if (!m_open)
            return events;
        using K = Event::Kind;
        SDL_PumpEvents();
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            switch (e.type) {
            case SDL_CONTROLLERDEVICEADDED:
                if (const int id = add(e.cdevice.which); id >= 0)
                    events.append({K::Added, id, 0, 0});
                break;
            case SDL_CONTROLLERDEVICEREMOVED:
                if (SDL_GameController *c = m_controllers.take(e.cdevice.which)) {
                    SDL_GameControllerClose(c);
                    events.append({K::Removed, e.cdevice.which, 0, 0});
                }
                break;
            case SDL_CONTROLLERBUTTONDOWN:
                events.append({K::Button, e.cbutton.which, e.cbutton.button, 0});
                break;
            case SDL_CONTROLLERAXISMOTION:
                events.append({K::Axis, e.caxis.which, e.caxis.axis, e.caxis.value});
                break;
            default:
                break;
            }
        }
        return events;
    }

    QStringList names() const override
    {
        QStringList names;
        for (SDL_GameController *c : m_controllers) {
            const char *name = SDL_GameControllerName(c);
            names << (name ? QString::fromUtf8(name) : QStringLiteral("?"));
        }
        return names;
    }

    int axis(int controller, int axis) const override
    {
        SDL_GameController *c = m_controllers.value(controller);
        return c ? SDL_GameControllerGetAxis(c, SDL_GameControllerAxis(axis)) : 0;
    }

private:
    // The new controller's instance id; -1 when it is none or already open.
    int add(int deviceIndex)
    {
        if (!SDL_IsGameController(deviceIndex))
            return -1;
        SDL_GameController *c = SDL_GameControllerOpen(deviceIndex);
        if (!c)
            return -1;
        const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c));
        if (m_controllers.contains(id)) {
            SDL_GameControllerClose(c); // opened twice counts twice
            return -1;
        }
        m_controllers.insert(id, c);
        return id;
    }

    bool m_open = false;
    QMap<int, SDL_GameController *> m_controllers;
};

} // namespace

extern "C" Q_DECL_EXPORT remote::GamepadDevices *cuescroll_gamepad_devices()
{
    return new SdlGamepads;
}
