// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/gui/RundownPanel.h"

#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "editor/gui/frmEditText.h"
#include "show/RundownFile.h"
#include "ui/Dialogs.h"
#include "ui/RichTextView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextDocument>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

template <typename T> T *named(T *widget, const char *name, const QString &accessible = {})
{
    widget->setObjectName(QLatin1String(name));
    if (!accessible.isEmpty())
        widget->setAccessibleName(accessible);
    return widget;
}

QToolButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = named(new QToolButton(parent), name);
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

QString clock(int seconds)
{
    return show::formatDuration(seconds);
}

} // namespace

RundownPanel::RundownPanel(PrompterCore &core, ShowRun &show, Dialogs &dialogs, Settings &settings,
                           QWidget *parent)
    : QWidget(parent), m_core(core), m_show(show), m_dialogs(dialogs), m_settings(settings)
{
    setObjectName(QStringLiteral("picRundown"));
    setAccessibleName(tr("Rundown"));
    setAutoFillBackground(true);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(6, 6, 6, 6);

    auto *moves = new QHBoxLayout;
    cmdPrevious = button(this, "cmdPrevious", tr("&Previous story"));
    cmdPrevious->setToolTip(tr("Previous story  (Ctrl+Page Up)"));
    cmdNext = button(this, "cmdNext", tr("&Next story"));
    cmdNext->setToolTip(tr("Next story  (Ctrl+Page Down)"));
    moves->addWidget(cmdPrevious);
    moves->addWidget(cmdNext);
    box->addLayout(moves);

    twStories = named(new QTreeWidget(this), "twStories", tr("Stories"));
    twStories->setColumnCount(ColCount);
    twStories->setHeaderLabels({tr("Title"), tr("Words"), tr("Estimated"), tr("Planned"), tr("State")});
    twStories->setRootIsDecorated(false);
    twStories->setItemsExpandable(false);
    twStories->setSelectionMode(QAbstractItemView::SingleSelection);
    twStories->setDragDropMode(QAbstractItemView::InternalMove);
    twStories->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    twStories->header()->setStretchLastSection(false);
    twStories->header()->setSectionResizeMode(ColTitle, QHeaderView::Stretch);
    for (int c = ColWords; c < ColCount; ++c)
        twStories->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    twStories->installEventFilter(this);
    twStories->viewport()->installEventFilter(this);
    box->addWidget(twStories, 1);

    auto *edits = new QGridLayout;
    cmdAdd = button(this, "cmdAdd", tr("&Add…"));
    cmdRemove = button(this, "cmdRemove", tr("Re&move"));
    cmdMoveUp = button(this, "cmdMoveUp", tr("Move &up"));
    cmdMoveUp->setToolTip(tr("Move up  (Alt+Up)"));
    cmdMoveDown = button(this, "cmdMoveDown", tr("Move do&wn"));
    cmdMoveDown->setToolTip(tr("Move down  (Alt+Down)"));
    cmdEdit = button(this, "cmdEdit", tr("&Edit…"));
    cmdOpen = button(this, "cmdOpen", tr("&Open…"));
    cmdSave = button(this, "cmdSave", tr("&Save…"));
    const QList<QToolButton *> editButtons{cmdAdd,      cmdRemove, cmdEdit, cmdMoveUp,
                                           cmdMoveDown, cmdOpen,   cmdSave};
    for (int i = 0; i < editButtons.size(); ++i)
        edits->addWidget(editButtons.at(i), i / 3, i % 3);
    box->addLayout(edits);

    txtStory = named(new QPlainTextEdit(this), "txtStory", tr("Story text"));
    txtStory->setToolTip(tr("The selected story's text: change it while the prompter runs, then Apply."));
    cmdApply = button(this, "cmdApply", tr("Appl&y"));
    cmdApply->setToolTip(tr("Put the changed text on the prompter: the presenter stays on the same words."));
    auto *storyRow = new QHBoxLayout;
    storyRow->addWidget(txtStory, 1);
    storyRow->addWidget(cmdApply, 0, Qt::AlignBottom);
    box->addLayout(storyRow, 1);

    auto *timers = new QFormLayout;
    const auto timer = [this, timers](const char *name, const QString &caption) {
        auto *l = named(new QLabel(this), name, caption);
        auto *shown = new QLabel(caption, this);
        timers->addRow(shown, l);
        shown->setBuddy(nullptr); // a figure to read, not a box to go to
        return l;
    };
    lblElapsed = timer("lblElapsed", tr("Show elapsed"));
    lblStory = timer("lblStory", tr("Story elapsed / to go"));
    lblShowToGo = timer("lblShowToGo", tr("Show to go"));
    lblEnd = timer("lblEnd", tr("Ends at"));
    lblOverUnder = timer("lblOverUnder", tr("Over / under"));
    lblPace = timer("lblPace", tr("Pace speed"));

    auto *target = new QHBoxLayout;
    cboTarget = named(new QComboBox(this), "cboTarget");
    // In the order of the target's kinds, whose number is the index.
    cboTarget->addItems({tr("As planned"), tr("Duration"), tr("End at")});
    tmeTarget = named(new QTimeEdit(this), "tmeTarget", tr("Target time"));
    target->addWidget(cboTarget, 1);
    target->addWidget(tmeTarget, 1);
    auto *lblTarget = new QLabel(tr("&Target"), this);
    lblTarget->setBuddy(cboTarget);
    timers->addRow(lblTarget, target);

    auto *pacing = new QHBoxLayout;
    chkHitTime = named(new QCheckBox(tr("&Hit the time"), this), "chkHitTime");
    chkHitTime->setToolTip(
        tr("The speed moves toward the pace speed, a step at a time, within these speeds"));
    spnSlowest = named(new QSpinBox(this), "spnSlowest", tr("Slowest speed"));
    spnFastest = named(new QSpinBox(this), "spnFastest", tr("Fastest speed"));
    for (QSpinBox *s : {spnSlowest, spnFastest})
        s->setRange(PrompterCore::kMinSpeed, PrompterCore::kMaxSpeed);
    spnSlowest->setValue(m_show.pacing().slowest);
    spnFastest->setValue(m_show.pacing().fastest);
    pacing->addWidget(chkHitTime, 1);
    pacing->addWidget(spnSlowest);
    pacing->addWidget(new QLabel(QStringLiteral("–"), this));
    pacing->addWidget(spnFastest);
    timers->addRow(pacing);
    box->addLayout(timers);

    connect(cmdPrevious, &QToolButton::clicked, this, [this] { m_core.command({run::Verb::PrevStory}); });
    connect(cmdNext, &QToolButton::clicked, this, [this] { m_core.command({run::Verb::NextStory}); });
    connect(cmdAdd, &QToolButton::clicked, this, &RundownPanel::cmdAdd_Click);
    connect(cmdRemove, &QToolButton::clicked, this, &RundownPanel::cmdRemove_Click);
    connect(cmdMoveUp, &QToolButton::clicked, this, [this] { moveSelected(-1); });
    connect(cmdMoveDown, &QToolButton::clicked, this, [this] { moveSelected(1); });
    connect(cmdEdit, &QToolButton::clicked, this, &RundownPanel::cmdEdit_Click);
    connect(cmdApply, &QToolButton::clicked, this, &RundownPanel::cmdApply_Click);
    connect(twStories, &QTreeWidget::itemSelectionChanged, this, &RundownPanel::loadStory);
    connect(txtStory->document(), &QTextDocument::modificationChanged, cmdApply, &QToolButton::setEnabled);
    cmdApply->setEnabled(false);
    connect(cmdOpen, &QToolButton::clicked, this, &RundownPanel::cmdOpen_Click);
    connect(cmdSave, &QToolButton::clicked, this, &RundownPanel::cmdSave_Click);
    connect(twStories, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item, int column) {
        if (!m_filling)
            itemEdited(twStories->indexOfTopLevelItem(item), column, item->text(column));
    });
    connect(twStories, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        m_core.command({run::Verb::Story, twStories->indexOfTopLevelItem(item) + 1});
    });
    connect(cboTarget, &QComboBox::activated, this, &RundownPanel::targetChosen);
    connect(tmeTarget, &QTimeEdit::editingFinished, this, &RundownPanel::targetChosen);
    connect(chkHitTime, &QCheckBox::toggled, this, &RundownPanel::pacingChosen);
    connect(spnSlowest, &QSpinBox::valueChanged, this, &RundownPanel::pacingChosen);
    connect(spnFastest, &QSpinBox::valueChanged, this, &RundownPanel::pacingChosen);
    connect(&m_show, &ShowRun::rundownChanged, this, &RundownPanel::fill);
    // After the picture of the new story is painted: the panel can wait a moment, the presenter not.
    connect(&m_show, &ShowRun::storyChanged, this, &RundownPanel::fill, Qt::QueuedConnection);
    connect(&m_show, &ShowRun::timersChanged, this, &RundownPanel::showTimers);
    fill();
}

