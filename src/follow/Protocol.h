// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <variant>

// What a leading prompter and its followers say to each other: one JSON object per WebSocket text
// message, its kind in "type". Times are each side's own millisecond clock (a wrapping 32-bit count);
// the follower learns the offset between the two clocks from ping and pong.
namespace follow {

inline constexpr int kProtocolVersion = 1;
inline constexpr quint16 kDefaultPort = 8777;
// Where a remote-control server mounts the feed; a leader of its own serves it at any path.
inline constexpr char kPath[] = "/api/v1/follow";
// A run channel's nonce, in bytes.
inline constexpr int kNonceBytes = 16;

// Where the reading line reads: the first character of the display line under it and how far down
// that line (0 to 1). Window, screen and font size may differ between prompters; the text does not.
// Lines wrap at other widths, paragraphs do not: a follower puts its reading line as far down the same
// paragraph, and so passes each paragraph in the same time as the leader.
struct Place
{
    int character = 0;
    double through = 0;
    int length = 0;        // characters of that line to the next one's start; 0 when not known
    double paragraph = -1; // how far down its paragraph (0 to 1); below 0 when not known
    // In a show: the story read (its id) and the character's place in that story's part of the text
    // (its break included); empty and -1 from a leader without a show, or of an earlier version.
    QString story = {};
    int storyCharacter = -1;
    bool operator==(const Place &) const = default;
};

// The run at one moment of the leader's clock.
struct State
{
    quint32 time = 0; // the leader's clock when the script stood at `place`
    bool running = false;
    int speed = 1; // 1 to 16
    bool forward = true;
    Place place;
    // The leader counts the states it sends: one heard twice, or late by another way, is older than
    // the newest. 0 from a leader that does not count.
    quint32 seq = 0;
    // The same run, however often it was sent.
    bool operator==(const State &o) const
    {
        return time == o.time && running == o.running && speed == o.speed && forward == o.forward &&
               place == o.place;
    }
};

struct Look
{
    QString fontName;
    double fontSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    qint32 foreColor = 0; // colours as the prompter keeps them (ui/Colors.h)
    qint32 backColor = 0;
    qint32 lineColor = 0;
    bool operator==(const Look &) const = default;
};

struct Marker
{
    int start = 0;
    int length = 0;
    QString text;
    bool operator==(const Marker &) const = default;
};

// Sent once to a new follower, and the parts again whenever they change.
struct Script
{
    QByteArray rtf; // the script with its formatting, as Rich Text
};
// A story of the show the leader shows as its script.
struct ShowStory
{
    QString id;
    QString title;
    std::optional<int> planned; // seconds
    int block = -1;             // its first paragraph in the script; below 0 while it is missing
    int words = 0;              // read by the presenter
    bool operator==(const ShowStory &) const = default;
};
// The show's stories, in order; none when the leader shows a single script. A leader of an earlier
// version sends none, and a follower of an earlier version ignores the message.
struct Show
{
    static constexpr int kMaxStories = 1000;
    static constexpr int kMaxName = 1000; // characters of an id or a title
    QList<ShowStory> stories;
    bool operator==(const Show &) const = default;
};
// The show's timers on the leader, as it counts them: a follower shows these, not its own.
struct Timers
{
    int elapsed = 0;
    int storyElapsed = 0;
    int storyToGo = 0;
    int showToGo = 0;
    int overUnder = 0;
    bool planned = false;
    int endTime = -1;  // seconds into the day on the leader's wall clock; below 0: none
    int paceSpeed = 0; // 0: none
    double rate = 0;   // words a second
    bool measured = false;
    bool operator==(const Timers &) const = default;
};
struct Welcome
{
    Script script;
    Look look;
    QList<Marker> markers;
    State state;
    // Made up by each leading prompter as it starts: a follower that is welcomed with its own knows
    // that it reached itself, under whatever address.
    QString leader;
    Show show = {};
};
struct Ping
{
    quint32 id = 0;
    quint32 sent = 0; // the follower's clock
};
struct Pong
{
    quint32 id = 0;
    quint32 sent = 0;     // the ping's own reading, echoed
    quint32 received = 0; // the leader's clock when it answered
};
// A key or button on a follower, for the leader to carry out: one of the commands below, with a
// value for "speed" (1 to 16), "direction" (1 forward, -1 back), "jump" and "unmark" (a marker's
// number), "wheel" (angle units) and "mark" (the passage's first character, `length` its length).
struct Command
{
    QString name;
    int value = 0;
    int length = 0;
    bool operator==(const Command &) const = default;
};
// The leader's run channel for this connection: datagrams from its UDP `port`, sealed with a key
// made of the token and this `nonce` (see RunChannel.h).
struct Channel
{
    quint16 port = 0;
    QByteArray nonce;
};
// The follower's word on whether the leader's datagrams reach it.
struct Reaching
{
    bool reaching = false;
};
// The leader's message to its presenter, which a follower's presenter sees too; empty: none.
struct Talent
{
    static constexpr int kMaxLength = 1000;
    QString text;
    bool operator==(const Talent &) const = default;
};
// The commands a follower may send; anything else is ignored.
bool isCommand(const QString &name);

using Message = std::variant<Welcome, Script, Look, QList<Marker>, State, Ping, Pong, Command, Channel,
                             Reaching, Talent, Show, Timers>;

QByteArray encode(const Message &message);
// Nothing for anything that is not a well-formed message of this version.
std::optional<Message> decode(const QByteArray &text);

} // namespace follow
