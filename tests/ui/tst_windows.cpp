#include "FakeDialogs.h"
#include "editor/frmEditText.h"
#include "line/frmLine.h"
#include "markers/dlgSelectMarker.h"
#include "settings/dlgOptions.h"
#include "ui/Fonts.h"
#include "ui/Icons.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QFrame>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

namespace {

FakeDialogs &fakeDialogs()
{
    static FakeDialogs dialogs;
    return dialogs;
}

std::unique_ptr<QWidget> makeWindow(const QString &name, QWidget *owner = nullptr)
{
    if (name == QLatin1String("frmEditText"))
        return std::make_unique<frmEditText>(fakeDialogs(), owner);
    if (name == QLatin1String("dlgOptions"))
        return std::make_unique<dlgOptions>(fakeDialogs(), owner);
    if (name == QLatin1String("dlgSelectMarker"))
        return std::make_unique<dlgSelectMarker>(owner);
    return nullptr;
}

QString visibleText(const QWidget *w)
{
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return t->toPlainText();
    return {};
}

QImage image16(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool anyOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

// Records the clicks that reach it.
class ClickCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

} // namespace

class tst_Windows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls_data();
    void controls();
    void tabOrder_data();
    void tabOrder();
    void frame_data();
    void frame();
    void editorIgnoresResize_data();
    void editorIgnoresResize();
    void centredOverOwner_data();
    void centredOverOwner();
    void dialogKeys_data();
    void dialogKeys();
    void closingButtons_data();
    void closingButtons();
    void lineOverlay();
    void lineBlends_data();
    void lineBlends();
    void lineSwallowsClicks();
    void icons_data();
    void icons();
};

void tst_Windows::controls_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRectF>("twipRect");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("accessibleName");

    const QString ed = QStringLiteral("frmEditText");
    QTest::newRow("editor cmdDone") << ed << "cmdDone"
                                    << "QToolButton"
                                    << "&Done" << QRectF(5940, 4560, 1305, 615) << true << "";
    QTest::newRow("editor cmdClear") << ed << "cmdClear"
                                     << "QToolButton"
                                     << "C&lear" << QRectF(3030, 4560, 1305, 615) << true << "";
    QTest::newRow("editor cmdSave") << ed << "cmdSave"
                                    << "QToolButton"
                                    << "&Save" << QRectF(1740, 4560, 1305, 615) << true << "";
    QTest::newRow("editor cmdOpen") << ed << "cmdOpen"
                                    << "QToolButton"
                                    << "&Open File" << QRectF(450, 4560, 1305, 615) << true << "";
    QTest::newRow("editor cmdCancel") << ed << "cmdCancel"
                                      << "QToolButton"
                                      << "&Cancel" << QRectF(4650, 4560, 1305, 615) << true << "";
    QTest::newRow("editor rtBody") << ed << "rtBody"
                                   << "RichTextView"
                                   << "" << QRectF(390, 480, 6855, 3525) << false << "Script text";

    const QString op = QStringLiteral("dlgOptions");
    QTest::newRow("options cmdCancel") << op << "cmdCancel"
                                       << "QPushButton"
                                       << "&Cancel" << QRectF(2805, 3630, 1245, 435) << true << "";
    QTest::newRow("options cmdOk") << op << "cmdOk"
                                   << "QPushButton"
                                   << "&OK" << QRectF(1305, 3630, 1245, 435) << true << "";
    QTest::newRow("options cmdLineColor") << op << "cmdLineColor"
                                          << "QPushButton"
                                          << "Line Color" << QRectF(3510, 2730, 1365, 405) << false << "";
    QTest::newRow("options picPreview")
        << op << "picPreview"
        << "QFrame"
        << "" << QRectF(510, 1380, 4365, 75) << false << "Line colour preview";
    QTest::newRow("options cmdBackColor") << op << "cmdBackColor"
                                          << "QPushButton"
                                          << "Back Color" << QRectF(1980, 2730, 1395, 405) << false << "";
    QTest::newRow("options cmdFont") << op << "cmdFont"
                                     << "QPushButton"
                                     << "Font" << QRectF(480, 2730, 1365, 405) << false << "";
    QTest::newRow("options txtPreview")
        << op << "txtPreview"
        << "QTextEdit"
        << "Set your Cuescroll Preferences Here" << QRectF(480, 450, 4425, 1905) << false << "Font preview";

    const QString mk = QStringLiteral("dlgSelectMarker");
    QTest::newRow("marker cmdCancel") << mk << "cmdCancel"
                                      << "QPushButton"
                                      << "&Cancel" << QRectF(2460, 2550, 1305, 435) << true << "";
    QTest::newRow("marker cmdSelect") << mk << "cmdSelect"
                                      << "QPushButton"
                                      << "&Select" << QRectF(900, 2550, 1305, 435) << true << "";
    QTest::newRow("marker lvwMarkers") << mk << "lvwMarkers"
                                       << "QTreeWidget"
                                       << "" << QRectF(90, 90, 4485, 2325) << false << "Markers";
}

