// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PrompterCore.h"

#include "common/Platform.h"
#include "common/Trace.h"
#include "core/Log.h"
#include "core/StartGate.h"
#include "core/StoryCommands.h"
#include "core/TalentMessage.h"
#include "documents/Cues.h"
#include "documents/Documents.h"
#include "scroll/Log.h"
#include "scroll/ScrollClock.h"
#include "scroll/ScrollEngine.h"
#include "settings/Settings.h"
#include "settings/modSettings.h"

#include <QElapsedTimer>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

PrompterCore::PrompterCore(Platform &platform, Settings &settings, QObject *parent)
    : QObject(parent), m_platform(platform), m_settings(settings), m_noScript(new QTextDocument(this)),
      m_message(new TalentMessage(platform, this))
{}

PrompterCore::PrompterCore(Platform &platform, Settings &settings, ScriptView &view, ScriptWindow &script,
                           Window window, QObject *parent)
    : PrompterCore(platform, settings, parent)
{
    attach(view, script, std::move(window), parent);
}

void PrompterCore::attach(ScriptView &view, ScriptWindow &script, Window window, QObject *timers)
{
    Q_ASSERT(!attached());
    m_view = &view;
    m_script = &script;
    m_reading.emplace(view, script);
    m_window = std::move(window);
    ScrollClock::Hooks clockHooks;
    clockHooks.step = [this] {
        m_stepFromClock = m_clock->frameSync() && !markMode();
        Scroll(direction() == Direction::Up ? 1 : -1, speed(), true);
        m_stepFromClock = false;
        if (trace::enabled()) // at the moment the step fell due, which its frame shows
            trace::recordAgo(qint64(m_clock->stepLateness()) * 1000, 'S', qint64(top()));
    };
    clockHooks.waiting = [this] { UpdateProgress(true); };
    clockHooks.running = [this] { return bRunning || steered(); };
    clockHooks.steer = [this](quint32 now) { return steering(now); };
    clockHooks.framed = [this] {
        if (steered())
            UpdateProgress(!std::exchange(m_steeredJump, false));
        publishPosition();
    };
    // The window's designed timers, as before the run was apart from it; the run's own without one.
    m_clock = new ScrollClock(m_platform, timers ? timers : this, view, m_settings.frameSync(),
                              std::move(clockHooks));

    ScriptWindow::Heard heard;
    heard.markModeChanged = [this](bool on) { Q_EMIT markModeChanged(on); };
    heard.markersChanged = [this] { Q_EMIT markersChanged(); };
    heard.jumped = [this] { placed(); };
    heard.opening = [this] { StopPrompter(); };
    heard.scriptRead = [this](const QString &text) { takeScript(text); };
    m_script->hear(std::move(heard));
}

void PrompterCore::detach()
{
    if (!attached())
        return;
    // Quietly: the window is going, and what hears the run with it. Nothing moves a run not shown.
    const QSignalBlocker quiet(this);
    m_clock->stop();
    bRunning = false;
    delete std::exchange(m_clock, nullptr);
    // Whoever steered or held the run went with the window.
    m_studio = nullptr;
    m_steering = {};
    m_leader = {};
    m_followUp = {};
    m_keptPlace = {};
    m_window = {};
    m_reading.reset();
    m_script = nullptr;
    m_view = nullptr;
}

PrompterCore::~PrompterCore() = default;

const QTextDocument *PrompterCore::document() const
{
    return m_script ? &m_script->script() : m_noScript;
}

const CMarkers &PrompterCore::markers() const
{
    static const CMarkers none;
    return m_script ? m_script->markers() : none;
}

bool PrompterCore::markMode() const
{
    return m_script && m_script->markMode();
}

