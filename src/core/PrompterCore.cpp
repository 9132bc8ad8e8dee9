// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PrompterCore.h"

#include "common/Platform.h"
#include "common/ProgramFiles.h"
#include "common/Trace.h"
#include "common/Translations.h"
#include "common/modCommon.h"
#include "core/Log.h"
#include "core/ShowRun.h"
#include "documents/Documents.h"
#include "editor/ScriptFile.h"
#include "editor/ScriptOpener.h"
#include "markers/MarkerPlaces.h"
#include "markers/Marking.h"
#include "scroll/Log.h"
#include "scroll/Progress.h"
#include "scroll/ScrollClock.h"
#include "scroll/ScrollEngine.h"
#include "settings/Settings.h"
#include "settings/dlgOptions.h" // the look as the script view and the line show it
#include "settings/modSettings.h"
#include "studio/Studio.h"
#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <utility>

PrompterCore::PrompterCore(Platform &platform, Dialogs &dialogs, Settings &settings, ScriptView &view,
                           Controls controls, Window window)
    : QObject(controls.window), m_platform(platform), m_dialogs(dialogs), m_settings(settings), m_view(view),
      m_c(controls), m_window(std::move(window))
{
    ScrollClock::Hooks clockHooks;
    clockHooks.step = [this] {
        m_stepFromClock = m_clock->frameSync() && !markMode();
        Scroll(direction() == Direction::Up ? 1 : -1, speed(), true);
        m_stepFromClock = false;
        if (trace::enabled())
            trace::record('S', qint64(top()));
    };
    clockHooks.waiting = [this] { UpdateProgress(true); };
    clockHooks.running = [this] { return bRunning || steered(); };
    clockHooks.steer = [this](quint32 now) { return steering(now); };
    clockHooks.framed = [this] {
        if (steered())
            UpdateProgress(!std::exchange(m_steeredJump, false));
        publishPosition();
    };
    m_clock = new ScrollClock(platform, m_c.window, m_c.rtDoc, settings.frameSync(), std::move(clockHooks));

    Marking::Controls mc{m_c.rtDoc,   m_c.rtMirror, m_c.picBack,  m_c.picLine,
                         m_c.picMark, m_c.picPanel, m_c.txtFocus, m_c.lblHeightFinder};
    Marking::Hooks mh;
    mh.lineMoved = [this] { m_window.lineMoved(); };
    mh.fullScreen = [this] { return bFullScreen; };
    mh.toReadingLine = [this] { return m_studio && m_studio->options().jumpToReadingLine; };
    mh.scriptColor = [this] { return m_appearance.lForeColor; };
    m_marking = new Marking(dialogs, mc, std::move(mh), m_c.window);
    connect(m_marking, &Marking::markModeChanged, this, &PrompterCore::markModeChanged);
    connect(m_marking, &Marking::markersChanged, this, &PrompterCore::markersChanged);
    connect(m_marking, &Marking::jumped, this, &PrompterCore::placed);

    m_opener = new ScriptOpener(dialogs, {m_c.window, m_c.picBack, m_c.lblWords}, [this] {
        if (markMode())
            return QStringLiteral("marking a passage");
        return ModalWindowOpen() ? QStringLiteral("a window is open") : QString();
    });
    connect(m_opener, &ScriptOpener::opening, this, &PrompterCore::StopPrompter);
    connect(m_opener, &ScriptOpener::scriptRead, this, [this](const QString &text) { takeScript(text); });
    m_show = new ShowRun(platform, *this, *m_c.rtDoc, m_c.lblWords);
}

PrompterCore::~PrompterCore() = default;

float PrompterCore::top() const
{
    return m_view.scriptTop();
}

qint32 PrompterCore::range() const
{
    return scroll::range(m_view.scriptHeight(), m_view.viewportHeight());
}

QString PrompterCore::plainText() const
{
    return m_c.rtDoc->Text();
}

int PrompterCore::layoutLength() const
{
    return m_c.rtDoc->textLength();
}

int PrompterCore::lineCount() const
{
    return m_c.rtDoc->GetLineFromChar(layoutLength()) + 1;
}

float PrompterCore::lineHeight() const
{
    return m_view.fontLineHeight();
}

float PrompterCore::readingMiddle() const
{
    return m_view.readingLineTop() + m_view.readingLineHeight() / 2;
}

int PrompterCore::charAtLine() const
{
    return m_c.rtDoc->lineStartAt(twips::toPixels(readingMiddle() - top()));
}

