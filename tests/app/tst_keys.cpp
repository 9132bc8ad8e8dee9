// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/KeyInput.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "scroll/ScrollEngine.h"
#include "settings/modSettings.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>

namespace {

// The key table speaks in the classic virtual-key codes; the names must keep their values.
static_assert(keyinput::Back == 8 && keyinput::Return == 13 && keyinput::Escape == 27 &&
              keyinput::Space == 32);
static_assert(keyinput::PageUp == 33 && keyinput::End == 35 && keyinput::Left == 37 && keyinput::Down == 40);
static_assert(keyinput::F1 == 112 && keyinput::F9 == 120 && keyinput::F12 == 123);

struct State
{
    float top = 0;
    int slider = 0;
    bool up = true;
    bool running = false;
    bool fullScreen = false;
    qsizetype opened = 0;
    bool closed = false;

    bool operator==(const State &) const = default;
};

QString describe(const State &s)
{
    return QStringLiteral("top %1 slider %2 %3 %4 %5 opened %6 %7")
        .arg(s.top)
        .arg(s.slider)
        .arg(s.up ? "up" : "down", s.running ? "running" : "stopped", s.fullScreen ? "full" : "windowed")
        .arg(s.opened)
        .arg(s.closed ? "closed" : "open");
}

} // namespace

class tst_Keys : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    std::unique_ptr<frmMain> m_w;
    bool m_closed = false;

    State state() const
    {
        return {twips::top(m_w->rtDoc),
                m_w->sldSpeed->value(),
                m_w->optUp->isChecked(),
                m_w->core().running(),
                m_w->core().fullScreen(),
                m_platform.opened.size(),
                m_closed};
    }

    float range() const { return twips::height(m_w->rtDoc) - twips::height(m_w->picBack); }

