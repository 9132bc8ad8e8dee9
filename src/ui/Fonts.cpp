// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

namespace fonts {

QFont make(const QString &family, double points, bool bold)
{
    QFont f(family);
    const bool serif = family.contains(QLatin1String("Times"), Qt::CaseInsensitive) ||
                       (family.contains(QLatin1String("Serif"), Qt::CaseInsensitive) &&
                        !family.contains(QLatin1String("Sans"), Qt::CaseInsensitive));
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    if (points > 0)
        f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont standard()
{
    return make(QStringLiteral("MS Sans Serif"), kStandardPointSize);
}

QFont standardBold()
{
    QFont f = standard();
    f.setBold(true);
    return f;
}

QFont withFace(QFont font, const QFont &face)
{
    font.setFamilies(face.families());
    font.setStyleHint(face.styleHint(), face.styleStrategy());
    return font;
}

qreal linePitch(const QFont &font)
{
    // Measured by the same layout the views use, so that it matches them for every face and size.
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(font);
    doc.setPlainText(QStringLiteral("Some Text\nSome Text"));
    const QAbstractTextDocumentLayout *layout = doc.documentLayout();
    return layout->blockBoundingRect(doc.lastBlock()).top() -
           layout->blockBoundingRect(doc.firstBlock()).top();
}

} // namespace fonts