int RundownPanel::selected() const
{
    const QList<QTreeWidgetItem *> items = twStories->selectedItems();
    return items.isEmpty() ? -1 : twStories->indexOfTopLevelItem(items.first());
}

void RundownPanel::fill()
{
    m_filling = true;
    const int keep = selected();
    const QList<show::Story> &stories = m_show.stories();
    while (twStories->topLevelItemCount() > stories.size())
        delete twStories->takeTopLevelItem(twStories->topLevelItemCount() - 1);
    while (twStories->topLevelItemCount() < stories.size()) {
        auto *item = new QTreeWidgetItem;
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
        for (int c = ColWords; c < ColCount; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        twStories->addTopLevelItem(item);
    }
    // Only what changed: each change of an item lays out its columns again, and a story change
    // while running must not cost the picture a frame.
    const auto put = [](QTreeWidgetItem *item, int column, int role, const QVariant &value) {
        if (item->data(column, role) != value)
            item->setData(column, role, value);
    };
    // A follower's show is its leader's: its titles and plans are not edited here.
    const Qt::ItemFlags flags = m_show.following() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled
                                                   : Qt::ItemIsSelectable | Qt::ItemIsEnabled |
                                                         Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
    for (qsizetype i = 0; i < stories.size(); ++i) {
        const show::Story &s = stories.at(i);
        QTreeWidgetItem *item = twStories->topLevelItem(int(i));
        if (item->flags() != flags)
            item->setFlags(flags);
        put(item, ColTitle, Qt::DisplayRole, s.shownTitle());
        put(item, ColTitle, Qt::ToolTipRole, s.missing ? s.problem : QDir::toNativeSeparators(s.path));
        put(item, ColWords, Qt::DisplayRole, QString::number(s.words));
        put(item, ColEstimated, Qt::DisplayRole, clock(m_show.estimated(int(i))));
        put(item, ColPlanned, Qt::DisplayRole, s.planned ? clock(*s.planned) : QString());
        QString state;
        switch (m_show.stateOf(int(i))) {
        case show::StoryState::Done:
            state = tr("done");
            break;
        case show::StoryState::OnAir:
            state = tr("on air");
            break;
        case show::StoryState::Next:
            state = tr("next");
            break;
        }
        // A story the newsroom took out while it was read stays until the next goes on air.
        put(item, ColState, Qt::DisplayRole, s.missing ? tr("missing") : s.deleted ? tr("deleted") : state);
        QFont f = twStories->font();
        f.setBold(m_show.stateOf(int(i)) == show::StoryState::OnAir);
        f.setStrikeOut(s.missing || s.deleted);
        if (item->font(ColTitle) != f) {
            for (int c = 0; c < ColCount; ++c)
                item->setFont(c, f);
        }
    }
    if (keep >= 0 && keep < twStories->topLevelItemCount())
        twStories->topLevelItem(keep)->setSelected(true);
    const show::Target t = m_show.target();
    cboTarget->setCurrentIndex(int(t.kind));
    const QString format =
        t.kind == show::Target::Kind::Duration ? QStringLiteral("H:mm:ss") : QStringLiteral("HH:mm");
    if (tmeTarget->displayFormat() != format)
        tmeTarget->setDisplayFormat(format);
    tmeTarget->setEnabled(t.kind != show::Target::Kind::Plan);
    if (t.kind != show::Target::Kind::Plan)
        tmeTarget->setTime(QTime::fromMSecsSinceStartOfDay(t.seconds * 1000));
    const bool show = m_show.isShow();
    // A follower's show is its leader's: it moves through it, and changes nothing in it.
    const bool own = !m_show.following();
    for (QToolButton *b : {cmdPrevious, cmdNext})
        b->setEnabled(show);
    for (QToolButton *b : {cmdRemove, cmdMoveUp, cmdMoveDown, cmdEdit, cmdSave})
        b->setEnabled(show && own);
    cmdAdd->setEnabled(own);
    cmdOpen->setEnabled(own);
    txtStory->setReadOnly(!own);
    m_filling = false;
    loadStory();
    showTimers();
}

void RundownPanel::loadStory()
{
    if (txtStory->document()->isModified())
        return; // the operator's edit stays until applied
    const int index = selected() >= 0 ? selected() : m_show.current();
    const show::Story *s =
        index >= 0 && index < m_show.stories().size() ? &m_show.stories().at(index) : nullptr;
    const QString text = s ? s->text : QString();
    m_editing = s ? s->id : QString();
    if (txtStory->toPlainText() != text) {
        txtStory->setPlainText(text);
        txtStory->document()->setModified(false);
    }
}

void RundownPanel::cmdApply_Click()
{
    int index = -1;
    for (qsizetype i = 0; i < m_show.stories().size() && index < 0; ++i)
        if (m_show.stories().at(i).id == m_editing)
            index = int(i);
    if (index < 0)
        return;
    // The same way in as a newsroom's new text: the reading stays on its words, the run goes on.
    const QString text = txtStory->toPlainText();
    txtStory->document()->setModified(false);
    m_show.setStoryText(index, text);
}

void RundownPanel::showTimers()
{
    const show::Timings t = m_show.timings();
    lblElapsed->setText(clock(t.elapsed));
    lblStory->setText(clock(t.storyElapsed) + QStringLiteral(" / ") + clock(t.storyToGo));
    lblShowToGo->setText(t.measured ? tr("%1 (your pace)").arg(clock(t.showToGo)) : clock(t.showToGo));
    lblEnd->setText(t.endTime.toString(QStringLiteral("HH:mm:ss")));
    lblOverUnder->setText(!t.planned         ? tr("no plan")
                          : t.overUnder >= 0 ? tr("%1 under").arg(clock(t.overUnder))
                                             : tr("%1 over").arg(clock(-t.overUnder)));
    lblPace->setText(t.paceSpeed ? QString::number(*t.paceSpeed) : tr("none"));
    // Estimates follow the rate.
    const QList<show::Story> &stories = m_show.stories();
    for (int i = 0; i < twStories->topLevelItemCount() && i < stories.size(); ++i) {
        QTreeWidgetItem *item = twStories->topLevelItem(i);
        const QString estimate = clock(m_show.estimated(i));
        if (item->text(ColEstimated) != estimate) {
            m_filling = true;
            item->setText(ColEstimated, estimate);
            m_filling = false;
        }
    }
}

void RundownPanel::itemEdited(int row, int column, const QString &text)
{
    if (column == ColTitle) {
        m_show.setTitle(row, text.trimmed());
    } else if (column == ColPlanned) {
        // Empty: no plan for the story; anything unreadable leaves it as it was.
        const std::optional<int> planned = show::parseDuration(text);
        if (text.trimmed().isEmpty() || planned)
            m_show.setPlanned(row, text.trimmed().isEmpty() ? std::nullopt : planned);
    }
    fill();
}

void RundownPanel::cmdAdd_Click()
{
    const QString path =
        m_dialogs.openFileName(window(), tr("Add a script"), QFileInfo(m_show.rundownFile()).absolutePath(),
                               tr("Scripts (*.txt *.rtf *.docx *.odt *.doc);;All files (*)"));
    if (!path.isEmpty())
        m_show.addScripts({path});
}

void RundownPanel::cmdRemove_Click()
{
    m_show.removeStory(selected());
}

void RundownPanel::moveSelected(int step)
{
    const int from = selected();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= twStories->topLevelItemCount())
        return;
    m_show.moveStory(from, to);
    twStories->clearSelection();
    twStories->topLevelItem(to)->setSelected(true);
    twStories->setCurrentItem(twStories->topLevelItem(to));
}

