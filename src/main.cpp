// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/frmMain.h"
#include "app/gui/PrompterControls.h"
#include "common/Platform.h"
#include "common/Trace.h"
#include "common/Translations.h"
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "follow/FollowSession.h"
#include "mos/MosControl.h"
#include "remote/gui/RemoteControl.h"
#include "settings/Settings.h"
#include "studio/Studio.h"
#include "ui/Dialogs.h"
#include "voice/gui/VoiceFollowing.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

void nameTheProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Cuescroll"));
    QCoreApplication::setApplicationName(QStringLiteral("Cuescroll"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CUESCROLL_VERSION));
}

QList<QByteArray> argumentsOf(int argc, char *argv[])
{
    QList<QByteArray> out;
    for (int i = 0; i < argc; ++i)
        out << QByteArray(argv[i]);
    return out;
}

int printed(const commandline::Request &request)
{
    const QByteArray text = request.output.toLocal8Bit();
    std::fputs(text.constData(), request.toStdErr() ? stderr : stdout);
    return request.exitCode;
}

// The smoke test runs unattended: a message goes to standard error instead of waiting for an OK.
class PrintedMessages final : public Dialogs
{
public:
    void message(QWidget *, Icon, const QString &title, const QString &text) override
    {
        std::fputs(qPrintable(title + QStringLiteral(": ") + text + QLatin1Char('\n')), stderr);
    }
    // Nobody is there to agree.
    bool confirm(QWidget *parent, const QString &title, const QString &text, const QString &) override
    {
        message(parent, Icon::Information, title, text);
        return false;
    }
    QString openFileName(QWidget *parent, const QString &title, const QString &dir,
                         const QString &filter) override
    {
        return system().openFileName(parent, title, dir, filter);
    }
    QString saveFileName(QWidget *parent, const QString &title, const QString &dir,
                         const QString &filter) override
    {
        return system().saveFileName(parent, title, dir, filter);
    }
    std::optional<QColor> color(QWidget *parent, const QColor &initial, const QString &title) override
    {
        return system().color(parent, initial, title);
    }
    std::optional<FontChoice> font(QWidget *parent, const FontChoice &initial, const QString &title) override
    {
        return system().font(parent, initial, title);
    }
    int showModal(QWidget &window) override { return system().showModal(window); }
};

} // namespace

