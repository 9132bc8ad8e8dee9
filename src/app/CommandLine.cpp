// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "common/LocalPath.h"
#include "common/ProgramFiles.h"
#include "common/Translations.h"
#include "follow/FollowLink.h"
#include "follow/FollowSession.h"
#include "net/Token.h"
#include "remote/gui/RemoteControl.h"
#include "show/RundownFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace commandline {
namespace {

QString tr(const char *text, const char *disambiguation = nullptr)
{
    return QCoreApplication::translate("commandline", text, disambiguation);
}

constexpr int kMaxCountdown = 60;

QString programName()
{
    return QStringLiteral("cuescroll");
}

Request print(QString text, int exitCode)
{
    Request r;
    r.action = Request::Action::Print;
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    r.output = std::move(text);
    r.exitCode = exitCode;
    return r;
}

QString aboutLicense()
{
    return tr(
        "Copyright 2026 The Cuescroll developers.\n"
        "License GPL-3.0-or-later: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>.\n"
        "This is free software: you are free to change and redistribute it.\n"
        "There is NO WARRANTY, to the extent permitted by law.");
}

Request mistake(const QString &what)
{
    return print(tr("%1: %2 (see cuescroll --help)").arg(programName(), what), 2);
}

QString helpText(QCommandLineParser &parser)
{
    QString text = parser.helpText();
    // The parser names the program by the path it was started with.
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    text.replace(0, lineEnd, tr("Usage: cuescroll [options] [FILE]..."));
    // The parser cannot show a value that may be left out; the column stays as wide.
    static const QRegularExpression remote(QStringLiteral("--remote {7}"));
    text.replace(remote, QStringLiteral("--remote[=PORT]"));
    static const QRegularExpression mos(QStringLiteral("--mos {7}"));
    text.replace(mos, QStringLiteral("--mos[=PORT]"));
    text += QLatin1Char('\n') +
            tr("FILE is shown in the prompter as if it had been opened in the script editor and\n"
               "taken with Done: plain text, Rich Text Format, .docx, .odt or .doc.\n");
    text += QLatin1Char('\n') +
            tr("Several files make a show, one story each, in the order given; a folder adds its\n"
               "scripts in the order of their names, and a .cuerundown file the stories it lists.\n"
               "Ctrl+Page Down and Ctrl+Page Up go to the next and the previous story (with a single script\n"
               "they page).\n");
    text += QLatin1Char('\n') + tr("Files:\n");
    text += QStringLiteral("  %1\n").arg(
        QDir::toNativeSeparators(programfiles::locate(QStringLiteral("Settings.ini"))));
    text += QStringLiteral("  %1\n").arg(QDir::toNativeSeparators(
        translations::localizedPath(programfiles::locate(QStringLiteral("cuescroll-help.html")))));
    return text;
}

} // namespace

bool isToolkitOption(const QByteArray &argument)
{
    static const char *const kOptions[] = {"-platform",
                                           "-platformpluginpath",
                                           "-platformtheme",
                                           "-plugin",
                                           "-qwindowgeometry",
                                           "-qwindowicon",
                                           "-qwindowtitle",
                                           "-reverse",
                                           "-session",
                                           "-style",
                                           "-stylesheet",
                                           "-widgetcount",
                                           "-display",
                                           "-geometry",
                                           "-title",
                                           "-name",
                                           "-visual",
                                           "-ncols",
                                           "-cmap",
                                           "-nograb",
                                           "-dograb",
                                           "-sync",
                                           "-fontengine",
                                           "-dialogs",
                                           "-qmljsdebugger"};
    QByteArray name = argument;
    if (name.startsWith("--"))
        name.remove(0, 1);
    name = name.left(name.indexOf('=') < 0 ? name.size() : name.indexOf('='));
    return std::any_of(std::begin(kOptions), std::end(kOptions),
                       [&](const char *option) { return name == option; });
}