namespace {

using run::Answer;
using run::Verb;

struct ToolbarKey
{
    const char *key;
    Verb verb;
};

constexpr std::array kToolbar{
    ToolbarKey{"EditText", Verb::EditText},
    ToolbarKey{"Start", Verb::Start},
    ToolbarKey{"Stop", Verb::Stop},
    ToolbarKey{"Reset", Verb::Reset},
    ToolbarKey{"Mark", Verb::MarkMode},
    ToolbarKey{"JumpTo", Verb::PickJump},
    ToolbarKey{"Unmark", Verb::PickUnmark},
    ToolbarKey{"ClearAll", Verb::ClearMarkers},
    ToolbarKey{"FullScreen", Verb::EnterFullScreen},
    ToolbarKey{"Options", Verb::Options},
    ToolbarKey{"Help", Verb::Help},
    ToolbarKey{"Exit", Verb::Exit},
};

const char *toolbarKey(Verb verb)
{
    for (const ToolbarKey &t : kToolbar) {
        if (t.verb == verb)
            return t.key;
    }
    return nullptr;
}

// What a leader carries out for its followers; the rest stays with the prompter it was given to.
bool leadersCommand(Verb verb)
{
    const run::VerbNames *n = run::namesOf(verb);
    return (n && n->link) || verb == Verb::PickJump || verb == Verb::PickUnmark || verb == Verb::EditText;
}

} // namespace

run::Command PrompterCore::toolbarCommand(const QString &key)
{
    for (const ToolbarKey &t : kToolbar) {
        if (key == QLatin1String(t.key))
            return {t.verb};
    }
    return {Verb::State};
}

Answer PrompterCore::command(const run::Command &c)
{
    if (!attached())
        return Answer::refused(Answer::Reason::NoWindow, tr("No window shows the script."));
    // A passage chosen on a follower is marked by the leader, from mark mode; everything else
    // there stays with this prompter's copy.
    if (m_leader && leadersCommand(c.verb) && (c.verb == Verb::Mark || !markMode())) {
        if (c.verb == Verb::EditText)
            return Answer::refused(Answer::Reason::LeadersScript, tr("The script is the leader's."));
        if (c.verb == Verb::PickJump || c.verb == Verb::PickUnmark) {
            // Picked from this prompter's copy of the leader's markers, carried out by the leader.
            const bool jump = c.verb == Verb::PickJump;
            const int index =
                m_script->pickMarker(jump ? QStringLiteral("Jump To") : QStringLiteral("Unmark"));
            if (index <= 0)
                return Answer::done();
            return command({jump ? Verb::JumpMarker : Verb::Unmark, index});
        }
        if (std::optional<Answer> a = m_leader(c))
            return *a;
    }
    if (std::optional<Answer> refused = refusalHere(c))
        return *refused;
    if (m_stories)
        if (std::optional<Answer> refused = m_stories->refusal(c))
            return *refused;
    return carryOut(c);
}

std::optional<Answer> PrompterCore::refusalHere(const run::Command &c) const
{
    if (markMode()) {
        // Marking takes the toolbar but for Exit, and no jump or marker is made meanwhile.
        const bool refused = toolbarKey(c.verb) || c.verb == Verb::Toggle || c.verb == Verb::JumpMarker ||
                             c.verb == Verb::Unmark || c.verb == Verb::Mark || c.verb == Verb::NextStory ||
                             c.verb == Verb::PrevStory || c.verb == Verb::Story ||
                             c.verb == Verb::RunningOrder;
        if (refused && c.verb != Verb::Exit)
            return Answer::refused(Answer::Reason::Marking, tr("A passage is being marked."));
    }
    switch (c.verb) {
    case Verb::JumpMarker:
    case Verb::Unmark:
        if (!markers().Item(c.value))
            return Answer::refused(Answer::Reason::NoSuchMarker, tr("There is no marker %1.").arg(c.value));
        break;
    case Verb::Speed:
        if (c.value < 1 || c.value > 16)
            return Answer::refused(Answer::Reason::OutOfRange, tr("The value is out of range."));
        break;
    case Verb::GoTo:
        if (!(c.fraction >= 0 && c.fraction <= 1))
            return Answer::refused(Answer::Reason::OutOfRange, tr("The value is out of range."));
        break;
    case Verb::RunningOrder:
        if (m_leader) // it would replace the leader's script here
            return Answer::refused(Answer::Reason::LeadersScript, tr("The script is the leader's."));
        break;
    case Verb::Message:
        if (TalentMessage::clean(c.text).isEmpty())
            return Answer::refused(Answer::Reason::OutOfRange, tr("The message is empty."));
        if (c.value < 0 || c.value > TalentMessage::kMaxSeconds)
            return Answer::refused(Answer::Reason::OutOfRange, tr("The value is out of range."));
        break;
    default:
        break;
    }
    return std::nullopt;
}

