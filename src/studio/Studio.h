// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/StartGate.h"
#include "studio/Countdown.h"
#include "studio/ScriptPicture.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class Platform;
class QKeyEvent;
class QMenu;
class QScreen;
class QTextEdit;
class QTimer;
class QWidget;
class Settings;
class frmLine;

// How a studio rig shows the script. Everything off is the prompter as it always was.
struct StudioOptions
{
    QString talentScreen;     // the screen as stored (Studio::screenKey); empty: no talent screen
    bool mirrorTalent = true; // left–right on the talent screen
    bool flipTalent = false;  // top–bottom on the talent screen, for overhead rigs
    bool mirrorPrompter = false;
    int countdownSeconds = 0;       // 0: Start starts the clock at once
    bool jumpToReadingLine = false; // Jump To puts the marked line on the reading line, not at the top
    bool messageBelow = false;      // the message to the presenter stands below the reading line
    bool operator==(const StudioOptions &) const = default;
};

// The talent screen, the mirrored prompter and the countdown before Start, hung onto the prompter.
class Studio : public QObject, public StartGate
{
    Q_OBJECT

public:
    // What the studio needs of the prompter.
    struct Prompter
    {
        QWidget *picBack = nullptr;
        QTextEdit *rtDoc = nullptr;
        const frmLine *band = nullptr;
        std::function<void(quint32 tick)> startClock; // the clock's start, at that clock reading
        std::function<void(QKeyEvent *)> key;         // a key typed on the talent screen
        std::function<void()> stored;                 // after choices went to the settings store
        std::function<void(QMenu &)> moreItems;       // the prompter's own entries, at the menu's end
        std::function<void(QScreen *)> moveOff;       // asks the prompter window onto another screen
        std::function<void(const QString &)> notice;  // a line in the operator's panel; empty: none
    };

    Studio(Platform &platform, Settings &settings, Prompter prompter, QObject *parent = nullptr);
    ~Studio() override;

    const StudioOptions &options() const { return m_options; }
    // Shows the options at once; `store` also keeps them in the settings store.
    void setOptions(const StudioOptions &options, bool store = false);
    static StudioOptions storedOptions(const Settings &settings);

    // The screen a stored value stands for (its monitor's identity, or a name or 1-based number
    // as earlier versions kept); null when there is none.
    static QScreen *findScreen(const QString &stored);
    // How a screen is kept in the store: its monitor's identity, connector and place.
    static QString screenKey(const QScreen *screen);

    // Start while the clock is stopped: with a countdown set it runs first and the clock starts
    // when it ends (true); otherwise the caller starts the clock (false).
    bool holdStart(bool clockRunning) override;
    // Anything that stops the clock ends the countdown; the script stays where it is.
    void cancelCountdown() override;
    bool counting() const { return m_countdown.active(); }
    int countdownShowing() const;
    // Redraws the number and starts the clock once it is over.
    void countdownTick();

    // A message to the presenter over every picture of the script; empty: none.
    void setMessage(const QString &text);
    // The time to the end on the talent screen and the mirrored prompter; empty: none.
    void setClock(const QString &text, const QColor &color);

    // The viewport's context menu, filled afresh with the current choices and screens.
    void fillMenu(QMenu &menu);

    // A screen went away: a talent window on it closes.
    void screenRemoved(QScreen *screen);

    // The screen the prompter window is on: never a talent screen, or the operator is locked out.
    QScreen *prompterScreen() const;
    // The prompter window's screen is known (it is on screen and the platform has said where):
    // only now can the talent window keep off it. Opened on the talent's screen (where the desktop
    // had its focus), the prompter window is first asked onto another.
    void prompterPlaced();
    bool placed() const { return m_placed; }

    ScriptPicture *talentWindow() const { return m_talent; }
    ScriptPicture *prompterMirror() const { return m_mirror; }
    CountdownOverlay *countdownOverlay() const { return m_overlay; }
    QTimer *m_countdownTimer = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyTalent();
    void talentKey(QKeyEvent *event);
    void talentClosed();
    void popupMenu(const QPoint &globalPos);
    void applyMirror();
    void showNumber();
    void placeOverPrompter();

    Platform &m_platform;
    Settings &m_settings;
    Prompter m_prompter;
    StudioOptions m_options;
    Countdown m_countdown;
    QPointer<ScriptPicture> m_talent;
    QPointer<ScriptPicture> m_mirror;
    CountdownOverlay *m_overlay = nullptr;
    QString m_message;
    QString m_clock;
    QColor m_clockColor;
    bool m_placed = false;
};
