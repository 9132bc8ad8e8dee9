// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Checks every fixed window of ours passes: controls where the design puts them, tab order, frame,
// keys and closing buttons. Each subsystem's test supplies its own window and rows; the checks
// fetch the row themselves, so a test slot is one call.

#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

namespace windowchecks {

inline QString visibleText(const QWidget *w)
{
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return t->toPlainText();
    return {};
}

inline void controlColumns()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRectF>("twipRect");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("accessibleName");
}

// One control of w: class, parent, text, place in twips, font and accessible name.
inline void control(const QWidget &w)
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, text);
    QFETCH(QRectF, twipRect);
    QFETCH(bool, bold);
    QFETCH(QString, accessibleName);

    auto *c = w.findChild<QWidget *>(name);
    QVERIFY(c);
    QVERIFY2(c->inherits(className.toLatin1().constData()), c->metaObject()->className());
    QCOMPARE(c->parentWidget(), &w);
    QCOMPARE(visibleText(c), text);
    const twips::Rect r = twips::rect(c);
    QCOMPARE(QRectF(r.left, r.top, r.width, r.height), twipRect);
    QCOMPARE(c->geometry(), QRect(twips::toPixels(r.left), twips::toPixels(r.top), twips::toPixels(r.width),
                                  twips::toPixels(r.height)));
    QCOMPARE(c->font().bold(), bold);
    // Every control has the standard face and size, its own font or not.
    QCOMPARE(c->font().pointSizeF(), fonts::kStandardPointSize);
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

// The window's own controls in order goes once round the focus chain.
inline void tabOrder(const QWidget &w, const QStringList &order)
{
    QWidget *first = w.findChild<QWidget *>(order.first());
    QVERIFY(first);
    QStringList seen;
    QWidget *c = first;
    do {
        if (order.contains(c->objectName()) && c->parentWidget() == &w && !seen.contains(c->objectName()))
            seen << c->objectName();
        c = c->nextInFocusChain();
    } while (c && c != first);
    QCOMPARE(seen, order);
}

// Caption, icon and client size in twips; a dialog is fixed in size with no extra title-bar buttons.
inline void frame(const QWidget &w, const QString &caption, const QSizeF &client, bool dialog)
{
    QCOMPARE(w.windowTitle(), caption);
    QVERIFY(w.isWindow());
    QVERIFY(!w.windowIcon().isNull());
    const QSize pixels(twips::toPixels(float(client.width())), twips::toPixels(float(client.height())));
    QCOMPARE(w.size(), pixels);

    const Qt::WindowFlags flags = w.windowFlags();
    if (dialog) {
        QCOMPARE(w.windowType(), Qt::Dialog);
        QCOMPARE(w.minimumSize(), pixels);
        QCOMPARE(w.maximumSize(), pixels);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
    } else {
        // A plain window, not a dialog or tool window, so it keeps its taskbar entry.
        QCOMPARE(w.windowType(), Qt::Window);
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowMaximizeButtonHint);
        QVERIFY(w.maximumSize().width() > pixels.width());
    }
}

// An owner on screen, off the screen's centre, for a window to centre itself over.
inline void showOwner(QWidget &owner)
{
    owner.setGeometry(40, 30, 700, 520);
    owner.show();
}

// w, owned by owner (already shown), shows over owner's centre.
inline void centredOverOwner(const QWidget &owner, QWidget &w)
{
    w.show();
    const QPoint offset = w.frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
}

inline void dialogKeyColumns()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result"); // -1: the dialog stays open
}

// A key on the focused control either leaves the dialog open or ends it with the row's result.
inline void dialogKey(QDialog &dialog)
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, result);

    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    // Showing must not make any button the default.
    for (QPushButton *b : dialog.findChildren<QPushButton *>())
        QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));

    QWidget *target = dialog.findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    const Qt::KeyboardModifiers mods = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(target, Qt::Key(key), mods);

    if (result < 0) {
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
    } else {
        QVERIFY(!dialog.isVisible());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), result);
    }
}

inline void closingButtonColumns()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("closes");
}

// Clicking the row's button closes the window or leaves it open.
inline void closingButton(QWidget &w)
{
    QFETCH(QString, button);
    QFETCH(bool, closes);

    w.show();
    auto *b = w.findChild<QAbstractButton *>(button);
    QVERIFY(b);
    b->click();
    QCOMPARE(w.isVisible(), !closes);
}

} // namespace windowchecks
