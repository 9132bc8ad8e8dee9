// What the operator feels: how long a layout of a long script takes, and what one clock step costs
// with its repaint. Run: QT_QPA_PLATFORM=offscreen build/bench/bench_scroll
#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/frmMain.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString words(int count)
{
    static const QStringList pool =
        QStringLiteral(
            "good evening and welcome to the news at nine tonight we look at the harbour project the weather "
            "and a remarkable story from the valley where the river has changed its course")
            .split(QLatin1Char(' '));
    QString text;
    text.reserve(count * 7);
    for (int i = 0; i < count; ++i) {
        text += pool.at(i % pool.size());
        text += (i % 60 == 59) ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    return text;
}

} // namespace

class bench_scroll : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    IsolatedSettings m_settings;
    FakePlatform m_platform;
    FakeDialogs m_dialogs;

private Q_SLOTS:

    void layoutOfALongScript_data()
    {
        QTest::addColumn<int>("wordCount");
        QTest::newRow("5000 words") << 5000;
        QTest::newRow("50000 words") << 50000;
    }

    void layoutOfALongScript()
    {
        QFETCH(int, wordCount);
        frmMain w(m_platform, m_dialogs);
        w.resize(1800, 1000);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QString text = words(wordCount);
        QBENCHMARK
        {
            w.rtDoc->setText(text);
            w.Form_Resize();
        }
    }

    void clockStepWithRepaint()
    {
        frmMain w(m_platform, m_dialogs);
        w.resize(1800, 1000);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.rtDoc->setText(words(20000));
        w.Form_Resize();
        w.sldSpeed->setValue(16);
        QBENCHMARK
        {
            m_platform.now += 20;
            w.timTick_Timer();
            w.picBack->repaint();
        }
    }

    void lineOfTheLastCharacter()
    {
        frmMain w(m_platform, m_dialogs);
        w.resize(1800, 1000);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.rtDoc->setText(words(50000));
        w.Form_Resize();
        int line = 0;
        QBENCHMARK
        {
            line = w.rtDoc->GetLineFromChar(w.rtDoc->textLength());
        }
        QVERIFY(line > 0);
    }
};

QTEST_MAIN(bench_scroll)
#include "bench_scroll.moc"
