// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ShowRun.h"

#include "common/Platform.h"
#include "common/Trace.h"
#include "common/modCommon.h"
#include "core/Log.h"
#include "core/PrompterCore.h"
#include "documents/Cues.h"
#include "documents/ScriptLines.h"
#include "documents/Unread.h"
#include "scroll/ScrollEngine.h"
#include "scroll/TwipUnits.h"
#include "show/RundownFile.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPalette>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

using run::Answer;
using run::Verb;

namespace {

// A colour as the settings hold it: red in the low byte; with the top bit, a colour of the system.
QColor colorOf(qint32 value, QPalette::ColorRole system)
{
    if (value < 0)
        return QGuiApplication::palette().color(system);
    const auto v = quint32(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

} // namespace

ShowRun::ShowRun(Platform &platform, PrompterCore &core, Files files)
    : QObject(&core), m_platform(platform), m_core(core), m_files(std::move(files)),
      m_sample(new QTimer(this))
{
    // Read once for the program: from here on the wall clock goes by the program's own clock.
    static const QDateTime wallAtStart = QDateTime::currentDateTime();
    m_timers.setWallClock(platform.timeGetTime(), wallAtStart);
    connect(&core, &PrompterCore::scriptChanged, this, &ShowRun::scriptChanged);
    connect(&core, &PrompterCore::runningChanged, this, [this] {
        if (!m_leaderRunning)
            started(m_core.running());
    });
    m_sample->setObjectName(QStringLiteral("timShow"));
    m_sample->setInterval(kSampleMs);
    connect(m_sample, &QTimer::timeout, this, &ShowRun::timShow_Timer);
}

void ShowRun::wake()
{
    // A program at rest with one script and no show started wakes for nothing, nor one closed.
    if (!m_released && (isShow() || m_timers.started()))
        m_sample->start();
    else
        m_sample->stop();
}

void ShowRun::release()
{
    m_released = true;
    m_sample->stop();
}

void ShowRun::showLeaderRun(std::optional<bool> leaderRunning)
{
    const bool was = runShown();
    m_leaderRunning = leaderRunning;
    if (runShown() != was)
        started(runShown());
}

bool ShowRun::runShown() const
{
    return m_leaderRunning.value_or(m_core.running());
}

void ShowRun::setWallClock(const QDateTime &wallNow)
{
    m_timers.setWallClock(m_platform.timeGetTime(), wallNow);
    refresh(true);
}

void ShowRun::readStory(show::Story &s) const
{
    if (m_files.read) {
        m_files.read(s);
    } else {
        s.missing = true;
        s.text.clear();
    }
    s.words = show::storyWords(s.text);
}

QString ShowRun::failure(const QString &path, const QString &why) const
{
    return m_files.failure ? m_files.failure(path, why) : path + QStringLiteral(": ") + why;
}

QString ShowRun::shown(const QString &path) const
{
    return m_files.shown ? m_files.shown(path) : path;
}

bool ShowRun::open(const QStringList &paths, QString *error)
{
    if (m_followed) {
        if (error)
            *error = tr("This prompter follows another: the show is the leader's.");
        return false;
    }
    QList<show::Story> stories;
    QString file;
    show::Target target = m_timers.target();
    for (const QString &path : paths) {
        if (!show::isRundownName(path)) {
            for (const QString &script : show::scriptsIn({path})) {
                show::Story s;
                s.path = script;
                stories << s;
            }
            continue;
        }
        const RegularFileRead data = readRegularFile(path, show::kMaxRundownBytes);
        show::ReadRundown r;
        if (data.status != RegularFileRead::Ok)
            r.error = data.status == RegularFileRead::TooLarge ? tr("the rundown is larger than 1 MB")
                                                               : tr("the file cannot be read");
        else
            r = show::readRundown(data.data, QFileInfo(path).absolutePath());
        if (!r.ok()) {
            if (error)
                *error = failure(path, r.error);
            return false;
        }
        stories << r.rundown.stories;
        target = r.rundown.target;
        file = QFileInfo(path).absoluteFilePath();
    }
    if (stories.isEmpty()) {
        // An empty folder leaves the script as it was.
        if (error)
            *error = tr("There is no script to show in “%1”.").arg(shown(paths.value(0)));
        return false;
    }
    m_core.command({Verb::Stop});
    for (show::Story &s : stories)
        readStory(s);
    qCInfo(lcCore) << "rundown of" << stories.size() << "stories";
    m_stories = stories.mid(0, show::kMaxStories);
    m_file = file;
    m_fed = false;
    m_timers.reset();
    m_timers.setTarget(target);
    compose(Fresh{});
    return true;
}

bool ShowRun::saveRundown(const QString &path, QString *error)
{
    if (m_fed) {
        // Its stories live in the newsroom system, not in files a rundown could name.
        if (error)
            *error = tr("A running order from the newsroom system is not saved as a rundown: its stories "
                        "are kept by the newsroom system, not in script files.");
        return false;
    }
    const show::Rundown r{m_stories, m_timers.target()};
    const FileWrite w = writeFileSafely(path, show::writeRundown(r, QFileInfo(path).absolutePath()));
    if (!w.ok()) {
        if (error)
            *error = tr("The rundown “%1” cannot be saved: %2.").arg(shown(path), w.detail);
        return false;
    }
    m_file = QFileInfo(path).absoluteFilePath();
    return true;
}

void ShowRun::addScripts(const QStringList &paths)
{
    if (m_followed)
        return;
    const QStringList scripts = show::scriptsIn(paths);
    for (const QString &path : scripts) {
        if (m_stories.size() >= show::kMaxStories)
            break;
        show::Story s;
        s.path = path;
        readStory(s);
        m_stories << s;
    }
    compose();
}

void ShowRun::removeStory(int index)
{
    if (m_followed || index < 0 || index >= m_stories.size())
        return;
    // The story on air gone, the one in its place is read from its beginning.
    m_stories.removeAt(index);
    compose();
}

void ShowRun::moveStory(int from, int to)
{
    if (m_followed || from < 0 || from >= m_stories.size() || to < 0 || to >= m_stories.size() || from == to)
        return;
    m_stories.move(from, to);
    compose();
}

void ShowRun::setTitle(int index, const QString &title)
{
    if (m_followed || index < 0 || index >= m_stories.size() || m_stories.at(index).title == title)
        return;
    m_stories[index].title = title;
    compose(); // the break before it shows the title
}

void ShowRun::setPlanned(int index, std::optional<int> seconds)
{
    if (m_followed || index < 0 || index >= m_stories.size())
        return;
    m_stories[index].planned = seconds;
    Q_EMIT rundownChanged();
    refresh(true);
}

void ShowRun::setStoryText(int index, const QString &text)
{
    if (m_followed || index < 0 || index >= m_stories.size())
        return;
    show::Story &s = m_stories[index];
    s.text = text;
    s.words = show::storyWords(text);
    s.missing = false;
    s.problem.clear();
    compose();
}

void ShowRun::reload(int index)
{
    if (m_followed || index < 0 || index >= m_stories.size())
        return;
    readStory(m_stories[index]);
    compose();
}

void ShowRun::feedStories(QList<show::Story> stories, bool fresh)
{
    if (m_followed)
        return; // the show is the leader's
    stories = stories.mid(0, show::kMaxStories);
    for (show::Story &s : stories) {
        s.words = show::storyWords(s.text);
        for (const show::Story &was : std::as_const(m_stories))
            if (!s.newsroomId.isEmpty() && was.newsroomId == s.newsroomId)
                s.planned = was.planned;
    }
    if (fresh || !m_fed) {
        m_core.command({Verb::Stop});
        qCInfo(lcCore) << "a running order of" << stories.size() << "stories";
        m_stories = stories;
        m_file.clear();
        m_fed = true;
        m_timers.reset();
        compose(Fresh{});
        return;
    }
    m_stories = stories;
    compose();
}

void ShowRun::feedStoryText(int index, const QString &text)
{
    if (!m_fed || index < 0 || index >= m_stories.size() || m_stories.at(index).text == text)
        return;
    setStoryText(index, text);
}

void ShowRun::compose(Goal goal)
{
    if (m_followed)
        return; // the leader's show: it changes on the leader
    identify();
    show::ShowText text = show::compose(m_stories);
    if (!std::holds_alternative<Fresh>(goal) && text.text == m_text.text && m_composing == 0) {
        // Marks, titles unseen and planned times only: the prompter's text stays as laid out.
        m_shownStories = m_stories;
        Q_EMIT rundownChanged();
        refresh(true);
        return;
    }
    // The place is read when the new script shows, after the reading went on meanwhile.
    auto kept = std::make_shared<Kept>();
    std::function<void()> before;
    if (std::holds_alternative<Keep>(goal))
        before = [this, kept] { *kept = placeHere(); };
    else if (const auto *to = std::get_if<QString>(&goal))
        kept->story = *to;
    const bool fresh = std::holds_alternative<Fresh>(goal);
    const QString onAir = fresh ? QString() : m_shownStories.value(m_current).id;
    composeThen(std::move(text), std::move(before), [this, kept, fresh, onAir] {
        composed();
        if (!fresh)
            placeAgain(*kept);
        settle(onAir);
    });
}

void ShowRun::identify()
{
    for (show::Story &s : m_stories) {
        if (!s.newsroomId.isEmpty())
            s.id = s.newsroomId;
        else if (s.id.isEmpty())
            s.id = QStringLiteral("story-%1").arg(++m_lastId);
    }
}

void ShowRun::composeThen(show::ShowText text, std::function<void()> before, std::function<void()> after)
{
    const QColor script = colorOf(m_core.appearance().lForeColor, QPalette::WindowText);
    const QColor back = colorOf(m_core.appearance().lBackColor, QPalette::Window);
    // The breaks may be marked on another thread: the dressing takes its own copies.
    PrompterCore::FollowUp followUp;
    followUp.before = std::move(before);
    followUp.after = [this, text, stories = m_stories, after = std::move(after)] {
        --m_composing;
        m_text = text;
        m_shownStories = stories;
        after();
    };
    ++m_composing;
    const QString plain = text.text;
    m_core.takeScript(
        plain,
        [text, script, back](QTextDocument &doc) {
            if (!show::markBreaks(doc, text, script, back))
                qCWarning(lcCore) << "the show's breaks were not found in its text";
        },
        std::move(followUp));
}

void ShowRun::composed()
{
    const QTextDocument &doc = *m_core.document();
    m_starts = show::storyStarts(doc, m_text);
    m_wordsBefore = show::wordsBefore(doc);
    m_blockStarts.clear();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        m_blockStarts << b.position() + b.blockNumber();
    m_bounds.clear();
    bool first = true;
    for (qsizetype i = 0; i < m_shownStories.size(); ++i) {
        const int block = m_text.firstBlocks.value(i, -1);
        if (block < 0 || block >= m_blockStarts.size()) {
            m_bounds << -1;
            continue;
        }
        m_bounds << (first ? 0 : m_blockStarts.at(block - 1));
        first = false;
    }
    if (isShow())
        Q_EMIT wordsCounted(m_wordsBefore.isEmpty() ? 0 : m_wordsBefore.last());
}

void ShowRun::settle(const QString &onAir)
{
    m_current = isShow() ? storyAt(int(reached())) : -1;
    // With nothing to scroll, the story on air stays the one it was.
    if (const int was = indexOf(onAir); m_core.range() <= 0 && was >= 0 && storyStart(was) >= 0)
        m_current = was;
    Q_EMIT rundownChanged();
    Q_EMIT storyChanged(m_current);
    refresh(true);
    wake();
}

int ShowRun::indexOf(const QString &id) const
{
    for (qsizetype i = 0; i < m_shownStories.size(); ++i)
        if (m_shownStories.at(i).id == id)
            return int(i);
    return -1;
}

ShowRun::Kept ShowRun::placeHere() const
{
    Kept k;
    k.top = m_core.top() >= 0;
    const double at = reached();
    const int reading = storyAt(int(at));
    if (reading < 0 || reading >= m_shownStories.size() || storyStart(reading) < 0)
        return k;
    const auto after = std::upper_bound(m_blockStarts.begin(), m_blockStarts.end(), int(at));
    const int block = int(std::max<qsizetype>(0, (after - m_blockStarts.begin()) - 1));
    k.story = m_shownStories.at(reading).id;
    k.index = reading;
    k.at = {block - m_text.firstBlocks.at(reading), int(at) - m_blockStarts.at(block)};
    k.share = at - std::floor(at);
    k.paragraphs = show::paragraphsOf(m_shownStories.at(reading).text);
    return k;
}

void ShowRun::placeAgain(const Kept &k)
{
    if (k.story.isEmpty() && k.index < 0)
        return;
    int keep = indexOf(k.story);
    const bool same = keep >= 0;
    if (!same) // gone without a trace: the story now in its place, from its beginning
        keep = m_shownStories.isEmpty() ? -1 : std::min(std::max(k.index, 0), int(m_shownStories.size()) - 1);
    if (keep >= 0 && storyStart(keep) < 0)
        keep = nextPresent(keep, 1);
    if (keep < 0)
        return;
    if (k.top && keep == nextPresent(-1, 1)) {
        m_core.goToFraction(0); // still at the top of the show
        return;
    }
    const int first = m_text.firstBlocks.at(keep);
    double character = lineMiddle(storyStart(keep));
    if (same && k.index >= 0 && k.at.paragraph < 0 && first > 0) {
        // On the break before it: still there.
        const int breakLength = m_blockStarts.at(first) - m_blockStarts.at(first - 1) - 2;
        character = m_blockStarts.at(first - 1) + std::clamp(k.at.offset, 0, breakLength) + k.share;
    } else if (same && k.index >= 0) {
        const show::TextPlace to =
            show::samePlace(k.paragraphs, k.at, show::paragraphsOf(m_shownStories.at(keep).text));
        character = m_blockStarts.value(first + to.paragraph) + to.offset + k.share;
    }
    bringTo(character);
}

std::function<void()> ShowRun::keepPlace()
{
    if (!isShow() || m_composing > 0 || m_followed)
        return {};
    return [this, kept = placeHere()] {
        if (!isShow() || m_core.document()->blockCount() != m_text.blockCount)
            return; // another script took the show's place meanwhile
        placeAgain(kept);
        // Options or the editor may have dressed the text anew: the breaks are dressed again.
        if (!m_text.breakBlocks.isEmpty() && unread::kindOf(m_core.document()->findBlockByNumber(
                                                 m_text.breakBlocks.first())) != unread::Kind::StoryBreak)
            QTimer::singleShot(0, this, [this] {
                if (isShow())
                    compose();
            });
    };
}

// The reading runs down the script with the reading line, except at the top and the end: the text
// above the line at the top, and below it at the end, is read while the script moves through the
// first and the last stretch of its range, so that every word passes the place read once.
ShowRun::Stretches ShowRun::stretches() const
{
    Stretches s;
    s.range = m_core.range();
    s.line = m_core.readingMiddle();
    s.head = std::min<double>(s.line, s.range / 2);
    const double below = std::max(0.0, double(m_core.viewportHeight()) - s.line);
    s.tail = std::min(below, s.range / 2);
    s.end = std::max(s.range + s.line, scriptEnd());
    return s;
}

double ShowRun::readDown(double scrolled) const
{
    const auto [range, line, head, tail, end] = stretches();
    if (range <= 0)
        return 0; // the whole show in the picture: its first story is on air until the operator moves on
    if (head <= 0)
        return scrolled + line;
    if (scrolled < head)
        return scrolled * (head + line) / head;
    if (tail > 0 && scrolled > range - tail)
        return range - tail + line + (scrolled - (range - tail)) * (end - (range - tail + line)) / tail;
    return scrolled + line;
}

// The inverse of readDown.
double ShowRun::scrollFor(double down) const
{
    const auto [range, line, head, tail, end] = stretches();
    double scrolled = down - line;
    if (head > 0 && down < head + line)
        scrolled = down * head / (head + line);
    else if (head > 0 && tail > 0 && down > range - tail + line && end > range - tail + line)
        scrolled = range - tail + (down - (range - tail + line)) * tail / (end - (range - tail + line));
    return std::clamp(scrolled, 0.0, std::max(0.0, range));
}

QString ShowRun::timeToGo() const
{
    return isShow() ? modCommon::FormatTime(timings().showToGo) : m_core.timeToGo();
}

double ShowRun::scriptEnd() const
{
    const QTextDocument *doc = m_core.document();
    return doc ? doc->documentLayout()->documentSize().height() * twips::kPerPixel : 0;
}

double ShowRun::reached() const
{
    const QTextDocument *doc = m_core.document();
    if (!doc)
        return 0;
    const ScriptLines lines(*doc);
    const double y = readDown(-double(m_core.top())) / twips::kPerPixel;
    const int start = lines.lineStartAt(int(std::floor(y)));
    const QRectF line = lines.lineRect(start);
    const ScriptLines::Span span = lines.lineSpan(start);
    const double through = line.height() > 0 ? std::clamp((y - line.top()) / line.height(), 0.0, 0.999) : 0.0;
    return span.start + through * std::max(0, span.next - span.start);
}

double ShowRun::lineMiddle(int character) const
{
    const ScriptLines::Span span = ScriptLines(*m_core.document()).lineSpan(character);
    return span.start + 0.5 * std::max(0, span.next - span.start);
}

void ShowRun::bringTo(double character)
{
    const QTextDocument *doc = m_core.document();
    if (!doc)
        return;
    const ScriptLines lines(*doc);
    const int at = std::clamp(int(std::floor(character)), 0, lines.textLength());
    const ScriptLines::Span span = lines.lineSpan(at);
    const QRectF line = lines.lineRect(span.start);
    const double through = span.next > span.start
                               ? std::clamp((character - span.start) / (span.next - span.start), 0.0, 1.0)
                               : 0.5;
    const double down = (line.top() + through * line.height()) * twips::kPerPixel;
    const qint32 range = m_core.range();
    m_core.goToFraction(range > 0 ? scrollFor(down) / range : 0);
}

void ShowRun::scriptChanged()
{
    if (m_core.scriptFollowedUp())
        return;
    m_fed = false;
    // Another script, or the show edited as one script: its stories are gone. A follower's show
    // holds again if it fits the leader's new script; the leader tells it its new show anyway.
    if (isShow())
        dropShow();
    adoptFollowed();
}

void ShowRun::dropShow()
{
    m_stories.clear();
    m_shownStories.clear();
    m_file.clear();
    m_text = {};
    m_starts.clear();
    m_bounds.clear();
    m_blockStarts.clear();
    m_wordsBefore.clear();
    m_current = -1;
    m_timers.reset();
    Q_EMIT rundownChanged();
    Q_EMIT storyChanged(-1);
    refresh(true);
    wake();
}

void ShowRun::followShow(std::optional<QList<Followed>> stories)
{
    const bool was = m_followed.has_value();
    m_followed = std::move(stories);
    if (!m_followed)
        m_leaderTimings.reset();
    if (!m_followed && isShow())
        dropShow();
    adoptFollowed();
    if (was != m_followed.has_value())
        Q_EMIT rundownChanged(); // what the operator may change here changes
}

void ShowRun::followTimings(std::optional<show::Timings> timings)
{
    m_leaderTimings = std::move(timings);
    refresh(true);
}

void ShowRun::adoptFollowed()
{
    const QTextDocument *doc = m_core.document();
    if (!m_followed || !doc)
        return;
    if (m_followed->isEmpty()) {
        if (isShow())
            dropShow();
        return;
    }
    show::ShowText text;
    text.blockCount = doc->blockCount();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        if (unread::kindOf(b) == unread::Kind::StoryBreak)
            text.breakBlocks << b.blockNumber();
    QList<show::Story> stories;
    for (const Followed &f : std::as_const(*m_followed)) {
        // A story past the end, or after no break: the script it belongs to is still on its way.
        if (f.block >= text.blockCount || (f.block > 0 && !text.breakBlocks.contains(f.block - 1)))
            return;
        show::Story s;
        s.id = f.id;
        s.title = f.title;
        s.planned = f.planned;
        s.words = f.words;
        s.missing = f.block < 0;
        stories << s;
        text.firstBlocks << f.block;
    }
    const QString onAir = m_shownStories.value(m_current).id;
    m_stories = stories;
    m_shownStories = stories;
    m_text = text;
    composed();
    settle(onAir);
}

std::optional<QList<ShowRun::Followed>> ShowRun::shownShow() const
{
    if (m_composing > 0)
        return std::nullopt; // told once the new show is shown
    // Titles and plans as the operator set them since: they change nothing in the text.
    QHash<QString, const show::Story *> now;
    for (const show::Story &s : m_stories)
        now.insert(s.id, &s);
    QList<Followed> out;
    for (qsizetype i = 0; i < m_shownStories.size(); ++i) {
        const show::Story &s = *now.value(m_shownStories.at(i).id, &m_shownStories.at(i));
        out.append({s.id, s.shownTitle(), s.planned, m_text.firstBlocks.value(i, -1), s.words});
    }
    return out;
}

std::pair<QString, int> ShowRun::storyPlace(int character) const
{
    // Asked at every frame while followed: the story of the last frame first.
    const auto holds = [this, character](int i) {
        if (i < 0 || i >= m_bounds.size() || m_bounds.at(i) < 0 || m_bounds.at(i) > character)
            return false;
        const int next = nextPresent(i, 1);
        return next < 0 || next >= m_bounds.size() || m_bounds.at(next) > character;
    };
    int at = holds(m_placedStory) ? m_placedStory : storyAt(character);
    if (at < 0 || at >= m_shownStories.size() || m_bounds.value(at, -1) < 0)
        return {QString(), -1};
    m_placedStory = at;
    return {m_shownStories.at(at).id, character - m_bounds.at(at)};
}

int ShowRun::characterIn(const QString &story, int offset) const
{
    const int i = indexOf(story);
    return i >= 0 && m_bounds.value(i, -1) >= 0 && offset >= 0 ? m_bounds.at(i) + offset : -1;
}

void ShowRun::started(bool running)
{
    if (running && !m_timers.started()) {
        m_timers.start(m_platform.timeGetTime());
        refresh(true);
        wake();
    }
}

show::StoryState ShowRun::stateOf(int index) const
{
    if (index == m_current)
        return show::StoryState::OnAir;
    return index < m_current ? show::StoryState::Done : show::StoryState::Next;
}

int ShowRun::storyStart(int index) const
{
    return m_starts.value(index, -1);
}

int ShowRun::words() const
{
    return m_wordsBefore.isEmpty() ? m_core.words() : m_wordsBefore.last();
}

int ShowRun::estimated(int index) const
{
    const double rate = m_timings.rate;
    if (index < 0 || index >= m_stories.size() || rate <= 0)
        return 0;
    return int(std::lround(m_stories.at(index).words / rate));
}

int ShowRun::storyAt(int position) const
{
    int at = -1;
    for (qsizetype i = 0; i < m_bounds.size(); ++i) {
        if (m_bounds.at(i) >= 0 && m_bounds.at(i) <= position)
            at = int(i);
    }
    return at;
}

int ShowRun::wordsRead(int position) const
{
    if (m_blockStarts.isEmpty()) {
        // One script: as far through its words as through its characters.
        const int length = m_core.layoutLength();
        return length > 0 ? int(qint64(m_core.words()) * std::clamp(position, 0, length) / length) : 0;
    }
    const auto after = std::upper_bound(m_blockStarts.begin(), m_blockStarts.end(), position);
    const qsizetype block = std::max<qsizetype>(0, (after - m_blockStarts.begin()) - 1);
    const int start = m_blockStarts.at(block);
    const int end = block + 1 < m_blockStarts.size() ? m_blockStarts.at(block + 1) : m_core.layoutLength();
    const int words = m_wordsBefore.at(block + 1) - m_wordsBefore.at(block);
    const double through = end > start ? std::clamp(double(position - start) / (end - start), 0.0, 1.0) : 0.0;
    return m_wordsBefore.at(block) + int(std::lround(words * through));
}

show::Place ShowRun::place(int position) const
{
    show::Place p;
    const int total = m_wordsBefore.isEmpty() ? m_core.words() : m_wordsBefore.last();
    const int read = wordsRead(position);
    p.showWordsToGo = std::max(0, total - read);
    p.storyWordsToGo = p.showWordsToGo;
    if (m_current >= 0) {
        const int next = nextPresent(m_current, 1);
        if (next >= 0)
            p.storyWordsToGo = std::max(0, m_wordsBefore.value(m_text.firstBlocks.value(next, -1)) - read);
    }
    for (const show::Story &s : m_stories) {
        if (s.planned)
            p.plannedSeconds = std::max(0, p.plannedSeconds) + *s.planned;
    }
    // At a speed, the script passes so many twips a second; the show's words lie over its range.
    const qint32 range = m_core.range();
    for (int s = 1; s <= show::kSpeeds; ++s) {
        const double twipsPerSecond = scroll::stepSize(s) * 1000.0 / scroll::kStepIntervalMs;
        p.speedRates[s - 1] = range > 0 ? twipsPerSecond * total / range : 0;
    }
    p.speed = m_core.speed();
    return p;
}

void ShowRun::timShow_Timer()
{
    const quint32 now = m_platform.timeGetTime();
    const int position = int(reached());
    // With nothing to scroll, the story on air is the one the operator went to.
    if (isShow() && (m_core.range() > 0 || m_current < 0)) {
        const int at = storyAt(position);
        if (at != m_current) {
            m_current = at;
            m_timers.storyOnAir(now);
            Q_EMIT storyChanged(at);
        }
    }
    // The presenter's rate is learned only while the text moves under the reading line: a script
    // standing at its end, or held by a countdown, reads nothing.
    const float top = m_core.top();
    const bool moving = runShown() && top != std::exchange(m_sampledTop, top);
    m_timers.reading(now, wordsRead(position), moving);
    refresh(false);
    pace(now);
}

void ShowRun::refresh(bool force)
{
    const show::Timings t =
        m_leaderTimings ? *m_leaderTimings : m_timers.read(m_platform.timeGetTime(), place(int(reached())));
    if (t == m_timings && !force)
        return;
    m_timings = t;
    Q_EMIT timersChanged();
}

int ShowRun::nextPresent(int from, int step) const
{
    for (int i = from + step; i >= 0 && i < m_stories.size(); i += step) {
        if (storyStart(i) >= 0)
            return i;
    }
    return -1;
}

void ShowRun::goTo(int index)
{
    const trace::Span span('T', index); // bench/measure-gui --open rundown
    bringTo(lineMiddle(storyStart(index)));
    if (index != m_current) {
        m_current = index;
        m_timers.storyOnAir(m_platform.timeGetTime());
        Q_EMIT storyChanged(index);
    }
    // The reading line jumped: no words were read on the way.
    m_timers.reading(m_platform.timeGetTime(), wordsRead(int(reached())), false);
    refresh(true);
}

std::optional<Answer> ShowRun::refusal(const run::Command &c) const
{
    const auto noStory = [](const QString &why) { return Answer::refused(Answer::Reason::NoSuchStory, why); };
    switch (c.verb) {
    case Verb::NextStory:
    case Verb::PrevStory:
        if (!isShow())
            return noStory(tr("There is no rundown."));
        if (nextPresent(m_current, c.verb == Verb::NextStory ? 1 : -1) < 0)
            return noStory(c.verb == Verb::NextStory ? tr("This is the last story.")
                                                     : tr("This is the first story."));
        break;
    case Verb::Story:
        if (c.value < 1 || c.value > m_stories.size())
            return noStory(tr("There is no story %1.").arg(c.value));
        if (storyStart(c.value - 1) < 0)
            return noStory(tr("The script of story %1 is missing.").arg(c.value));
        break;
    case Verb::Target: {
        const bool duration =
            c.length == int(run::TargetKind::Duration) && c.value > 0 && c.value <= 7 * 24 * 3600;
        const bool end = c.length == int(run::TargetKind::End) && c.value >= 0 && c.value < 24 * 3600;
        if (!duration && !end && c.length != int(run::TargetKind::Plan))
            return Answer::refused(Answer::Reason::OutOfRange,
                                   QCoreApplication::translate("PrompterCore", "The value is out of range."));
        break;
    }
    default:
        break;
    }
    return std::nullopt;
}

void ShowRun::carryOut(const run::Command &c)
{
    switch (c.verb) {
    case Verb::NextStory:
        goTo(nextPresent(m_current, 1));
        break;
    case Verb::PrevStory:
        goTo(nextPresent(m_current, -1));
        break;
    case Verb::Story:
        goTo(c.value - 1);
        break;
    case Verb::Target:
        m_timers.setTarget({static_cast<show::Target::Kind>(c.length), c.value});
        refresh(true);
        Q_EMIT rundownChanged();
        break;
    default:
        break;
    }
}

void ShowRun::setPacing(const Pacing &p)
{
    m_pacing = p;
    m_pacing.slowest = std::clamp(p.slowest, 1, show::kSpeeds);
    m_pacing.fastest = std::clamp(p.fastest, m_pacing.slowest, show::kSpeeds);
}

void ShowRun::pace(quint32 now)
{
    if (!m_pacing.on || !m_core.running() || !m_timings.paceSpeed)
        return;
    const int goal = std::clamp(*m_timings.paceSpeed, m_pacing.slowest, m_pacing.fastest);
    const int speed = m_core.speed();
    if (goal == speed || (m_paced && elapsedMs(now, m_lastPaceStep) < kPaceStepMs))
        return;
    // One step at a time, as the operator's key would: the presenter sees no jump.
    m_paced = true;
    m_lastPaceStep = now;
    m_core.command({Verb::Speed, speed + (goal > speed ? 1 : -1)});
}
