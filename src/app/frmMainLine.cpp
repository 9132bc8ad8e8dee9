#include "app/frmMain.h"
#include "line/ControlDrag.h"
#include "line/ReadingLine.h"
#include "ui/Twips.h"

namespace {

readingline::Geometry lineGeometry(const QWidget *picMove, const QWidget *picResize, const QWidget *picLine)
{
    return {twips::top(picMove),      twips::height(picMove), twips::top(picResize),
            twips::height(picResize), twips::top(picLine),    twips::height(picLine)};
}

void setLineGeometry(QWidget *picMove, QWidget *picResize, QWidget *picLine, const readingline::Geometry &g)
{
    twips::setTop(picMove, g.moveTop);
    twips::setHeight(picMove, g.moveHeight);
    twips::setTop(picResize, g.resizeTop);
    twips::setTop(picLine, g.lineTop);
    twips::setHeight(picLine, g.lineHeight);
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

void frmMain::connectLineHandles()
{
    using namespace std::placeholders;
    lineDrag = new ControlDrag(this);
    lineDrag->setObjectName(QStringLiteral("lineDrag"));
    lineDrag->watchPress(picMove, [this] { picMove_MouseDown(); });
    lineDrag->watchPress(picResize, [this] { picResize_MouseDown(); });
    lineDrag->addTarget(this, std::bind(&frmMain::Form_DragOver, this, _1, _2, _3),
                        std::bind(&frmMain::Form_DragDrop, this, _1, _2, _3));
    lineDrag->addTarget(picMove, std::bind(&frmMain::picMove_DragOver, this, _1, _2, _3),
                        std::bind(&frmMain::picMove_DragDrop, this, _1, _2, _3));
    lineDrag->addTarget(picBack, std::bind(&frmMain::picBack_DragOver, this, _1, _2, _3),
                        std::bind(&frmMain::picBack_DragDrop, this, _1, _2, _3));
}

void frmMain::picMove_MouseDown()
{
    lineDrag->Drag(picMove);
}

void frmMain::picResize_MouseDown()
{
    lineDrag->Drag(picResize);
}

void frmMain::Form_DragOver(QWidget *Source, float, float)
{
    setPointer(Source, readingline::pointerOver(handleOf(Source), readingline::Target::Window));
}

void frmMain::picMove_DragOver(QWidget *Source, float, float)
{
    setPointer(Source, readingline::pointerOver(handleOf(Source), readingline::Target::MoveHandle));
}

void frmMain::picBack_DragOver(QWidget *Source, float, float)
{
    setPointer(Source, readingline::pointerOver(handleOf(Source), readingline::Target::Viewport));
}

void frmMain::picBack_DragDrop(QWidget *Source, float, float)
{
    setPointer(Source, readingline::pointerOnDrop(handleOf(Source), readingline::Target::Viewport));
}

void frmMain::Form_DragDrop(QWidget *Source, float, float Y)
{
    const readingline::Handle h = handleOf(Source);
    if (h == readingline::Handle::Other)
        return;
    const float viewportBottom = twips::top(picBack) + twips::height(picBack);
    const readingline::Geometry g =
        readingline::dropOnWindow(lineGeometry(picMove, picResize, picLine), h, Y, viewportBottom);
    setLineGeometry(picMove, picResize, picLine, g);
}

void frmMain::picMove_DragDrop(QWidget *Source, float, float Y)
{
    const readingline::Handle h = handleOf(Source);
    if (h == readingline::Handle::Other)
        return;
    const readingline::Geometry g =
        readingline::dropOnMoveHandle(lineGeometry(picMove, picResize, picLine), h, Y);
    setLineGeometry(picMove, picResize, picLine, g);
}
