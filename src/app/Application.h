// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class Dialogs;
class FollowSession;
class Platform;
class PrompterCore;
class Settings;
class ShowRun;
namespace mos {
class MosControl;
class MosShow;
} // namespace mos
namespace remote {
class RemoteControl;
}

namespace app {

// The program's services, built before any window and in this order: the run, the show on it, the
// remote control, the newsroom link and the link between prompters, wired to one another. A window
// then shows the run (PrompterCore::attach) and builds only what it shows itself.
class Application : public QObject
{
    Q_OBJECT

public:
    Application(Platform &platform, Dialogs &dialogs, Settings &settings, QObject *parent = nullptr);
    ~Application() override;

    Platform &platform() const { return m_platform; }
    Dialogs &dialogs() const { return m_dialogs; }
    Settings &settings() const { return m_settings; }
    PrompterCore &core() const { return *m_core; }
    ShowRun &showRun() const { return *m_showRun; }
    remote::RemoteControl &remote() const { return *m_remote; }
    mos::MosControl &mos() const { return *m_mos; }
    FollowSession &follow() const { return *m_follow; }

    // Listening as the settings ask, before any command line or window changes that. Trouble is
    // kept for the window to tell: remoteTrouble() with the remote control's error(), and the
    // newsroom link's error().
    void startServices();
    bool remoteTrouble() const { return m_remoteTrouble; }
    // As the program ends: the show's timers stopped, the remote control and the newsroom link shut.
    void release();
    // The window is going: nothing follows a leader through a run no longer shown.
    void windowGone();

private:
    Platform &m_platform;
    Dialogs &m_dialogs;
    Settings &m_settings;
    PrompterCore *m_core;
    ShowRun *m_showRun;
    remote::RemoteControl *m_remote;
    mos::MosControl *m_mos;
    mos::MosShow *m_mosShow;
    FollowSession *m_follow;
    bool m_remoteTrouble = false;
};

} // namespace app
