// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Icons.h"

#include <QIcon>
#include <QPixmap>
#include <QTest>

namespace {

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

} // namespace

// The drawn icons: one for every toolbar and editor key, each distinct and drawn at every size.
class tst_Icons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void icons_data();
    void icons();
};

void tst_Icons::icons_data()
{
    QTest::addColumn<bool>("editorList");
    QTest::newRow("prompter toolbar") << false;
    QTest::newRow("editor") << true;
}

void tst_Icons::icons()
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

QTEST_MAIN(tst_Icons)
#include "tst_icons.moc"
