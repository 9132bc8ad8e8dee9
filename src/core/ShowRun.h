// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Command.h"
#include "core/StoryCommands.h"
#include "show/Rundown.h"
#include "show/ShowText.h"
#include "show/ShowTimers.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <variant>

class Platform;
class PrompterCore;
class QTimer;

// The show on the prompter: the rundown's stories shown one after another as one script, which
// story is on air, and the timers against the plan. Opening a single script ends the show. It knows
// no widget: it reads and moves the script through the run, and the window reads it back.
class ShowRun : public QObject, public StoryCommands
{
    Q_OBJECT

public:
    // What only the program's file handling knows; a test may leave it empty.
    struct Files
    {
        std::function<void(show::Story &)> read; // a story's script, from its file
        std::function<QString(const QString &path, const QString &why)> failure; // a file that cannot be read
        std::function<QString(const QString &path)> shown; // a path as the operator sees it
    };
    ShowRun(Platform &platform, PrompterCore &core, Files files = {});

    // --- The rundown.
    // Scripts, folders of scripts and rundown files, in that order; false, with `error` set, when a
    // rundown file cannot be read (the show is left as it was).
    bool open(const QStringList &paths, QString *error = nullptr);
    bool saveRundown(const QString &path, QString *error = nullptr);
    QString rundownFile() const { return m_file; }
    bool isShow() const { return !m_stories.isEmpty(); }
    const QList<show::Story> &stories() const { return m_stories; }
    void addScripts(const QStringList &paths);
    void removeStory(int index);
    void moveStory(int from, int to);
    void setTitle(int index, const QString &title);
    void setPlanned(int index, std::optional<int> seconds);
    void setStoryText(int index, const QString &text);
    // Reads a story's script again, from its file.
    void reload(int index);

    // --- A show fed from elsewhere, a newsroom's running order: its stories come with their texts.
    // `fresh`: another show than the one shown, from its first story; else the stories as they stand
    // now, the one on air keeping its place in its text and the run going on. Planned times stay.
    void feedStories(QList<show::Story> stories, bool fresh);
    void feedStoryText(int index, const QString &text);
    // The show is fed, until a show or script is opened in its place.
    bool fed() const { return m_fed; }

    // --- The show of another prompter this one follows: its stories, each at its first paragraph of
    // the script taken from the leader (below 0 while missing). Nothing: this prompter's own again.
    // While it follows, the show is the leader's to change: nothing above changes it here.
    struct Followed
    {
        QString id;
        QString title;
        std::optional<int> planned;
        int block = -1;
        int words = 0;
    };
    void followShow(std::optional<QList<Followed>> stories);
    bool following() const { return m_followed.has_value(); }
    // The leader's timers, shown in place of this prompter's own; nothing: its own again.
    void followTimings(std::optional<show::Timings> timings);
    // The show as a follower takes it; nothing while a new one is on its way to the window.
    std::optional<QList<Followed>> shownShow() const;
    // A character of the prompter's text as the story holding it and its place in that story's part
    // of the text (its break included); empty and -1 outside any story.
    std::pair<QString, int> storyPlace(int character) const;
    // Back: the character at that place of the story shown here; -1 when it is not.
    int characterIn(const QString &story, int offset) const;

    // --- Where the show stands; indexes from 0.
    int current() const { return m_current; }
    show::StoryState stateOf(int index) const;
    // The first character of the story's text in the prompter's text; -1 when missing.
    int storyStart(int index) const;
    int estimated(int index) const;  // seconds, at the rate the timers use
    int words() const;               // read by the presenter: the breaks' titles are not
    int storyAt(int position) const; // the story a character of the prompter's text belongs to

    // --- Commands, through PrompterCore::command().
    std::optional<run::Answer> refusal(const run::Command &c) const override;
    void carryOut(const run::Command &c) override;
    show::Target target() const { return m_timers.target(); }
    std::function<void()> keepPlace() override;

    // Where the show is read, as a character of the prompter's text and the share of its display
    // line read: the reading line's, except at the top and the end of the script, where the text
    // above and below the line is read while the script moves through the first and last stretch.
    double reached() const;
    // That place as the one read: the script moves there.
    void bringTo(double character);