void RundownPanel::cmdEdit_Click()
{
    const int index = selected() >= 0 ? selected() : m_show.current();
    if (index < 0)
        return;
    m_core.command({run::Verb::Stop});
    RichTextView story(RichTextView::Input::None);
    story.setText(m_show.stories().at(index).text);
    const QString before = story.Text();
    frmEditText editor(m_dialogs, m_settings, window());
    editor.rtDoc = &story;
    m_dialogs.showModal(editor);
    if (story.Text() != before)
        m_show.setStoryText(index, story.Text());
}

void RundownPanel::cmdOpen_Click()
{
    const QString path = m_dialogs.openFileName(window(), tr("Open a rundown"), QString(),
                                                tr("Rundowns (*.cuerundown);;All files (*)"));
    QString error;
    if (!path.isEmpty() && !m_show.open({path}, &error))
        m_dialogs.warning(window(), window()->windowTitle(), error);
}

void RundownPanel::cmdSave_Click()
{
    QString path = m_dialogs.saveFileName(window(), tr("Save the rundown"), m_show.rundownFile(),
                                          tr("Rundowns (*.cuerundown)"));
    if (path.isEmpty())
        return;
    if (!show::isRundownName(path))
        path += QLatin1Char('.') + show::kRundownEnding;
    QString error;
    if (!m_show.saveRundown(path, &error))
        m_dialogs.warning(window(), window()->windowTitle(), error);
}

