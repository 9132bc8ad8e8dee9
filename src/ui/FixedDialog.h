// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QPushButton;

// A fixed-size dialog without minimise or maximise, whose buttons are never default buttons:
// Enter acts only on the focused control and Esc presses no button.
class FixedDialog : public QDialog
{
    Q_OBJECT

public:
    FixedDialog(const char *objectName, const QString &caption, float clientWidthTwips,
                float clientHeightTwips, QWidget *parent);

protected:
    QPushButton *addButton(const char *name, const QString &caption, bool bold);
    void keyPressEvent(QKeyEvent *event) override;
};