Answer PrompterCore::carryOut(const run::Command &c)
{
    // Marking holds the toolbar: its rule hears the action by name and lets Exit through as a cancel.
    if (markMode()) {
        if (const char *key = toolbarKey(c.verb)) {
            m_script->markModeAction(QLatin1String(key));
            return Answer::done();
        }
    }
    switch (c.verb) {
    // The toolbar's: all but Start, ClearAll, FullScreen and Exit stop the run first.
    case Verb::EditText:
        StopPrompter();
        editText();
        break;
    case Verb::Start:
        StartPrompter();
        break;
    case Verb::Stop:
        StopPrompter();
        break;
    case Verb::Reset:
        StopPrompter();
        m_view->setScriptTop(0);
        placed();
        break;
    case Verb::MarkMode:
        StopPrompter();
        m_script->enterMarkMode();
        break;
    case Verb::PickJump:
        StopPrompter();
        m_script->jumpToMarker();
        break;
    case Verb::PickUnmark:
        StopPrompter();
        m_script->unmarkText();
        break;
    case Verb::ClearMarkers:
        m_script->clearAllMarkers();
        break;
    case Verb::EnterFullScreen:
        setFullScreen(true);
        break;
    case Verb::Options:
        StopPrompter();
        showOptions();
        break;
    case Verb::Help:
        StopPrompter();
        m_window.help();
        break;
    case Verb::Exit:
        m_window.close();
        break;
    // Everyone's.
    case Verb::Toggle:
        toggle();
        break;
    case Verb::Back:
        stepBack();
        break;
    case Verb::Forward:
        stepForward();
        break;
    case Verb::PageBack:
        pageBack();
        break;
    case Verb::PageForward:
        pageForward();
        break;
    case Verb::Home:
        home();
        break;
    case Verb::End:
        end();
        break;
    case Verb::Slower:
        slower();
        break;
    case Verb::Faster:
        faster();
        break;
    case Verb::Up:
        setDirection(Direction::Up);
        break;
    case Verb::Down:
        setDirection(Direction::Down);
        break;
    case Verb::FullScreen:
        toggleFullScreen();
        break;
    case Verb::Speed:
        setSpeed(c.value);
        break;
    case Verb::JumpMarker:
        jumpToMarker(c.value);
        break;
    case Verb::JumpChar:
        bringCharToLine(c.value);
        break;
    case Verb::GoTo:
        goToFraction(c.fraction);
        break;
    case Verb::State: // answered by whoever asked, from the signals
        break;
    case Verb::Wheel:
        wheel(c.value);
        break;
    case Verb::Mark:
        if (!markPassage(c.value, c.length))
            return Answer::refused(Answer::Reason::OutOfRange, tr("The value is out of range."));
        break;
    case Verb::Unmark:
        unmark(c.value);
        break;
    case Verb::Message:
        m_message->show(c.text, c.value);
        break;
    case Verb::ClearMessage:
        m_message->clear();
        break;
    case Verb::NextStory:
    case Verb::PrevStory:
    case Verb::Story:
    case Verb::Target:
        if (m_stories)
            m_stories->carryOut(c);
        break;
    case Verb::RunningOrder:
        if (!m_pickOrder)
            return Answer::refused(Answer::Reason::NoSuchRunningOrder,
                                   tr("No running order comes from a newsroom system."));
        return m_pickOrder(c.text);
    // The program's own.
    case Verb::HideCues:
        setCuesHidden(c.value != 0);
        break;
    case Verb::OpenScript:
        openScript(c.text);
        break;
    case Verb::LeaderRun:
        setSpeed(c.value);
        setDirection(c.length < 0 ? Direction::Down : Direction::Up);
        break;
    case Verb::LeaderScript:
        takeRichScript(c.text.toLatin1());
        break;
    case Verb::StopHere:
        stop();
        break;
    case Verb::SetFullScreen:
        setFullScreen(c.value != 0);
        break;
    case Verb::StartAt:
        startClock(quint32(c.value));
        break;
    }
    return Answer::done();
}