private Q_SLOTS:
    void init()
    {
        modSettings::setIniFilePath(QStringLiteral("/nonexistent/Settings.ini"));
        m_closed = false;
        m_w = std::make_unique<frmMain>(m_platform, m_dialogs);
        connect(m_w.get(), &frmMain::unloaded, this, [this] { m_closed = true; });
        m_w->rtDoc->setText(scriptOfLines(300));
        m_w->resize(1000, 700);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
        m_w->Form_Resize();
        QVERIFY(range() > 20000);
    }

    void cleanup() { m_w.reset(); }

    void keyTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("effect");
        struct Row
        {
            const char *name;
            int code;
            const char *effect;
        };
        const Row rows[] = {
            {"Up", keyinput::Up, "back 605"},
            {"Down", keyinput::Down, "forward 605"},
            {"PageUp", keyinput::PageUp, "back 3005"},
            {"PageDown", keyinput::PageDown, "forward 3005"},
            {"Home", keyinput::Home, "beginning"},
            {"End", keyinput::End, "end"},
            {"Left", keyinput::Left, "slower"},
            {"Right", keyinput::Right, "faster"},
            {"Space", keyinput::Space, "stop"},
            {"Backspace", keyinput::Back, "reset"},
            {"F1", keyinput::F1, "help"},
            {"F2", keyinput::F2, "edit"},
            {"F3", keyinput::F3, "stop"},
            {"F4", keyinput::F4, "reset"},
            {"F5", keyinput::F5, "stop"},
            {"F6", keyinput::F6, "stop"},
            {"F7", keyinput::F7, "stop"},
            {"F8", keyinput::F8, "nothing"},
            {"F9", keyinput::F9, "full screen"},
            {"F10", keyinput::F10, "options"},
            {"Esc", keyinput::Escape, "exit"},
            {"Enter", keyinput::Return, "full screen"},
            {"A", 'A', "nothing"},
            {"F11", keyinput::F11, "nothing"},
        };
        for (const Row &r : rows) {
            for (int shift : {0, 1, 2, 3, 4}) {
                QString effect = QLatin1String(r.effect);
                if (shift == 2 && r.code == keyinput::Up)
                    effect = QStringLiteral("direction up");
                if (shift == 2 && r.code == keyinput::Down)
                    effect = QStringLiteral("direction down");
                // The story keys page with a single script, as scroll keys with modifiers do.
                QTest::addRow("%s shift %d", r.name, shift) << r.code << shift << effect;
            }
        }
    }

    // Every key from a running prompter mid-script, going backwards at speed 8.
    void keyTable()
    {
        QFETCH(int, code);
        QFETCH(int, shift);
        QFETCH(QString, effect);

        twips::setTop(m_w->rtDoc, -10000);
        m_w->sldSpeed->setValue(8);
        m_w->optDown->setChecked(true);
        m_w->DoAction(QStringLiteral("Start"));
        State expected = state();

        m_w->HandleKey(code, shift);

        if (effect == QLatin1String("back 605"))
            expected.top += 605;
        else if (effect == QLatin1String("forward 605"))
            expected.top -= 605;
        else if (effect == QLatin1String("back 3005"))
            expected.top += 3005;
        else if (effect == QLatin1String("forward 3005"))
            expected.top -= 3005;
        else if (effect == QLatin1String("beginning"))
            expected.top = 0;
        else if (effect == QLatin1String("end"))
            expected.top = -float(scroll::range(twips::height(m_w->rtDoc), twips::height(m_w->picBack)));
        else if (effect == QLatin1String("slower"))
            expected.slider = 7;
        else if (effect == QLatin1String("faster"))
            expected.slider = 9;
        else if (effect == QLatin1String("stop"))
            expected.running = false;
        else if (effect == QLatin1String("reset"))
            expected.running = false, expected.top = 0;
        else if (effect == QLatin1String("edit")) // the editor, closed at once, rewinds the script
            expected.running = false, expected.top = 0;
        else if (effect == QLatin1String("options")) // so do the options, closed at once
            expected.running = false, expected.top = 0;
        else if (effect == QLatin1String("help"))
            expected.running = false, expected.opened += 1;
        else if (effect == QLatin1String("full screen"))
            expected.fullScreen = true;
        else if (effect == QLatin1String("exit"))
            expected.closed = true;
        else if (effect == QLatin1String("direction up"))
            expected.up = true;
        else if (effect == QLatin1String("direction down"))
            expected.up = false;

        QVERIFY2(state() == expected, qPrintable(describe(state()) + " != " + describe(expected)));
    }

    void spaceAndF3ToggleByRunning()
    {
        for (int code : {keyinput::Space, keyinput::F3}) {
            QVERIFY(!m_w->core().running());
            m_w->HandleKey(code, 0);
            QVERIFY(m_w->core().running());
            m_w->HandleKey(code, 0);
            QVERIFY(!m_w->core().running());
        }
    }

    void speedStopsAtTheSliderEnds()
    {
        m_w->sldSpeed->setValue(1);
        m_w->HandleKey(keyinput::Left, 0);
        QCOMPARE(m_w->sldSpeed->value(), 1);
        m_w->sldSpeed->setValue(16);
        m_w->HandleKey(keyinput::Right, 0);
        QCOMPARE(m_w->sldSpeed->value(), 16);
    }

    void nothingMovesBackAtTheBeginning()
    {
        twips::setTop(m_w->rtDoc, 0);
        for (int code : {keyinput::Up, keyinput::PageUp, keyinput::Home}) {
            m_w->HandleKey(code, 0);
            QCOMPARE(twips::top(m_w->rtDoc), 0.f);
        }
    }

    // Enter typed into the viewport enters full screen (key down) and leaves it again (typed character).
    void enterTypedIntoTheViewport()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(m_w->picBack, &press);
        QVERIFY(!m_w->core().fullScreen());
        QCOMPARE(m_w->oldWindowState(), 0);

        QCoreApplication::sendEvent(m_w->txtFocus, &press);
        QVERIFY(m_w->core().fullScreen());
    }

    // Full screen is the platform's (no title bar, over the desktop's panels), and leaving it puts
    // the window back as it was: its state and, when it was a normal window, its place and size.
    void fullScreenLeavesTheWindowAsItWas_data()
    {
        QTest::addColumn<int>("before");
        QTest::newRow("normal") << int(Qt::WindowNoState);
        QTest::newRow("maximised") << int(Qt::WindowMaximized);
    }

    void fullScreenLeavesTheWindowAsItWas()
    {
        QFETCH(int, before);
        m_w->setGeometry(60, 50, 900, 600);
        m_w->setWindowState(Qt::WindowStates(before));
        const QRect normal = m_w->normalGeometry();
        m_w->HandleKey(keyinput::F9, 0);
        QVERIFY(m_w->windowState() & Qt::WindowFullScreen);
        QVERIFY(m_w->isFullScreen());
        m_w->HandleKey(keyinput::F9, 0);
        QCOMPARE(int(m_w->windowState()), before);
        QVERIFY(!m_w->tlbMain->isHidden());
        QCOMPARE(m_w->normalGeometry(), normal);
    }

    void fullScreenRoundTrip()
    {
        m_w->DoAction(QStringLiteral("FullScreen"));
        QVERIFY(m_w->core().fullScreen());
        QVERIFY(m_w->isFullScreen());
        QVERIFY(m_w->tlbMain->isHidden());
        QVERIFY(m_w->picPanel->isHidden());
        QCOMPARE(m_w->windowStateValue(), 2);
        QCOMPARE(m_w->oldWindowState(), 0);

        // Entering again stores the maximised state, so leaving keeps the window maximised.
        m_w->HandleKey(keyinput::Return, 0);
        QCOMPARE(m_w->oldWindowState(), 2);
        m_w->picBack_Click();
        QVERIFY(!m_w->core().fullScreen());
        QVERIFY(!m_w->tlbMain->isHidden());
        QVERIFY(!m_w->picPanel->isHidden());
        QCOMPARE(m_w->windowStateValue(), 2);
        QVERIFY(!m_w->isFullScreen());
    }

    void f9LeavesFullScreenDirectly()
    {
        m_w->HandleKey(keyinput::F9, 0);
        QVERIFY(m_w->core().fullScreen());
        // The dispatcher refuses everything in mark mode; F9 does not ask it.
        m_w->DoAction(QStringLiteral("Mark"));
        QVERIFY(m_w->core().markMode());
        m_w->HandleKey(keyinput::F9, 0);
        QVERIFY(!m_w->core().fullScreen());
        m_w->HandleKey(keyinput::F9, 0);
        QVERIFY(!m_w->core().fullScreen());
        m_w->findChild<QToolButton *>(QStringLiteral("cmdCancel"))->click();
        QVERIFY(!m_w->core().markMode());
    }

    void keyEventsMapToTheTable_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::newRow("Up") << int(Qt::Key_Up) << 0 << int(keyinput::Up) << 0;
        QTest::newRow("Ctrl+Up") << int(Qt::Key_Up) << int(Qt::ControlModifier) << int(keyinput::Up) << 2;
        QTest::newRow("Ctrl+Shift+Down")
            << int(Qt::Key_Down) << int(Qt::ControlModifier | Qt::ShiftModifier) << int(keyinput::Down) << 3;
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << int(keyinput::Return) << 0;
        QTest::newRow("Alt+F5") << int(Qt::Key_F5) << int(Qt::AltModifier) << int(keyinput::F5) << 4;
        QTest::newRow("F10") << int(Qt::Key_F10) << 0 << int(keyinput::F10) << 0;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << int(keyinput::Escape) << 0;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << int(keyinput::Back) << 0;
        QTest::newRow("End") << int(Qt::Key_End) << 0 << int(keyinput::End) << 0;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << int(keyinput::PageDown) << 0;
    }

    void keyEventsMapToTheTable()
    {
        QFETCH(int, qtKey);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QFETCH(int, shift);
        const QKeyEvent e(QEvent::KeyPress, qtKey, Qt::KeyboardModifiers(modifiers));
        const auto key = keyinput::fromEvent(e);
        QVERIFY(key.has_value());
        QCOMPARE(key->code, code);
        QCOMPARE(key->shift, shift);
    }

    void wheelOverTheViewport_data()
    {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<float>("moved");
        QTest::newRow("away: back") << QList<int>{120} << 605.f;
        QTest::newRow("towards: forward") << QList<int>{-120} << -605.f;
        QTest::newRow("240 is one step") << QList<int>{240} << 605.f;
        QTest::newRow("eight small events: one step") << QList<int>(8, 15) << 605.f;
        QTest::newRow("less than a notch") << QList<int>{60} << 0.f;
    }

    void wheelOverTheViewport()
    {
        QFETCH(QList<int>, deltas);
        QFETCH(float, moved);
        twips::setTop(m_w->rtDoc, -10000);
        const QPointF inside(20, 20);
        for (int d : deltas) {
            QWheelEvent e(inside, m_w->picBack->mapToGlobal(inside), QPoint(), QPoint(0, d), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(m_w->picBack, &e);
        }
        QCOMPARE(twips::top(m_w->rtDoc), -10000.f + moved);
        QCOMPARE(m_w->focusWidget(), m_w->txtFocus);
    }

    void wheelOutsideTheViewportDoesNothing()
    {
        twips::setTop(m_w->rtDoc, -10000);
        const QPointF p(5, 5);
        QWheelEvent e(p, m_w->picPanel->mapToGlobal(p), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_w->picPanel, &e);
        QCOMPARE(twips::top(m_w->rtDoc), -10000.f);
    }
};

QTEST_MAIN(tst_Keys)
#include "tst_keys.moc"
