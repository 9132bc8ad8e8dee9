// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "common/Modules.h"
#include "core/PrompterCore.h"
#include "remote/GamepadInput.h"
#include "remote/gui/RemoteControl.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <SDL.h>

using remote::GamepadBinding;
using remote::Verb;

class tst_Gamepad : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_siteDir;

private Q_SLOTS:
    void init() { startFresh(m_settings, m_platform, m_dialogs, m_siteDir); }

    // A controller plugged in while the prompter runs: its button starts the prompter, its trigger
    // sets the speed, and unplugged it is let go.
    void virtualControllerDrivesThePrompter()
    {
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(200));
        w->core().takeScript(scriptOfLines(200));
        remote::GamepadInput &pads = w->remote().gamepads();
        QVERIFY(pads.open());

        const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                                     SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
        QVERIFY2(device >= 0, SDL_GetError());
        SDL_Joystick *stick = SDL_JoystickOpen(device);
        QVERIFY2(stick, SDL_GetError());
        pads.poll();
        QCOMPARE(pads.controllers().size(), 1);

        QVERIFY(!w->core().running());
        SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 1);
        pads.poll();
        QVERIFY(w->core().running());
        SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, 0);
        pads.poll();
        QVERIFY(w->core().running()); // the release is no second press

        SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MAX);
        pads.poll();
        QCOMPARE(w->core().speed(), 16);

        SDL_JoystickClose(stick);
        QVERIFY(SDL_JoystickDetachVirtual(device) == 0);
        pads.poll();
        QVERIFY(pads.controllers().isEmpty());
    }
};

QTEST_MAIN(tst_Gamepad)
#include "tst_gamepad.moc"
