// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using commandline::Request;

class tst_CommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QByteArray script(const QByteArray &name)
    {
        const QByteArray path = QFile::encodeName(m_dir.path()) + '/' + name;
        QFile f(QFile::decodeName(path));
        if (QFile::encodeName(f.fileName()) == path && f.open(QIODevice::WriteOnly))
            f.write("Good evening.\n");
        return path;
    }

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3")); }

    void parse_data()
    {
        QTest::addColumn<QList<QByteArray>>("args");
        QTest::addColumn<int>("exitCode"); // -1: the prompter runs
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("says");

        const QByteArray plain = script("news.txt");
        const QByteArray spaced = script("evening news (final).txt");
        QTest::newRow("no file") << QList<QByteArray>{"cuescroll"} << -1 << ""
                                 << "";
        QTest::newRow("a file") << QList<QByteArray>{"cuescroll", plain} << -1 << QFile::decodeName(plain)
                                << "";
        QTest::newRow("spaces") << QList<QByteArray>{"cuescroll", spaced} << -1 << QFile::decodeName(spaced)
                                << "";
        QTest::newRow("after --") << QList<QByteArray>{"cuescroll", "--", "-dash.txt"} << -1 << "-dash.txt"
                                  << "";
        // The window reports it once it is up.
        QTest::newRow("missing file")
            << QList<QByteArray>{"cuescroll", "/nonexistent/x.txt"} << -1 << "/nonexistent/x.txt"
            << "";
        QTest::newRow("empty name") << QList<QByteArray>{"cuescroll", ""} << -1 << ""
                                    << "";
        // A show of two stories, not one script.
        QTest::newRow("two files") << QList<QByteArray>{"cuescroll", plain, spaced} << -1 << ""
                                   << "";
        QTest::newRow("--help") << QList<QByteArray>{"cuescroll", "--help"} << 0 << ""
                                << "[FILE]";
        QTest::newRow("--help-all") << QList<QByteArray>{"cuescroll", "--help-all"} << 0 << ""
                                    << "[FILE]";
        QTest::newRow("-h with a file") << QList<QByteArray>{"cuescroll", plain, "-h"} << 0 << ""
                                        << "--version";
        QTest::newRow("--version") << QList<QByteArray>{"cuescroll", "--version"} << 0 << ""
                                   << "cuescroll 1.2.3";
        QTest::newRow("unknown option") << QList<QByteArray>{"cuescroll", "--speed=9", plain} << 2 << ""
                                        << "Unknown option 'speed'";
        QTest::newRow("unknown short") << QList<QByteArray>{"cuescroll", "-x"} << 2 << ""
                                       << "Unknown option 'x'";
        QTest::newRow("follow a web page")
            << QList<QByteArray>{"cuescroll", "--follow", "http://studio"} << 2 << ""
            << "--follow takes a prompter's address";
        QTest::newRow("lead and follow")
            << QList<QByteArray>{"cuescroll", "--lead", "--follow", "studio"} << 2 << ""
            << "--lead and --follow";
        QTest::newRow("lead on port 0")
            << QList<QByteArray>{"cuescroll", "--lead", "--lead-port", "0"} << 2 << ""
            << "--lead-port takes a port";
    }

    // The leader's address and token: the token from the command line before the environment's.
    void followOptions()
    {
        qputenv("CUESCROLL_REMOTE_TOKEN", "from-env");
        const Request byEnv = commandline::parse({"cuescroll", "--follow", "studio-a:9000"});
        QCOMPARE(byEnv.follow.value_or(QString()), QStringLiteral("ws://studio-a:9000/api/v1/follow"));
        QCOMPARE(byEnv.token, QStringLiteral("from-env"));
        const Request given = commandline::parse({"cuescroll", "--lead", "--token", "given"});
        QVERIFY(given.lead && !given.follow);
        QCOMPARE(given.token, QStringLiteral("given"));
        qunsetenv("CUESCROLL_REMOTE_TOKEN");
    }

    // Several files, a folder or a rundown file make a show, in the order given; one file stays one script.
    void severalFilesMakeAShow()
    {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        const Request two = commandline::parse({"cuescroll", "b.txt", "a.rtf"});
        QCOMPARE(two.show, (QStringList{QStringLiteral("b.txt"), QStringLiteral("a.rtf")}));
        QVERIFY(two.file.isEmpty());
        QCOMPARE(commandline::parse({"cuescroll", folder}).show, QStringList{dir.path()});
        QCOMPARE(commandline::parse({"cuescroll", "news.cuerundown"}).show, QStringList{"news.cuerundown"});
        const Request one = commandline::parse({"cuescroll", "a.txt"});
        QVERIFY(one.show.isEmpty());
        QCOMPARE(one.file, QStringLiteral("a.txt"));
    }

    void parse()
    {
        QFETCH(QList<QByteArray>, args);
        QFETCH(int, exitCode);
        QFETCH(QString, file);
        QFETCH(QString, says);
        const Request r = commandline::parse(args);
        if (exitCode < 0) {
            QCOMPARE(r.action, Request::Action::Run);
            QCOMPARE(r.file, file);
            return;
        }
        QCOMPARE(r.action, Request::Action::Print);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.toStdErr(), exitCode != 0);
        QVERIFY2(r.output.contains(says), qPrintable(r.output));
        QVERIFY(r.output.endsWith(QLatin1Char('\n')));
        if (exitCode == 2) {
            QCOMPARE(r.output.count(QLatin1Char('\n')), 1);
            QVERIFY(r.output.startsWith(QStringLiteral("cuescroll: ")));
        }
    }

    // The help names the files the program reads, so that a site can find what to edit.
    void helpNamesTheSiteFiles()
    {
        const Request r = commandline::parse({"cuescroll", "--help"});
        QVERIFY(r.output.startsWith(QStringLiteral("Usage: cuescroll [options] [FILE]...\n")));
        QVERIFY(r.output.contains(QStringLiteral("Settings.ini")));
        QVERIFY(r.output.contains(QStringLiteral("cuescroll-help.html")));
    }

    // A name that is not UTF-8 still opens the file it names.
    void latin1Name()
    {
        const QByteArray raw = QFile::encodeName(m_dir.path()) + "/caf\xe9.txt";
        {
            // Written by bytes: QFile cannot name this file.
            FILE *f = std::fopen(raw.constData(), "wb");
            QVERIFY(f);
            std::fputs("Bonsoir.\n", f);
            std::fclose(f);
        }
        const Request r = commandline::parse({"cuescroll", raw});
        QCOMPARE(r.action, Request::Action::Run);
        QFile opened(r.file);
        QVERIFY2(opened.open(QIODevice::ReadOnly), qPrintable(r.file));
        QCOMPARE(opened.readAll(), QByteArray("Bonsoir.\n"));
        QVERIFY(r.file.endsWith(QStringLiteral(".txt")));
        std::remove(raw.constData()); // QTemporaryDir cannot name it either
    }

    // --remote takes its port only after "=", so that a script named after it is still opened.
    void remote_data()
    {
        QTest::addColumn<QList<QByteArray>>("args");
        QTest::addColumn<int>("port"); // 0: the stored one; -1: a mistake
        QTest::addColumn<bool>("osc");
        QTest::addColumn<bool>("withFile");
        const QByteArray plain = script("news.txt");
        QTest::newRow("--remote") << QList<QByteArray>{"cuescroll", "--remote"} << 0 << false << false;
        QTest::newRow("then a script")
            << QList<QByteArray>{"cuescroll", "--remote", plain} << 0 << false << true;
        QTest::newRow("=PORT") << QList<QByteArray>{"cuescroll", "--remote=9000", plain} << 9000 << false
                               << true;
        QTest::newRow("--osc") << QList<QByteArray>{"cuescroll", "--osc"} << 0 << true << false;
        QTest::newRow("port 0") << QList<QByteArray>{"cuescroll", "--remote=0"} << -1 << false << false;
        QTest::newRow("port 70000") << QList<QByteArray>{"cuescroll", "--remote=70000"} << -1 << false
                                    << false;
        QTest::newRow("no number") << QList<QByteArray>{"cuescroll", "--remote=http"} << -1 << false << false;
        QTest::newRow("space PORT") << QList<QByteArray>{"cuescroll", "--remote", "23430"} << 23430 << false
                                    << false;
        QTest::newRow("space PORT, script")
            << QList<QByteArray>{"cuescroll", "--remote", "23430", plain} << 23430 << false << true;
        QTest::newRow("-- then a number")
            << QList<QByteArray>{"cuescroll", "--remote", "--", "23430"} << 0 << false << true;
    }

    void remote()
    {
        QFETCH(QList<QByteArray>, args);
        QFETCH(int, port);
        QFETCH(bool, osc);
        QFETCH(bool, withFile);
        const Request r = commandline::parse(args);
        if (port < 0) {
            QCOMPARE(r.exitCode, 2);
            QVERIFY2(r.output.contains(QLatin1String("--remote")), qPrintable(r.output));
            return;
        }
        QCOMPARE(r.action, Request::Action::Run);
        QVERIFY(r.remote);
        QCOMPARE(r.remotePort.value_or(0), port);
        QCOMPARE(r.osc, osc);
        QCOMPARE(!r.file.isEmpty(), withFile);
    }

    // --mos=PORT takes the lower port; the upper is the next one, so the last port cannot be it.
    void mos_data()
    {
        QTest::addColumn<QList<QByteArray>>("args");
        QTest::addColumn<int>("port"); // 0: the stored one; -1: a mistake
        QTest::addColumn<bool>("withFile");
        const QByteArray plain = script("news.txt");
        QTest::newRow("--mos, then a script") << QList<QByteArray>{"cuescroll", "--mos", plain} << 0 << true;
        QTest::newRow("=PORT") << QList<QByteArray>{"cuescroll", "--mos=20540"} << 20540 << false;
        QTest::newRow("the last port") << QList<QByteArray>{"cuescroll", "--mos=65535"} << -1 << false;
        QTest::newRow("no number") << QList<QByteArray>{"cuescroll", "--mos=ncs"} << -1 << false;
    }

    void mos()
    {
        QFETCH(QList<QByteArray>, args);
        QFETCH(int, port);
        QFETCH(bool, withFile);
        const Request r = commandline::parse(args);
        if (port < 0) {
            QCOMPARE(r.exitCode, 2);
            QVERIFY2(r.output.contains(QLatin1String("--mos")), qPrintable(r.output));
            return;
        }
        QVERIFY(r.mos);
        QCOMPARE(r.mosPort.value_or(0), port);
        QCOMPARE(!r.file.isEmpty(), withFile);
    }

    // What an operator starting from the help must not miss.
    void helpExplains_data()
    {
        QTest::addColumn<QString>("says");
        for (const char *says :
             {"--remote[=PORT] ", "--mos[=PORT] ", "--remote PORT: on that port", "--token is not for it",
              "a token is made up", "CUESCROLL_REMOTE_TOKEN); not for --remote"})
            QTest::newRow(says) << QString::fromLatin1(says);
    }
    void helpExplains()
    {
        QFETCH(QString, says);
        const QString help = commandline::parse({"cuescroll", "--help"}).output.simplified();
        QVERIFY2(help.contains(says), qPrintable(help));
    }

    // --lead and the menu decide alike; a token given is never silently swapped for another.
    void leading_data()
    {
        QTest::addColumn<int>("askedPort");
        QTest::addColumn<QString>("askedToken");
        QTest::addColumn<QString>("lastToken");
        QTest::addColumn<int>("remotePort"); // 0: the remote control is off
        QTest::addColumn<int>("port");       // 0: refused
        QTest::addColumn<QString>("token");  // "?": made up
        QTest::addColumn<bool>("throughRemote");
        QTest::newRow("alone, no token") << 0 << ""
                                         << "" << 0 << 8777 << "?" << false;
        QTest::newRow("alone, the last token") << 0 << ""
                                               << "last" << 0 << 8777 << "last" << false;
        QTest::newRow("remote on, no token") << 0 << ""
                                             << "last" << 8777 << 8777 << "R" << true;
        QTest::newRow("remote on, its token") << 0 << "R"
                                              << "" << 9100 << 9100 << "R" << true;
        QTest::newRow("remote on, another token") << 0 << "SECRET"
                                                  << "" << 8777 << 0 << "" << false;
        QTest::newRow("remote's port, another token") << 9100 << "SECRET"
                                                      << "" << 9100 << 0 << "" << false;
        QTest::newRow("own port beside the remote, given") << 9000 << "SECRET"
                                                           << "" << 8777 << 9000 << "SECRET" << false;
    }
    void leading()
    {
        QFETCH(int, askedPort);
        QFETCH(QString, askedToken);
        QFETCH(QString, lastToken);
        QFETCH(int, remotePort);
        QFETCH(int, port);
        QFETCH(QString, token);
        QFETCH(bool, throughRemote);
        const commandline::Leading how = commandline::chooseLeading(quint16(askedPort), askedToken, lastToken,
                                                                    quint16(remotePort), QStringLiteral("R"));
        QCOMPARE(how.refusal.contains(QLatin1String("--token")), port == 0);
        QCOMPARE(how.port, port);
        QCOMPARE(how.throughRemote, throughRemote);
        QVERIFY(token == QLatin1String("?") ? how.token.size() >= 8 && how.token != lastToken
                                            : how.token == token);
    }

    void toolkitOptions_data()
    {
        QTest::addColumn<QByteArray>("arg");
        QTest::addColumn<bool>("toolkit");
        QTest::newRow("-platform") << QByteArray("-platform") << true;
        QTest::newRow("--style=fusion") << QByteArray("--style=fusion") << true;
        QTest::newRow("-reverse") << QByteArray("-reverse") << true;
        QTest::newRow("--help") << QByteArray("--help") << false;
        QTest::newRow("a file") << QByteArray("platform.txt") << false;
    }
    void toolkitOptions()
    {
        QFETCH(QByteArray, arg);
        QFETCH(bool, toolkit);
        QCOMPARE(commandline::isToolkitOption(arg), toolkit);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