void tst_Windows::controls()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, text);
    QFETCH(QRectF, twipRect);
    QFETCH(bool, bold);
    QFETCH(QString, accessibleName);

    const auto w = makeWindow(window);
    auto *c = w->findChild<QWidget *>(name);
    QVERIFY(c);
    QVERIFY2(c->inherits(className.toLatin1().constData()), c->metaObject()->className());
    QCOMPARE(c->parentWidget(), w.get());
    QCOMPARE(visibleText(c), text);
    const twips::Rect r = twips::rect(c);
    QCOMPARE(QRectF(r.left, r.top, r.width, r.height), twipRect);
    QCOMPARE(c->geometry(), QRect(twips::toPixels(r.left), twips::toPixels(r.top), twips::toPixels(r.width),
                                  twips::toPixels(r.height)));
    QCOMPARE(c->font().bold(), bold);
    // Every control has the standard face and size, its own font or not.
    QCOMPARE(c->font().pointSizeF(), 8.25);
    QCOMPARE(QFontInfo(c->font()).family(), QFontInfo(fonts::standard()).family());
    if (!accessibleName.isEmpty())
        QCOMPARE(c->accessibleName(), accessibleName);

    if (auto *b = qobject_cast<QToolButton *>(c)) {
        QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(!b->icon().isNull());
    }
    if (auto *b = qobject_cast<QPushButton *>(c)) {
        QVERIFY(!b->isDefault());
        QVERIFY(!b->autoDefault());
    }
}

void tst_Windows::tabOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("editor") << "frmEditText" << QStringList{"cmdOpen", "cmdSave", "cmdCancel",
                                                            "cmdDone", "rtBody",  "cmdClear"};
    QTest::newRow("options") << "dlgOptions"
                             << QStringList{"txtPreview",   "cmdFont", "cmdBackColor", "picPreview",
                                            "cmdLineColor", "cmdOk",   "cmdCancel"};
    QTest::newRow("marker") << "dlgSelectMarker" << QStringList{"lvwMarkers", "cmdSelect", "cmdCancel"};
}

void tst_Windows::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);

    const auto w = makeWindow(window);
    QWidget *first = w->findChild<QWidget *>(order.first());
    QVERIFY(first);
    QStringList seen;
    QWidget *c = first;
    do {
        if (order.contains(c->objectName()) && c->parentWidget() == w.get() &&
            !seen.contains(c->objectName()))
            seen << c->objectName();
        c = c->nextInFocusChain();
    } while (c && c != first);
    QCOMPARE(seen, order);
}

