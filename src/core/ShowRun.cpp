// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ShowRun.h"

#include "common/Platform.h"
#include "common/Trace.h"
#include "core/Log.h"
#include "core/PrompterCore.h"
#include "documents/Cues.h"
#include "editor/ScriptFile.h"
#include "scroll/ScrollEngine.h"
#include "show/RundownFile.h"
#include "ui/Colors.h"
#include "ui/RichTextView.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

using run::Answer;
using run::Verb;

ShowRun::ShowRun(Platform &platform, PrompterCore &core, RichTextView &rtDoc, QLabel *lblWords)
    : QObject(&core), m_platform(platform), m_core(core), m_rtDoc(rtDoc), m_lblWords(lblWords),
      m_sample(new QTimer(this))
{
    // Read once for the program: from here on the wall clock goes by the program's own clock.
    static const QDateTime wallAtStart = QDateTime::currentDateTime();
    m_timers.setWallClock(platform.timeGetTime(), wallAtStart);
    connect(&core, &PrompterCore::scriptChanged, this, &ShowRun::scriptChanged);
    connect(&core, &PrompterCore::runningChanged, this, &ShowRun::started);
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

void ShowRun::setWallClock(const QDateTime &wallNow)
{
    m_timers.setWallClock(m_platform.timeGetTime(), wallNow);
    refresh(true);
}

void ShowRun::readStory(show::Story &s) const
{
    const scriptfile::OpenedText read = scriptfile::openText(s.path);
    s.missing = read.opened.state != scriptfile::Opened::State::Loaded;
    s.problem = read.opened.message;
    if (read.opened.state == scriptfile::Opened::State::NeedsConverter)
        s.problem = tr("A Word 97-2003 document is opened in the script editor only.");
    s.text = s.missing ? QString() : read.text;
    s.words = cues::readWords(s.text);
}

bool ShowRun::open(const QStringList &paths, QString *error)
{
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
                *error = scriptfile::failureMessage(path, r.error);
            return false;
        }
        stories << r.rundown.stories;
        target = r.rundown.target;
        file = QFileInfo(path).absoluteFilePath();
    }
    if (stories.isEmpty()) {
        // An empty folder leaves the script as it was.
        if (error)
            *error = tr("There is no script to show in “%1”.").arg(scriptfile::shownPath(paths.value(0)));
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
    compose(-1, 0);
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
            *error = tr("The rundown “%1” cannot be saved: %2.").arg(scriptfile::shownPath(path), w.detail);
        return false;
    }
    m_file = QFileInfo(path).absoluteFilePath();
    return true;
}

void ShowRun::addScripts(const QStringList &paths)
{
    const QStringList scripts = show::scriptsIn(paths);
    for (const QString &path : scripts) {
        if (m_stories.size() >= show::kMaxStories)
            break;
        show::Story s;
        s.path = path;
        readStory(s);
        m_stories << s;
    }
    compose(std::max(m_current, 0), std::nullopt);
}

void ShowRun::removeStory(int index)
{
    if (index < 0 || index >= m_stories.size())
        return;
    const int keep = m_current == index ? nextPresent(index, 1) : m_current;
    const std::optional<int> offset = m_current == index ? std::optional<int>(0) : std::nullopt;
    m_stories.removeAt(index);
    compose(keep < 0 ? -1 : keep - (keep > index ? 1 : 0), offset);
}

void ShowRun::moveStory(int from, int to)
{
    if (from < 0 || from >= m_stories.size() || to < 0 || to >= m_stories.size() || from == to)
        return;
    int keep = m_current;
    if (keep == from)
        keep = to;
    else if (from < keep && to >= keep)
        --keep;
    else if (from > keep && to <= keep)
        ++keep;
    m_stories.move(from, to);
    compose(keep, std::nullopt);
}

void ShowRun::setTitle(int index, const QString &title)
{
    if (index < 0 || index >= m_stories.size() || m_stories.at(index).title == title)
        return;
    const bool shown = m_stories.at(index).shownTitle() != title;
    m_stories[index].title = title;
    if (shown && index > 0) // the break before it shows the title
        compose(m_current, std::nullopt);
    else
        Q_EMIT rundownChanged();
}