void RundownPanel::targetChosen()
{
    if (m_filling)
        return;
    const auto kind = static_cast<run::TargetKind>(cboTarget->currentIndex());
    int seconds = tmeTarget->time().msecsSinceStartOfDay() / 1000;
    if (kind == run::TargetKind::Duration && seconds == 0)
        seconds = 3600; // a duration just chosen starts from an hour
    m_core.command({run::Verb::Target, kind == run::TargetKind::Plan ? 0 : seconds, 0, int(kind)});
    fill();
}

void RundownPanel::pacingChosen()
{
    m_show.setPacing({chkHitTime->isChecked(), spnSlowest->value(), spnFastest->value()});
}

bool RundownPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == twStories && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers m = key->modifiers() & ~Qt::KeypadModifier;
        if (m == Qt::AltModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            moveSelected(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
        if (m == Qt::ControlModifier && (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown)) {
            m_core.command({key->key() == Qt::Key_PageUp ? run::Verb::PrevStory : run::Verb::NextStory});
            return true;
        }
        if (key->key() == Qt::Key_Delete && m == Qt::NoModifier) {
            cmdRemove_Click();
            return true;
        }
    }
    if (watched == twStories->viewport() && event->type() == QEvent::Drop) {
        // The show moves the story; the list follows it when told, never on its own.
        auto *drop = static_cast<QDropEvent *>(event);
        const int from = selected();
        QTreeWidgetItem *over = twStories->itemAt(drop->position().toPoint());
        const int to = over ? twStories->indexOfTopLevelItem(over) : twStories->topLevelItemCount() - 1;
        drop->setDropAction(Qt::IgnoreAction);
        drop->accept();
        if (from >= 0 && to >= 0)
            m_show.moveStory(from, to);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
