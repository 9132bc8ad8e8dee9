#pragma once

#include <QWidget>
#include <QtGlobal>

class QTimer;

// The reading line: a translucent band laid over the script inside the prompter window.
class frmLine : public QWidget
{
    Q_OBJECT

public:
    explicit frmLine(QWidget *parent);

    qint32 lineColor() const { return m_color; }
    void setLineColor(qint32 color);

    // The prompter's viewport and its hidden reading line, which this overlay follows.
    void setSources(const QWidget *picBack, const QWidget *picLine);

    // Lays the overlay exactly over the reading line and takes its colour; timResize runs it.
    void ResizeLine();

    QTimer *timResize = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    qint32 m_color;
    const QWidget *m_picBack = nullptr;
    const QWidget *m_picLine = nullptr;
};
