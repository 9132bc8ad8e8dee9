// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "voice/Approach.h"

#include <QObject>
#include <QPointer>
#include <QString>

class Dialogs;
class LevelMeter;
class Platform;
class PrompterCore;
class QMenu;
class QProgressBar;
class QWidget;
class Settings;

namespace voice {
class Follower;
}

// The script follows the presenter's voice: the studio menu's switch and input choice, the level
// meter on the operator's panel, and the glide that brings each word heard to the reading line.
// The operator's own moves win at once; following goes on from where they leave the script.
class VoiceFollowing : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QWidget *window = nullptr;
        QWidget *picPanel = nullptr;
        QProgressBar *prgDoc = nullptr; // the meter sits below it
    };
    VoiceFollowing(PrompterCore &core, Platform &platform, Dialogs &dialogs, Settings &settings, Controls c);
    ~VoiceFollowing() override;

    bool on() const { return m_on; }
    void setOn(bool on);
    // A recording instead of the microphone, for this run.
    void setRecording(const QString &path);
    // The capture device by id; empty: the system's default. Kept in the settings.
    void setDevice(const QString &id);

    void fillMenu(QMenu &menu);

    // Null until following is first switched on and its module loaded.
    voice::Follower *follower() const { return m_follower; }
    LevelMeter *meter() const { return m_meter; }

    // The glide's fastest, in lines a second: a skipped sentence is caught up in about a second.
    static constexpr float kMaxLinesPerSecond = 12;
    // A place found far away is cut to, but for this many lines glided, which show which way it went.
    static constexpr float kLeapLandingLines = 1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // False, the operator told why, when the voice's module cannot be loaded.
    bool ensureFollower();
    void applyInput();
    void heard(int character, bool leap = false);
    void halt();
    void moved(float top);
    void failed(const QString &reason);
    void placeMeter();

    PrompterCore &m_core;
    Platform &m_platform;
    Dialogs &m_dialogs;
    Settings &m_settings;
    Controls m_c;
    voice::Follower *m_follower = nullptr;
    LevelMeter *m_meter = nullptr;
    voice::Approach m_approach;
    QString m_recording;
    bool m_on = false;
    bool m_scriptTaken = false; // the follower has the current script
    float m_steeredTop = 0;     // where the glide last put the script
    bool m_steering = false;
};
