// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "settings/gui/dlgOptions.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/RichTextView.h"
#include "ui/dlgFont.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

namespace {

constexpr qint32 kButtonText = qint32(0x80000012u); // the default script colour, a system colour
constexpr qint32 kPaleYellow = 12648447;
constexpr qint32 kGreen = 49152;

// Every character's colour in a view, one per block fragment.
QList<QColor> fragmentColours(const RichTextView &view)
{
    QList<QColor> out;
    for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out << it.fragment().charFormat().foreground().color();
    return out;
}

// A script view and a reading line as the prompter has them after start-up.
struct Prompter
{
    RichTextView rtDoc{RichTextView::Input::None};
    QWidget picLine;

    Prompter()
    {
        rtDoc.setText(QStringLiteral("First line of the script\r\nSecond line"));
        rtDoc.setSelStart(0);
        rtDoc.setSelLength(rtDoc.textLength());
        rtDoc.setSelColor(kButtonText);
        rtDoc.setTag(QString::number(kButtonText));
        rtDoc.setBaseFont(fonts::make(QStringLiteral("MS Sans Serif"), 28));
        rtDoc.setBackColor(kPaleYellow);
        rtDoc.setSelLength(0);
        colors::setBackColor(&picLine, kGreen);
    }

    std::unique_ptr<dlgOptions> open(FakeDialogs &dialogs)
    {
        auto d = std::make_unique<dlgOptions>(dialogs);
        d->current = appearance::of(rtDoc, picLine, kButtonText);
        // As the prompter does with what OK hands over.
        QObject::connect(d.get(), &QDialog::accepted, d.get(), [this, dialog = d.get()] {
            if (dialog->chosen)
                appearance::apply(*dialog->chosen, rtDoc, picLine);
        });
        d->show();
        return d;
    }
};

FontChoice chosenFont()
{
    return {QStringLiteral("DejaVu Serif"), 10.5, true, true, true, true, colors::rgb(0x80, 0, 0)};
}

} // namespace

class tst_Options : public QObject
{
    Q_OBJECT

    FakeDialogs m_dialogs;

private Q_SLOTS:
    void init() { m_dialogs = FakeDialogs(); }

    void previewsStartFromThePrompter()
    {
        Prompter p;
        p.rtDoc.setFontSize(10.5);
        const auto d = p.open(m_dialogs);
        QCOMPARE(d->txtPreview->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(d->txtPreview->font().pointSizeF(), 10.5);
        QCOMPARE(colors::foreColor(d->txtPreview), kButtonText);
        QCOMPARE(colors::backColor(d->txtPreview), kPaleYellow);
        QCOMPARE(d->txtPreview->palette().color(QPalette::Base), colors::toQColor(kPaleYellow));
        QCOMPARE(colors::backColor(d->picPreview), kGreen);

        // The font step is offered exactly what the preview shows, the system colour as one.
        d->cmdFont->click();
        QCOMPARE(m_dialogs.fontsOffered.size(), 1);
        const FontChoice offered = m_dialogs.fontsOffered.first();
        QCOMPARE(offered, (FontChoice{QStringLiteral("MS Sans Serif"), 10.5, false, false, false, false,
                                      kButtonText}));
    }

    void stepsChangeOnlyThePreviews_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("answered");
        QTest::newRow("font chosen") << "cmdFont" << true;
        QTest::newRow("font cancelled") << "cmdFont" << false;
        QTest::newRow("back colour chosen") << "cmdBackColor" << true;
        QTest::newRow("back colour cancelled") << "cmdBackColor" << false;
        QTest::newRow("line colour chosen") << "cmdLineColor" << true;
        QTest::newRow("line colour cancelled") << "cmdLineColor" << false;
    }

    void stepsChangeOnlyThePreviews()
    {
        QFETCH(QString, button);
        QFETCH(bool, answered);
        Prompter p;
        const auto d = p.open(m_dialogs);
        const QFont fontBefore = d->txtPreview->font();
        const qint32 foreBefore = colors::foreColor(d->txtPreview);
        const qint32 backBefore = colors::backColor(d->txtPreview);
        const qint32 lineBefore = colors::backColor(d->picPreview);
        const QColor chosen(10, 20, 30);
        if (answered) {
            m_dialogs.fonts << chosenFont();
            m_dialogs.colors << chosen;
        }

        d->findChild<QPushButton *>(button)->click();

        const bool font = answered && button == QLatin1String("cmdFont");
        const bool back = answered && button == QLatin1String("cmdBackColor");
        const bool line = answered && button == QLatin1String("cmdLineColor");
        if (font) {
            const QFont f = d->txtPreview->font();
            QCOMPARE(f.family(), QStringLiteral("DejaVu Serif"));
            QCOMPARE(f.pointSizeF(), 10.5);
            QVERIFY(f.bold() && f.italic() && f.underline() && f.strikeOut());
        } else {
            QCOMPARE(d->txtPreview->font(), fontBefore);
        }
        QCOMPARE(colors::foreColor(d->txtPreview), font ? chosenFont().color : foreBefore);
        QCOMPARE(colors::backColor(d->txtPreview), back ? colors::fromQColor(chosen) : backBefore);
        QCOMPARE(colors::backColor(d->picPreview), line ? colors::fromQColor(chosen) : lineBefore);
        QVERIFY(d->isVisible());

        // Nothing reaches the prompter before OK.
        QCOMPARE(p.rtDoc.BackColor(), kPaleYellow);
        QCOMPARE(p.rtDoc.FontSize(), 28.0);
        QCOMPARE(p.rtDoc.Tag(), QString::number(kButtonText));
        QCOMPARE(colors::backColor(&p.picLine), kGreen);
    }

