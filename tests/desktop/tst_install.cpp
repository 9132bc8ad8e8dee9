// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// `cmake --install` into a fresh prefix, then the installed program, run from there.
class tst_Install : public QObject
{
    Q_OBJECT

    QTemporaryDir m_prefix;

    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }

    static QProcessEnvironment offscreen()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   QDir::tempPath() + QStringLiteral("/cuescroll-install-test"));
        return env;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        QProcess install;
        install.start(QStringLiteral(CUESCROLL_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(CUESCROLL_BUILD_DIR),
                       QStringLiteral("--prefix"), m_prefix.path()});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    }

    void layout_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("program") << "bin/cuescroll";
        QTest::newRow("site file") << "share/cuescroll/Settings.ini";
        QTest::newRow("help page") << "share/cuescroll/cuescroll-help.html";
        QTest::newRow("operator's guide") << "share/doc/cuescroll/operators-guide.md";
        QTest::newRow("remote control API") << "share/doc/cuescroll/remote-api.md";
        QTest::newRow("desktop entry") << "share/applications/org.cuescroll.Cuescroll.desktop";
        QTest::newRow("metainfo") << "share/metainfo/org.cuescroll.Cuescroll.metainfo.xml";
        QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/cuescroll.svg";
        // Loaded from the executable's ../lib/<triplet>/cuescroll when switched on.
        for (const char *module : {"voice", "gamepad", "midi"})
            QTest::newRow(module) << QStringLiteral(CUESCROLL_MODULES "/%1.so").arg(QLatin1String(module));
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString name = QStringLiteral("share/icons/hicolor/%1x%1/apps/cuescroll.png").arg(size);
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void layout()
    {
        QFETCH(QString, path);
        const QFileInfo info(installed(path));
        QVERIFY2(info.isFile(), qPrintable(info.filePath()));
        QVERIFY(info.size() > 0);
        if (path.startsWith(QLatin1String("bin/")))
            QVERIFY(info.isExecutable());
        if (path.endsWith(QLatin1String(".png"))) {
            // The folder names the size the picture must have, and it is not a blank square.
            const int size = path.section(QLatin1Char('/'), 3, 3).section(QLatin1Char('x'), 0, 0).toInt();
            const QImage image(info.filePath());
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(image.hasAlphaChannel());
            QVERIFY(image.pixelColor(size / 2, size / 2).alpha() > 0);
            QCOMPARE(image.pixelColor(0, size - 1).alpha(), 0);
        }
        if (path.endsWith(QLatin1String(".svg"))) {
            QFile svg(info.filePath());
            QVERIFY(svg.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&svg);
            int paths = 0;
            QString viewBox;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("svg"))
                    viewBox = xml.attributes().value(QLatin1String("viewBox")).toString();
                if (xml.name() == QLatin1String("path"))
                    ++paths;
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QCOMPARE(viewBox, QStringLiteral("0 0 16 16"));
            QVERIFY(paths >= 5); // stand, screen, reading line, three lines of script
        }
    }

    // The installed program reads its site file and help page from the installed data folder.
    void findsItsFiles()
    {
        QProcess p;
        p.setProcessEnvironment(offscreen());
        p.start(installed(QStringLiteral("bin/cuescroll")), {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString share = QDir::cleanPath(installed(QStringLiteral("share/cuescroll")));
        QVERIFY2(out.contains(share + QStringLiteral("/Settings.ini")), qPrintable(out));
        QVERIFY2(out.contains(share + QStringLiteral("/cuescroll-help.html")), qPrintable(out));
    }

    void versionAndMistakes()
    {
        QProcess p;
        p.setProcessEnvironment(offscreen());
        p.start(installed(QStringLiteral("bin/cuescroll")), {QStringLiteral("--version")});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().startsWith("cuescroll "));

        p.start(installed(QStringLiteral("bin/cuescroll")), {QStringLiteral("--no-such-option")});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 2);
        QCOMPARE(p.readAllStandardOutput(), QByteArray());
        QCOMPARE(p.readAllStandardError().count('\n'), 1);
    }

    // Started with a script, the installed program comes up with it shown and closes cleanly.
    void startsWithAScript()
    {
        QProcess p;
        QProcessEnvironment env = offscreen();
        env.insert(QStringLiteral("CUESCROLL_SMOKE_TEST"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(installed(QStringLiteral("bin/cuescroll")), {QStringLiteral(CUESCROLL_SAMPLE_SCRIPT)});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), QStringLiteral("408 Words"));
    }
};

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
