// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "WindowChecks.h"
#include "editor/gui/frmEditText.h"
#include "settings/Settings.h"

#include <QTest>

namespace {

FakeDialogs &fakeDialogs()
{
    static FakeDialogs dialogs;
    return dialogs;
}

Settings &settings()
{
    static IsolatedSettings sandbox;
    static Settings settings;
    return settings;
}

} // namespace

// The editor window as built: its controls, tab order, frame and buttons.
class tst_EditorWindow : public QObject
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
    void closingButtons_data();
    void closingButtons();
};

void tst_EditorWindow::controls_data()
{
    windowchecks::controlColumns();
    QTest::newRow("editor cmdDone") << "cmdDone"
                                    << "QToolButton"
                                    << "&Done" << QRectF(5940, 4560, 1305, 615) << true << "";
    QTest::newRow("editor cmdClear") << "cmdClear"
                                     << "QToolButton"
                                     << "C&lear" << QRectF(3030, 4560, 1305, 615) << true << "";
    QTest::newRow("editor cmdSave") << "cmdSave"
                                    << "QToolButton"
                                    << "&Save" << QRectF(1740, 4560, 1305, 615) << true << "";
    QTest::newRow("editor cmdOpen") << "cmdOpen"
                                    << "QToolButton"
                                    << "&Open File" << QRectF(450, 4560, 1305, 615) << true << "";
    QTest::newRow("editor cmdCancel") << "cmdCancel"
                                      << "QToolButton"
                                      << "&Cancel" << QRectF(4650, 4560, 1305, 615) << true << "";
    QTest::newRow("editor rtBody") << "rtBody"
                                   << "RichTextView"
                                   << "" << QRectF(390, 480, 6855, 3525) << false << "Script text";
}

void tst_EditorWindow::controls()
{
    frmEditText w(fakeDialogs(), settings());
    windowchecks::control(w);
}

void tst_EditorWindow::tabOrder_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::newRow("editor") << QStringList{"cmdOpen", "cmdSave", "cmdCancel",
                                           "cmdDone", "rtBody",  "cmdClear"};
}

void tst_EditorWindow::tabOrder()
{
    QFETCH(QStringList, order);
    frmEditText w(fakeDialogs(), settings());
    windowchecks::tabOrder(w, order);
}

void tst_EditorWindow::frame_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSizeF>("client");
    QTest::newRow("editor") << "Edit Text" << QSizeF(7710, 5550);
}

void tst_EditorWindow::frame()
{
    QFETCH(QString, caption);
    QFETCH(QSizeF, client);
    QWidget owner;
    frmEditText w(fakeDialogs(), settings(), &owner);
    windowchecks::frame(w, caption, client, false);
}

void tst_EditorWindow::editorIgnoresResize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("larger") << QSize(900, 700);
    QTest::newRow("smaller") << QSize(200, 150);
}

void tst_EditorWindow::editorIgnoresResize()
{
    QFETCH(QSize, size);

    frmEditText w(fakeDialogs(), settings());
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

void tst_EditorWindow::centredOverOwner_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("editor") << "frmEditText";
}

void tst_EditorWindow::centredOverOwner()
{
    QWidget owner;
    windowchecks::showOwner(owner);
    frmEditText w(fakeDialogs(), settings(), &owner);
    windowchecks::centredOverOwner(owner, w);
}

void tst_EditorWindow::closingButtons_data()
{
    windowchecks::closingButtonColumns();
    QTest::newRow("editor Cancel") << "cmdCancel" << true;
    QTest::newRow("editor Done") << "cmdDone" << true;
    QTest::newRow("editor Clear") << "cmdClear" << false;
}

void tst_EditorWindow::closingButtons()
{
    frmEditText w(fakeDialogs(), settings());
    windowchecks::closingButton(w);
}

QTEST_MAIN(tst_EditorWindow)
#include "tst_editorwindow.moc"
