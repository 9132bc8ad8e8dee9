// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Command.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// What a phone, a control desk, an OSC console or a MIDI controller may ask of the prompter, read
// from their messages without touching the network or the prompter.
namespace remote {

using Verb = run::Verb;
using Command = run::Command;

inline constexpr int kMinSpeed = 1;
inline constexpr int kMaxSpeed = 16;
inline constexpr qsizetype kMaxBody = 16 * 1024;

// Either a command or why there is none, in words for the one who sent it.
struct Parsed
{
    std::optional<Command> command;
    QString error;
};

// The argument-free actions by their API name ("start", "pageforward"…).
std::optional<Verb> actionNamed(QStringView name);
QString actionName(Verb verb);

// A WebSocket message: {"cmd":"start"}, {"cmd":"speed","speed":9}, {"cmd":"jump","marker":2}…
Parsed fromMessage(const QByteArray &json);
// The body of POST /api/v1/speed ({"speed":N}) and of POST /api/v1/jump ({"marker":N} or {"char":N}).
Parsed fromSpeedBody(const QByteArray &json);
Parsed fromJumpBody(const QByteArray &json);
// The body of POST /api/v1/message: {"text":"Wrap up","seconds":30}, "seconds" optional.
Parsed fromMessageBody(const QByteArray &json);
// POST /api/v1/story ({"index":N}) and POST /api/v1/target ({"end":"HH:MM"} or {"duration":S}; a
// duration of 0 goes back to the stories' planned times).
Parsed fromStoryBody(const QByteArray &json);
Parsed fromTargetBody(const QByteArray &json);
// POST /api/v1/mos/runningorder: {"id":"RO1"}, or {"id":null} for none.
Parsed fromRunningOrderBody(const QByteArray &json);
// One OSC packet under /cuescroll/. Bundles are not taken.
Parsed fromOsc(const QByteArray &packet);

// MIDI: which note or controller does what.
struct MidiBinding
{
    enum class Kind { Note, Controller };
    Kind kind = Kind::Note;
    int number = 0; // 0 to 127
    // For a note: the action. For a controller: Speed, set from its value.
    Verb verb = Verb::Toggle;
    friend bool operator==(const MidiBinding &, const MidiBinding &) = default;
};
using MidiMap = QList<MidiBinding>;

// "note60=toggle note62=back note64=forward cc1=speed": note 60 toggles, controller 1 sets the speed.
MidiMap defaultMidiMap();
QString midiMapText(const MidiMap &map);
// Entries it cannot read are left out; an empty or unreadable text gives the default map.
MidiMap parseMidiMap(const QString &text);
// A channel message: note on (velocity above 0) of a mapped note, or a mapped controller's value
// as a speed. Anything else, nothing.
std::optional<Command> fromMidi(const MidiMap &map, const QByteArray &message);

} // namespace remote
