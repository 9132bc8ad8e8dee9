// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/frmMain.h"
#include "common/Translations.h"
#include "editor/frmEditText.h"
#include "markers/dlgSelectMarker.h"
#include "settings/Settings.h"
#include "settings/dlgOptions.h"
#include "settings/modSettings.h"
#include "studio/Studio.h"
#include "ui/dlgFont.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <memory>

namespace {

struct Message
{
    QString context;
    QString source;
    QStringList translations; // one, or a form per plural
    QString type;             // empty when finished
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> out;
    QXmlStreamReader xml(&file);
    QString context;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            out.append({context, {}, {}, {}});
        } else if (xml.name() == u"source") {
            out.last().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            out.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!numerus)
                out.last().translations << xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            out.last().translations << xml.readElementText();
        }
    }
    return out;
}

// %1…%99 (with or without L) and %n, as a sorted list: a translation must use the same ones.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    found.sort();
    return found;
}

QString ts(const QString &language)
{
    return QStringLiteral(CUESCROLL_TRANSLATIONS "/cuescroll_%1.ts").arg(language);
}

void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"de", "es", "fr", "pt_BR"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// Every text a window shows or tells a screen reader, with where it was found.
void collectTexts(QWidget *root, QList<QPair<QString, QString>> &texts)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (qobject_cast<QDialogButtonBox *>(w->parentWidget()))
            continue; // Qt's own buttons, in Qt's catalogue
        const QString where =
            w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        texts.append({where, w->toolTip()});
        texts.append({where, w->accessibleName()});
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts.append({where, b->text()});
        if (auto *l = qobject_cast<QLabel *>(w); l && l->isVisibleTo(root))
            texts.append({where, l->text()});
        if (auto *t = qobject_cast<QTreeWidget *>(w)) {
            for (int c = 0; c < t->columnCount(); ++c)
                texts.append({where, t->headerItem()->text(c)});
        }
        if (w != root && w->isWindow())
            texts.append({where, w->windowTitle()});
        for (QAction *a : w->actions()) {
            texts.append({a->objectName(), a->iconText()});
            texts.append({a->objectName(), a->toolTip()});
        }
    }
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void complete_data() { addLanguageRows(); }
    void complete();
    void placeholdersKept_data() { addLanguageRows(); }
    void placeholdersKept();
    void chooseLanguage_data();
    void chooseLanguage();
    void windowsSpeak_data() { addLanguageRows(); }
    void windowsSpeak();
};

// lupdate, run into a copy, marks what the sources say and the catalogue lacks as unfinished, and
// what the catalogue holds but the sources no longer say as vanished.
void tst_Translations::complete()
{
    QFETCH(QString, language);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ts"));
    QVERIFY(QFile::copy(ts(language), copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(CUESCROLL_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral(CUESCROLL_SOURCES),
                   QStringLiteral("-ts"), copy});
    QVERIFY2(lupdate.waitForFinished(60000), qPrintable(lupdate.errorString()));
    QCOMPARE(lupdate.exitCode(), 0);

    QStringList faults;
    for (const Message &m : readCatalogue(copy)) {
        if (!m.type.isEmpty() || m.translations.isEmpty() || m.translations.contains(QString()))
            faults << QStringLiteral("%1 [%2] %3")
                          .arg(m.type.isEmpty() ? QStringLiteral("empty") : m.type, m.context, m.source);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_Translations::placeholdersKept()
{
    QFETCH(QString, language);
    const QList<Message> messages = readCatalogue(ts(language));
    QVERIFY(!messages.isEmpty());
    QStringList faults;
    for (const Message &m : messages) {
        for (const QString &t : m.translations) {
            if (placeholders(t) != placeholders(m.source))
                faults << QStringLiteral("[%1] %2 -> %3").arg(m.context, m.source, t);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_Translations::chooseLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("German") << "de_DE"
                            << "de";
    QTest::newRow("Austrian German") << "de_AT"
                                     << "de";
    QTest::newRow("Brazilian") << "pt_BR"
                               << "pt_BR";
    QTest::newRow("European Portuguese: none shipped") << "pt_PT"
                                                       << "";
    QTest::newRow("Mexican Spanish") << "es_MX"
                                     << "es";
    QTest::newRow("Canadian French") << "fr_CA"
                                     << "fr";
    QTest::newRow("English") << "en_US"
                             << "";
    QTest::newRow("C") << "C"
                       << "";
    QTest::newRow("Japanese: none shipped") << "ja_JP"
                                            << "";
}

void tst_Translations::chooseLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    const QStringList shipped{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                              QStringLiteral("pt_BR")};
    QCOMPARE(translations::chooseLanguage(QLocale(locale), shipped), expected);
}

// With a catalogue installed, each text on the windows is one of its translations: a text left
// outside tr(), or looked up under another context than lupdate filed it, shows in English.
void tst_Translations::windowsSpeak()
{
    QFETCH(QString, language);
    // Numbers and placeholders alike become '#', so that "3 s" is found as "%1 s".
    static const QRegularExpression number(QStringLiteral("%L?(\\d+|n)|\\d+"));
    const auto shape = [](QString text) {
        return text.remove(QLatin1Char('&')).replace(number, QStringLiteral("#")).trimmed();
    };
    QSet<QString> translated;
    for (const Message &m : readCatalogue(ts(language))) {
        for (const QString &t : m.translations)
            translated << shape(t);
    }
    QVERIFY(!translated.isEmpty());

    QCOMPARE(translations::install(*qApp, QLocale(language), QStringLiteral(CUESCROLL_CATALOGUES)), language);
    const auto uninstall = qScopeGuard([] {
        for (QTranslator *t : qApp->findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(t), delete t;
    });

    IsolatedSettings store;
    FakePlatform platform;
    FakeDialogs dialogs;
    modSettings::setIniFilePath(store.dir.filePath(QStringLiteral("Settings.ini")));
    Settings settings;
    frmMain window(platform, dialogs, settings);
    QMenu studioMenu;
    window.studio()->fillMenu(studioMenu);
    frmEditText editor(dialogs, settings);
    dlgOptions options(dialogs);
    dlgSelectMarker picker;
    dlgFont font(dialogs, FontChoice{});

    QList<QPair<QString, QString>> texts;
    for (QWidget *w :
         std::initializer_list<QWidget *>{&window, &studioMenu, &editor, &options, &picker, &font})
        collectTexts(w, texts);
    static const QRegularExpression nothingToSay(QStringLiteral("^[#\\s:.,]*$"));
    QStringList english;
    for (const auto &[where, text] : std::as_const(texts)) {
        const QString plain = shape(text);
        if (nothingToSay.match(plain).hasMatch() || translated.contains(plain))
            continue;
        if (where == u"lblHeightFinder")
            continue; // measures the font, never shown
        english << where + QLatin1String(": ") + text;
    }
    // The screens' entries carry their names and sizes; every other text is translated.
    english.removeIf([](const QString &s) { return s.contains(u'×'); });
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
