// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Modules.h"
#include "remote/GamepadInput.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <SDL.h>

using remote::GamepadBinding;
using remote::Verb;

// The controllers' map and speeds, and the module missing, without a prompter.
class tst_GamepadInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapIsRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        const QString defaults = remote::gamepadMapText(remote::defaultGamepadMap());
        QTest::newRow("as written") << "a=start dpleft=slower lefty=speed"
                                    << "a=start dpleft=slower lefty=speed";
        QTest::newRow("unreadable left out") << "a=start b=dance c=stop lefty=toggle x"
                                             << "a=start";
        QTest::newRow("empty: defaults") << "" << defaults;
        QTest::newRow("nothing readable: defaults") << "q=start" << defaults;
    }

    void mapIsRead()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        QCOMPARE(remote::gamepadMapText(remote::parseGamepadMap(text)), read);
    }

    // The map is read and written without SDL: its names and numbers must be SDL's own.
    void namesAreSdls_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
            const char *name = SDL_GameControllerGetStringForButton(SDL_GameControllerButton(b));
            QTest::addRow("button %s", name)
                << int(GamepadBinding::Kind::Button) << b << QString::fromLatin1(name);
        }
        for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a) {
            const char *name = SDL_GameControllerGetStringForAxis(SDL_GameControllerAxis(a));
            QTest::addRow("axis %s", name)
                << int(GamepadBinding::Kind::Axis) << a << QString::fromLatin1(name);
        }
    }

    void namesAreSdls()
    {
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(QString, name);
        const auto k = GamepadBinding::Kind(kind);
        const Verb verb = k == GamepadBinding::Kind::Axis ? Verb::Speed : Verb::Stop;
        const QString entry = name + (k == GamepadBinding::Kind::Axis ? "=speed" : "=stop");
        QCOMPARE(remote::gamepadMapText({{k, index, verb}}), entry);
        QCOMPARE(remote::parseGamepadMap(entry), remote::GamepadMap({{k, index, verb}}));
        // As SDL reads them: whatever the case, and an axis with the half it means.
        QCOMPARE(
            remote::parseGamepadMap(entry.toUpper().replace("=SPEED", "=speed").replace("=STOP", "=stop")),
            remote::GamepadMap({{k, index, verb}}));
        if (k == GamepadBinding::Kind::Axis)
            QCOMPARE(remote::parseGamepadMap("+" + entry), remote::GamepadMap({{k, index, verb}}));
    }

    void axisGivesSpeed_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("speed");
        QTest::newRow("trigger at rest") << int(SDL_CONTROLLER_AXIS_TRIGGERRIGHT) << 0 << 1;
        QTest::newRow("trigger full") << int(SDL_CONTROLLER_AXIS_TRIGGERRIGHT) << 32767 << 16;
        QTest::newRow("stick one end") << int(SDL_CONTROLLER_AXIS_LEFTY) << -32768 << 1;
        QTest::newRow("stick centred") << int(SDL_CONTROLLER_AXIS_LEFTY) << 0 << 9;
        QTest::newRow("stick other end") << int(SDL_CONTROLLER_AXIS_LEFTY) << 32767 << 16;
    }

    void axisGivesSpeed()
    {
        QFETCH(int, axis);
        QFETCH(int, value);
        QFETCH(int, speed);
        QCOMPARE(remote::speedOfAxis({GamepadBinding::Kind::Axis, axis, Verb::Speed}, value), speed);
    }

    // Without SDL's module no controller is read and the remote control says why.
    void aMissingModuleIsTold()
    {
        QTemporaryDir empty;
        modules::setDirectory(empty.path());
        auto restore = qScopeGuard([] { modules::setDirectory({}); });
        remote::GamepadInput pads;
        QVERIFY(!pads.open());
        QVERIFY(!pads.isOpen());
        QVERIFY2(pads.error().contains(QDir::toNativeSeparators(empty.filePath(QStringLiteral("gamepad")))),
                 qPrintable(pads.error()));
        pads.poll();
        QVERIFY(pads.controllers().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_GamepadInput)
#include "tst_gamepadinput.moc"
