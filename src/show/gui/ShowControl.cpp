// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/gui/ShowControl.h"

#include "common/modCommon.h"
#include "core/PrompterCore.h"
#include "core/TalentMessage.h"
#include "documents/Unread.h"
#include "remote/RemoteServer.h"
#include "remote/gui/RemoteControl.h"
#include "scroll/ScriptView.h"
#include "settings/Settings.h"
#include "show/CueSender.h"
#include "show/CueWatch.h"
#include "studio/Studio.h"
#include "ui/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QBoxLayout>
#include <QDateTime>
#include <QFrame>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kLookAheadCharacters = 240;
constexpr int kCuesListed = 5;
constexpr int kPanelLines = 6;
constexpr int kWarningSeconds = 30;

} // namespace

ShowControl::ShowControl(Parts parts, QObject *parent)
    : QObject(parent), m_p(parts), m_watch(new CueWatch(*parts.core, *parts.view, this)),
      m_sender(new CueSender(*parts.settings, this))
{
    connect(m_watch, &CueWatch::fired, this,
            [this](const cues::Cue &cue, int story) { cueFired(cue.text, story); });
    connect(m_watch, &CueWatch::blockChanged, this, &ShowControl::refreshLookAhead);
    connect(m_sender, &CueSender::failuresChanged, this, &ShowControl::showFailures);
    connect(&parts.core->message(), &TalentMessage::changed, this, [this](const QString &text) {
        if (m_p.studio)
            m_p.studio->setMessage(text);
    });
    connect(parts.core, &PrompterCore::timeToGoChanged, this, &ShowControl::refreshClock);

    m_panel = new QFrame(parts.window);
    m_panel->setObjectName(QStringLiteral("picLookAhead"));
    m_panel->setAccessibleName(tr("Look-ahead"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(m_panel);
    m_lookAhead = new QLabel(m_panel);
    m_lookAhead->setObjectName(QStringLiteral("lblLookAhead"));
    m_lookAhead->setAccessibleName(tr("What comes next"));
    m_lookAhead->setWordWrap(true);
    m_lookAhead->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lookAhead->setTextFormat(Qt::PlainText);
    row->addWidget(m_lookAhead, 3);

    auto *column = new QVBoxLayout;
    m_message = new QLineEdit(m_panel);
    m_message->setObjectName(QStringLiteral("txtMessage"));
    m_message->setAccessibleName(tr("Message to the presenter"));
    m_message->setPlaceholderText(tr("Message to the presenter"));
    m_message->setMaxLength(TalentMessage::kMaxLength);
    column->addWidget(m_message);
    auto *buttons = new QHBoxLayout;
    m_seconds = new QSpinBox(m_panel);
    m_seconds->setObjectName(QStringLiteral("spnMessageSeconds"));
    m_seconds->setAccessibleName(tr("Seconds the message stays"));
    m_seconds->setRange(0, 600);
    m_seconds->setSuffix(tr(" s"));
    m_seconds->setSpecialValueText(tr("until cleared"));
    buttons->addWidget(m_seconds);
    auto *send = new QPushButton(tr("&Send"), m_panel);
    send->setObjectName(QStringLiteral("cmdSendMessage"));
    auto *clear = new QPushButton(tr("C&lear"), m_panel);
    clear->setObjectName(QStringLiteral("cmdClearMessage"));
    buttons->addWidget(send);
    buttons->addWidget(clear);
    column->addLayout(buttons);
    m_problem = new QLabel(m_panel);
    m_problem->setObjectName(QStringLiteral("lblMessageProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #c00000"));
    column->addWidget(m_problem);
    column->addStretch();
    row->addLayout(column, 2);
    connect(send, &QPushButton::clicked, this, &ShowControl::sendMessage);
    connect(m_message, &QLineEdit::returnPressed, this, &ShowControl::sendMessage);
    connect(clear, &QPushButton::clicked, this, [this] { m_p.core->command({run::Verb::ClearMessage}); });
    m_panel->hide();

    m_p.core->command({run::Verb::HideCues, parts.settings->hideCues() ? 1 : 0});
    m_shown = parts.settings->lookAhead();
    m_clock = parts.settings->talentCountdown();
}

ShowControl::~ShowControl() = default;

void ShowControl::cueFired(const QString &cue, int story)
{
    m_sender->send(cue, story, QDateTime::currentDateTime());
    if (m_p.remote)
        m_p.remote->server().broadcast(
            QJsonDocument(QJsonObject{{QStringLiteral("event"), QStringLiteral("cue")},
                                      {QStringLiteral("cue"), cue},
                                      {QStringLiteral("story"), story}})
                .toJson(QJsonDocument::Compact));
}

void ShowControl::sendMessage()
{
    run::Command c{run::Verb::Message, m_seconds->value()};
    c.text = m_message->text();
    const run::Answer a = m_p.core->command(c);
    m_problem->setText(a.refused() ? a.text : QString());
}

void ShowControl::fitProblems(QLabel &label)
{
    const QString all = label.toolTip().replace(QLatin1Char('\n'), QLatin1String("; "));
    label.setText(label.fontMetrics().elidedText(all, Qt::ElideRight, label.width()));
}

void ShowControl::showFailures()
{
    const QStringList failing = m_sender->failures();
    if (m_p.problems) {
        // The whole of it in the tooltip and the state; on the panel as much as its row holds.
        m_p.problems->setToolTip(failing.join(QLatin1Char('\n')));
        fitProblems(*m_p.problems);
        m_p.problems->setVisible(!failing.isEmpty());
    }
    if (m_p.remote)
        m_p.remote->setCueErrors(failing);
}

void ShowControl::showProblem(const QString &why)
{
    m_problem->setText(why);
    // The operator must see it: the panel comes up, for this run.
    if (!m_shown) {
        m_shown = true;
        refreshLookAhead();
        Q_EMIT panelToggled();
    }
}

float ShowControl::panelHeight(bool fullScreen) const
{
    if (!m_shown || fullScreen)
        return 0;
    const int lines = m_panel->fontMetrics().lineSpacing() * kPanelLines;
    return twips::fromPixels(lines + 2 * m_panel->frameWidth() + 12);
}

void ShowControl::placePanel(const QRect &pixels, bool shown)
{
    m_panel->setGeometry(pixels);
    m_panel->setVisible(shown);
    if (shown)
        refreshLookAhead();
}

void ShowControl::setLookAhead(bool on)
{
    if (on == m_shown)
        return;
    m_shown = on;
    if (m_p.settings->lookAhead() != on)
        m_p.settings->setLookAhead(on);
    Q_EMIT panelToggled();
}

void ShowControl::setTalentCountdown(bool on)
{
    m_clock = on;
    if (m_p.settings->talentCountdown() != on)
        m_p.settings->setTalentCountdown(on);
    refreshClock();
}

QMenu &ShowControl::fillMenu(QMenu &studioMenu)
{
    // A menu of their own: the studio menu's access keys are nearly all taken in every language.
    QMenu &menu = *studioMenu.addMenu(tr("Show co&ntrol"));
    menu.menuAction()->setObjectName(QStringLiteral("mnuShowControl"));
    auto addFlag = [&](const QString &text, const char *name, bool on, auto set) {
        QAction *a = menu.addAction(text);
        a->setObjectName(QLatin1String(name));
        a->setCheckable(true);
        a->setChecked(on);
        connect(a, &QAction::triggered, this, set);
    };
    addFlag(tr("&Look-ahead"), "mnuLookAhead", m_shown, [this](bool on) { setLookAhead(on); });
    addFlag(tr("&Hide cues from the presenter"), "mnuHideCues", m_p.core->cuesHidden(), [this](bool on) {
        m_p.core->command({run::Verb::HideCues, on ? 1 : 0});
        if (m_p.settings->hideCues() != on)
            m_p.settings->setHideCues(on);
    });
    addFlag(tr("Time to the &end on the talent screen"), "mnuTalentClock", m_clock,
            [this](bool on) { setTalentCountdown(on); });
    menu.addSeparator();
    QAction *message = menu.addAction(tr("Message to the &presenter…"));
    message->setObjectName(QStringLiteral("mnuMessage"));
    connect(message, &QAction::triggered, this, [this] {
        setLookAhead(true);
        m_message->setFocus();
        m_message->selectAll();
    });
    return menu;
}

QString ShowControl::lookAheadText() const
{
    const QTextDocument *doc = m_p.core->document();
    const ScriptView &v = *m_p.view;
    // Beyond the picture: from the first line below the viewport's bottom edge.
    const double below = double(v.viewportHeight() - v.scriptTop()) / twips::kPerPixel;
    const int hit = doc->documentLayout()->hitTest(QPointF(0, below), Qt::FuzzyHit);
    QTextBlock block = doc->findBlock(std::max(0, hit));
    int from = std::max(0, hit) - block.position();
    if (const QTextLayout *layout = block.layout(); layout && layout->lineCount() > 0) {
        const QTextLine line = layout->lineForTextPosition(from);
        from = line.isValid() ? line.textStart() : 0;
    }
    QString next;
    const bool beyondEnd = doc->documentLayout()->blockBoundingRect(doc->lastBlock()).bottom() <= below;
    for (; !beyondEnd && block.isValid() && next.size() < kLookAheadCharacters;
         block = block.next(), from = 0) {
        if (unread::isUnread(block))
            continue;
        if (!next.isEmpty())
            next += QStringLiteral(" ¶ ");
        next += block.text().mid(from);
    }
    if (next.size() > kLookAheadCharacters) {
        const qsizetype space = next.lastIndexOf(QLatin1Char(' '), kLookAheadCharacters);
        next = next.left(space > 0 ? space : kLookAheadCharacters) + QStringLiteral(" …");
    }
    // The cues first: they are what the operator must act on.
    QStringList out;
    QStringList ahead;
    for (const cues::Cue &c : m_watch->cues()) {
        if (c.block > m_watch->block() && ahead.size() < kCuesListed)
            ahead << c.text;
    }
    if (!ahead.isEmpty())
        out << tr("Cues: %1").arg(ahead.join(QStringLiteral(" · ")));
    const QString story = m_nextStory ? m_nextStory() : QString();
    if (!story.isEmpty())
        out << tr("Next story: %1").arg(story);
    // Everything is in the picture: the end is next only when no story follows.
    if (!next.trimmed().isEmpty())
        out << tr("Next: %1").arg(next.trimmed());
    else if (story.isEmpty())
        out << tr("Next: the end of the script");
    return out.join(QLatin1Char('\n'));
}

void ShowControl::refreshLookAhead()
{
    if (m_panel->isVisible())
        m_lookAhead->setText(lookAheadText());
}

void ShowControl::refreshClock()
{
    if (!m_p.studio)
        return;
    const std::optional<int> seconds =
        m_secondsToEnd ? m_secondsToEnd() : std::optional<int>(m_p.core->toGoSeconds());
    if (!m_clock || !seconds) {
        m_p.studio->setClock(QString(), QColor());
        return;
    }
    const QString text =
        (*seconds < 0 ? QStringLiteral("+") : QString()) + modCommon::FormatTime(std::abs(*seconds));
    const QColor color = *seconds <= 0                 ? QColor(255, 60, 60)
                         : *seconds <= kWarningSeconds ? QColor(255, 176, 0)
                                                       : QColor(Qt::white);
    m_p.studio->setClock(text, color);
}
