// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of bench/measure-studio: the least a Qt Widgets program does to scroll a script
// smoothly. A read-only QTextEdit with the script in the prompter's default face, moved by its
// scroll bar from a timer at the display's rate, as fast as the prompter at the same speed.
// Keys as the prompter's: Space starts and stops, Right and Left change the speed, F4 goes back to
// the top, Esc quits.
//
//   plain-scroller FILE

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {

class Scroller : public QTextEdit
{
public:
    explicit Scroller(const QString &text)
    {
        setReadOnly(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSize(28);
        setFont(f);
        setPlainText(text);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &Scroller::frame);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Space:
            if (m_timer.isActive()) {
                m_timer.stop();
            } else {
                m_from = m_y;
                m_since.start();
                const QScreen *s = screen();
                m_timer.start(int(1000.0 / (s && s->refreshRate() >= 20 ? s->refreshRate() : 60.0)));
            }
            break;
        case Qt::Key_Right:
            setSpeed(m_speed + 1);
            break;
        case Qt::Key_Left:
            setSpeed(m_speed - 1);
            break;
        case Qt::Key_F4:
            m_y = m_from = 0;
            m_since.restart();
            verticalScrollBar()->setValue(0);
            break;
        case Qt::Key_Escape:
            close();
            break;
        default:
            QTextEdit::keyPressEvent(event);
        }
    }

private:
    // The prompter's step: 3 × speed + 5 twips every 20 ms, 15 twips to a pixel.
    double pixelsPerSecond() const { return (3.0 * m_speed + 5.0) / 15.0 * 50.0; }

    void setSpeed(int speed)
    {
        m_from = m_y;
        m_since.restart();
        m_speed = std::max(1, speed);
    }

    void frame()
    {
        m_y = m_from + pixelsPerSecond() * double(m_since.elapsed()) / 1000.0;
        verticalScrollBar()->setValue(int(std::lround(m_y)));
    }

    QTimer m_timer;
    QElapsedTimer m_since;
    double m_from = 0;
    double m_y = 0;
    int m_speed = 1;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: plain-scroller FILE\n", stderr);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    Scroller view(QString::fromUtf8(file.readAll()));
    view.setWindowTitle(QStringLiteral("plain-scroller"));
    view.showMaximized();
    return app.exec();
}