Request parse(const QList<QByteArray> &arguments)
{
    QStringList decoded;
    for (const QByteArray &a : arguments)
        decoded << QFile::decodeName(a);
    if (decoded.isEmpty())
        decoded << programName();

    // --remote takes a port after an equals sign, or a number after a space; `--remote script.txt`
    // opens the script. The rewriting keeps the arguments in place, for the file's raw name below.
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    for (qsizetype i = 1; i < decoded.size() && decoded.at(i) != QLatin1String("--"); ++i) {
        QString &a = decoded[i];
        if (a.startsWith(QLatin1String("--remote=")))
            a = QStringLiteral("--remote-port=") + a.mid(9);
        else if (a == QLatin1String("--remote") && i + 1 < decoded.size() &&
                 number.match(decoded.at(i + 1)).hasMatch())
            a = QStringLiteral("--remote-port");
        else if (a.startsWith(QLatin1String("--mos=")))
            a = QStringLiteral("--mos-port=") + a.mid(6);
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Cuescroll, a script prompter."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption talent(QStringLiteral("talent-screen"),
                                    tr("Show the script, mirrored, full screen on screen N (1 = the first; "
                                       "a screen's name also works; 0 = none)."),
                                    QStringLiteral("N"));
    const QCommandLineOption mirror(QStringLiteral("mirror"),
                                    tr("Mirror the prompter's own view left to right."));
    const QCommandLineOption countdown(
        QStringLiteral("countdown"), tr("Count S seconds down on Start before the script moves (0 = none)."),
        QStringLiteral("S"));
    const QCommandLineOption remote(
        QStringLiteral("remote"),
        tr("Turn the remote control on for this run and print the phone page's address with its token. "
           "--remote=PORT or --remote PORT: on that port (default 8777 or the stored one). It keeps "
           "its own token (shown in Remote control…, or CUESCROLL_REMOTE_TOKEN): --token is not for it."));
    QCommandLineOption remotePort(QStringLiteral("remote-port"), tr("The remote control's port."),
                                  QStringLiteral("PORT"));
    remotePort.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption osc(QStringLiteral("osc"),
                                 tr("With the remote control, take OSC on the same port (UDP) from the "
                                    "addresses allowed in the settings (default: this computer)."));
    const QCommandLineOption voice(QStringLiteral("voice"),
                                   tr("Follow the presenter's voice: the script moves as it is read aloud."));
    const QCommandLineOption voiceInput(
        QStringLiteral("voice-input"),
        tr("Follow the voice in a WAV recording, played in real time, instead of the microphone."),
        QStringLiteral("WAV"));
    const QCommandLineOption followOption(
        QStringLiteral("follow"),
        tr("Follow the prompter leading at HOST (port 8777 unless given): its script, look and run are "
           "shown here and the keys drive it."),
        QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption lead(
        QStringLiteral("lead"),
        tr("Let other prompters follow this one, with the token of --token; without one, a token is "
           "made up. The port and token to pass on are printed at start. With the remote control on, "
           "followers come in on its port and need its token."));
    const QCommandLineOption leadPort(QStringLiteral("lead-port"),
                                      tr("The port followers reach this prompter on (8777 unless given)."),
                                      QStringLiteral("PORT"));
    const QCommandLineOption token(
        QStringLiteral("token"),
        tr("The leader's token, for --follow and --lead (else CUESCROLL_REMOTE_TOKEN); not for --remote."),
        QStringLiteral("TOKEN"));
    const QCommandLineOption mos(QStringLiteral("mos"),
                                 tr("Take running orders from a newsroom system for this run (MOS). "
                                    "--mos=PORT: on ports PORT and PORT+1 (default 10540 and 10541 or the "
                                    "stored ones)."));
    QCommandLineOption mosPort(QStringLiteral("mos-port"), tr("The newsroom system's lower port."),
                               QStringLiteral("PORT"));
    mosPort.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({talent, mirror, countdown, remote, remotePort, osc, voice, voiceInput, followOption,
                       lead, leadPort, token, mos, mosPort});
    const QString file = tr("FILE", "the script named on the command line");
    parser.addPositionalArgument(file, tr("The script to show, or the scripts of a show."),
                                 QLatin1Char('[') + file + QStringLiteral("]..."));

    if (!parser.parse(decoded))
        return mistake(parser.errorText().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return print(helpText(parser), 0);
    if (parser.isSet(version))
        return print(programName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                         QLatin1Char('\n') + aboutLicense(),
                     0);

    const QStringList files = parser.positionalArguments();

    Request r;
    if (parser.isSet(talent))
        r.talentScreen = parser.value(talent);
    r.mirror = parser.isSet(mirror);
    if (parser.isSet(countdown)) {
        bool ok = false;
        const int seconds = parser.value(countdown).toInt(&ok);
        if (!ok || seconds < 0 || seconds > kMaxCountdown)
            return mistake(tr("--countdown takes whole seconds from 0 to %1, not \"%2\".")
                               .arg(kMaxCountdown)
                               .arg(parser.value(countdown)));
        r.countdown = seconds;
    }
    r.remote = parser.isSet(remote) || parser.isSet(remotePort) || parser.isSet(osc);
    r.osc = parser.isSet(osc);
    if (parser.isSet(remotePort)) {
        bool ok = false;
        const uint port = parser.value(remotePort).toUInt(&ok);
        if (!ok || port < 1 || port > 65535)
            return mistake(
                tr("--remote takes a port from 1 to 65535, not \"%1\".").arg(parser.value(remotePort)));
        r.remotePort = quint16(port);
    }
    r.mos = parser.isSet(mos) || parser.isSet(mosPort);
    if (parser.isSet(mosPort)) {
        bool ok = false;
        const uint port = parser.value(mosPort).toUInt(&ok);
        if (!ok || port < 1 || port > 65534)
            return mistake(tr("--mos takes a port from 1 to 65534, not \"%1\".").arg(parser.value(mosPort)));
        r.mosPort = quint16(port);
    }
    r.voice = parser.isSet(voice) || parser.isSet(voiceInput);
    if (parser.isSet(voiceInput)) {
        r.voiceInput = parser.value(voiceInput);
        if (r.voiceInput.isEmpty())
            return mistake(tr("--voice-input needs a WAV file."));
    }
    if (parser.isSet(followOption)) {
        const std::optional<QUrl> url = follow::FollowLink::addressOf(parser.value(followOption));
        if (!url)
            return mistake(tr("--follow takes a prompter's address, HOST or HOST:PORT, not \"%1\".")
                               .arg(parser.value(followOption)));
        r.follow = url->toString();
    }
    r.lead = parser.isSet(lead);
    if (r.lead && r.follow)
        return mistake(tr("--lead and --follow do not go together: a prompter leads or follows."));
    if (parser.isSet(leadPort)) {
        bool ok = false;
        const uint port = parser.value(leadPort).toUInt(&ok);
        if (!ok || port == 0 || port > 65535)
            return mistake(
                tr("--lead-port takes a port from 1 to 65535, not \"%1\".").arg(parser.value(leadPort)));
        r.leadPort = quint16(port);
    }
    r.token = parser.isSet(token) ? parser.value(token) : qEnvironmentVariable("CUESCROLL_REMOTE_TOKEN");
    if (files.size() > 1 ||
        (files.size() == 1 && (QFileInfo(files.first()).isDir() || show::isRundownName(files.first())))) {
        for (const QString &f : files) {
            if (!f.isEmpty())
                r.show << localpath::usable(QFile::encodeName(f));
        }
    } else if (files.size() == 1) {
        // The file's own bytes, not their decoding, so that any name the file system allows works.
        QByteArray raw = QFile::encodeName(files.first());
        for (qsizetype i = decoded.size() - 1; i > 0; --i) {
            if (decoded.at(i) == files.first() && i < arguments.size()) {
                raw = arguments.at(i);
                break;
            }
        }
        r.file = files.first().isEmpty() ? QString() : localpath::usable(raw);
    }
    return r;
}

Leading chooseLeading(quint16 askedPort, const QString &askedToken, const QString &lastToken,
                      quint16 remotePort, const QString &remoteToken)
{
    Leading how;
    if (remotePort != 0 && (askedPort == 0 || askedPort == remotePort)) {
        if (!askedToken.isEmpty() && askedToken != remoteToken) {
            how.refusal = tr("the remote control takes followers on port %1, and only with its own token. "
                             "Leave out --token to lead with that token, or give --lead-port another port.")
                              .arg(remotePort);
            return how;
        }
        how.throughRemote = true;
        how.port = remotePort;
        how.token = remoteToken;
        return how;
    }
    how.port = askedPort != 0 ? askedPort : follow::kDefaultPort;
    how.token = !askedToken.isEmpty() ? askedToken : lastToken;
    // Nobody can follow without a token: a fresh one, for the operator to pass on.
    if (how.token.isEmpty())
        how.token = net::newToken();
    return how;
}

Leading lead(FollowSession &seat, const remote::RemoteControl &remote, quint16 askedPort,
             const QString &askedToken)
{
    Leading how = chooseLeading(askedPort, askedToken, seat.token(), remote.listening() ? remote.port() : 0,
                                remote.token());
    if (!how.refusal.isEmpty())
        return how;
    if (how.throughRemote)
        seat.leadThrough(how.port, how.token);
    else if (!seat.lead(QHostAddress::Any, how.port, how.token, &how.refusal) && how.refusal.isEmpty())
        how.refusal = tr("port %1 cannot be listened on.").arg(how.port);
    return how;
}

} // namespace commandline
