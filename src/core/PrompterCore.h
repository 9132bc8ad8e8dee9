// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Command.h"
#include "core/RunProgress.h"
#include "core/ScriptReading.h"
#include "core/ScriptWindow.h"
#include "markers/CMarkers.h"
#include "scroll/ScriptView.h"
#include "scroll/WheelAccumulator.h"
#include "settings/Appearance.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class Platform;
class QTextDocument;
class ScrollClock;
class Settings;
class StartGate;
class TalentMessage;
class QTextDocument;
class StoryCommands;

// The run of the prompter: whether it runs, how fast and which way, where the script stands, the
// script itself, its markers, mark mode and full screen. Windows, keys and remote controls all drive
// it through the same commands, and hear every change through its signals.
class PrompterCore : public QObject
{
    Q_OBJECT

public:
    enum class Direction { Up, Down }; // Up: the text moves up the screen, forward through the script

    // What only the window can do.
    struct Window
    {
        std::function<void()> layout;         // lay the controls and the script out again
        std::function<void(bool)> fullScreen; // show or leave full screen
        std::function<void()> close;          // Exit
        std::function<void()> editText;       // the script editor, until Done or Cancel
        std::function<void()> help;           // the help page, outside the program
        // Options, showing the look as it is; the look chosen with OK, or nothing.
        std::function<std::optional<appearance::Appearance>(const appearance::Appearance &shown)> options;
    };

    // The run before any window shows it: built with the program's other services, it takes commands
    // once a window is attached.
    PrompterCore(Platform &platform, Settings &settings, QObject *parent = nullptr);
    // The run shown at once; the clock's timers are children of `parent`.
    PrompterCore(Platform &platform, Settings &settings, ScriptView &view, ScriptWindow &script,
                 Window window, QObject *parent = nullptr);
    ~PrompterCore() override;

    // The window that shows the script (`view`, `script`) and does what only it can (`window`); the
    // clock's designed timers become children of `timers`. A window detaches as it goes.
    void attach(ScriptView &view, ScriptWindow &script, Window window, QObject *timers);
    void detach();
    bool attached() const { return m_view != nullptr; }

    // Studio output, which holds Start for its countdown and may put jumps on the reading line.
    void setStudio(StartGate *studio) { m_studio = studio; }

    // --- The state of the run.
    bool running() const { return bRunning; }
    static constexpr int kMinSpeed = 1;
    static constexpr int kMaxSpeed = 16;
    int speed() const { return m_speed; }
    Direction direction() const { return m_direction; }
    // Where the script stands and the reading line reads in it: see ScriptReading. Without a window,
    // the run reads an empty script at its beginning.
    const ScriptReading &reading() const { return *m_reading; } // while attached()
    float top() const { return m_reading ? m_reading->top() : 0; }
    qint32 range() const { return m_reading ? m_reading->range() : 0; }
    // How far through, and the time to go, as last told: see RunProgress.
    int progress() const { return m_progress.percent(); } // 0 to 100
    QString timeToGo() const { return m_progress.timeToGo(); }
    qint32 toGoSeconds() const { return m_progress.toGoSeconds(); }
    // The script as plain text (paragraphs end in CR LF), as shown with its formats, and its word count.
    QString plainText() const { return m_reading ? m_reading->plainText() : QString(); }
    const QTextDocument *document() const;
    qint32 words() const { return m_words; }
    int layoutLength() const { return m_reading ? m_reading->layoutLength() : 0; }
    int lineCount() const { return m_reading ? m_reading->lineCount() : 0; }
    float lineHeight() const { return m_reading ? m_reading->lineHeight() : 0; }
    int charAtLine() const { return m_reading ? m_reading->charAtLine() : 0; }
    float readingMiddle() const { return m_reading ? m_reading->readingMiddle() : 0; }
    float viewportHeight() const { return m_reading ? m_reading->viewportHeight() : 0; }
    using ReadingPlace = ScriptReading::Place;
    using Align = ScriptReading::Align;
    ReadingPlace readingPlace() const { return m_reading ? m_reading->place() : ReadingPlace(); }
    float topFor(const ReadingPlace &place, Align align = Align::Line) const
    {
        return m_reading ? m_reading->topFor(place, align) : 0;
    }
    const CMarkers &markers() const;
    bool markMode() const;
    bool fullScreen() const { return bFullScreen; }
    // The message shown to the presenter, and whether cues are left out of the script's picture.
    TalentMessage &message() const { return *m_message; }
    bool cuesHidden() const { return m_hideCues; }
    // The look the script and the line have, as read at start or last chosen in Options.
    const appearance::Appearance &appearance() const { return m_appearance; }

    // --- The one way in for every source. A command is carried out here, forwarded to the leader
    // while following, or refused with the reason.
    run::Answer command(const run::Command &c);
    // The toolbar's twelve actions by key ("Start", "JumpTo"…) as commands.
    static run::Command toolbarCommand(const QString &key);
    // While following: the leader's commands go here. Nothing back: carried out on this prompter.
    using Leader = std::function<std::optional<run::Answer>(const run::Command &)>;
    void setLeader(Leader leader) { m_leader = std::move(leader); }
    bool following() const { return bool(m_leader); }

