// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "follow/FollowSession.h"
#include "remote/PageTexts.h"
#include "remote/gui/dlgRemote.h"
#include "settings/Settings.h"
#include "show/gui/RundownPanel.h"
#include "studio/Studio.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

namespace {

// Captions without an accelerator and accelerators taken twice, a line each; submenus too.
QStringList faults(const QStringList &captions, const QList<QAction *> &actions = {})
{
    QStringList out;
    QHash<QString, QString> taken;
    for (const QString &caption : captions) {
        const QString key = QKeySequence::mnemonic(caption).toString().toLower();
        if (key.isEmpty() || taken.contains(key))
            out << caption + QStringLiteral(" | ") + taken.value(key, QStringLiteral("none"));
        taken.insert(key, caption);
    }
    QStringList items;
    for (const QAction *a : actions) {
        if (!a->isSeparator())
            items << a->text();
        if (a->menu())
            out << faults({}, a->menu()->actions());
    }
    return items.isEmpty() ? out : out + faults(items);
}

} // namespace

// What each language shipped must get right where the operator works in it.
class tst_Languages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("state"); // leading and following show other menu items
        for (const char *language : {"en", "de", "es", "fr", "pt_BR"})
            for (const char *state : {"alone", "leading", "following"})
                QTest::addRow("%s %s", language, state)
                    << QString::fromLatin1(language) << QString::fromLatin1(state);
    }

    // Every studio menu item and every box of the remote window is one key press away; the phone
    // page's "− Slower" never leaves its sign alone at the end of a line.
    void eachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, state);
        std::unique_ptr<IsolatedSettings> settings;
        FakePlatform platform;
        FakeDialogs dialogs;
        QTemporaryDir site;
        startFresh(settings, platform, dialogs, site);
        QTranslator own, qt; // removed as they go
        QVERIFY(own.load(QStringLiteral("cuescroll_") + language, QStringLiteral(CUESCROLL_QM_DIR)));
        QCoreApplication::installTranslator(&own);
        if (qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        auto w = showPrompter(platform, dialogs, {});
        if (state == QLatin1String("leading"))
            QVERIFY(w->followSession().lead(QHostAddress::LocalHost, 0, QStringLiteral("sesame-0123456789")));
        if (state == QLatin1String("following"))
            w->followSession().follow(QUrl(QStringLiteral("ws://127.0.0.1:9/api/v1/follow")),
                                      QStringLiteral("sesame-0123456789"));
        QMenu menu;
        w->studio()->fillMenu(menu);
        QStringList found = faults({}, menu.actions());

        remote::dlgRemote window(*w->findChild<Settings *>(), w->remote(), dialogs, w.get());
        QStringList captions;
        for (const QAbstractButton *b : window.findChildren<QAbstractButton *>()) {
            // A standard button without one is Esc's or Return's, as the desktop names it.
            if (!qobject_cast<QDialogButtonBox *>(b->parent()) ||
                !QKeySequence::mnemonic(b->text()).isEmpty())
                captions << b->text();
        }
        for (const QLabel *l : window.findChildren<QLabel *>())
            if (l->buddy())
                captions << l->text();
        found << faults(captions);
        QStringList rundown;
        for (const QAbstractButton *b : w->rundown().findChildren<QAbstractButton *>())
            rundown << b->text();
        for (const QLabel *l : w->rundown().findChildren<QLabel *>())
            if (l->buddy())
                rundown << l->text();
        found << faults(rundown);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));

        QFile file(QStringLiteral(":/remote/index.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(remote::localizePage(file.readAll()));
        const QRegularExpression signs(QStringLiteral("data-cmd=\"(slower|faster)\">.(.)"));
        for (auto it = signs.globalMatch(page); it.hasNext();)
            QCOMPARE(it.next().captured(2), QString(QChar(QChar::Nbsp)));
        QVERIFY(signs.match(page).hasMatch());
    }
};

QTEST_MAIN(tst_Languages)
#include "tst_languages.moc"