void tst_Windows::frame_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSizeF>("client");
    QTest::addColumn<bool>("dialog");

    QTest::newRow("editor") << "frmEditText"
                            << "Edit Text" << QSizeF(7710, 5550) << false;
    QTest::newRow("options") << "dlgOptions"
                             << "Options" << QSizeF(5355, 4350) << true;
    QTest::newRow("marker") << "dlgSelectMarker"
                            << "Select Marker" << QSizeF(4680, 3090) << true;
}

void tst_Windows::frame()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSizeF, client);
    QFETCH(bool, dialog);

    QWidget owner;
    const auto w = makeWindow(window, &owner);
    QCOMPARE(w->windowTitle(), caption);
    QVERIFY(w->isWindow());
    QVERIFY(!w->windowIcon().isNull());
    const QSize pixels(twips::toPixels(float(client.width())), twips::toPixels(float(client.height())));
    QCOMPARE(w->size(), pixels);

    const Qt::WindowFlags flags = w->windowFlags();
    if (dialog) {
        QCOMPARE(w->windowType(), Qt::Dialog);
        QCOMPARE(w->minimumSize(), pixels);
        QCOMPARE(w->maximumSize(), pixels);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
    } else {
        // A plain window, not a dialog or tool window, so it keeps its taskbar entry.
        QCOMPARE(w->windowType(), Qt::Window);
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowMaximizeButtonHint);
        QVERIFY(w->maximumSize().width() > pixels.width());
    }
}

void tst_Windows::editorIgnoresResize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("larger") << QSize(900, 700);
    QTest::newRow("smaller") << QSize(200, 150);
}

void tst_Windows::editorIgnoresResize()
{
    QFETCH(QSize, size);

    frmEditText w(fakeDialogs());
    w.show();
    QHash<QString, QRect> before;
    for (QWidget *c : w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        before.insert(c->objectName(), c->geometry());
    QVERIFY(before.size() >= 6);

    w.resize(size);
    QCoreApplication::processEvents();
    for (QWidget *c : w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QCOMPARE(c->geometry(), before.value(c->objectName()));
}

void tst_Windows::centredOverOwner_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("editor") << "frmEditText";
    QTest::newRow("marker") << "dlgSelectMarker";
}

void tst_Windows::centredOverOwner()
{
    QFETCH(QString, window);

    QWidget owner;
    owner.setGeometry(40, 30, 700, 520);
    owner.show();
    const auto w = makeWindow(window, &owner);
    w->show();
    const QPoint offset = w->frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
}

void tst_Windows::dialogKeys_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result"); // -1: the dialog stays open

    QTest::newRow("options: Esc in the preview") << "dlgOptions"
                                                 << "txtPreview" << int(Qt::Key_Escape) << -1;
    QTest::newRow("options: Esc on OK") << "dlgOptions"
                                        << "cmdOk" << int(Qt::Key_Escape) << -1;
    QTest::newRow("options: Enter on the font button") << "dlgOptions"
                                                       << "cmdFont" << int(Qt::Key_Return) << -1;
    QTest::newRow("options: Enter on OK") << "dlgOptions"
                                          << "cmdOk" << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("options: keypad Enter on Cancel")
        << "dlgOptions"
        << "cmdCancel" << int(Qt::Key_Enter) << int(QDialog::Rejected);
    QTest::newRow("marker: Esc in the list") << "dlgSelectMarker"
                                             << "lvwMarkers" << int(Qt::Key_Escape) << -1;
    QTest::newRow("marker: Enter in the list") << "dlgSelectMarker"
                                               << "lvwMarkers" << int(Qt::Key_Return) << -1;
    QTest::newRow("marker: Enter on Cancel") << "dlgSelectMarker"
                                             << "cmdCancel" << int(Qt::Key_Return) << int(QDialog::Rejected);
}

