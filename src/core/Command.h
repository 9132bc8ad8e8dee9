// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// What any source may ask of the run — a key, the toolbar, the wheel, a phone, OSC, MIDI, a follower,
// the voice — and the answer it gets. Header only: the remotes' parsers and the link between
// prompters name commands the same way without linking the run.
namespace run {

enum class Verb {
    Start,
    Stop,
    Toggle,
    Reset,
    Back,
    Forward,
    PageBack,
    PageForward,
    Home,
    End,
    Slower,
    Faster,
    Up,
    Down,
    FullScreen, // in and out
    Speed,      // value: 1 to 16
    JumpMarker, // value: 1-based marker
    JumpChar,   // value: a character of the plain text
    GoTo,       // fraction: 0 to 1 of the scroll range
    State,      // over the WebSocket: the state, to the one who asked
    Wheel,      // value: angle units, 120 per classic notch
    Mark,       // value, length: the passage to mark
    Unmark,     // value: 1-based marker
    ClearMarkers,
    Message,      // text, shown large to the presenter; value: seconds it stays, 0 until cleared
    ClearMessage, // the message taken away
    NextStory,
    PrevStory,
    Story,        // value: 1-based story of the rundown
    Target,       // value: seconds; length: a TargetKind
    RunningOrder, // text: the newsroom's running order to show, by id; empty: none
    // The window's own, from keys and the toolbar.
    EnterFullScreen,
    MarkMode,
    PickJump,   // a marker picked in a list, then jumped to
    PickUnmark, // a marker picked in a list, then removed
    EditText,
    Options,
    Help,
    Exit,
    // Asked of the run by the program itself.
    HideCues,   // value: 1 hides the cues from the presenter, 0 shows them
    OpenScript, // text: the file
    // What a follower hears from its leader: carried out on this prompter alone, never sent back.
    LeaderRun,     // value: the leader's speed; length: 1 up, -1 down
    LeaderScript,  // text: the leader's script as rich text, one character for each byte
    StopHere,      // this prompter stops, its leader not told
    SetFullScreen, // value: 1 enters full screen, 0 leaves it, whatever is being marked
    StartAt,       // value: the clock reading (ms, taken as unsigned) the run counts from
};

struct Command
{
    Verb verb = Verb::Stop;
    int value = 0;
    double fraction = 0;
    int length = 0;
    QString text = {};
    friend bool operator==(const Command &, const Command &) = default;
};

struct Answer
{
    enum class Outcome { Done, Forwarded, Refused };
    enum class Reason {
        None,
        WindowOpen,
        NoWindow, // the run is shown nowhere: before its window or after
        Marking,
        OutOfRange,
        NoSuchMarker,
        LeaderLost,
        LeadersScript,
        NoSuchStory,
        NoSuchRunningOrder
    };
    Outcome outcome = Outcome::Done;
    Reason reason = Reason::None;
    QString text; // why, in the operator's language

    static Answer done() { return {}; }
    static Answer forwarded() { return {Outcome::Forwarded, Reason::None, {}}; }
    static Answer refused(Reason reason, const QString &text) { return {Outcome::Refused, reason, text}; }
    bool refused() const { return outcome == Outcome::Refused; }
};

// Each verb's name in the remote API (the argument-free actions only) and on the link from a
// follower to its leader.
struct VerbNames
{
    Verb verb;
    const char *api;
    const char *link;
};

inline constexpr std::array kVerbNames{
    VerbNames{Verb::Start, "start", "start"},
    VerbNames{Verb::Stop, "stop", "stop"},
    VerbNames{Verb::Toggle, "toggle", "toggle"},
    VerbNames{Verb::Reset, "reset", "reset"},
    VerbNames{Verb::Back, "back", "stepBack"},
    VerbNames{Verb::Forward, "forward", "stepForward"},
    VerbNames{Verb::PageBack, "pageback", "pageBack"},
    VerbNames{Verb::PageForward, "pageforward", "pageForward"},
    VerbNames{Verb::Home, "home", "home"},
    VerbNames{Verb::End, "end", "end"},
    VerbNames{Verb::Slower, "slower", "slower"},
    VerbNames{Verb::Faster, "faster", "faster"},
    VerbNames{Verb::Up, "up", "direction"}, // the link's direction: value 1 up, -1 down
    VerbNames{Verb::Down, "down", "direction"},
    VerbNames{Verb::FullScreen, "fullscreen", nullptr},
    VerbNames{Verb::Speed, nullptr, "speed"},
    VerbNames{Verb::JumpMarker, nullptr, "jump"},
    VerbNames{Verb::JumpChar, nullptr, "jumpChar"},
    VerbNames{Verb::GoTo, nullptr, "goTo"}, // the link's value: millionths of the range
    VerbNames{Verb::Wheel, nullptr, "wheel"},
    VerbNames{Verb::Mark, nullptr, "mark"},
    VerbNames{Verb::Unmark, nullptr, "unmark"},
    VerbNames{Verb::ClearMarkers, nullptr, "clearMarkers"},
    VerbNames{Verb::ClearMessage, "clearmessage", nullptr},
    VerbNames{Verb::NextStory, "nextstory", "nextStory"},
    VerbNames{Verb::PrevStory, "prevstory", "prevStory"},
    VerbNames{Verb::Story, nullptr, "story"},
    VerbNames{Verb::Target, nullptr, "target"},
};

// What a Target command's value is: the show ends after that many seconds from its start, at that
// second of the day, or as its stories are planned.
enum class TargetKind { Plan = 0, Duration = 1, End = 2 };

inline constexpr double kLinkFractionScale = 1e6;

inline const VerbNames *namesOf(Verb verb)
{
    for (const VerbNames &n : kVerbNames) {
        if (n.verb == verb)
            return &n;
    }
    return nullptr;
}

inline std::optional<Verb> apiVerb(QStringView name)
{
    for (const VerbNames &n : kVerbNames) {
        if (n.api && name == QLatin1String(n.api))
            return n.verb;
    }
    return std::nullopt;
}

inline std::optional<Verb> linkVerb(QStringView name, int value = 1)
{
    for (const VerbNames &n : kVerbNames) {
        if (n.link && name == QLatin1String(n.link))
            return n.verb == Verb::Up && value < 0 ? Verb::Down : n.verb;
    }
    return std::nullopt;
}

} // namespace run