void ShowRun::setPlanned(int index, std::optional<int> seconds)
{
    if (index < 0 || index >= m_stories.size())
        return;
    m_stories[index].planned = seconds;
    Q_EMIT rundownChanged();
    refresh(true);
}

void ShowRun::setStoryText(int index, const QString &text)
{
    if (index < 0 || index >= m_stories.size())
        return;
    show::Story &s = m_stories[index];
    s.text = text;
    s.words = cues::readWords(text);
    s.missing = false;
    s.problem.clear();
    compose(index, 0);
}

void ShowRun::reload(int index)
{
    if (index < 0 || index >= m_stories.size())
        return;
    readStory(m_stories[index]);
    compose(m_current, 0);
}

void ShowRun::feedStories(QList<show::Story> stories, bool fresh)
{
    stories = stories.mid(0, show::kMaxStories);
    for (show::Story &s : stories) {
        s.words = cues::readWords(s.text);
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
        compose(-1, 0);
        return;
    }

    show::ShowText text = show::compose(stories);
    if (text.text == m_text.text) {
        // Marks and planned times only: the prompter's text stays as laid out.
        m_stories = stories;
        Q_EMIT rundownChanged();
        refresh(true);
        return;
    }
    // Where the reading line stands in the story on air when the new text shows (it reads on while the
    // text is prepared): the same place in that story's text afterwards.
    struct Kept
    {
        int story = -1;
        show::TextPlace at;
        QStringList before;
        PrompterCore::ReadingPlace line;
    };
    auto kept = std::make_shared<Kept>();
    const QList<show::Story> was = std::exchange(m_stories, stories);
    composeThen(
        std::move(text),
        [this, kept, was, stories] {
            kept->line = m_core.readingPlace();
            // By the reading line itself: the story on air may not have been sampled since it got there.
            const int reading = storyAt(kept->line.character);
            if (reading < 0 || reading >= was.size() || storyStart(reading) < 0)
                return;
            const auto after =
                std::upper_bound(m_blockStarts.begin(), m_blockStarts.end(), kept->line.character);
            const int block = int(std::max<qsizetype>(0, (after - m_blockStarts.begin()) - 1));
            kept->at = {block - m_text.firstBlocks.at(reading),
                        kept->line.character - m_blockStarts.at(block)};
            kept->before = show::paragraphsOf(was.at(reading).text);
            const QString &id = was.at(reading).newsroomId;
            for (qsizetype i = 0; i < stories.size() && kept->story < 0; ++i)
                if (!id.isEmpty() && stories.at(i).newsroomId == id)
                    kept->story = int(i);
            if (kept->story < 0) // gone without a trace: the story now in its place
                kept->story = stories.isEmpty() ? -1 : std::min(reading, int(stories.size()) - 1);
        },
        [this, kept] {
            composed(-1, 0, [this, kept] {
                const int keep = kept->story;
                if (keep < 0 || storyStart(keep) < 0)
                    return;
                PrompterCore::ReadingPlace line = kept->line;
                const int first = m_text.firstBlocks.at(keep);
                if (kept->at.paragraph < 0 && first > 0) {
                    // On the break before it: still there.
                    const int breakLength = m_blockStarts.at(first) - m_blockStarts.at(first - 1) - 2;
                    line.character =
                        m_blockStarts.at(first - 1) + std::clamp(kept->at.offset, 0, breakLength);
                } else {
                    const show::TextPlace to =
                        show::samePlace(kept->before, kept->at, show::paragraphsOf(m_stories.at(keep).text));
                    line.character = m_blockStarts.value(first + to.paragraph) + to.offset;
                }
                m_core.bringPlaceToLine(line);
            });
        });
}

void ShowRun::feedStoryText(int index, const QString &text)
{
    if (!m_fed || index < 0 || index >= m_stories.size() || m_stories.at(index).text == text)
        return;
    QList<show::Story> stories = m_stories;
    stories[index].text = text;
    feedStories(stories, false);
}

