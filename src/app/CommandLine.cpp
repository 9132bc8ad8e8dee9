// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "common/LocalPath.h"
#include "common/ProgramFiles.h"
#include "follow/FollowLink.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>

namespace commandline {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("commandline", text);
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

Request mistake(const QString &what)
{
    return print(
        programName() + QStringLiteral(": ") + what + QLatin1Char(' ') + tr("(see cuescroll --help)"), 2);
}

QString helpText(QCommandLineParser &parser)
{
    QString text = parser.helpText();
    // The parser names the program by the path it was started with.
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    text.replace(0, lineEnd, tr("Usage: cuescroll [options] [FILE]"));
    text += QLatin1Char('\n') +
            tr("FILE is shown in the prompter as if it had been opened in the script editor and\n"
               "taken with Done: plain text, Rich Text Format, .docx, .odt or .doc.\n");
    text += QLatin1Char('\n') + tr("Files:\n");
    text += QStringLiteral("  %1\n").arg(
        QDir::toNativeSeparators(programfiles::locate(QStringLiteral("Settings.ini"))));
    text += QStringLiteral("  %1\n").arg(
        QDir::toNativeSeparators(programfiles::locate(QStringLiteral("cuescroll-help.html"))));
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
    const QCommandLineOption followOption(
        QStringLiteral("follow"),
        tr("Follow the prompter leading at HOST (port 8777 unless given): its script, look and run are "
           "shown here and the keys drive it."),
        QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption lead(QStringLiteral("lead"), tr("Let other prompters follow this one."));
    const QCommandLineOption leadPort(QStringLiteral("lead-port"),
                                      tr("The port followers reach this prompter on (8777 unless given)."),
                                      QStringLiteral("PORT"));
    const QCommandLineOption token(
        QStringLiteral("token"),
        tr("The leader's token, for --follow and --lead (else CUESCROLL_REMOTE_TOKEN)."),
        QStringLiteral("TOKEN"));
    parser.addOptions({talent, mirror, countdown, followOption, lead, leadPort, token});
    parser.addPositionalArgument(QStringLiteral("FILE"), tr("The script to show."), QStringLiteral("[FILE]"));

    if (!parser.parse(decoded))
        return mistake(parser.errorText().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return print(helpText(parser), 0);
    if (parser.isSet(version))
        return print(programName() + QLatin1Char(' ') + QCoreApplication::applicationVersion(), 0);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return mistake(tr("one script at a time, %1 given.").arg(files.size()));

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
    if (files.size() == 1) {
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

} // namespace commandline
