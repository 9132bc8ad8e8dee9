// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "app/KeyInput.h"
#include "core/PrompterCore.h"
#include "keys/gui/dlgKeys.h"
#include "settings/Settings.h"
#include "settings/gui/dlgOptions.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using run::Verb;

class tst_KeyBindings : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_siteDir;

private Q_SLOTS:
    void init() { startFresh(m_settings, m_platform, m_dialogs, m_siteDir); }

    // What the settings file says, read over the defaults and written back.
    void settingsRoundTrip_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("leftOut");
        QTest::newRow("defaults") << ""
                                  << "" << false;
        QTest::newRow("one key") << "toggle: T"
                                 << "toggle: T" << false;
        QTest::newRow("modifiers") << "toggle: Ctrl+T Shift+F5"
                                   << "toggle: Ctrl+T Shift+F5" << false;
        QTest::newRow("no key at all") << "exit:"
                                       << "exit:" << false;
        QTest::newRow("a key moves") << "toggle: T stop: Space"
                                     << "stop: Space toggle: T" << false;
        QTest::newRow("another's key: refused, defaults kept") << "stop: Home"
                                                               << "" << true;
        QTest::newRow("four keys: refused") << "toggle: T U V W"
                                            << "" << true;
        QTest::newRow("unknown command and key") << "dance: Q toggle: T Nonsense+Q"
                                                 << "toggle: T" << true;
        QTest::newRow("a key before any command") << "Q toggle: T"
                                                  << "toggle: T" << true;
    }

    void settingsRoundTrip()
    {
        QFETCH(QString, stored);
        QFETCH(QString, written);
        QFETCH(bool, leftOut);
        keys::KeyMap map = keyinput::defaultKeys();
        QStringList why;
        map.read(stored, &why);
        QCOMPARE(map.text(), written);
        QCOMPARE(!why.isEmpty(), leftOut);
        keys::KeyMap again = keyinput::defaultKeys();
        again.read(map.text());
        QCOMPARE(again.text(), written);
    }

    // Keys the prompter gives out of the box, presentation clickers' among them.
    void defaultKeys_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("verb");
        QTest::newRow("clicker next") << int(Qt::Key_PageDown) << 0 << int(Verb::PageForward);
        QTest::newRow("clicker previous") << int(Qt::Key_PageUp) << 0 << int(Verb::PageBack);
        QTest::newRow("clicker blank '.'") << int(Qt::Key_Period) << 0 << int(Verb::Toggle);
        QTest::newRow("clicker blank B") << int(Qt::Key_B) << 0 << int(Verb::Stop);
        QTest::newRow("Ctrl+Up: its own") << int(Qt::Key_Up) << int(Qt::ControlModifier) << int(Verb::Up);
        QTest::newRow("Shift+Up: as Up") << int(Qt::Key_Up) << int(Qt::ShiftModifier) << int(Verb::Back);
    }

    void defaultKeys()
    {
        QFETCH(int, qtKey);
        QFETCH(int, modifiers);
        QFETCH(int, verb);
        const QKeyEvent e(QEvent::KeyPress, qtKey, Qt::KeyboardModifiers(modifiers));
        const auto key = keyinput::fromEvent(e);
        QVERIFY(key);
        const keys::KeyMap defaults = keyinput::defaultKeys();
        const auto got = defaults.verbFor(keyinput::combination(key->code, key->shift));
        QVERIFY(got);
        QCOMPARE(int(*got), verb);
        for (const keys::Binding &b : defaults.bindings())
            QVERIFY(b.keys.size() <= keys::KeyMap::kMostKeys);
    }

    // A key typed into a slot that another command holds is refused, and the slot keeps its key;
    // the clear button still gives it up.
    void aRefusedKeyLeavesTheSlotAsItWas()
    {
        dlgKeys page(keyinput::defaultKeys());
        page.show();
        page.tblKeys->selectRow(
            page.tblKeys->findItems(keys::verbLabel(Verb::Toggle), Qt::MatchExactly)[0]->row());
        QCOMPARE(page.txtKey[2]->keySequence(), QKeySequence(Qt::Key_Period));
        page.txtKey[2]->setFocus();
        QTest::keyClick(page.txtKey[2], Qt::Key_Home);
        QCoreApplication::processEvents();
        // The field takes a key a moment after it is let go, or as the focus leaves it.
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(page.txtKey[2], &out);
        QVERIFY(page.lblRefused->text().contains(keys::verbLabel(Verb::Home)));
        QCOMPARE(page.txtKey[2]->keySequence(), QKeySequence(Qt::Key_Period));

        page.txtKey[2]->clear(); // the clear button
        QCoreApplication::processEvents();
        QVERIFY(page.lblRefused->text().isEmpty());
        page.cmdOk->click();
        QVERIFY(page.chosen);
        const QList<keys::Binding> &bindings = page.chosen->bindings();
        const auto toggle = std::find_if(bindings.begin(), bindings.end(),
                                         [](const keys::Binding &b) { return b.verb == Verb::Toggle; });
        QCOMPARE(toggle->keys.size(), 2);
    }

    // From the Keys page in Options: a key another command holds is refused and said, a free one is
    // taken, and the prompter answers to it at once and after a restart.
    void remappedFromTheKeysPage()
    {
        auto w = showPrompter(m_platform, m_dialogs, scriptOfLines(200));
        QString refusal;
        m_dialogs.modals << [](QWidget &window) {
            static_cast<dlgOptions &>(window).cmdKeys->click();
            return 0;
        };
        m_dialogs.modals << [&refusal](QWidget &window) {
            auto &page = static_cast<dlgKeys &>(window);
            page.tblKeys->selectRow(
                page.tblKeys->findItems(keys::verbLabel(Verb::Toggle), Qt::MatchExactly)[0]->row());
            page.txtKey[0]->setKeySequence(QKeySequence(Qt::Key_Home));
            refusal = page.lblRefused->text();
            if (page.txtKey[0]->keySequence() != QKeySequence(Qt::Key_Space))
                return 0; // the field must show the key it still has
            page.txtKey[0]->setKeySequence(QKeySequence(Qt::Key_T));
            if (!page.lblRefused->text().isEmpty())
                return 0;
            page.cmdOk->click();
            return 0;
        };
        w->HandleKey(keyinput::F10, 0);
        QVERIFY2(refusal.contains(keys::verbLabel(Verb::Home)), qPrintable(refusal));
        QCOMPARE(Settings().keys(), QStringLiteral("toggle: T F3 ."));

        w->HandleKey('T', 0);
        QVERIFY(w->core().running());
        w->HandleKey(keyinput::Space, 0); // let go: it does nothing now
        QVERIFY(w->core().running());
        w->HandleKey(keyinput::Home, 0); // and Home still goes home
        QCOMPARE(w->core().progress(), 0);

        w.reset();
        auto again = showPrompter(m_platform, m_dialogs, scriptOfLines(200));
        again->HandleKey('T', keyinput::ShiftBit);
        QVERIFY(again->core().running());
    }
};

QTEST_MAIN(tst_KeyBindings)
#include "tst_keybindings.moc"
