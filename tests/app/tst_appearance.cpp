// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "PrompterWindow.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "line/gui/frmLine.h"
#include "markers/MarkerPlaces.h"
#include "markers/gui/dlgSelectMarker.h"
#include "settings/gui/dlgOptions.h"
#include "settings/modSettings.h"
#include "ui/Colors.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

const QString general = QStringLiteral("General");

QString stored(const char *key)
{
    return modSettings::ReadSetting(general, QLatin1String(key), QStringLiteral("(absent)"));
}

// What the operator does in the options dialog: the steps to click, then how to leave it.
enum class Leave { Ok, Cancel, CloseBox };
std::function<int(QWidget &)> options(QStringList steps, Leave leave)
{
    return [steps, leave](QWidget &w) {
        auto *d = qobject_cast<dlgOptions *>(&w);
        for (const QString &step : steps)
            d->findChild<QPushButton *>(step)->click();
        if (leave == Leave::Ok)
            d->cmdOk->click();
        else if (leave == Leave::Cancel)
            d->cmdCancel->click();
        return 0; // a close box is what the fake does when nothing closed the window
    };
}

FontChoice fontOf(double size, qint32 color)
{
    return {QStringLiteral("DejaVu Serif"), size, false, false, false, false, color};
}

} // namespace

class tst_Appearance : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;
    QTemporaryDir m_iniDir;

    std::unique_ptr<frmMain> makeWindow() { return showPrompter(m_platform, m_dialogs, scriptOfLines(60)); }

    void runOptions(frmMain &w, const QStringList &steps, Leave leave)
    {
        m_dialogs.modals << options(steps, leave);
        w.DoAction(QStringLiteral("Options"));
    }

    static void mark(frmMain &w, int start, int length)
    {
        w.DoAction(QStringLiteral("Mark"));
        w.rtMirror->setSelStart(start);
        w.rtMirror->setSelLength(length);
        w.cmdMark->click();
    }