void PrompterCore::start()
{
    carryOut({Verb::Start});
}

void PrompterCore::stop()
{
    carryOut({Verb::Stop});
}

void PrompterCore::toggle()
{
    carryOut({bRunning ? Verb::Stop : Verb::Start});
}

void PrompterCore::reset()
{
    carryOut({Verb::Reset});
}

void PrompterCore::stepBack()
{
    Scroll(-1, scroll::kLineStep, false);
}

void PrompterCore::stepForward()
{
    Scroll(1, scroll::kLineStep, false);
}

void PrompterCore::pageBack()
{
    Scroll(-1, scroll::kPageStep, false);
}

void PrompterCore::pageForward()
{
    Scroll(1, scroll::kPageStep, false);
}

void PrompterCore::home()
{
    Scroll(-1, scroll::kEndStep, false);
}

void PrompterCore::end()
{
    Scroll(1, scroll::kEndStep, false);
}

void PrompterCore::slower()
{
    setSpeed(speed() - 1);
}

void PrompterCore::faster()
{
    setSpeed(speed() + 1);
}

void PrompterCore::setSpeed(int value)
{
    value = std::clamp(value, kMinSpeed, kMaxSpeed);
    if (value == m_speed)
        return;
    m_speed = value;
    qCDebug(lcScroll) << "speed" << value;
    m_progress.recount();
    Q_EMIT speedChanged(value);
}

void PrompterCore::setDirection(Direction d)
{
    if (d == m_direction)
        return;
    m_direction = d;
    Q_EMIT directionChanged(d);
}

void PrompterCore::toggleFullScreen()
{
    if (bFullScreen)
        setFullScreen(false);
    else
        carryOut({Verb::EnterFullScreen});
}

void PrompterCore::setFullScreen(bool enter)
{
    const bool changed = bFullScreen != enter;
    bFullScreen = enter;
    m_window.fullScreen(enter);
    if (changed)
        Q_EMIT fullScreenChanged(enter);
}

void PrompterCore::wheel(int angleDelta)
{
    const int dir = m_wheel.add(angleDelta);
    if (dir != 0)
        Scroll(static_cast<qint16>(-dir), scroll::kLineStep, false);
}

bool PrompterCore::jumpToMarker(int index)
{
    if (markMode())
        return false;
    StopPrompter();
    return m_script->jumpTo(index);
}

void PrompterCore::bringCharToLine(int position)
{
    m_clock->place(m_reading->topForChar(position), false);
    placed();
}

void PrompterCore::goToFraction(double fraction)
{
    if (!std::isfinite(fraction))
        return;
    m_clock->place(-float(std::nearbyint(std::clamp(fraction, 0.0, 1.0) * range())), false);
    placed();
}

namespace {

// The operator and the clock move the script themselves; only these two steer.
std::size_t slotOf(PrompterCore::Driver driver)
{
    Q_ASSERT(driver == PrompterCore::Driver::Leader || driver == PrompterCore::Driver::Voice);
    return driver == PrompterCore::Driver::Leader ? 0 : 1;
}

} // namespace

void PrompterCore::steer(Driver driver, Steering steering)
{
    m_steering[slotOf(driver)] = std::move(steering);
    if (steered() && m_clock)
        m_clock->startFrames();
}

bool PrompterCore::steered() const
{
    return m_steering[0] || m_steering[1];
}

bool PrompterCore::steeredBy(Driver driver) const
{
    return bool(m_steering[slotOf(driver)]);
}

std::optional<float> PrompterCore::steering(quint32 now)
{
    for (const Steering &s : m_steering) {
        if (!s)
            continue;
        const std::optional<float> to = s(now);
        if (!to)
            return std::nullopt;
        const float target = std::clamp(*to, -float(range()), 0.0f);
        // Far from where the view stood (the leader jumped, or is met again after a lost link): the
        // time to go is counted afresh, as after any jump, rather than only ever running down.
        m_steeredJump = std::abs(target - top()) > 2 * m_view->fontLineHeight();
        return target;
    }
    return std::nullopt;
}

void PrompterCore::openScript(const QString &path)
{
    m_script->openScript(path);
}

