// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "PrompterWindow.h"
#include "app/Application.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "follow/FollowSession.h"
#include "settings/Settings.h"
#include "settings/modSettings.h"
#include "ui/RichTextView.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

#include <memory>

// What the prompter sets up as it starts and takes down as it goes.
class tst_Lifetime : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_iniDir;

    std::unique_ptr<frmMain> makeWindow()
    {
        auto w = std::make_unique<frmMain>(m_platform, m_dialogs);
        w->resize(1000, 700);
        w->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(w.get());
        return w;
    }

private Q_SLOTS:
    void init() { startFresh(m_settings, m_platform, m_dialogs, m_iniDir); }

    void startUpTextColourColoursTheScript_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QColor>("seen");
        QTest::newRow("red") << "255" << QColor(255, 0, 0);
        QTest::newRow("dark blue") << "8388608" << QColor(0, 0, 128);
    }

    // The colour read at start-up is the one a script written later appears in.
    void startUpTextColourColoursTheScript()
    {
        QFETCH(QString, setting);
        QFETCH(QColor, seen);
        modSettings::WriteSetting(QStringLiteral("General"), QStringLiteral("ForeColor"), setting);

        const auto w = makeWindow();
        auto *script = w->findChild<RichTextView *>(QStringLiteral("rtDoc"));
        QVERIFY(script);
        m_dialogs.modals << [](QWidget &editor) -> int {
            editor.findChild<RichTextView *>(QStringLiteral("rtBody"))
                ->setText(QStringLiteral("Good evening"));
            editor.findChild<QToolButton *>(QStringLiteral("cmdDone"))->click();
            return 0;
        };
        w->DoAction(QStringLiteral("EditText"));

        QCOMPARE(script->Text(), QStringLiteral("Good evening"));
        int fragments = 0;
        for (QTextBlock b = script->document()->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it, ++fragments)
                QCOMPARE(it.fragment().charFormat().foreground().color(), seen);
        }
        QVERIFY(fragments > 0);
    }

    void closingThePrompterClosesTheOtherWindows()
    {
        const auto w = makeWindow();
        QWidget other;
        other.show();
        QWidget hidden; // never shown: nothing to close, and it must stay so
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);

        w->close();
        QVERIFY(!other.isVisible());
        QVERIFY(!hidden.isVisible());
        QCOMPARE(unloaded.size(), 1);
    }

    // Not one timer of the window or its overlay fires after it has closed.
    void closingStopsEveryTimer()
    {
        const auto w = makeWindow();
        w->DoAction(QStringLiteral("Start"));
        const QList<QTimer *> timers = w->findChildren<QTimer *>();
        QVERIFY(timers.size() >= 3);
        w->close();
        for (const QTimer *t : timers)
            QVERIFY2(!t->isActive(),
                     qPrintable(t->objectName() + QLatin1Char('/') + t->parent()->objectName()));
    }

    void anOpenModalWindowClosesWithThePrompter_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::newRow("editor") << "EditText"
                                << "frmEditText";
        QTest::newRow("marker picker") << "JumpTo"
                                       << "dlgSelectMarker";
    }

    // The prompter closes (Exit, or the desktop ending the session) while a modal window is up.
    void anOpenModalWindowClosesWithThePrompter()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);

        const auto w = makeWindow();
        bool openBefore = false;
        bool openAfter = true;
        m_dialogs.modals << [&](QWidget &modal) -> int {
            openBefore = modal.isVisible();
            w->close();
            openAfter = modal.isVisible();
            return 0;
        };
        w->DoAction(action);
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.first().text, window);
        QVERIFY(openBefore);
        QVERIFY(!openAfter);
        QVERIFY(!w->isVisible());
    }

    // Taking the window down without closing it says nothing: its owner is already going.
    void destroyingWithoutClosingEmitsNothing()
    {
        auto w = makeWindow();
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        w.reset();
        QCOMPARE(unloaded.size(), 0);
        QCOMPARE(m_platform.periodsEnded, 1);
    }

    // As the program builds them: the services first, the window over them, the window gone first,
    // running, while the run's services live on.
    void theWindowGoesBeforeItsServices()
    {
        Settings settings;
        app::Application services(m_platform, m_dialogs, settings);
        services.startServices();
        {
            frmMain w(services);
            w.resize(1000, 700);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QVERIFY(services.core().attached());
            services.core().takeScript(scriptOfLines(200));
            QVERIFY(!services.core().command({run::Verb::Start}).refused());
            QVERIFY(services.core().running());
        }
        PrompterCore &core = services.core();
        QVERIFY(!core.attached());
        QVERIFY(!core.running());
        QVERIFY(core.document()->isEmpty());
        QCOMPARE(core.command({run::Verb::Start}).reason, run::Answer::Reason::NoWindow);
        QVERIFY(!services.follow().following());
    }
};

QTEST_MAIN(tst_Lifetime)
#include "tst_lifetime.moc"
