// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/gui/PrompterControls.h"

#include "common/Trace.h"
#include "documents/Cues.h"
#include "documents/Documents.h"
#include "documents/Rtf.h"
#include "editor/gui/ScriptFile.h"
#include "editor/gui/ScriptOpener.h"
#include "markers/gui/Marking.h"
#include "settings/gui/dlgOptions.h" // the look as the script view and the line show it
#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/LayoutBounds.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QLabel>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <memory>
#include <utility>

namespace {
bool g_prepareAway = false;

// A prepared script shown after the frames already waiting are painted, and before those its showing
// asks for: its first paint comes in a pass of its own, with timers run between.
class ShowEvent : public QEvent
{
public:
    explicit ShowEvent(std::function<void()> show) : QEvent(type()), show(std::move(show)) {}
    static QEvent::Type type()
    {
        static const auto registered = QEvent::Type(QEvent::registerEventType());
        return registered;
    }
    std::function<void()> show;
};
constexpr int kBelowPaints = Qt::LowEventPriority - 1;
} // namespace

struct PrompterControls::Prepared
{
    std::unique_ptr<QTextDocument> doc;
    QString refusal;       // why the view does not take it
    qint32 words = 0;      // read in the document
    qint32 shownWords = 0; // as the word count shows them
};

PrompterControls::PrompterControls(Dialogs &dialogs, Controls controls, Hooks hooks)
    : QObject(controls.window), m_dialogs(dialogs), m_c(controls)
{
    Marking::Controls mc{m_c.rtDoc,   m_c.rtMirror, m_c.picBack,  m_c.picLine,
                         m_c.picMark, m_c.picPanel, m_c.txtFocus, m_c.lblHeightFinder};
    Marking::Hooks mh;
    mh.lineMoved = std::move(hooks.lineMoved);
    mh.fullScreen = std::move(hooks.fullScreen);
    mh.toReadingLine = std::move(hooks.toReadingLine);
    mh.scriptColor = std::move(hooks.scriptColor);
    m_marking = new Marking(dialogs, mc, std::move(mh), m_c.window);
    connect(m_marking, &Marking::markModeChanged, this, [this](bool on) { m_heard.markModeChanged(on); });
    connect(m_marking, &Marking::markersChanged, this, [this] { m_heard.markersChanged(); });
    connect(m_marking, &Marking::jumped, this, [this] { m_heard.jumped(); });

    m_opener = new ScriptOpener(dialogs, {m_c.window, m_c.picBack, m_c.lblWords}, [this] {
        if (markMode())
            return QStringLiteral("marking a passage");
        return otherWindowOpen(m_c.window) ? QStringLiteral("a window is open") : QString();
    });
    connect(m_opener, &ScriptOpener::opening, this, [this] { m_heard.opening(); });
    connect(m_opener, &ScriptOpener::scriptRead, this,
            [this](const QString &text) { m_heard.scriptRead(text); });
    connect(m_opener, &ScriptOpener::openingEnded, this, [this] {
        m_endDeferred = m_preparing;
        if (!m_endDeferred)
            Q_EMIT openingEnded();
    });
}

PrompterControls::~PrompterControls() = default;

void PrompterControls::hear(Heard heard)
{
    m_heard = std::move(heard);
}

const QTextDocument &PrompterControls::script() const
{
    m_c.rtDoc->ensureLayout();
    return *m_c.rtDoc->document();
}

int PrompterControls::lineCount() const
{
    return m_c.rtDoc->lineCount();
}

void PrompterControls::newRequest()
{
    ++m_request;
    m_preparing = false;
    if (std::exchange(m_endDeferred, false))
        Q_EMIT openingEnded();
}

void PrompterControls::setScript(const QString &text, const std::function<void(QTextDocument &)> &dress)
{
    newRequest();
    scriptfile::apply(*m_c.rtDoc, m_c.lblWords, text);
    if (dress)
        dress(*m_c.rtDoc->document());
}

void PrompterControls::setPrepareAway(bool on)
{
    g_prepareAway = on;
}

void PrompterControls::prepareScript(const QString &text, const std::function<void(QTextDocument &)> &dress,
                                     bool hideCues, const std::function<void()> &showing, Shown shown)
{
    const QColor ink = colors::resolve(m_c.rtDoc->scriptColor().value_or(0), m_c.rtDoc);
    // What setScript() and the cues' marking do to the view's document, done to a new one.
    prepare(
        [text, dress, hideCues, ink, font = m_c.rtDoc->font().toString()](Prepared &out) {
            QTextDocument &doc = *out.doc;
            QFont base;
            base.fromString(font);
            RichTextView::fillPlain(doc, text, base);
            QTextCursor all(&doc);
            all.select(QTextCursor::Document);
            QTextCharFormat colored;
            colored.setForeground(ink);
            all.mergeCharFormat(colored);
            if (dress)
                dress(doc);
            cues::mark(doc, hideCues);
            out.shownWords = cues::readWords(text);
            out.words = cues::readWords(doc);
            return QString();
        },
        showing, std::move(shown), {});
}

void PrompterControls::prepareRichScript(const QByteArray &rtf, bool hideCues, Shown shown, Refused refused)
{
    // What takeRichScript() and the cues' marking do to the view's document, done to a new one.
    prepare(
        [rtf, hideCues](Prepared &out) {
            QTextDocument &doc = *out.doc;
            if (const documents::Error why = rtf::read(rtf, &doc); why != documents::Error::None)
                return documents::describe(documents::Result{why, {}});
            const QString refusal = layoutbounds::refusal(layoutbounds::measure(doc.toRawText()));
            if (!refusal.isEmpty())
                return refusal;
            cues::mark(doc, hideCues);
            out.shownWords = cues::readWords(RichTextView::textOf(doc));
            out.words = cues::readWords(doc);
            return QString();
        },
        [] {}, std::move(shown), std::move(refused));
}

