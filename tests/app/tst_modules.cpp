// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Modules.h"
#include "remote/GamepadDevices.h"
#include "remote/MidiDevices.h"
#include "voice/VoiceEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

// The modules as the program loads them, from beside the executable.
class tst_Modules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void voiceFollowsAScript()
    {
        QString error;
        const auto make =
            modules::function<voice::MakeEngine>(QLatin1String(voice::kModule), voice::kMakeEngine, &error);
        QVERIFY2(make, qPrintable(error));
        std::unique_ptr<voice::Engine> engine(make({}));
        const QString script = QStringLiteral("Good evening and welcome to the news.");
        engine->setScript(script);
        QCOMPARE(engine->place(), -1);
        engine->setPlace(int(script.indexOf(QLatin1String("welcome"))) + 2);
        QCOMPARE(engine->place(), int(script.indexOf(QLatin1String("welcome"))));
        QVERIFY(
            modules::function<voice::ListInputs>(QLatin1String(voice::kModule), voice::kListInputs, nullptr));
    }

    void gamepadsOpenAndClose()
    {
        QString error;
        const auto make = modules::function<remote::MakeGamepadDevices>(QLatin1String(remote::kGamepadModule),
                                                                        remote::kMakeGamepadDevices, &error);
        QVERIFY2(make, qPrintable(error));
        std::unique_ptr<remote::GamepadDevices> pads(make());
        const QString why = pads->open();
        QVERIFY2(why.isEmpty(), qPrintable(why));
        pads->poll();
        QVERIFY(pads->names().isEmpty());
        QCOMPARE(pads->axis(12345, 0), 0); // no such controller
        pads->close();
    }

    // Whether this machine has MIDI or not, both ends answer rather than fail.
    void midiAnswers()
    {
        QString error;
        const auto makeIn = modules::function<remote::MakeMidiIn>(QLatin1String(remote::kMidiModule),
                                                                  remote::kMakeMidiIn, &error);
        QVERIFY2(makeIn, qPrintable(error));
        std::unique_ptr<remote::MidiIn> in(makeIn());
        in->open([](const QByteArray &) {});
        in->close();
        const auto makeOut = modules::function<remote::MakeMidiOut>(QLatin1String(remote::kMidiModule),
                                                                    remote::kMakeMidiOut, &error);
        QVERIFY2(makeOut, qPrintable(error));
        std::unique_ptr<remote::MidiOut> out(makeOut());
        out->send(QByteArray("\x90\x3c\x64", 3));
    }

    // A module that is not there is named in the operator's language.
    void aMissingModuleIsNamed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("words");
        QTest::newRow("English") << QString() << "could not be loaded";
        QTest::newRow("German") << "de"
                                << "konnte nicht geladen werden";
    }
    void aMissingModuleIsNamed()
    {
        QFETCH(QString, language);
        QFETCH(QString, words);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(
                translator.load(QStringLiteral("cuescroll_") + language, QStringLiteral(CUESCROLL_QM_DIR)));
            QCoreApplication::installTranslator(&translator);
        }
        QTemporaryDir empty;
        modules::setDirectory(empty.path());
        auto restore = qScopeGuard([] { modules::setDirectory({}); });
        QString error;
        QVERIFY(!modules::function(QStringLiteral("voice"), voice::kMakeEngine, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(empty.filePath(QStringLiteral("voice")))),
                 qPrintable(error));
        QVERIFY2(error.contains(words), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(tst_Modules)
#include "tst_modules.moc"
