// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <QTextOption>

#include <optional>

class QTextDocument;

// A script view's document made and laid out away from the window's thread, so that the view takes
// it whole and lays nothing out again: a long script arrives without holding up a running prompter.
namespace preparedlayout {

// What the layout of a view's document depends on, as the view stands when the work is handed out.
struct Shape
{
    QString font; // QFont::toString(): a font is made afresh on the thread that lays out
    QTextOption::WrapMode wrap = QTextOption::WrapAtWordBoundaryOrAnywhere;
    int width = 0;
    qreal documentMargin = 0;
    int leftMargin = 0;
    int rightMargin = 0;
    bool operator==(const Shape &) const = default;
};

// Gives a filled document the shape and lays it all out, with a layout that remembers the shape. On
// the thread that owns the document; a text that asks for another wrap mode is left to the view.
void layOut(QTextDocument &doc, const Shape &shape);

// Whether the view may take the document as it is laid out: by layOut(), at this shape, and unchanged
// since.
bool laidOutAt(const QTextDocument &doc, const Shape &shape);

// The lines of the text as layOut() laid it out, counted there; none once the layout changed since.
// Spares the window's thread a walk over every line when the script shows.
std::optional<int> lineCount(const QTextDocument &doc);

// While it lives, the document's layout keeps its lines when a view gives it the page size it was laid
// out at; the view's first paint uses them as they are. Any other change lays out as always.
class Keep
{
public:
    explicit Keep(QTextDocument &doc);
    ~Keep();
    Keep(const Keep &) = delete;
    Keep &operator=(const Keep &) = delete;

private:
    QTextDocument &m_doc;
};

// Whole layouts of documents laid out by layOut() since the program started, counted for tests.
int wholeLayouts();

} // namespace preparedlayout
