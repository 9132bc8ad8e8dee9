// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class FollowSession;
namespace remote {
class RemoteControl;
}

// `cuescroll [FILE]`: what the program was asked to do at start.
namespace commandline {

struct Request
{
    enum class Action {
        Run,  // start the prompter, with `file` opened if it is not empty
        Print // print `output` and exit with `exitCode`
    };
    Action action = Action::Run;
    QString file; // a path the program can open (see localpath::usable)
    // Several scripts, a folder or a rundown file: a show of several stories, in this order.
    QStringList show;
    QString output;   // for Print: the text, ending in a line end
    int exitCode = 0; // 0 for --help and --version, 2 for a mistake in the command line
    bool toStdErr() const { return exitCode != 0; }
    // Studio output for this run only (the settings store keeps the operator's own choices).
    std::optional<QString> talentScreen; // a screen's number (1 = first) or name; "0": none
    bool mirror = false;                 // mirror the prompter's own view
    std::optional<int> countdown;        // seconds before Start starts the clock
    // Remote control for this run: on, on this port (the stored one when empty), with OSC.
    bool remote = false;
    std::optional<quint16> remotePort;
    bool osc = false;
    // Running orders from a newsroom system for this run: the lower port (the upper is the next one).
    bool mos = false;
    std::optional<quint16> mosPort;
    bool voice = false; // follow the presenter's voice
    QString voiceInput; // a WAV recording to follow instead of the microphone
    // Several prompters: follow a leader at this address (ws://host:port/path), or lead others.
    std::optional<QString> follow;
    bool lead = false;
    quint16 leadPort = 0; // 0: the usual port
    QString token;        // --token, else CUESCROLL_REMOTE_TOKEN
};

// The arguments as the process received them, the program's name first.
Request parse(const QList<QByteArray> &arguments);

// How this prompter leads others, for --lead and the studio menu's item alike. Followers come in
// through the remote control when it listens on the port asked for (or none was asked for): then
// only with its token. Otherwise on a port of its own, with the token given, the last one used or a
// new one.
struct Leading
{
    quint16 port = 0;
    QString token;
    bool throughRemote = false;
    QString refusal; // not empty: it does not lead, and this says why
};
// `remotePort` is 0 when the remote control does not listen.
Leading chooseLeading(quint16 askedPort, const QString &askedToken, const QString &lastToken,
                      quint16 remotePort, const QString &remoteToken);
// Chooses and starts leading; a port that cannot be listened on becomes the refusal.
Leading lead(FollowSession &seat, const remote::RemoteControl &remote, quint16 askedPort = 0,
             const QString &askedToken = QString());

// Qt's own options for windowing programs (-platform, -style…), which QApplication takes away.
bool isToolkitOption(const QByteArray &argument);

} // namespace commandline