void PrompterCore::takeScript(const QString &text, const std::function<void(QTextDocument &)> &dress,
                              FollowUp followUp)
{
    QElapsedTimer laying;
    if (lcCore().isDebugEnabled())
        laying.start();
    const bool hidden = m_hideCues;
    const auto showing = [before = std::move(followUp.before)] {
        if (before)
            before();
    };
    m_script->prepareScript(text, dress, hidden, showing,
                            [this, hidden, laying, size = text.size(),
                             after = std::move(followUp.after)](std::optional<qint32> words) {
                                if (hidden != m_hideCues) // changed while the script was on its way
                                    markCues();
                                m_followUp = after;
                                scriptReplaced(words);
                                if (const std::function<void()> followUp = std::exchange(m_followUp, {}))
                                    followUp();
                                if (laying.isValid())
                                    qCDebug(lcCore) << "new script laid out:" << size << "characters,"
                                                    << (m_script->script().defaultTextOption().wrapMode() ==
                                                                QTextOption::WrapAnywhere
                                                            ? "wrapped anywhere"
                                                            : "wrapped at words")
                                                    << "in" << laying.elapsed() << "ms";
                            });
}

QByteArray PrompterCore::scriptRtf() const
{
    return m_script ? m_script->scriptRtf() : QByteArray();
}

bool PrompterCore::takeRichScript(const QByteArray &rtf)
{
    StopPrompter();
    auto taken = std::make_shared<bool>(true);
    const bool hidden = m_hideCues;
    m_script->prepareRichScript(
        rtf, hidden,
        [this, hidden](std::optional<qint32> words) {
            if (hidden != m_hideCues)
                markCues();
            scriptReplaced(words);
        },
        [taken](const QString &why) {
            *taken = false;
            qCWarning(lcCore) << "a script from another prompter was refused:" << why;
        });
    return *taken;
}

void PrompterCore::showAppearance(const appearance::Appearance &a)
{
    m_script->showAppearance(a);
    keepAppearance(a);
}

void PrompterCore::replaceMarkers(const CMarkers &markers)
{
    m_script->replaceMarkers(markers);
}

bool PrompterCore::markPassage(int start, int length)
{
    if (markMode())
        return false;
    StopPrompter();
    return m_script->markPassage(start, length);
}

bool PrompterCore::unmark(int index)
{
    if (markMode())
        return false;
    StopPrompter();
    return m_script->unmark(index);
}

void PrompterCore::scriptReplaced(std::optional<qint32> words)
{
    m_window.layout();
    m_view->setScriptTop(0);
    placed();
    countWords(words);
    Q_EMIT scriptChanged();
}

void PrompterCore::StartPrompter()
{
    // Studio: a countdown set to run first starts the clock itself when it ends.
    if (m_studio && m_studio->holdStart(m_clock->ticking())) {
        qCDebug(lcScroll) << "start held for the countdown";
        setRunning(true);
        return;
    }
    startClock(m_platform.timeGetTime());
}

void PrompterCore::startClock(quint32 tick)
{
    qCDebug(lcScroll) << "clock started at" << tick << "ms, speed" << speed()
                      << (direction() == Direction::Up ? "forward" : "back");
    m_clock->start(tick);
    setRunning(true);
}

void PrompterCore::StopPrompter()
{
    if (m_studio) // Studio: stopping ends a countdown too
        m_studio->cancelCountdown();
    if (bRunning)
        qCDebug(lcScroll) << "clock stopped at" << m_platform.timeGetTime() << "ms";
    m_clock->stop();
    setRunning(false);
}

void PrompterCore::setRunning(bool on)
{
    if (bRunning == on)
        return;
    bRunning = on;
    Q_EMIT runningChanged(on);
}

void PrompterCore::Scroll(qint16 iDir, qint32 lVal, bool bSmooth)
{
    const scroll::StepResult r =
        scroll::step(top(), m_view->scriptHeight(), m_view->viewportHeight(), iDir, lVal, bSmooth);
    if (!r.hasRange)
        return;
    m_clock->place(r.top, m_stepFromClock);
    if (markMode()) // keys and the wheel still move the script: the mirror moves with it
        m_script->showMirrorAt(r.top);
    UpdateProgress(bSmooth);
    if (!m_stepFromClock) // a clock step under frame sync is told when its frame shows it
        publishPosition();
}