PrompterCore::ReadingPlace PrompterCore::readingPlace() const
{
    // The layout's own lines: a script in several sizes has lines of several heights.
    const double into = double(readingMiddle() - top()) / twips::kPerPixel;
    const int character = charAtLine();
    const QRectF line = m_c.rtDoc->lineRect(character);
    const double through = line.height() > 0 ? (into - line.top()) / line.height() : 0.0;
    const RichTextView::Span span = m_c.rtDoc->lineSpan(character);
    const QRectF paragraph = m_c.rtDoc->paragraphRect(character);
    const double down = paragraph.height() > 0 ? (into - paragraph.top()) / paragraph.height() : 0.0;
    return {character, std::clamp(through, 0.0, 1.0), std::max(0, span.next - span.start),
            std::clamp(down, 0.0, 1.0)};
}

float PrompterCore::topFor(const ReadingPlace &place, Align align) const
{
    const int length = m_c.rtDoc->textLength();
    int character = std::clamp(place.character, 0, length);
    double into = 0;
    if (align == Align::Paragraph && place.paragraph >= 0) {
        const QRectF paragraph = m_c.rtDoc->paragraphRect(character);
        into = paragraph.top() + std::min(place.paragraph, 1.0) * paragraph.height();
    } else {
        double through = place.through;
        if (place.length > 0) {
            // The same share of the text here, on whichever line holds it.
            const double reached = std::min(double(length), place.character + place.through * place.length);
            const RichTextView::Span span = m_c.rtDoc->lineSpan(int(std::floor(reached)));
            character = span.start;
            through = span.next > span.start
                          ? std::clamp((reached - span.start) / (span.next - span.start), 0.0, 1.0)
                          : 0.0;
        }
        const QRectF line = m_c.rtDoc->lineRect(character);
        into = line.top() + through * line.height();
    }
    return std::clamp(float(std::nearbyint(readingMiddle() - into * twips::kPerPixel)), -float(range()),
                      0.0f);
}

const CMarkers &PrompterCore::markers() const
{
    return m_marking->markers();
}

bool PrompterCore::markMode() const
{
    return m_marking->markMode();
}

void PrompterCore::doAction(const QString &sAction)
{
    if (markMode()) {
        m_marking->MarkModeAction(sAction);
        return;
    }
    if (sAction == QLatin1String("EditText")) {
        StopPrompter();
        EditTextAction();
    } else if (sAction == QLatin1String("Start")) {
        StartPrompter();
    } else if (sAction == QLatin1String("Stop")) {
        StopPrompter();
    } else if (sAction == QLatin1String("Reset")) {
        StopPrompter();
        m_view.setScriptTop(0);
        placed();
    } else if (sAction == QLatin1String("Mark")) {
        StopPrompter();
        m_marking->EnterMarkMode();
    } else if (sAction == QLatin1String("JumpTo")) {
        StopPrompter();
        m_marking->JumpToMarker();
    } else if (sAction == QLatin1String("Unmark")) {
        StopPrompter();
        m_marking->UnmarkText();
    } else if (sAction == QLatin1String("ClearAll")) {
        m_marking->ClearAllMarkers();
    } else if (sAction == QLatin1String("FullScreen")) {
        setFullScreen(true);
    } else if (sAction == QLatin1String("Options")) {
        StopPrompter();
        OptionsAction();
    } else if (sAction == QLatin1String("Help")) {
        StopPrompter();
        ShowHelp();
    } else if (sAction == QLatin1String("Exit")) {
        m_window.close();
    }
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
    // A passage chosen on a follower is marked by the leader, from mark mode; everything else
    // there stays with this prompter's copy.
    if (m_leader && leadersCommand(c.verb) && (c.verb == Verb::Mark || !markMode())) {
        if (c.verb == Verb::EditText)
            return Answer::refused(Answer::Reason::LeadersScript, tr("The script is the leader's."));
        if (c.verb == Verb::PickJump || c.verb == Verb::PickUnmark) {
            // Picked from this prompter's copy of the leader's markers, carried out by the leader.
            const bool jump = c.verb == Verb::PickJump;
            const int index =
                m_marking->PickMarker(jump ? QStringLiteral("Jump To") : QStringLiteral("Unmark"));
            if (index <= 0)
                return Answer::done();
            return command({jump ? Verb::JumpMarker : Verb::Unmark, index});
        }
        if (std::optional<Answer> a = m_leader(c))
            return *a;
    }
    if (std::optional<Answer> refused = refusalHere(c))
        return *refused;
    if (std::optional<Answer> refused = m_show->refusal(c))
        return *refused;
    return carryOut(c);
}

std::optional<Answer> PrompterCore::refusalHere(const run::Command &c) const
{
    if (markMode()) {
        // Marking takes the toolbar but for Exit, and no jump or marker is made meanwhile.
        const bool refused = toolbarKey(c.verb) || c.verb == Verb::Toggle || c.verb == Verb::JumpMarker ||
                             c.verb == Verb::Unmark || c.verb == Verb::Mark || c.verb == Verb::NextStory ||
                             c.verb == Verb::PrevStory || c.verb == Verb::Story;
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
    default:
        break;
    }
    return std::nullopt;
}

