// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <unistd.h>

// Cuescroll as a Wayland client of a real compositor: sway, headless, two outputs.
class tst_wayland : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_sway;
    QProcess m_app;
    QProcessEnvironment m_env;

    // The compositor refuses to run as root: it and its clients run as nobody.
    QStringList asUser(QString program, QStringList args) const
    {
        if (::geteuid() != 0)
            return QStringList{program} + args;
        return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                           QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"), program} +
               args;
    }

    QByteArray run(const QString &program, const QStringList &args)
    {
        const QStringList cmd = asUser(program, args);
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(cmd.first(), cmd.mid(1));
        p.waitForFinished(10000);
        return p.readAllStandardOutput();
    }

    void start(QProcess &p, const QString &program, const QStringList &args)
    {
        const QStringList cmd = asUser(program, args);
        p.setProcessEnvironment(m_env);
        // The compositor's own log is noise here; what Cuescroll says is kept.
        if (&p == &m_sway)
            p.setStandardErrorFile(QProcess::nullDevice());
        else
            p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(cmd.first(), cmd.mid(1));
    }

    struct View
    {
        QString output;
        QRect rect;
        bool fullScreen = false;
    };

    // Cuescroll's windows by title, with the output each is on.
    QHash<QString, View> views()
    {
        QHash<QString, View> found;
        const QJsonObject tree =
            QJsonDocument::fromJson(run(QStringLiteral("swaymsg"), {"-t", "get_tree"})).object();
        std::function<void(const QJsonObject &, const QString &)> walk = [&](const QJsonObject &n,
                                                                             QString output) {
            if (n.value(QLatin1String("type")).toString() == QLatin1String("output"))
                output = n.value(QLatin1String("name")).toString();
            if (n.value(QLatin1String("pid")).toInt() > 0) {
                const QJsonObject r = n.value(QLatin1String("rect")).toObject();
                found.insert(
                    n.value(QLatin1String("name")).toString(),
                    {output,
                     QRect(r.value(QLatin1String("x")).toInt(), r.value(QLatin1String("y")).toInt(),
                           r.value(QLatin1String("width")).toInt(), r.value(QLatin1String("height")).toInt()),
                     n.value(QLatin1String("fullscreen_mode")).toInt() == 1});
            }
            for (const char *key : {"nodes", "floating_nodes"}) {
                for (const QJsonValue &c : n.value(QLatin1String(key)).toArray())
                    walk(c.toObject(), output);
            }
        };
        walk(tree, QString());
        return found;
    }

    // What the compositor shows on an output.
    QImage shot(const QString &output)
    {
        const QString path = m_dir.filePath(output + QStringLiteral(".png"));
        QFile::remove(path);
        run(QStringLiteral("grim"), {QStringLiteral("-o"), output, path});
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    }

    // Both outputs, once two shots in a row agree: nothing moves any more.
    QList<QImage> stillShots()
    {
        QList<QImage> last;
        for (int i = 0; i < 40; ++i) {
            const QList<QImage> now{shot(QStringLiteral("HEADLESS-1")), shot(QStringLiteral("HEADLESS-2"))};
            if (now == last)
                return now;
            last = now;
        }
        return {};
    }

    // Moves of the script view recorded in the program's trace: one a frame while it scrolls.
    int moves(const QString &trace)
    {
        QFile f(trace);
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        return int(f.readAll().count("\nY "));
    }

    void keys(const QStringList &names)
    {
        run(QStringLiteral("swaymsg"), {QStringLiteral("[title=\"^Cuescroll$\"] focus")});
        // A new virtual keyboard's first keys may come before its keymap.
        QStringList args{QStringLiteral("-s"), QStringLiteral("400")};
        for (const QString &k : names)
            args << QStringLiteral("-k") << k << QStringLiteral("-s") << QStringLiteral("60");
        run(QStringLiteral("wtype"), args);
    }

    void cleanupApp()
    {
        if (m_app.state() == QProcess::NotRunning)
            return;
        m_app.terminate();
        if (!m_app.waitForFinished(5000))
            m_app.kill();
        m_app.waitForFinished(5000);
    }

    View prompter() { return views().value(QStringLiteral("Cuescroll")); }
    View talent() { return views().value(QStringLiteral("Talent screen")); }

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *tool : {"sway", "swaymsg", "wtype", "grim"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QFAIL(qPrintable(QStringLiteral("needs %1: scripts/install-deps --tests installs it")
                                     .arg(QLatin1String(tool))));
        }
        QVERIFY(m_dir.isValid());
        const QString runtime = m_dir.filePath(QStringLiteral("run"));
        const QString config = m_dir.filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(config));
        QFile cfg(m_dir.filePath(QStringLiteral("sway.cfg")));
        QVERIFY(cfg.open(QIODevice::WriteOnly));
        cfg.write("output HEADLESS-1 mode 1920x1080 position 0 0\n"
                  "output HEADLESS-2 mode 1280x720 position 1920 0\n"
                  "xwayland disable\ndefault_border none\n");
        cfg.close();
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (::geteuid() == 0) {
            for (const QString &p : {m_dir.path(), runtime, config, cfg.fileName()})
                QVERIFY(::chown(QFile::encodeName(p).constData(), 65534, 65534) == 0);
        }

        m_env = QProcessEnvironment::systemEnvironment();
        m_env.remove(QStringLiteral("DISPLAY"));
        m_env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        m_env.insert(QStringLiteral("HOME"), m_dir.path());
        m_env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        m_env.insert(QStringLiteral("WLR_HEADLESS_OUTPUTS"), QStringLiteral("2"));
        m_env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        m_env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        start(m_sway, QStringLiteral("sway"), {QStringLiteral("-c"), cfg.fileName()});
        const QDir dir(runtime);
        const auto socket = [&dir](const QString &pattern) {
            const QStringList names = dir.entryList({pattern}, QDir::System);
            return names.isEmpty() ? QString() : dir.absoluteFilePath(names.first());
        };
        QTRY_VERIFY_WITH_TIMEOUT(!socket(QStringLiteral("sway-ipc.*.sock")).isEmpty(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!socket(QStringLiteral("wayland-?")).isEmpty(), 10000);
        m_env.insert(QStringLiteral("SWAYSOCK"), socket(QStringLiteral("sway-ipc.*.sock")));
        m_env.insert(QStringLiteral("WAYLAND_DISPLAY"),
                     QFileInfo(socket(QStringLiteral("wayland-?"))).fileName());
        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    }

    // Started with the desktop's focus on the talent output: the prompter's window ends on the other
    // output, shown, and the talent window full screen on its own.
    void prompterKeepsOffTheTalentOutput()
    {
        run(QStringLiteral("swaymsg"), {QStringLiteral("focus output HEADLESS-2")});
        start(m_app, QStringLiteral(CUESCROLL_BINARY),
              {QStringLiteral("--talent-screen"), QStringLiteral("HEADLESS-2")});
        QTRY_VERIFY_WITH_TIMEOUT(talent().fullScreen && prompter().output == QLatin1String("HEADLESS-1") &&
                                     !prompter().fullScreen,
                                 15000);
        QCOMPARE(talent().output, QStringLiteral("HEADLESS-2"));
        QCOMPARE(prompter().rect.size(), QSize(1920, 1080));
    }

    // F9 is the compositor's full screen, and F9 again gives the window back.
    void f9IsFullScreen()
    {
        QVERIFY(m_app.state() == QProcess::Running);
        run(QStringLiteral("swaymsg"), {QStringLiteral("[title=\"^Cuescroll$\"] focus")});
        const QStringList f9{QStringLiteral("-s"), QStringLiteral("400"), QStringLiteral("-k"),
                             QStringLiteral("F9"), QStringLiteral("-s"),  QStringLiteral("300")};
        run(QStringLiteral("wtype"), f9);
        QTRY_VERIFY_WITH_TIMEOUT(prompter().fullScreen, 10000);
        QCOMPARE(prompter().output, QStringLiteral("HEADLESS-1"));
        run(QStringLiteral("wtype"), f9);
        QTRY_VERIFY_WITH_TIMEOUT(!prompter().fullScreen, 10000);
        QVERIFY(talent().fullScreen);
    }

    // After 300 frames of scrolling, what both outputs show of the script (moved by the compositor
    // from buffers made ready a slice at a time) is what a fresh drawing of the same place shows.
    void scrolledPictureIsAFreshOne()
    {
        cleanupApp();
        QFile script(m_dir.filePath(QStringLiteral("script.txt")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        const QByteArray words("good evening and welcome to the news at nine tonight we look at the harbour "
                               "project the weather and a remarkable story from the valley where the river "
                               "has changed its course ");
        for (int i = 0; i < 400; ++i)
            script.write(words + (i % 3 == 0 ? "\n" : ""));
        script.close();
        QFile::setPermissions(script.fileName(), QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup);
        const QString trace = m_dir.filePath(QStringLiteral("trace"));
        QProcessEnvironment env = m_env;
        env.insert(QStringLiteral("CUESCROLL_TRACE"), trace);
        m_app.setProcessEnvironment(env);
        run(QStringLiteral("swaymsg"), {QStringLiteral("focus output HEADLESS-1")});
        const QStringList cmd =
            asUser(QStringLiteral(CUESCROLL_BINARY),
                   {QStringLiteral("--talent-screen"), QStringLiteral("HEADLESS-2"), script.fileName()});
        m_app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_app.start(cmd.first(), cmd.mid(1));
        QTRY_VERIFY_WITH_TIMEOUT(talent().fullScreen && prompter().output == QLatin1String("HEADLESS-1"),
                                 15000);

        const QList<QImage> before = stillShots();
        QCOMPARE(before.size(), 2);
        // The highest speed, and 900 moves (over 300 frames): both windows go through several buffers.
        QStringList start{QStringLiteral("F4")};
        for (int i = 1; i < 16; ++i)
            start << QStringLiteral("Right");
        keys(start << QStringLiteral("space"));
        QTRY_VERIFY_WITH_TIMEOUT(moves(trace) >= 900, 40000);
        keys({QStringLiteral("space")});
        const QList<QImage> scrolled = stillShots();
        QCOMPARE(scrolled.size(), 2);

        // Shorter and back: the viewport's new size has everything drawn anew, the script where it was.
        const QString window = QStringLiteral("[title=\"^Cuescroll$\"] ");
        run(QStringLiteral("swaymsg"), {window + QStringLiteral("floating enable, resize set 1920 800")});
        QTRY_COMPARE_WITH_TIMEOUT(prompter().rect.height(), 800, 10000);
        run(QStringLiteral("swaymsg"), {window + QStringLiteral("floating disable")});
        QTRY_COMPARE_WITH_TIMEOUT(prompter().rect.size(), QSize(1920, 1080), 10000);
        const QList<QImage> fresh = stillShots();
        QCOMPARE(fresh.size(), 2);
        // The prompter's script area (its panel below tells the time), and all the talent output.
        const QRect area(0, 0, 1920, 900);
        QVERIFY(scrolled[0].copy(area) != before[0].copy(area));
        QCOMPARE(fresh[0].copy(area), scrolled[0].copy(area));
        QVERIFY(scrolled[1] != before[1]);
        QCOMPARE(fresh[1], scrolled[1]);
    }

    void cleanupTestCase()
    {
        for (QProcess *p : {&m_app, &m_sway}) {
            if (p->state() == QProcess::NotRunning)
                continue;
            p->terminate();
            if (!p->waitForFinished(5000))
                p->kill();
            p->waitForFinished(5000);
        }
    }
};

QTEST_GUILESS_MAIN(tst_wayland)
#include "tst_wayland.moc"
