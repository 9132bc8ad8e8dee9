#include "line/frmLine.h"

#include "ui/Colors.h"
#include "ui/Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {
// Half opacity: the text beneath stays readable through the band.
constexpr int kAlpha = 128;
} // namespace

frmLine::frmLine(QWidget *parent) : QWidget(parent), m_color(colors::rgb(0x80, 0xFF, 0x80))
{
    setObjectName(QStringLiteral("frmLine"));
    setAccessibleName(tr("Reading line"));
    // Not opaque: what lies beneath must show through the translucent fill.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    twips::move(this, 0, 0, 4680, 3090);

    timResize = new QTimer(this);
    timResize->setObjectName(QStringLiteral("timResize"));
    timResize->setInterval(10);
}

void frmLine::setLineColor(qint32 color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void frmLine::setSources(const QWidget *picBack, const QWidget *picLine)
{
    m_picBack = picBack;
    m_picLine = picLine;
    connect(timResize, &QTimer::timeout, this, &frmLine::ResizeLine, Qt::UniqueConnection);
    timResize->start();
}

void frmLine::ResizeLine()
{
    if (!m_picBack || !m_picLine)
        return;
    // A child of the prompter window: its client coordinates need no allowance for a frame.
    const twips::Rect line = twips::rect(m_picLine);
    twips::move(this, twips::left(m_picBack) + line.left, twips::top(m_picBack) + line.top, line.width - 60,
                line.height);
    setLineColor(colors::backColor(m_picLine));
}

void frmLine::paintEvent(QPaintEvent *event)
{
    QColor c = colors::toQColor(m_color, palette());
    c.setAlpha(kAlpha);
    QPainter p(this);
    p.fillRect(event->rect(), c);
}

// The band takes clicks so they never reach the script beneath (where a click has a meaning of its
// own), but does nothing with them.
void frmLine::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void frmLine::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void frmLine::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