    // --- Timers.
    show::Timings timings() const { return m_timings; }
    // The time to go shown everywhere: in a show its timers' figure, else the script's countdown.
    QString timeToGo() const;
    // The wall clock as it reads now; read once at start, and from then on carried on the clock.
    void setWallClock(const QDateTime &wallNow);
    // Samples the reading line: called by its timer, or by a test that moves the clock.
    void timShow_Timer();
    static constexpr int kSampleMs = 250;
    // The window has closed: nothing is sampled any more.
    void release();
    // The run the timers go by: this prompter's own, or (while it follows another) the leader's.
    void showLeaderRun(std::optional<bool> leaderRunning);
    bool runShown() const;

    // "Hit the time": the speed follows the pace speed, one step at a time, within the limits.
    struct Pacing
    {
        bool on = false;
        int slowest = 1;
        int fastest = 16;
        friend bool operator==(const Pacing &, const Pacing &) = default;
    };
    void setPacing(const Pacing &p);
    const Pacing &pacing() const { return m_pacing; }
    static constexpr int kPaceStepMs = 2000;

Q_SIGNALS:
    void rundownChanged(); // stories added, removed, moved, renamed, planned, read again
    void storyChanged(int index);
    void timersChanged();
    // The words the presenter reads in the show, counted again.
    void wordsCounted(int words);

private:
    // What a new composition of the show does with the place: keeps it on the same words of the same
    // story, starts afresh at the top, or goes to a story's first line (by its id).
    struct Keep
    {
    };
    struct Fresh
    {
    };
    using Goal = std::variant<Keep, Fresh, QString>;
    void compose(Goal goal = Keep{});
    void composeThen(show::ShowText text, std::function<void()> before, std::function<void()> after);
    void composed();
    void settle(const QString &onAir = {});
    void identify();
    int indexOf(const QString &id) const; // in the stories shown
    // The place read, by story: kept across a new composition or layout.
    struct Kept
    {
        QString story;
        int index = -1;
        show::TextPlace at;
        double share = 0; // of the character's display line
        QStringList paragraphs;
        bool top = false;
    };
    Kept placeHere() const;
    void placeAgain(const Kept &k);
    // The first and last stretches of the scroll range, where the reading runs faster than the script.
    struct Stretches
    {
        double range, line, head, tail, end;
    };
    Stretches stretches() const;
    double readDown(double scrolled) const; // twips down the script read, for a scroll
    double scrollFor(double down) const;
    double scriptEnd() const;
    double lineMiddle(int character) const; // of the display line holding it
    void scriptChanged();
    void dropShow();
    void adoptFollowed();
    void started(bool running);
    int wordsRead(int position) const;
    show::Place place(int position) const;
    void refresh(bool force);
    void goTo(int index);
    int nextPresent(int from, int step) const;
    void pace(quint32 now);
    void readStory(show::Story &s) const;
    QString failure(const QString &path, const QString &why) const;
    QString shown(const QString &path) const;
    void wake();

    Platform &m_platform;
    PrompterCore &m_core;
    Files m_files;
    QTimer *m_sample;
    QList<show::Story> m_stories;
    QList<show::Story> m_shownStories; // as the prompter's text holds them now
    int m_composing = 0;               // new texts on their way to the window
    int m_lastId = 0;
    float m_sampledTop = 1; // where the script stood at the last sample; none yet
    QString m_file;
    show::ShowText m_text;
    QList<int> m_starts;      // per story: its first character, -1 missing
    QList<int> m_bounds;      // per story: where its part of the text begins, its break included
    QList<int> m_blockStarts; // per paragraph: its first character
    QList<int> m_wordsBefore; // per paragraph: the words read before it
    bool m_fed = false;
    int m_current = -1;
    show::ShowTimers m_timers;
    show::Timings m_timings;
    Pacing m_pacing;
    quint32 m_lastPaceStep = 0;
    bool m_paced = false;
    bool m_released = false;
    std::optional<bool> m_leaderRunning;       // following: the leader's run
    std::optional<QList<Followed>> m_followed; // following: the leader's show, none when it has none
    std::optional<show::Timings> m_leaderTimings;
    mutable int m_placedStory = 0; // the story storyPlace() found last, looked at first
};
