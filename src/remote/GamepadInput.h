// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/RemoteCommand.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <memory>

class QFileSystemWatcher;
class QTimer;

namespace remote {

class GamepadDevices;

// Which button or axis of a game controller does what, by the names SDL gives them ("a", "dpup",
// "righttrigger").
struct GamepadBinding
{
    enum class Kind { Button, Axis };
    Kind kind = Kind::Button;
    int index = 0; // SDL's button or axis
    // For a button: the action. For an axis: Speed, set from how far it stands.
    Verb verb = Verb::Toggle;
    friend bool operator==(const GamepadBinding &, const GamepadBinding &) = default;
};
using GamepadMap = QList<GamepadBinding>;

GamepadMap defaultGamepadMap();
QString gamepadMapText(const GamepadMap &map);
// Entries it cannot read are left out; an empty or unreadable text gives the default map.
GamepadMap parseGamepadMap(const QString &text);
// The speed an axis standing at `value` gives: its whole travel over 1 to 16 (a stick's from one
// end to the other, a trigger's from rest to full).
int speedOfAxis(const GamepadBinding &axis, int value);

// Every game controller plugged in, now or later, read through the mapping. While none is open
// nothing polls: a plugged one is noticed as its device appears.
class GamepadInput : public QObject
{
    Q_OBJECT

public:
    // While a controller is open, its buttons are read this often.
    static constexpr int kPollMs = 20;

    explicit GamepadInput(QObject *parent = nullptr);
    ~GamepadInput() override;

    void setMap(const GamepadMap &map) { m_map = map; }
    // False when controllers cannot be read here; error() says why when their module is missing.
    bool open();
    void close();
    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    // The controllers open now, by name.
    QStringList controllers() const;
    // Reads what happened since the last time: plugs, unplugs, buttons and axes. The poll timer's
    // handler, and the device watcher's.
    void poll();

Q_SIGNALS:
    void commandReceived(const remote::Command &command);
    void controllersChanged();

private:
    void added(int controller);

    GamepadMap m_map = defaultGamepadMap();
    std::unique_ptr<GamepadDevices> m_pads; // loaded when first opened
    QString m_error;
    bool m_open = false;
    QTimer *m_poll;
    QFileSystemWatcher *m_devices = nullptr;
    QMap<int, int> m_speeds; // per axis, the speed it last gave
};

} // namespace remote
