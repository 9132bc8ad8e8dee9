// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/OscFeedback.h"
#include "remote/RemoteCommand.h"
#include "remote/RemoteState.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Platform;
class PrompterCore;
class ShowRun;
class QTimer;
class Settings;

namespace remote {
class GamepadInput;
class MidiInput;
class OscFeedback;
class RemoteServer;
struct Feedback;

// The remote control of one prompter: the server and the MIDI inputs, started and stopped as the
// settings say, their commands given to the prompter's core and its state pushed back to them.
class RemoteControl : public QObject
{
    Q_OBJECT

public:
    // The moving script's position goes out at most this often; other changes at once.
    static constexpr int kPositionGapMs = 35;

    RemoteControl(Platform &platform, Settings &settings, PrompterCore &core, ShowRun &show,
                  QObject *parent = nullptr);
    ~RemoteControl() override;

    // Listens, or stops listening, as the settings now say. False when a port could not be opened;
    // error() says why and nothing listens.
    bool applySettings();
    // For this run only, whatever the settings say: on, on `port` (the stored one when empty).
    bool startForRun(std::optional<quint16> port, bool osc);
    // Where it listens: every network of this machine unless told otherwise (tests: 127.0.0.1).
    void setAddress(const QHostAddress &address) { m_address = address; }
    // The prompter is closing: nothing listens any more and no command reaches it.
    void shutDown();

    bool listening() const;
    quint16 port() const;
    bool oscListening() const;
    QString error() const { return m_error; }
    int devices() const;
    QStringList midiInputs() const;
    GamepadInput &gamepads() const { return *m_gamepads; }
    // The last OSC packet not taken, and why; empty when none.
    QString oscIgnored() const { return m_oscIgnored; }
    // CUESCROLL_REMOTE_TOKEN when set, else the stored one (made when first needed).
    QString token() const { return m_token; }
    void newToken();
    // The page's address for each address of this machine a phone might reach, with the token.
    QStringList pageAddresses() const;

    // A command from any remote, as its key would give it; refused while another window holds the
    // prompter (an editor, Options), as the keys cannot reach it then.
    run::Answer apply(const remote::Command &command);
    remote::State state() const;
    // What the control desks are told over OSC.
    Feedback feedback() const;
    OscFeedback &oscFeedback() const { return *m_feedback; }
    QByteArray stateJson() const;

    RemoteServer &server() const { return *m_server; }
    // The push timer's handler: every WebSocket hears the state as it is now.
    void pushNow();
    // Whether another window stands over the prompter; the remote's own window does not count.
    void setOwnWindow(const QObject *window) { m_ownWindow = window; }
    // This prompter follows another and cannot reach it; told to every remote.
    void setLeaderLost(bool lost);
    // While following, whether the leader's run moves: the run this prompter shows.
    void setLeaderRunning(bool running);
    // The newsroom link's part of the state; mosChanged() when it changes.
    void setMosState(std::function<QJsonObject()> source) { m_mosState = std::move(source); }
    void mosChanged() { changed(false); }
    // The cue destinations failing, told in the state until they take cues again.
    void setCueErrors(const QStringList &errors)
    {
        m_cueErrors = errors;
        changed(false);
    }

Q_SIGNALS:
    // Listening, the devices, the token or the error changed.
    void statusChanged();

private:
    bool startServer(quint16 port, bool osc);
    void stopAll();
    void changed(bool position);
    void ensureToken();
    void scriptChanged();
    void markersChanged();
    // Where the story on air begins in the script: the API's places count from there.
    int storyOffset() const;
    bool running() const;

    Platform &m_platform;
    Settings &m_settings;
    PrompterCore &m_core;
    ShowRun &m_show;
    RemoteServer *m_server;
    MidiInput *m_midi;
    OscFeedback *m_feedback;
    GamepadInput *m_gamepads;
    QTimer *m_push;
    QString m_token;
    QHostAddress m_address = QHostAddress::Any;
    QString m_error;
    QString m_oscIgnored;
    bool m_leaderLost = false;
    bool m_leaderRunning = false;
    mutable QString m_text; // the script as plain text, made when first asked after a change
    mutable bool m_textStale = true;
    QJsonArray m_markers;       // their JSON, kept from their last change
    QList<Cue> m_allCues;       // every cue of the script, placed in the whole text
    QJsonArray m_cues;          // the story on air's, as the state tells them
    quint32 m_lastMove = 0;     // when a push last told a move
    bool m_movePending = false; // the push due tells a move
    bool m_forRun = false;
    const QObject *m_ownWindow = nullptr;
    std::function<QJsonObject()> m_mosState;
    QStringList m_cueErrors;
    mutable SteadyFigure m_overUnder; // as the desks and the remotes are shown it
    double overUnderShown(double raw) const;
};

} // namespace remote