void PrompterCore::placed()
{
    UpdateProgress(false);
    publishPosition();
}

void PrompterCore::publishPosition()
{
    const float t = top();
    if (t == m_publishedTop)
        return;
    m_publishedTop = t;
    Q_EMIT positionChanged(t);
}

void PrompterCore::beforeRelayout()
{
    keepPlace();
}

bool PrompterCore::keepPlace()
{
    if (!m_keptPlace && m_stories)
        m_keptPlace = m_stories->keepPlace();
    return bool(m_keptPlace);
}

void PrompterCore::restorePlace()
{
    if (const std::function<void()> restore = std::exchange(m_keptPlace, {}))
        restore();
}

void PrompterCore::afterRelayout()
{
    m_progress.recount();
    restorePlace();
    placed();
    Q_EMIT relaid();
}

void PrompterCore::UpdateProgress(bool bSmooth)
{
    const RunProgress::Changed told =
        m_progress.update(top(), m_view->scriptHeight(), m_view->viewportHeight(), speed(),
                          direction() == Direction::Up, bSmooth);
    if (told.percent)
        Q_EMIT progressChanged(m_progress.percent());
    if (told.timeToGo)
        Q_EMIT timeToGoChanged(m_progress.timeToGo());
}

void PrompterCore::editText()
{
    m_script->cancelOpening();
    const QString before = plainText();
    // A show keeps its place when its text comes back as it was; a single script starts again.
    const bool kept = keepPlace();
    m_window.editText();
    markCues();
    m_window.layout();
    if (kept && plainText() == before)
        restorePlace();
    else
        m_view->setScriptTop(0);
    m_keptPlace = {};
    placed();
    if (plainText() != before) {
        countWords();
        Q_EMIT scriptChanged();
    }
}

void PrompterCore::showOptions()
{
    // A show stays on the words read; a single script goes back to its beginning.
    const bool kept = keepPlace();
    const std::optional<appearance::Appearance> chosen =
        m_window.options(m_script->shownAppearance(m_appearance.lForeColor));
    if (chosen) {
        m_script->applyAppearance(*chosen);
        markCues(); // they are drawn smaller than the script, at whatever size it now has
        // OK coloured every character; the markers are still there and must still look marked.
        m_script->reapplyMarkerHighlights();
    }
    m_window.layout();
    if (kept)
        restorePlace();
    else
        m_view->setScriptTop(0);
    placed();
    SaveAppearance();
    if (chosen)
        Q_EMIT appearanceChanged();
}

void PrompterCore::applyStoredAppearance()
{
    const appearance::Appearance stored = m_settings.appearance();
    keepAppearance(stored);
    m_script->applyAppearance(stored);
    markCues();
}

void PrompterCore::setCuesHidden(bool hidden)
{
    if (hidden == m_hideCues)
        return;
    m_hideCues = hidden;
    markCues();
    m_window.layout(); // the script is taller or shorter now; the reading place is kept by its Top
    placed();
}

void PrompterCore::markCues()
{
    m_script->markCues(m_hideCues);
}

// What the presenter reads: the cues in the script are not counted.
void PrompterCore::countWords(std::optional<qint32> words)
{
    m_words = words ? *words : cues::readWords(m_script->script());
}

void PrompterCore::SaveAppearance()
{
    // Every writer of the tag writes a number; keep the colour known so far should one not.
    const appearance::Appearance shown = m_script->shownAppearance(m_appearance.lForeColor);
    keepAppearance(shown);
    m_settings.setAppearance(shown);
    reportStoreProblem();
}

void PrompterCore::keepAppearance(const appearance::Appearance &a)
{
    m_appearance = a;
    m_appearance.dFontSize = appearance::storedFontSize(a.dFontSize);
}

// Whichever change finds the store unable to keep it, the operator hears of it once.
void PrompterCore::reportStoreProblem()
{
    if (!m_script)
        return; // kept for the window
    if (const std::optional<QString> problem = modSettings::takeStoreProblem())
        m_script->warn(*problem);
}