    // --- Not a command: a show puts its reading back after the script changed under it. A fraction
    // of the scroll range, 0 the beginning and 1 the end.
    void goToFraction(double fraction);
    // Done's effect: the text becomes the script, counted, laid out and shown from its beginning.
    // `dress` formats it before it is laid out, maybe on another thread: the window may prepare the
    // script away from its thread and show it later.
    // What whoever gave a script does around its showing: `before`, with the old script still shown;
    // `after`, once the new one shows and scriptChanged() has been told.
    struct FollowUp
    {
        std::function<void()> before;
        std::function<void()> after;
    };
    void takeScript(const QString &text, const std::function<void(QTextDocument &)> &dress = {},
                    FollowUp followUp = {});
    // While scriptChanged() tells of a script taken with a follow-up: its giver rebuilds around it.
    bool scriptFollowedUp() const { return bool(m_followUp); }
    // The script with its formatting, as Rich Text, and the same taken from another prompter: false
    // when refused at once, true when taken or on its way to the window.
    QByteArray scriptRtf() const;
    bool takeRichScript(const QByteArray &rtf);
    // Another prompter's look, shown here and not kept in this prompter's settings. Its script came
    // with its own fonts and colours: only what lies around the text changes, the background and the
    // reading line.
    void showAppearance(const appearance::Appearance &a);
    void replaceMarkers(const CMarkers &markers);

    // Who moves the script, first the strongest: the operator's own moves and the clock act at once;
    // a leader or the presenter's voice steers at each shown frame, saying where the Top goes (or
    // nothing to leave it). Each steers and lets go for itself only; while a leader steers, the
    // voice's steering waits.
    enum class Driver { Operator, Clock, Leader, Voice };
    using Steering = std::function<std::optional<float>(quint32 now)>;
    void steer(Driver driver, Steering steering);
    void letGo(Driver driver) { steer(driver, {}); }
    bool steered() const;
    bool steeredBy(Driver driver) const;

    // --- The design's procedures, for the window and the studio.
    // Moves the script by one step: iDir +1 forward (text up), -1 back; lVal as the step value.
    void Scroll(qint16 iDir, qint32 lVal, bool bSmooth);
    // Before the script is wrapped anew: a show's place is taken, to be given back by afterRelayout().
    void beforeRelayout();
    // After a layout: the time to go is counted afresh and the position told.
    void afterRelayout();
    void applyStoredAppearance();
    void reportStoreProblem();

    ScrollClock &clock() const { return *m_clock; }
    // The show of several scripts, which takes the commands between its stories; none: a single script.
    void setStories(StoryCommands *stories) { m_stories = stories; }
    // Shows the newsroom's running order of that id (empty: none), or says why it cannot; unset,
    // no running order is known.
    using RunningOrderPicker = std::function<run::Answer(const QString &orderId)>;
    void setRunningOrderPicker(RunningOrderPicker picker) { m_pickOrder = std::move(picker); }

Q_SIGNALS:
    void runningChanged(bool running);
    void speedChanged(int speed);
    void directionChanged(PrompterCore::Direction direction);
    // At most once per shown frame while the script moves.
    void positionChanged(float top);
    void progressChanged(int percent);
    void timeToGoChanged(const QString &caption);
    void scriptChanged();
    void markersChanged();
    void appearanceChanged();
    // The script was laid out again (a new width or look): places lie at other Tops now.
    void relaid();
    void markModeChanged(bool on);
    void fullScreenChanged(bool on);

private:
    run::Answer carryOut(const run::Command &c);
    void start();
    void stop();
    void setSpeed(int speed);
    void setDirection(Direction direction);
    // What the commands do, each exactly as its key or button.
    void toggle();
    void reset();
    void stepBack();
    void stepForward();
    void pageBack();
    void pageForward();
    void home();
    void end();
    void slower();
    void faster();
    void toggleFullScreen();
    void setFullScreen(bool enter);
    void wheel(int angleDelta); // angle units, 120 per classic notch
    // Marker `index` (1-based) as Jump To places it; false when there is none.
    bool jumpToMarker(int index);
    // That character of plainText() onto the reading line.
    void bringCharToLine(int position);
    void openScript(const QString &path);
    void setCuesHidden(bool hidden);
    // Marks a passage, or removes marker `index` (1-based), as Mark and Unmark would.
    bool markPassage(int start, int length);
    bool unmark(int index);
    void startClock(quint32 tick);
    std::optional<run::Answer> refusalHere(const run::Command &c) const;
    std::optional<float> steering(quint32 now);
    Steering &slot(Driver driver);
    void StartPrompter();
    void StopPrompter();
    void setRunning(bool on);
    void UpdateProgress(bool bSmooth);
    void publishPosition();
    void placed(); // the view was put somewhere: progress and position told
    void scriptReplaced(std::optional<qint32> words = std::nullopt);
    void editText();
    void showOptions();
    void SaveAppearance();
    void keepAppearance(const appearance::Appearance &a);
    void markCues();
    void countWords(std::optional<qint32> words = std::nullopt);

    Platform &m_platform;
    Settings &m_settings;
    ScriptView *m_view = nullptr;
    ScriptWindow *m_script = nullptr;
    std::optional<ScriptReading> m_reading;
    QTextDocument *m_noScript; // what a run shown nowhere reads
    Window m_window;
    StartGate *m_studio = nullptr;
    ScrollClock *m_clock = nullptr;
    TalentMessage *m_message;
    bool m_hideCues = false;
    StoryCommands *m_stories = nullptr;
    RunningOrderPicker m_pickOrder;
    WheelAccumulator m_wheel;
    std::array<Steering, 2> m_steering; // the leader's, then the voice's
    Leader m_leader;
    bool m_steeredJump = false; // the last steered frame was a jump, not a glide
    appearance::Appearance m_appearance;
    bool bRunning = false;
    int m_speed = kMinSpeed;
    Direction m_direction = Direction::Up;
    RunProgress m_progress;
    bool bFullScreen = false;
    bool m_stepFromClock = false; // the Scroll in progress is the clock's
    float m_publishedTop = 0;
    qint32 m_words = 0;
    std::function<void()> m_followUp;  // of the script being told as changed
    std::function<void()> m_keptPlace; // a show's place, given back after the layout
    bool keepPlace();
    void restorePlace();
};