private Q_SLOTS:
    void init() { startFresh(m_settings, m_platform, m_dialogs, m_iniDir); }

    void everyCloseStoresAllNine_data()
    {
        QTest::addColumn<int>("leave");
        QTest::newRow("Cancel") << int(Leave::Cancel);
        QTest::newRow("close box") << int(Leave::CloseBox);
        QTest::newRow("OK") << int(Leave::Ok);
    }

    void everyCloseStoresAllNine()
    {
        QFETCH(int, leave);
        const auto w = makeWindow();
        // The first start stored the defaults as written.
        QCOMPARE(stored("BackColor"), QStringLiteral("&HC0FFFF"));
        QCOMPARE(stored("ForeColor"), QStringLiteral("&H80000012&"));
        QCOMPARE(stored("LineColor"), QStringLiteral("&H0000C000&"));

        runOptions(*w, {}, Leave(leave));

        QCOMPARE(stored("BackColor"), QStringLiteral("12648447"));
        QCOMPARE(stored("ForeColor"), QStringLiteral("-2147483630"));
        QCOMPARE(stored("LineColor"), QStringLiteral("49152"));
        QCOMPARE(stored("FontName"), QStringLiteral("MS Sans Serif"));
        QCOMPARE(stored("FontSize"), QStringLiteral("28"));
        for (const char *key : {"FontBold", "FontItalic", "FontStrikethrough", "FontUnderline"})
            QCOMPARE(stored(key), QStringLiteral("False"));
        QCOMPARE(w->core().appearance().lForeColor, qint32(0x80000012u));
    }

    // A store the program may not replace: the operator hears once that changes are not kept.
    void readOnlyStoreIsToldOnce()
    {
        const auto w = makeWindow();
        QVERIFY(QFile::setPermissions(modSettings::storeFilePath(), QFile::ReadOwner));
        runOptions(*w, {}, Leave::Cancel);
        runOptions(*w, {}, Leave::Cancel);
        QStringList told;
        for (const FakeDialogs::Shown &s : m_dialogs.shown)
            if (s.kind == u"message")
                told << s.text;
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().contains(QDir::toNativeSeparators(modSettings::storeFilePath())));
    }

    void fractionalSizeShownButStoredRounded_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<QString>("stored");
        QTest::newRow("10.5 to even below") << 10.5 << "10";
        QTest::newRow("11.5 to even above") << 11.5 << "12";
        QTest::newRow("8.25") << 8.25 << "8";
    }

    void fractionalSizeShownButStoredRounded()
    {
        QFETCH(double, size);
        QFETCH(QString, stored);
        {
            const auto w = makeWindow();
            m_dialogs.fonts << fontOf(size, colors::rgb(0, 0, 0));
            runOptions(*w, {QStringLiteral("cmdFont")}, Leave::Ok);
            QCOMPARE(w->rtDoc->FontSize(), size);
            QCOMPARE(::stored("FontSize"), stored);
            QCOMPARE(::stored("FontName"), QStringLiteral("DejaVu Serif"));
        }
        // The next start shows the stored size.
        const auto next = makeWindow();
        QCOMPARE(next->rtDoc->FontSize(), stored.toDouble());
        QCOMPARE(next->rtDoc->FontName(), QStringLiteral("DejaVu Serif"));
    }

    void cancelledDialogLeavesThePrompterAlone()
    {
        const auto w = makeWindow();
        twips::setTop(w->rtDoc, -2000);
        const QByteArray rtf = w->rtDoc->TextRTF();
        const qint32 viewport = colors::backColor(w->picBack);
        m_dialogs.fonts << fontOf(12, colors::rgb(200, 0, 0));
        m_dialogs.colors << QColor(0, 0, 64) << QColor(255, 0, 0);
        runOptions(
            *w, {QStringLiteral("cmdFont"), QStringLiteral("cmdBackColor"), QStringLiteral("cmdLineColor")},
            Leave::Cancel);

        QCOMPARE(w->rtDoc->TextRTF(), rtf);
        QCOMPARE(w->rtDoc->BackColor(), 12648447);
        QCOMPARE(colors::backColor(w->picBack), viewport);
        QCOMPARE(colors::backColor(w->picLine), 49152);
        QCOMPARE(w->core().appearance().lBackColor, 12648447);
        QCOMPARE(stored("BackColor"), QStringLiteral("12648447"));
        QCOMPARE(twips::top(w->rtDoc), 0.0f); // every close brings the script back to its beginning
    }

    void okRecoloursTheWholeWindow()
    {
        const auto w = makeWindow();
        m_platform.now = 5000;
        w->DoAction(QStringLiteral("Start"));
        m_dialogs.colors << QColor(0, 0, 64) << QColor(255, 0, 0);
        runOptions(*w, {QStringLiteral("cmdBackColor"), QStringLiteral("cmdLineColor")}, Leave::Ok);

        QVERIFY(!w->core().running());
        const qint32 navy = colors::rgb(0, 0, 64);
        const qint32 red = colors::rgb(255, 0, 0);
        QCOMPARE(w->rtDoc->BackColor(), navy);
        // The viewport below the end of the script takes the new background too.
        QCOMPARE(colors::backColor(w->picBack), navy);
        QCOMPARE(w->picBack->palette().color(w->picBack->backgroundRole()), QColor(0, 0, 64));
        QCOMPARE(colors::backColor(w->picLine), red);
        // The handles follow at the layout after OK, the overlay at its next tick.
        QCOMPARE(colors::backColor(w->picMove), qint32(quint32(red) + 200));
        QCOMPARE(colors::backColor(w->picResize), qint32(quint32(red) + 200));
        w->lineWindow->ResizeLine();
        QCOMPARE(w->lineWindow->lineColor(), red);
        QCOMPARE(stored("BackColor"), QString::number(navy));
        QCOMPARE(stored("LineColor"), QString::number(red));
    }

    // OK colours a marker's passage again only while the script taken since still holds its words there.
    void optionsHighlightOnlyPassagesStillMarked()
    {
        const auto w = makeWindow();
        const int gone = int(w->rtDoc->Text().indexOf(QStringLiteral("Line 7 of")));
        mark(*w, gone, 20);
        w->core().takeScript(
            scriptOfLines(60).replace(QStringLiteral("Line 7 of"), QStringLiteral("Item 7 of")));
        runOptions(*w, {}, Leave::Ok);
        QCOMPARE(colourAt(w->rtDoc, gone + 5), colors::toQColor(w->core().appearance().lForeColor));
    }

    // A dark desktop: the script keeps its own page and stays readable, and so do the panel's labels.
    void readableOnADarkDesktop_data()
    {
        QTest::addColumn<QString>("place");
        for (const char *place : {"script", "mirror", "preview", "lblToGo", "lblWords"})
            QTest::newRow(place) << QString::fromLatin1(place);
    }

    void readableOnADarkDesktop()
    {
        QFETCH(QString, place);
        const QPalette desktop = QApplication::palette();
        QPalette dark(Qt::white, QColor(0x35, 0x35, 0x35), QColor(0x50, 0x50, 0x50), Qt::black,
                      QColor(0x28, 0x28, 0x28), Qt::white, Qt::white, QColor(0x2A, 0x2A, 0x2A),
                      QColor(0x35, 0x35, 0x35));
        QApplication::setPalette(dark);
        const auto w = makeWindow();
        w->core().takeScript(scriptOfLines(20)); // as a script comes: coloured in the script's colour
        std::pair<QColor, QColor> seen;          // text on background
        if (place == QLatin1String("script")) {
            seen = {colourAt(w->rtDoc, 0), w->rtDoc->palette().color(QPalette::Base)};
        } else if (place == QLatin1String("mirror")) {
            w->DoAction(QStringLiteral("Mark"));
            seen = {colourAt(w->rtMirror, 0), w->rtMirror->palette().color(QPalette::Base)};
        } else if (place == QLatin1String("preview")) {
            m_dialogs.modals << [&seen](QWidget &d) {
                const QPalette p = qobject_cast<dlgOptions *>(&d)->txtPreview->palette();
                seen = {p.color(QPalette::Text), p.color(QPalette::Base)};
                qobject_cast<dlgOptions *>(&d)->cmdOk->click();
                return 0;
            };
            w->DoAction(QStringLiteral("Options"));
            QCOMPARE(stored("ForeColor"), QStringLiteral("-2147483630")); // still the system colour
        } else {
            const auto *label = w->findChild<QLabel *>(place);
            seen = {label->palette().color(label->foregroundRole()),
                    w->picPanel->palette().color(w->picPanel->backgroundRole())};
        }
        QApplication::setPalette(desktop);
        QVERIFY2(colors::contrast(seen.first, seen.second) >= 4.5,
                 qPrintable(seen.first.name() + QLatin1String(" on ") + seen.second.name()));
    }

    void markersStayMarkedAndUnmarkRestoresTheNewColour()
    {
        const auto w = makeWindow();
        const int first = int(w->rtDoc->Text().indexOf(QStringLiteral("Line 3 of")));
        const int second = int(w->rtDoc->Text().indexOf(QStringLiteral("Line 7 of")));
        mark(*w, first, 20);
        mark(*w, second, 20);
        QCOMPARE(w->core().markers().Count(), 2);
        const qint32 maroon = colors::rgb(128, 0, 0);
        m_dialogs.fonts << fontOf(20, maroon);
        runOptions(*w, {QStringLiteral("cmdFont")}, Leave::Ok);

        const QColor blue = colors::toQColor(markers::kHighlightColor);
        QCOMPARE(colourAt(w->rtDoc, first), blue);
        QCOMPARE(colourAt(w->rtDoc, first + 19), blue);
        QCOMPARE(colourAt(w->rtDoc, second + 5), blue);
        QCOMPARE(colourAt(w->rtDoc, first + 20), QColor(128, 0, 0));
        QCOMPARE(colourAt(w->rtDoc, 0), QColor(128, 0, 0));
        QCOMPARE(w->rtDoc->Tag(), QString::number(maroon));
        QCOMPARE(w->core().appearance().lForeColor, maroon);

        // Unmark the first marker: its passage takes the new text colour, not the old one.
        m_dialogs.modals << [](QWidget &d) {
            auto *picker = qobject_cast<dlgSelectMarker *>(&d);
            picker->lvwMarkers->setCurrentItem(picker->lvwMarkers->topLevelItem(0));
            picker->cmdSelect->click();
            return 0;
        };
        w->DoAction(QStringLiteral("Unmark"));
        QCOMPARE(w->core().markers().Count(), 1);
        QCOMPARE(colourAt(w->rtDoc, first + 10), QColor(128, 0, 0));
        QCOMPARE(colourAt(w->rtDoc, second + 5), blue);
    }
};

QTEST_MAIN(tst_Appearance)
#include "tst_appearance.moc"