void tst_Windows::dialogKeys()
{
    QFETCH(QString, window);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, result);

    const auto w = makeWindow(window);
    auto *dialog = qobject_cast<QDialog *>(w.get());
    QVERIFY(dialog);
    QSignalSpy finished(dialog, &QDialog::finished);
    dialog->show();
    // Showing must not make any button the default.
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));

    QWidget *target = dialog->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    const Qt::KeyboardModifiers mods = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(target, Qt::Key(key), mods);

    if (result < 0) {
        QVERIFY(dialog->isVisible());
        QCOMPARE(finished.count(), 0);
    } else {
        QVERIFY(!dialog->isVisible());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), result);
    }
}

void tst_Windows::closingButtons_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("closes");

    QTest::newRow("editor Cancel") << "frmEditText"
                                   << "cmdCancel" << true;
    QTest::newRow("editor Done") << "frmEditText"
                                 << "cmdDone" << true;
    QTest::newRow("editor Clear") << "frmEditText"
                                  << "cmdClear" << false;
    QTest::newRow("options Font") << "dlgOptions"
                                  << "cmdFont" << false;
    QTest::newRow("options Line Color") << "dlgOptions"
                                        << "cmdLineColor" << false;
    QTest::newRow("options OK") << "dlgOptions"
                                << "cmdOk" << true;
    QTest::newRow("options Cancel") << "dlgOptions"
                                    << "cmdCancel" << true;
    QTest::newRow("marker Cancel") << "dlgSelectMarker"
                                   << "cmdCancel" << true;
}

void tst_Windows::closingButtons()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(bool, closes);

    const auto w = makeWindow(window);
    w->show();
    auto *b = w->findChild<QAbstractButton *>(button);
    QVERIFY(b);
    b->click();
    QCOMPARE(w->isVisible(), !closes);
}

void tst_Windows::lineOverlay()
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

void tst_Windows::lineBlends_data()
{
    QTest::addColumn<qint32>("lineColor");
    QTest::addColumn<QColor>("under");
    QTest::addColumn<QColor>("seen");

    QTest::newRow("default over white") << qint32(0x0080FF80) << QColor(Qt::white) << QColor(191, 255, 191);
    QTest::newRow("red over black") << qint32(0x000000FF) << QColor(Qt::black) << QColor(128, 0, 0);
    QTest::newRow("blue over white") << qint32(0x00FF0000) << QColor(Qt::white) << QColor(127, 127, 255);
}

void tst_Windows::lineBlends()
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

void tst_Windows::lineSwallowsClicks()
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

void tst_Windows::icons_data()
{
    QTest::addColumn<bool>("editorList");
    QTest::newRow("prompter toolbar") << false;
    QTest::newRow("editor") << true;
}

void tst_Windows::icons()
{
    QFETCH(bool, editorList);

    const QStringList keys = editorList ? icons::editorKeys() : icons::toolKeys();
    QCOMPARE(keys.size(), editorList ? 5 : 19);
    QHash<QString, QImage> drawn;
    for (const QString &key : keys) {
        const QIcon icon = editorList ? icons::editor(key) : icons::tool(key);
        if (key.isEmpty()) {
            QVERIFY(icon.isNull());
            continue;
        }
        QVERIFY2(!icon.isNull(), qPrintable(key));
        const QImage image = image16(icon);
        QCOMPARE(image.size(), QSize(16, 16));
        QVERIFY2(anyOpaque(image), qPrintable(key));
        for (auto it = drawn.cbegin(); it != drawn.cend(); ++it)
            QVERIFY2(it.value() != image, qPrintable(key + QLatin1String(" looks like ") + it.key()));
        drawn.insert(key, image);

        for (int side : {24, 32, 48}) {
            const QPixmap pm = icon.pixmap(side, side);
            QCOMPARE(pm.size(), QSize(side, side));
            QVERIFY(anyOpaque(pm.toImage()));
        }
        QVERIFY2(icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage() !=
                     image.convertToFormat(QImage::Format_ARGB32),
                 qPrintable(key));
    }
    QCOMPARE(drawn.size(), editorList ? 5 : 15);
    QVERIFY(anyOpaque(image16(icons::app())));
}

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
