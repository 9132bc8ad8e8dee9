// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class Dialogs;
class PrompterCore;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QPlainTextEdit;
class QTimeEdit;
class QToolButton;
class QTreeWidget;
class Settings;
class ShowRun;

// The rundown on the operator's side of the prompter window, never on the talent's: the stories
// with their words, times and state, the show's timers, its target, and the hand that keeps to it.
class RundownPanel : public QWidget
{
    Q_OBJECT

public:
    RundownPanel(PrompterCore &core, ShowRun &show, Dialogs &dialogs, Settings &settings,
                 QWidget *parent = nullptr);

    enum Column { ColTitle, ColWords, ColEstimated, ColPlanned, ColState, ColCount };
    QTreeWidget *twStories = nullptr;
    QToolButton *cmdPrevious = nullptr;
    QToolButton *cmdNext = nullptr;
    QToolButton *cmdAdd = nullptr;
    QToolButton *cmdRemove = nullptr;
    QToolButton *cmdMoveUp = nullptr;
    QToolButton *cmdMoveDown = nullptr;
    QToolButton *cmdEdit = nullptr;
    QToolButton *cmdOpen = nullptr;
    QToolButton *cmdSave = nullptr;
    // The selected story's text, edited while the prompter runs; Apply puts it on the prompter.
    QPlainTextEdit *txtStory = nullptr;
    QToolButton *cmdApply = nullptr;
    QLabel *lblElapsed = nullptr;
    QLabel *lblStory = nullptr;
    QLabel *lblShowToGo = nullptr;
    QLabel *lblEnd = nullptr;
    QLabel *lblOverUnder = nullptr;
    QLabel *lblPace = nullptr;
    QComboBox *cboTarget = nullptr;
    QTimeEdit *tmeTarget = nullptr;
    QCheckBox *chkHitTime = nullptr;
    QSpinBox *spnSlowest = nullptr;
    QSpinBox *spnFastest = nullptr;

    // Event handlers, public so that tests drive them.
    void cmdAdd_Click();
    void cmdRemove_Click();
    void moveSelected(int step);
    void cmdEdit_Click();
    void cmdApply_Click();
    void cmdOpen_Click();
    void cmdSave_Click();
    void targetChosen();
    void pacingChosen();
    int selected() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill();
    void showTimers();
    void itemEdited(int row, int column, const QString &text);
    void loadStory(); // the selected story (else the one on air) into the editor, unless it was changed

    PrompterCore &m_core;
    ShowRun &m_show;
    Dialogs &m_dialogs;
    Settings &m_settings;
    bool m_filling = false;
    QString m_editing; // the id of the story in the editor
};
