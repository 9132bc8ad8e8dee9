// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QPainter;
class RichTextView;
class WaylandScroll;
class frmLine;

// The prompter's own viewport on Wayland: the script shown by the compositor beneath the window
// (studio/WaylandScroll), the window clear where the script is and drawing only what lies over it.
// A scroll step then repaints nothing. Elsewhere, or where the compositor lacks a piece, it does
// nothing and the window draws the script as everywhere.
class ViewportScroll : public QObject
{
    Q_OBJECT

public:
    // `window` must be translucent (Qt::WA_TranslucentBackground) from before it is first shown.
    ViewportScroll(QWidget *window, QWidget *picBack, RichTextView *rtDoc, frmLine *band);
    ~ViewportScroll() override;

    bool active() const { return m_scroll != nullptr; }
    // Told when the compositor starts or stops showing the script.
    std::function<void(bool)> onActive;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start();
    void stop();
    void place();
    void follow();
    void refreshSoon();
    void draw(QPainter &p, int top) const;

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_back;
    QPointer<RichTextView> m_doc;
    QPointer<frmLine> m_band;
    std::unique_ptr<WaylandScroll> m_scroll;
    bool m_tried = false;
    bool m_refreshing = false;
};
