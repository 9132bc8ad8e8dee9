// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "line/gui/frmLine.h"
#include "ui/Twips.h"

#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

// Records the clicks that reach it.
class ClickCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

} // namespace

// The reading line's overlay on its own: what it is, how it blends and that it takes the clicks.
class tst_LineOverlay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineOverlay();
    void lineBlends_data();
    void lineBlends();
    void lineSwallowsClicks();
    void bandFollowsSlidingScript();
};

void tst_LineOverlay::lineOverlay()
{
    QWidget prompter;
    frmLine line(&prompter);
    QCOMPARE(line.objectName(), QStringLiteral("frmLine"));
    QVERIFY(!line.isWindow());
    QCOMPARE(line.parentWidget(), &prompter);
    QVERIFY(!line.accessibleName().isEmpty());
    QVERIFY(!line.testAttribute(Qt::WA_TransparentForMouseEvents));
    const twips::Rect r = twips::rect(&line);
    QCOMPARE(r.width, 4680.f);
    QCOMPARE(r.height, 3090.f);
    QCOMPARE(line.lineColor(), qint32(0x0080FF80));

    QVERIFY(line.timResize);
    QCOMPARE(line.timResize->objectName(), QStringLiteral("timResize"));
    QCOMPARE(line.timResize->interval(), 10);
    QCOMPARE(line.findChildren<QTimer *>().size(), 1);
}

void tst_LineOverlay::lineBlends_data()
{
    QTest::addColumn<qint32>("lineColor");
    QTest::addColumn<QColor>("under");
    QTest::addColumn<QColor>("seen");

    QTest::newRow("default over white") << qint32(0x0080FF80) << QColor(Qt::white) << QColor(191, 255, 191);
    QTest::newRow("red over black") << qint32(0x000000FF) << QColor(Qt::black) << QColor(128, 0, 0);
    QTest::newRow("blue over white") << qint32(0x00FF0000) << QColor(Qt::white) << QColor(127, 127, 255);
}

void tst_LineOverlay::lineBlends()
{
    QFETCH(qint32, lineColor);
    QFETCH(QColor, under);
    QFETCH(QColor, seen);

    QWidget prompter;
    prompter.resize(400, 300);
    prompter.setAutoFillBackground(true);
    QPalette pal = prompter.palette();
    pal.setColor(QPalette::Window, under);
    prompter.setPalette(pal);
    frmLine line(&prompter);
    line.setLineColor(lineColor);
    QCOMPARE(line.lineColor(), lineColor);

    const QImage shot = prompter.grab().toImage();
    const QColor inside = shot.pixelColor(line.width() / 2, line.height() / 2);
    QVERIFY2(qAbs(inside.red() - seen.red()) <= 2 && qAbs(inside.green() - seen.green()) <= 2 &&
                 qAbs(inside.blue() - seen.blue()) <= 2,
             qPrintable(inside.name()));
    QCOMPARE(shot.pixelColor(line.width() + 5, line.height() + 5), under);
}

void tst_LineOverlay::lineSwallowsClicks()
{
    ClickCounter prompter;
    prompter.resize(400, 300);
    frmLine line(&prompter);
    prompter.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prompter));

    QTest::mouseClick(&line, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(prompter.presses, 0);
    QTest::mouseClick(&prompter, Qt::LeftButton, {}, QPoint(line.width() + 10, line.height() + 10));
    QCOMPARE(prompter.presses, 1);
}

// What is on screen after the script slides under the band is what painting it all afresh gives.
void tst_LineOverlay::bandFollowsSlidingScript()
{
    QWidget back;
    back.resize(300, 200);
    QWidget lineSource(&back);
    lineSource.hide();
    twips::move(&lineSource, 0, 1200, 4500, 450);
    QTextEdit script(&back);
    // Opaque, as the prompter's view is: the toolkit then shifts it on screen rather than repainting.
    script.setAutoFillBackground(true);
    script.setPlainText(QStringLiteral("a row of the script\n").repeated(150));
    script.setGeometry(0, -40, 300, 3000);
    frmLine line(&back);
    line.setSources(&back, &lineSource);
    line.ResizeLine();
    back.show();
    QVERIFY(QTest::qWaitForWindowExposed(&back));
    // Painting a pixel paints everything waiting to be painted, there and then.
    back.repaint(0, 0, 1, 1);
    // Moves with no paint between them, forward and back, and further than the band is high.
    for (const QList<int> &moves : {QList<int>{-2, -1}, QList<int>{3}, QList<int>{-25, -30}}) {
        for (const int dy : moves)
            script.move(0, script.y() + dy);
        back.repaint(0, 0, 1, 1);
        const QImage shown = back.screen()->grabWindow(back.winId()).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                 back.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
}

QTEST_MAIN(tst_LineOverlay)
#include "tst_lineoverlay.moc"
