// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace remote {

// What the program asks of the game controller module, which alone links SDL: the controllers'
// events as SDL numbers them, nothing of what they mean.
class GamepadDevices
{
public:
    struct Event
    {
        enum class Kind { Added, Removed, Button, Axis };
        Kind kind = Kind::Button;
        int controller = 0; // SDL's instance id
        int index = 0;      // the button or axis
        int value = 0;      // where the axis stands
    };

    virtual ~GamepadDevices() = default;
    // Empty when controllers can be read, else why not.
    virtual QString open() = 0;
    virtual void close() = 0;
    // What happened since the last call: plugs (each controller once), unplugs, buttons pressed and
    // axes moved.
    virtual QList<Event> poll() = 0;
    virtual QStringList names() const = 0;
    virtual int axis(int controller, int axis) const = 0;
};

using MakeGamepadDevices = GamepadDevices *(*)();
inline constexpr char kGamepadModule[] = "gamepad";
inline constexpr char kMakeGamepadDevices[] = "cuescroll_gamepad_devices";

} // namespace remote
