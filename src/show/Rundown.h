// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A show read from several scripts, one story each, in the order they are read on air.
namespace show {

struct Story
{
    QString path;               // absolute
    QString title;              // the operator's; empty: the file's name without its ending
    std::optional<int> planned; // seconds
    QString text;               // as the prompter shows it; empty while missing
    int words = 0;
    bool missing = false; // the script could not be read; `problem` says why
    QString problem;
    // A story of a newsroom's running order: its id there. Its text comes from the newsroom, not a file.
    QString newsroomId;
    // Stable while the show runs, whatever moves around it: the newsroom's id, else one given here.
    QString id;
    bool deleted = false; // taken out by the newsroom while on air: kept until the air moves on

    QString shownTitle() const;
};

// The words of a story the presenter reads, its cues left out: the one count the panel, the state and
// the timers show.
int storyWords(QStringView text);

enum class StoryState { Done, OnAir, Next };
const char *stateName(StoryState state);

// What the target of the show is, when not the stories' planned times.
struct Target
{
    enum class Kind { Plan, Duration, End };
    Kind kind = Kind::Plan;
    int seconds = 0; // Duration: of the whole show; End: the second of the day it ends at
    friend bool operator==(const Target &, const Target &) = default;
};

struct Rundown
{
    QList<Story> stories;
    Target target;
};

// The scripts a list of paths names, as a rundown takes them: a folder gives the scripts in it, in
// the order of their names; anything else is taken as it is.
QStringList scriptsIn(const QStringList &paths);
// Whether a file ending is one of the script formats the prompter reads.
bool isScriptName(const QString &fileName);

// "1:30", "90", "1:02:03" as seconds; nothing for anything else.
std::optional<int> parseDuration(QStringView text);
QString formatDuration(int seconds);

} // namespace show