Answer PrompterCore::carryOut(const run::Command &c)
{
    if (const char *key = toolbarKey(c.verb)) {
        doAction(QLatin1String(key));
        return Answer::done();
    }
    switch (c.verb) {
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
    case Verb::NextStory:
    case Verb::PrevStory:
    case Verb::Story:
    case Verb::Target:
        m_show->carryOut(c);
        break;
    default: // State, and the toolbar's above
        break;
    }
    return Answer::done();
}

void PrompterCore::start()
{
    doAction(QStringLiteral("Start"));
}

void PrompterCore::stop()
{
    doAction(QStringLiteral("Stop"));
}

void PrompterCore::toggle()
{
    doAction(bRunning ? QStringLiteral("Stop") : QStringLiteral("Start"));
}

void PrompterCore::reset()
{
    doAction(QStringLiteral("Reset"));
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
    m_toGoSeconds = 0; // the time to go is counted afresh at the new speed
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
        doAction(QStringLiteral("FullScreen"));
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
    return m_marking->JumpTo(index);
}

void PrompterCore::bringCharToLine(int position)
{
    const float lineHeight = m_view.fontLineHeight();
    const qint32 line = m_c.rtDoc->GetLineFromChar(std::clamp(position, 0, m_c.rtDoc->textLength()));
    m_view.setScriptTop(markers::readingLineTop(markers::lineTop(lineHeight, line), lineHeight,
                                                m_view.readingLineTop(), m_view.readingLineHeight(),
                                                float(range())));
    placed();
}

void PrompterCore::goToFraction(double fraction)
{
    if (!std::isfinite(fraction))
        return;
    m_view.setScriptTop(-float(std::nearbyint(std::clamp(fraction, 0.0, 1.0) * range())));
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
    if (steered())
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
        m_steeredJump = std::abs(target - top()) > 2 * m_view.fontLineHeight();
        return target;
    }
    return std::nullopt;
}

void PrompterCore::openScript(const QString &path)
{
    m_opener->OpenScript(path);
}

void PrompterCore::takeScript(const QString &text, const std::function<void(QTextDocument &)> &dress)
{
    QElapsedTimer laying;
    if (lcCore().isDebugEnabled())
        laying.start();
    scriptfile::apply(*m_c.rtDoc, m_c.lblWords, text);
    if (dress)
        dress(*m_c.rtDoc->document());
    ScriptReplaced();
    if (laying.isValid())
        qCDebug(lcCore) << "new script laid out:" << text.size() << "characters,"
                        << (m_c.rtDoc->wordWrapMode() == QTextOption::WrapAnywhere ? "wrapped anywhere"
                                                                                   : "wrapped at words")
                        << "in" << laying.elapsed() << "ms";
}

QByteArray PrompterCore::scriptRtf() const
{
    return m_c.rtDoc->TextRTF();
}

bool PrompterCore::takeRichScript(const QByteArray &rtf)
{
    StopPrompter();
    const RichTextView::LoadResult r = m_c.rtDoc->loadTextRTF(rtf);
    if (!r.ok) {
        qCWarning(lcCore) << "a script from another prompter was refused:" << r.error;
        return false;
    }
    scriptfile::showWords(m_c.lblWords, plainText());
    ScriptReplaced();
    return true;
}

void PrompterCore::showAppearance(const appearance::Appearance &a)
{
    m_c.rtDoc->setTag(QString::number(a.lForeColor));
    m_c.rtDoc->setBackColor(a.lBackColor);
    colors::setBackColor(m_c.picBack, a.lBackColor);
    colors::setBackColor(m_c.picLine, a.lLineColor);
    KeepAppearance(a);
}

void PrompterCore::replaceMarkers(const CMarkers &markers)
{
    m_marking->ReplaceMarkers(markers);
}

bool PrompterCore::markPassage(int start, int length)
{
    if (markMode())
        return false;
    StopPrompter();
    return m_marking->MarkPassage(start, length);
}

bool PrompterCore::unmark(int index)
{
    if (markMode())
        return false;
    StopPrompter();
    return m_marking->Unmark(index);
}

void PrompterCore::ScriptReplaced()
{
    m_window.layout();
    m_view.setScriptTop(0);
    placed();
    m_words = documents::CountWords(plainText());
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
    StartClock(m_platform.timeGetTime());
}

