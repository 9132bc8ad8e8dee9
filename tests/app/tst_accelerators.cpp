// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PrompterWindow.h"
#include "app/FollowSeat.h"
#include "remote/dlgRemote.h"
#include "settings/Settings.h"
#include "studio/Studio.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QTest>
#include <QTranslator>

namespace {

// Captions without an accelerator and accelerators taken twice, a line each.
QStringList faults(const QStringList &captions)
{
    QStringList out;
    QHash<QString, QString> taken;
    for (const QString &caption : captions) {
        const QString key = QKeySequence::mnemonic(caption).toString().toLower();
        if (key.isEmpty() || taken.contains(key))
            out << caption + QStringLiteral(" | ") + taken.value(key, QStringLiteral("none"));
        taken.insert(key, caption);
    }
    return out;
}

QStringList menuFaults(const QMenu &menu)
{
    QStringList captions, out;
    for (const QAction *a : menu.actions()) {
        if (!a->isSeparator())
            captions << a->text();
        if (a->menu())
            out << menuFaults(*a->menu());
    }
    return faults(captions) + out;
}

} // namespace

// Every studio menu item and every box of the remote window is one key press away, in each language.
class tst_Accelerators : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noneMissingNoneShared_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("state"); // leading and following show other menu items
        for (const char *language : {"en", "de", "es", "fr", "pt_BR"})
            for (const char *state : {"alone", "leading", "following"})
                QTest::addRow("%s %s", language, state)
                    << QString::fromLatin1(language) << QString::fromLatin1(state);
    }

    void noneMissingNoneShared()
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
            QVERIFY(w->followSeat().lead(QHostAddress::LocalHost, 0, QStringLiteral("sesame")));
        if (state == QLatin1String("following"))
            w->followSeat().follow(QUrl(QStringLiteral("ws://127.0.0.1:9/api/v1/follow")),
                                   QStringLiteral("sesame"));
        QMenu menu;
        w->studio()->fillMenu(menu);
        QStringList found = menuFaults(menu);

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
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(tst_Accelerators)
#include "tst_accelerators.moc"
