// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class CueSender;
class CueWatch;
class PrompterCore;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QRect;
class QSpinBox;
class QToolButton;
class ScriptView;
class Settings;
class Studio;
namespace remote {
class RemoteControl;
}

// What the operator runs a show with beside the script: the cues that fire at the reading line, the
// message to the presenter, the time to the end on the talent screen, and the look-ahead panel below
// the picture, which shows the operator what comes after it and holds the message box.
class ShowControl : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        PrompterCore *core = nullptr;
        ScriptView *view = nullptr;
        Settings *settings = nullptr;
        Studio *studio = nullptr;
        remote::RemoteControl *remote = nullptr;
        QWidget *window = nullptr; // the look-ahead panel's parent
        // On the operator's panel: the cue destinations failing, shown until they take a cue again.
        QLabel *problems = nullptr;
    };
    explicit ShowControl(Parts parts, QObject *parent = nullptr);
    ~ShowControl() override;

    // Seconds to the end of what is on air: the run's time to go until there is a rundown. Below 0:
    // over.
    using SecondsToEnd = std::function<std::optional<int>()>;
    void setSecondsToEnd(SecondsToEnd secondsToEnd) { m_secondsToEnd = std::move(secondsToEnd); }
    // The next story's title and first words; empty while there is none.
    void setNextStory(std::function<QString()> nextStory) { m_nextStory = std::move(nextStory); }

    CueWatch &watch() const { return *m_watch; }
    CueSender &sender() const { return *m_sender; }
    QFrame *panel() const { return m_panel; }

    // The panel's height in twips where the window lays it out; 0 while it is not shown.
    float panelHeight(bool fullScreen) const;
    void placePanel(const QRect &pixels, bool shown);

    void setLookAhead(bool on);
    void setTalentCountdown(bool on);
    // The entries of the viewport's menu.
    // Its items in a submenu of the studio menu, returned so the window may add its own.
    QMenu &fillMenu(QMenu &menu);
    // The look-ahead's text as the reading line now stands.
    QString lookAheadText() const;
    // The failing cue destinations, cut to the width of the label that shows them.
    static void fitProblems(QLabel &label);
    // Shown on the look-ahead panel until the next message goes out well.
    void showProblem(const QString &why);

Q_SIGNALS:
    // The panel appeared or went: the window lays itself out again.
    void panelToggled();

private:
    void cueFired(const QString &cue, int story);
    void refreshLookAhead();
    void refreshClock();
    void sendMessage();
    void showFailures();

    Parts m_p;
    CueWatch *m_watch;
    CueSender *m_sender;
    SecondsToEnd m_secondsToEnd;
    std::function<QString()> m_nextStory;
    QFrame *m_panel = nullptr;
    QLabel *m_lookAhead = nullptr;
    QLineEdit *m_message = nullptr;
    QSpinBox *m_seconds = nullptr;
    QLabel *m_problem = nullptr;
    bool m_shown = false;
    bool m_clock = false;
};