void PrompterCore::StartClock(quint32 tick)
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
        scroll::step(top(), m_view.scriptHeight(), m_view.viewportHeight(), iDir, lVal, bSmooth);
    if (!r.hasRange)
        return;
    m_clock->place(r.top, m_stepFromClock);
    if (markMode()) // keys and the wheel still move the script: the mirror moves with it
        twips::setTop(m_c.rtMirror, r.top);
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

void PrompterCore::Relaid()
{
    m_toGoSeconds = 0;
    placed();
    Q_EMIT relaid();
}

void PrompterCore::UpdateProgress(bool bSmooth)
{
    const float viewHeight = m_view.scriptHeight();
    const float viewportHeight = m_view.viewportHeight();
    if (viewHeight == viewportHeight)
        return;
    const progress::Reading reading =
        progress::read(top(), viewHeight, viewportHeight, speed(), direction() == Direction::Up);
    const int percent = static_cast<int>(std::nearbyint(reading.percent));
    if (m_progress != percent) {
        m_progress = percent;
        Q_EMIT progressChanged(percent);
    }

    const progress::Countdown c = progress::countdown(m_toGoSeconds, reading.seconds, bSmooth);
    m_toGoSeconds = c.tag;
    if (c.show) {
        const QString caption = modCommon::FormatTime(c.tag);
        if (m_timeToGo != caption) {
            m_timeToGo = caption;
            Q_EMIT timeToGoChanged(caption);
        }
    }
}

void PrompterCore::EditTextAction()
{
    m_opener->CancelOpening();
    const QString before = plainText();
    m_window.editText();
    m_window.layout();
    m_view.setScriptTop(0);
    placed();
    if (plainText() != before) {
        m_words = documents::CountWords(plainText());
        Q_EMIT scriptChanged();
    }
}

void PrompterCore::ShowHelp()
{
    const QString link = modSettings::GetHelpLink().trimmed();
    // No link: the page shipped with the program. A script or any other scheme in the site file never
    // reaches the desktop.
    QUrl url = link.isEmpty()
                   ? QUrl::fromLocalFile(programfiles::locate(QStringLiteral("cuescroll-help.html")))
                   : programfiles::helpAddress(link, QCoreApplication::applicationDirPath());
    // A page on this machine may have a sibling in the operator's language, as the shipped one has.
    if (url.isLocalFile())
        url.setPath(QUrl::fromLocalFile(translations::localizedPath(url.toLocalFile())).path());
    if (!url.isValid() || !m_platform.openUrl(url)) {
        m_dialogs.warning(
            m_c.window, m_c.window->windowTitle(),
            tr("The help page could not be opened:\n%1").arg(url.isValid() ? url.toDisplayString() : link));
    }
}

void PrompterCore::OptionsAction()
{
    const std::optional<appearance::Appearance> chosen =
        m_window.options(appearance::of(*m_c.rtDoc, *m_c.picLine, m_appearance.lForeColor));
    if (chosen) {
        appearance::apply(*chosen, *m_c.rtDoc, *m_c.picLine);
        // The viewport shows below the end of the script: one background, not two.
        colors::setBackColor(m_c.picBack, m_c.rtDoc->BackColor());
        // OK coloured every character; the markers are still there and must still look marked.
        m_marking->ReapplyMarkerHighlights();
    }
    m_window.layout();
    m_view.setScriptTop(0);
    placed();
    SaveAppearance();
    if (chosen)
        Q_EMIT appearanceChanged();
}

void PrompterCore::ApplyStoredAppearance()
{
    const appearance::Appearance stored = m_settings.appearance();
    KeepAppearance(stored);
    appearance::apply(stored, *m_c.rtDoc, *m_c.picLine);
    colors::setBackColor(m_c.picBack, m_c.rtDoc->BackColor());
}

void PrompterCore::SaveAppearance()
{
    // Every writer of the tag writes a number; keep the colour known so far should one not.
    const appearance::Appearance shown = appearance::of(*m_c.rtDoc, *m_c.picLine, m_appearance.lForeColor);
    KeepAppearance(shown);
    m_settings.setAppearance(shown);
    ReportStoreProblem();
}

void PrompterCore::KeepAppearance(const appearance::Appearance &a)
{
    m_appearance = a;
    m_appearance.dFontSize = appearance::storedFontSize(a.dFontSize);
}

// Whichever change finds the store unable to keep it, the operator hears of it once.
void PrompterCore::ReportStoreProblem()
{
    if (const std::optional<QString> problem = modSettings::takeStoreProblem())
        m_dialogs.warning(m_c.window, m_c.window->windowTitle(), *problem);
}

bool PrompterCore::ModalWindowOpen() const
{
    if (QApplication::activeModalWidget())
        return true;
    const QList<QWidget *> children = m_c.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(),
                       [](const QWidget *w) { return w->isWindow() && w->isVisible(); });
}