void PrompterControls::prepare(std::function<QString(Prepared &)> fill, const std::function<void()> &showing,
                               Shown shown, Refused refused)
{
    newRequest();
    const quint64 request = m_request;
    const bool away = g_prepareAway;
    auto make = [fill = std::move(fill), shape = m_c.rtDoc->preparedShape(), away] {
        auto out = std::make_shared<Prepared>();
        out->doc = std::make_unique<QTextDocument>();
        out->doc->setUndoRedoEnabled(false);
        out->refusal = fill(*out);
        if (out->refusal.isEmpty())
            preparedlayout::layOut(*out->doc, shape);
        if (away) // taken by the window's thread, or freed wherever its result goes
            out->doc->moveToThread(nullptr);
        return out;
    };
    if (!away) {
        showPrepared(request, *make(), showing, shown, refused);
        return;
    }
    m_preparing = true;
    auto *watcher = new QFutureWatcher<std::shared_ptr<Prepared>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request, showing, shown, refused] {
        watcher->deleteLater();
        QCoreApplication::postEvent(
            this, new ShowEvent([this, prepared = watcher->result(), request, showing, shown, refused] {
                showPrepared(request, *prepared, showing, shown, refused);
            }),
            kBelowPaints);
    });
    watcher->setFuture(QtConcurrent::run(std::move(make)));
}

void PrompterControls::showPrepared(quint64 request, Prepared &prepared, const std::function<void()> &showing,
                                    const Shown &shown, const Refused &refused)
{
    if (request != m_request)
        return;
    m_preparing = false;
    if (prepared.doc->thread() != thread())
        prepared.doc->moveToThread(thread());
    if (!prepared.refusal.isEmpty()) {
        if (refused)
            refused(prepared.refusal);
    } else {
        const trace::Span span('A'); // bench/measure-gui --arrive
        showing();
        m_c.rtDoc->showPrepared(std::move(prepared.doc));
        if (m_c.lblWords)
            m_c.lblWords->setText(
                QCoreApplication::translate("frmMain", "%n Words", nullptr, prepared.shownWords));
        shown(prepared.words);
    }
    if (std::exchange(m_endDeferred, false))
        Q_EMIT openingEnded();
}

void PrompterControls::customEvent(QEvent *event)
{
    if (event->type() == ShowEvent::type())
        static_cast<ShowEvent *>(event)->show();
}

void PrompterControls::markCues(bool hidden)
{
    cues::mark(*m_c.rtDoc->document(), hidden);
}

QByteArray PrompterControls::scriptRtf() const
{
    return m_c.rtDoc->TextRTF();
}

std::optional<QString> PrompterControls::takeRichScript(const QByteArray &rtf)
{
    newRequest();
    const RichTextView::LoadResult r = m_c.rtDoc->loadTextRTF(rtf);
    if (!r.ok)
        return r.error;
    scriptfile::showWords(m_c.lblWords, m_c.rtDoc->Text());
    return std::nullopt;
}

appearance::Appearance PrompterControls::shownAppearance(qint32 scriptColor) const
{
    return appearance::of(*m_c.rtDoc, *m_c.picLine, scriptColor);
}

void PrompterControls::applyAppearance(const appearance::Appearance &a)
{
    appearance::apply(a, *m_c.rtDoc, *m_c.picLine);
    // The viewport shows below the end of the script: one background, not two.
    colors::setBackColor(m_c.picBack, m_c.rtDoc->BackColor());
}

void PrompterControls::showAppearance(const appearance::Appearance &a)
{
    m_c.rtDoc->setTag(QString::number(a.lForeColor));
    m_c.rtDoc->setBackColor(a.lBackColor);
    colors::setBackColor(m_c.picBack, a.lBackColor);
    colors::setBackColor(m_c.picLine, a.lLineColor);
}

void PrompterControls::warn(const QString &text)
{
    m_dialogs.warning(m_c.window, m_c.window->windowTitle(), text);
}

bool PrompterControls::markMode() const
{
    return m_marking->markMode();
}

const CMarkers &PrompterControls::markers() const
{
    return m_marking->markers();
}

void PrompterControls::markModeAction(const QString &sAction)
{
    m_marking->MarkModeAction(sAction);
}

void PrompterControls::enterMarkMode()
{
    m_marking->EnterMarkMode();
}

void PrompterControls::jumpToMarker()
{
    m_marking->JumpToMarker();
}

void PrompterControls::unmarkText()
{
    m_marking->UnmarkText();
}

void PrompterControls::clearAllMarkers()
{
    m_marking->ClearAllMarkers();
}

int PrompterControls::pickMarker(const QString &caption)
{
    return m_marking->PickMarker(caption);
}

bool PrompterControls::jumpTo(int index)
{
    return m_marking->JumpTo(index);
}

bool PrompterControls::markPassage(int start, int length)
{
    return m_marking->MarkPassage(start, length);
}

bool PrompterControls::unmark(int index)
{
    return m_marking->Unmark(index);
}

void PrompterControls::replaceMarkers(const CMarkers &markers)
{
    m_marking->ReplaceMarkers(markers);
}

void PrompterControls::reapplyMarkerHighlights()
{
    m_marking->ReapplyMarkerHighlights();
}

void PrompterControls::showMirrorAt(float top)
{
    twips::setTop(m_c.rtMirror, top);
}

void PrompterControls::openScript(const QString &path)
{
    m_opener->OpenScript(path);
}

void PrompterControls::cancelOpening()
{
    newRequest();
    m_opener->CancelOpening();
}
