// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class ControlDrag;
class QWidget;

// The reading line's handles: a press on the move or the resize tab begins a drag; the window
// surface, the move handle and the viewport hear where it passes and where it is dropped.
class LineHandles : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QWidget *window = nullptr;
        QWidget *picBack = nullptr;
        QWidget *picLine = nullptr;
        QWidget *picMove = nullptr;
        QWidget *picResize = nullptr;
    };
    explicit LineHandles(Controls controls);

    ControlDrag *drag() const { return lineDrag; }

    void picMove_MouseDown();
    void picResize_MouseDown();
    // y in the target's own twips.
    void Form_DragOver(QWidget *Source, float X, float Y);
    void picMove_DragOver(QWidget *Source, float X, float Y);
    void picBack_DragOver(QWidget *Source, float X, float Y);
    void picBack_DragDrop(QWidget *Source, float X, float Y);
    void Form_DragDrop(QWidget *Source, float X, float Y);
    void picMove_DragDrop(QWidget *Source, float X, float Y);

private:
    Controls m_c;
    ControlDrag *lineDrag;
};
