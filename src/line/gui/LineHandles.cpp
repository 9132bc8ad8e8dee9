// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "line/gui/LineHandles.h"

#include "line/ReadingLine.h"
#include "line/gui/ControlDrag.h"
#include "ui/Twips.h"

#include <QWidget>

namespace {

readingline::Geometry lineGeometry(const LineHandles::Controls &c)
{
    return {twips::top(c.picMove),      twips::height(c.picMove), twips::top(c.picResize),
            twips::height(c.picResize), twips::top(c.picLine),    twips::height(c.picLine)};
}

void setLineGeometry(const LineHandles::Controls &c, const readingline::Geometry &g)
{
    twips::setTop(c.picMove, g.moveTop);
    twips::setHeight(c.picMove, g.moveHeight);
    twips::setTop(c.picResize, g.resizeTop);
    twips::setTop(c.picLine, g.lineTop);
    twips::setHeight(c.picLine, g.lineHeight);
}

readingline::Handle handleOf(const QWidget *source)
{
    return source ? readingline::handleNamed(source->objectName()) : readingline::Handle::Other;
}

void setPointer(QWidget *source, std::optional<Qt::CursorShape> shape)
{
    if (shape && source)
        source->setCursor(*shape);
}

} // namespace

LineHandles::LineHandles(Controls controls)
    : QObject(controls.window), m_c(controls), lineDrag(new ControlDrag(controls.window))
{
    using namespace std::placeholders;
    lineDrag->setObjectName(QStringLiteral("lineDrag"));
    lineDrag->watchPress(m_c.picMove, [this] { picMove_MouseDown(); });
    lineDrag->watchPress(m_c.picResize, [this] { picResize_MouseDown(); });
    lineDrag->addTarget(m_c.window, std::bind(&LineHandles::Form_DragOver, this, _1, _2, _3),
                        std::bind(&LineHandles::Form_DragDrop, this, _1, _2, _3));
    lineDrag->addTarget(m_c.picMove, std::bind(&LineHandles::picMove_DragOver, this, _1, _2, _3),
                        std::bind(&LineHandles::picMove_DragDrop, this, _1, _2, _3));
    lineDrag->addTarget(m_c.picBack, std::bind(&LineHandles::picBack_DragOver, this, _1, _2, _3),
                        std::bind(&LineHandles::picBack_DragDrop, this, _1, _2, _3));
}

void LineHandles::picMove_MouseDown()
{
    lineDrag->Drag(m_c.picMove);
}

void LineHandles::picResize_MouseDown()
{
    lineDrag->Drag(m_c.picResize);
}

void LineHandles::Form_DragOver(QWidget *Source, float, float)
{
    setPointer(Source, readingline::pointerOver(handleOf(Source), readingline::Target::Window));
}

void LineHandles::picMove_DragOver(QWidget *Source, float, float)
{
    setPointer(Source, readingline::pointerOver(handleOf(Source), readingline::Target::MoveHandle));
}

void LineHandles::picBack_DragOver(QWidget *Source, float, float)
{
    setPointer(Source, readingline::pointerOver(handleOf(Source), readingline::Target::Viewport));
}

void LineHandles::picBack_DragDrop(QWidget *Source, float, float)
{
    setPointer(Source, readingline::pointerOnDrop(handleOf(Source), readingline::Target::Viewport));
}

void LineHandles::Form_DragDrop(QWidget *Source, float, float Y)
{
    const readingline::Handle h = handleOf(Source);
    if (h == readingline::Handle::Other)
        return;
    const float viewportBottom = twips::top(m_c.picBack) + twips::height(m_c.picBack);
    setLineGeometry(m_c, readingline::dropOnWindow(lineGeometry(m_c), h, Y, viewportBottom));
}

void LineHandles::picMove_DragDrop(QWidget *Source, float, float Y)
{
    const readingline::Handle h = handleOf(Source);
    if (h == readingline::Handle::Other)
        return;
    setLineGeometry(m_c, readingline::dropOnMoveHandle(lineGeometry(m_c), h, Y));
}