    void okHandsThePreviewsOver()
    {
        Prompter p;
        const auto d = p.open(m_dialogs);
        m_dialogs.fonts << chosenFont();
        m_dialogs.colors << QColor(0, 0, 64) << QColor(255, 0, 0);
        d->cmdFont->click();
        d->cmdBackColor->click();
        d->cmdLineColor->click();
        d->cmdOk->click();

        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(p.rtDoc.FontName(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(p.rtDoc.FontSize(), 10.5); // only storing rounds
        QVERIFY(p.rtDoc.FontBold() && p.rtDoc.FontItalic() && p.rtDoc.FontUnderline() &&
                p.rtDoc.FontStrikethrough());
        QCOMPARE(p.rtDoc.Tag(), QString::number(chosenFont().color));
        for (const QColor &c : fragmentColours(p.rtDoc))
            QCOMPARE(c, colors::toQColor(chosenFont().color));
        QCOMPARE(p.rtDoc.BackColor(), colors::rgb(0, 0, 64));
        QCOMPARE(p.rtDoc.SelLength(), 0);
        QCOMPARE(colors::backColor(&p.picLine), colors::rgb(255, 0, 0));
    }

    // The preview takes no typing: Enter, wherever the focus stands, presses OK.
    void enterPressesOk()
    {
        Prompter p;
        const auto d = p.open(m_dialogs);
        const QString shown = d->txtPreview->toPlainText();
        QTest::keyClick(d->txtPreview, Qt::Key_X);
        QTest::keyClick(d->txtPreview, Qt::Key_Return);
        QCOMPARE(d->focusWidget(), d->cmdOk);
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        QCOMPARE(d->txtPreview->toPlainText(), shown);
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }

    void untouchedSystemColourSurvivesOk()
    {
        Prompter p;
        const auto d = p.open(m_dialogs);
        m_dialogs.colors << QColor(0, 0, 64);
        d->cmdBackColor->click();
        d->cmdOk->click();
        QCOMPARE(p.rtDoc.Tag(), QStringLiteral("-2147483630"));
        QCOMPARE(p.rtDoc.BackColor(), colors::rgb(0, 0, 64));
        QCOMPARE(p.rtDoc.FontName(), QStringLiteral("MS Sans Serif"));
    }

    // The font step itself: every choice comes back together, and only what the operator touched.
    void fontStepKeepsWhatWasNotTouched()
    {
        const FontChoice initial{
            QStringLiteral("MS Sans Serif"), 8.25, false, true, false, false, kButtonText};
        dlgFont d(m_dialogs, initial);
        QCOMPARE(d.choice(), initial); // a face this system lacks keeps its name
        QCOMPARE(d.txtFontSize->value(), 8.25);
        QCOMPARE(d.txtFontSize->text(), QStringLiteral("8.25 pt"));

        // A cancelled colour leaves the system colour a system colour.
        d.cmdColor->click();
        QCOMPARE(d.choice().color, kButtonText);
    }

    void fontStepReturnsEveryChoice()
    {
        dlgFont d(m_dialogs, {QStringLiteral("MS Sans Serif"), 28, false, false, false, false, kButtonText});
        d.cboFontName->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
        const QString face = d.cboFontName->currentFont().family();
        QVERIFY(!face.isEmpty());
        d.txtFontSize->setValue(10.5);
        QCOMPARE(d.txtFontSize->text(), QStringLiteral("10.5 pt"));
        d.chkBold->setChecked(true);
        d.chkUnderline->setChecked(true);
        d.chkStrikethrough->setChecked(true);
        m_dialogs.colors << QColor(0, 128, 255);
        d.cmdColor->click();

        const FontChoice c = d.choice();
        QCOMPARE(c, (FontChoice{face, 10.5, true, false, true, true, colors::rgb(0, 128, 255)}));
        QCOMPARE(d.lblSample->font().pointSizeF(), 10.5);
        QVERIFY(d.lblSample->font().strikeOut());
        QCOMPARE(d.lblSample->palette().color(QPalette::WindowText), QColor(0, 128, 255));
        const QImage sample = d.lblSample->grab().toImage();
        bool drawn = false; // in the chosen colour: the strikethrough at least is solid
        for (int y = 0; y < sample.height() && !drawn; ++y)
            for (int x = 0; x < sample.width() && !drawn; ++x)
                drawn = sample.pixelColor(x, y) == QColor(0, 128, 255);
        QVERIFY(drawn);
    }
};

QTEST_MAIN(tst_Options)
#include "tst_options.moc"
