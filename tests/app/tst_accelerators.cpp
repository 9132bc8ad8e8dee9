// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "app/FollowSeat.h"
#include "remote/RemoteControl.h"
#include "remote/dlgRemote.h"
#include "settings/Settings.h"
#include "studio/Studio.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QTest>
#include <QTranslator>

namespace {

// Every caption has an accelerator and no two share one; returns what is wrong, one line each.
QStringList acceleratorFaults(const QString &where, const QStringList &captions)
{
    QStringList faults;
    QHash<QString, QString> taken;
    for (const QString &caption : captions) {
        const QString key = QKeySequence::mnemonic(caption).toString().toLower();
        if (key.isEmpty())
            faults << QStringLiteral("%1: no accelerator in “%2”").arg(where, caption);
        else if (taken.contains(key))
            faults << QStringLiteral("%1: “%2” and “%3” share %4").arg(where, taken.value(key), caption, key);
        else
            taken.insert(key, caption);
    }
    return faults;
}

QStringList menuFaults(const QMenu &menu, const QString &where)
{
    QStringList captions, faults;
    for (QAction *a : menu.actions()) {
        if (a->isSeparator() || !a->isVisible())
            continue;
        captions << a->text();
        if (a->menu())
            faults << menuFaults(*a->menu(), where + QStringLiteral(" > ") + a->text());
    }
    return acceleratorFaults(where, captions) + faults;
}

// The window's buttons, and the labels that lend theirs to a box.
QStringList windowFaults(const QWidget &window)
{
    QStringList captions;
    for (const QAbstractButton *b : window.findChildren<QAbstractButton *>()) {
        // A standard button without one is Esc's or Return's, as the desktop names it.
        const bool standard = qobject_cast<QDialogButtonBox *>(b->parent());
        if (!b->text().isEmpty() && !(standard && QKeySequence::mnemonic(b->text()).isEmpty()))
            captions << b->text();
    }
    for (const QLabel *l : window.findChildren<QLabel *>())
        if (l->buddy())
            captions << l->text();
    return acceleratorFaults(window.objectName(), captions);
}

} // namespace

// The keyboard reaches every menu item and every box in one press, in each language shipped.
class tst_Accelerators : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { startFresh(m_settings, m_platform, m_dialogs, m_siteDir); }
    void cleanup();
    void noneMissingNoneShared_data();
    void noneMissingNoneShared();

private:
    void useLanguage(const QString &language);

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_siteDir;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

void tst_Accelerators::useLanguage(const QString &language)
{
    m_translators.push_back(std::make_unique<QTranslator>());
    QVERIFY(m_translators.back()->load(QStringLiteral("cuescroll_") + language,
                                       QStringLiteral(CUESCROLL_QM_DIR)));
    QCoreApplication::installTranslator(m_translators.back().get());
    // The standard buttons' texts are Qt's, in its own catalogue when there is one.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        m_translators.push_back(std::move(qt));
    }
}

void tst_Accelerators::cleanup()
{
    for (const auto &t : m_translators)
        QCoreApplication::removeTranslator(t.get());
    m_translators.clear();
}

void tst_Accelerators::noneMissingNoneShared_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("state"); // of leading and following: each shows other menu items
    for (const char *language : {"en", "de", "es", "fr", "pt_BR"})
        for (const char *state : {"alone", "leading", "following"})
            QTest::addRow("%s %s", language, state)
                << QString::fromLatin1(language) << QString::fromLatin1(state);
}

void tst_Accelerators::noneMissingNoneShared()
{
    QFETCH(QString, language);
    QFETCH(QString, state);
    useLanguage(language);
    auto w = showPrompter(m_platform, m_dialogs, {});
    if (state == QLatin1String("leading"))
        QVERIFY(w->followSeat().lead(QHostAddress::LocalHost, 0, QStringLiteral("sesame")));
    if (state == QLatin1String("following"))
        w->followSeat().follow(QUrl(QStringLiteral("ws://127.0.0.1:9/api/v1/follow")),
                               QStringLiteral("sesame"));

    QMenu menu;
    w->studio()->fillMenu(menu);
    QStringList faults = menuFaults(menu, QStringLiteral("menu"));
    QVERIFY(!menu.actions().isEmpty());

    Settings *settings = w->findChild<Settings *>();
    QVERIFY(settings);
    remote::dlgRemote window(*settings, w->remote(), m_dialogs, w.get());
    faults << windowFaults(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_Accelerators)
#include "tst_accelerators.moc"