int main(int argc, char *argv[])
{
    const QList<QByteArray> given = argumentsOf(argc, argv);
    std::optional<commandline::Request> request;
    // --help, --version and mistakes need no display; Qt's own window options do, and only
    // QApplication knows them.
    if (std::none_of(given.begin(), given.end(), commandline::isToolkitOption)) {
        int probeArgc = argc;
        QCoreApplication probe(probeArgc, argv);
        nameTheProgram();
        translations::install(probe);
        request = commandline::parse(given);
        if (request->action == commandline::Request::Action::Print)
            return printed(*request);
    }

    QApplication app(argc, argv);
    nameTheProgram();
    translations::install(app);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.cuescroll.Cuescroll"));
    if (!request) {
        request = commandline::parse(argumentsOf(argc, argv));
        if (request->action == commandline::Request::Action::Print)
            return printed(*request);
    }

    const bool smokeTest = qEnvironmentVariableIsSet("CUESCROLL_SMOKE_TEST");
    // A script arriving while the prompter runs is laid out on a worker, and the frames go on.
    PrompterControls::setPrepareAway(true);
    PrintedMessages printedMessages;
    Settings settings;
    // The services first, listening as the settings say and then as the command line asks; the
    // window shows them.
    app::Application services(Platform::system(),
                              smokeTest ? static_cast<Dialogs &>(printedMessages) : Dialogs::system(),
                              settings);
    services.startServices();
    if (request->remote) {
        remote::RemoteControl &remote = services.remote();
        // One address only, where a test or a locked-down machine asks for it.
        if (const QString at = qEnvironmentVariable("CUESCROLL_REMOTE_ADDRESS"); !at.isEmpty())
            remote.setAddress(QHostAddress(at));
        if (remote.startForRun(request->remotePort, request->osc)) {
            const QStringList pages = remote.pageAddresses();
            std::fputs(
                qPrintable(QCoreApplication::translate("main", "Remote control: %1\n").arg(pages.first())),
                stdout);
            for (qsizetype i = 1; i < pages.size(); ++i)
                std::fputs(qPrintable(QCoreApplication::translate("main", "  also: %1\n").arg(pages.at(i))),
                           stdout);
            std::fflush(stdout);
        } else {
            std::fputs(qPrintable(QCoreApplication::translate("main", "cuescroll: remote control: %1\n")
                                      .arg(remote.error())),
                       stderr);
        }
    }
    if (request->mos) {
        mos::MosControl &newsroom = services.mos();
        if (newsroom.startForRun(request->mosPort))
            std::fputs(
                qPrintable(QCoreApplication::translate("main", "Newsroom system (MOS): ports %1 and %2\n")
                               .arg(newsroom.device().lowerPort())
                               .arg(newsroom.device().upperPort())),
                stdout);
        else
            std::fputs(qPrintable(QCoreApplication::translate("main", "cuescroll: newsroom system: %1\n")
                                      .arg(newsroom.error())),
                       stderr);
        std::fflush(stdout);
    }
    // Before the window is made, so that a prompter that cannot lead as asked never appears.
    if (request->lead) {
        const commandline::Leading how =
            commandline::lead(services.follow(), services.remote(), request->leadPort, request->token);
        if (!how.refusal.isEmpty()) {
            std::fputs(
                qPrintable(
                    QCoreApplication::translate("main", "cuescroll: cannot lead: %1\n").arg(how.refusal)),
                stderr);
            return 1;
        }
        std::fputs(qPrintable((how.throughRemote
                                   ? QCoreApplication::translate(
                                         "main", "Leading through the remote control: port %1, token %2\n")
                                   : QCoreApplication::translate("main", "Leading: port %1, token %2\n"))
                                  .arg(how.port)
                                  .arg(how.token)),
                   stdout);
        std::fflush(stdout);
    }
    frmMain window(services);
    QObject::connect(&window, &frmMain::unloaded, &app, &QCoreApplication::quit);
    trace::watchEventLoop(&window);
    window.showMaximized();
    if (request->talentScreen || request->mirror || request->countdown) {
        StudioOptions studio = window.studio()->options();
        if (request->talentScreen)
            studio.talentScreen = *request->talentScreen;
        studio.mirrorPrompter = studio.mirrorPrompter || request->mirror;
        if (request->countdown)
            studio.countdownSeconds = *request->countdown;
        window.studio()->setOptions(studio);
    }
    if (!request->voiceInput.isEmpty())
        window.voice()->setRecording(request->voiceInput);
    if (request->voice)
        window.voice()->setOn(true);
    if (request->follow)
        services.follow().follow(QUrl(*request->follow), request->token);
    if (!request->file.isEmpty()) {
        // Once the window is up, so that a message about the file has a window to stand over.
        QTimer::singleShot(0, &window, [&window, file = request->file] {
            window.core().command({run::Verb::OpenScript, 0, 0, 0, file});
        });
    }
    // bench/measure-gui --arrive: after so many milliseconds a script is opened, as a drop opens one.
    if (const QString arrive = qEnvironmentVariable("CUESCROLL_BENCH_OPEN");
        trace::enabled() && arrive.contains(QLatin1Char(' '))) {
        const qsizetype space = arrive.indexOf(QLatin1Char(' '));
        QTimer::singleShot(arrive.left(space).toInt(), &window, [&window, file = arrive.mid(space + 1)] {
            trace::record('O');
            window.core().command({run::Verb::OpenScript, 0, 0, 0, file});
        });
    }
    if (!request->show.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, show = request->show] { window.OpenShow(show); });
    }
    // A smoke test of an installed copy: start up, open the script, say its word count and leave.
    if (smokeTest) {
        const auto report = [&window] {
            std::fputs(qPrintable(window.lblWords->text() + QLatin1Char('\n')), stdout);
            window.close();
        };
        if (request->file.isEmpty())
            QTimer::singleShot(0, &window, report);
        else
            QObject::connect(&window, &frmMain::openingEnded, &window, report, Qt::QueuedConnection);
    }
    return app.exec();
}