void ShowRun::compose(int keepStory, std::optional<int> offset)
{
    // A place kept in the story on air is read when the new script shows, after the reading went on
    // meanwhile.
    auto kept = std::make_shared<int>(offset.value_or(0));
    std::function<void()> before;
    if (!offset)
        before = [this, kept] { *kept = m_current >= 0 ? m_core.charAtLine() - storyStart(m_current) : 0; };
    composeThen(show::compose(m_stories), std::move(before),
                [this, keepStory, kept] { composed(keepStory, *kept); });
}

void ShowRun::composeThen(show::ShowText text, std::function<void()> before, std::function<void()> after)
{
    const QColor script = colors::toQColor(m_rtDoc.scriptColor().value_or(0xFFFFFF));
    const QColor back = colors::toQColor(m_rtDoc.BackColor());
    // The breaks may be marked on another thread: the dressing takes its own copies.
    PrompterCore::FollowUp followUp;
    followUp.before = std::move(before);
    followUp.after = [this, text, after = std::move(after)] {
        m_text = text;
        after();
    };
    const QString plain = text.text;
    m_core.takeScript(
        plain,
        [text, script, back](QTextDocument &doc) {
            if (!show::markBreaks(doc, text, script, back))
                qCWarning(lcCore) << "the show's breaks were not found in its text";
        },
        std::move(followUp));
}

void ShowRun::composed(int keepStory, int offset, const std::function<void()> &place)
{
    const QTextDocument &doc = *m_rtDoc.document();
    m_starts = show::storyStarts(doc, m_text);
    m_wordsBefore = show::wordsBefore(doc);
    m_blockStarts.clear();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        m_blockStarts << b.position() + b.blockNumber();
    m_bounds.clear();
    bool first = true;
    for (qsizetype i = 0; i < m_stories.size(); ++i) {
        const int block = m_text.firstBlocks.value(i, -1);
        if (block < 0 || block >= m_blockStarts.size()) {
            m_bounds << -1;
            continue;
        }
        m_bounds << (first ? 0 : m_blockStarts.at(block - 1));
        first = false;
    }
    if (m_lblWords && isShow())
        m_lblWords->setText(QCoreApplication::translate("frmMain", "%n Words", nullptr,
                                                        m_wordsBefore.isEmpty() ? 0 : m_wordsBefore.last()));

    if (place)
        place();
    else if (keepStory >= 0 && storyStart(keepStory) >= 0)
        m_core.bringCharToLine(storyStart(keepStory) + std::max(0, offset));
    m_current = isShow() ? storyAt(m_core.charAtLine()) : -1;
    Q_EMIT rundownChanged();
    Q_EMIT storyChanged(m_current);
    refresh(true);
    wake();
}

void ShowRun::scriptChanged()
{
    if (m_core.scriptFollowedUp())
        return;
    m_fed = false;
    if (!isShow())
        return;
    // Another script, or the show edited as one script: its stories are gone.
    m_stories.clear();
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
        const int length = m_rtDoc.textLength();
        return length > 0 ? int(qint64(m_core.words()) * std::clamp(position, 0, length) / length) : 0;
    }
    const auto after = std::upper_bound(m_blockStarts.begin(), m_blockStarts.end(), position);
    const qsizetype block = std::max<qsizetype>(0, (after - m_blockStarts.begin()) - 1);
    const int start = m_blockStarts.at(block);
    const int end = block + 1 < m_blockStarts.size() ? m_blockStarts.at(block + 1) : m_rtDoc.textLength();
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
    const int position = m_core.charAtLine();
    if (isShow()) {
        const int at = storyAt(position);
        if (at != m_current) {
            m_current = at;
            m_timers.storyOnAir(now);
            Q_EMIT storyChanged(at);
        }
    }
    m_timers.reading(now, wordsRead(position), m_core.running());
    refresh(false);
    pace(now);
}

void ShowRun::refresh(bool force)
{
    const show::Timings t = m_timers.read(m_platform.timeGetTime(), place(m_core.charAtLine()));
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
    m_core.bringCharToLine(storyStart(index));
    if (index != m_current) {
        m_current = index;
        m_timers.storyOnAir(m_platform.timeGetTime());
        Q_EMIT storyChanged(index);
    }
    // The reading line jumped: no words were read on the way.
    m_timers.reading(m_platform.timeGetTime(), wordsRead(m_core.charAtLine()), false);
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
