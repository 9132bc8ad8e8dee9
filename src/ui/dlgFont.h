// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Dialogs.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QPushButton;

// The font step of the options: face, size (fractions kept), bold, italic, underline, strikethrough and
// the text colour, chosen together. OK hands all of them back; Cancel none.
class dlgFont : public QDialog
{
    Q_OBJECT

public:
    dlgFont(Dialogs &dialogs, const FontChoice &initial, QWidget *parent = nullptr);

    // What the controls hold now. A face the operator left alone keeps the name it came with, even
    // when this system shows a stand-in for it.
    FontChoice choice() const;

    void cmdColor_Click();

    QFontComboBox *cboFontName = nullptr;
    QDoubleSpinBox *txtFontSize = nullptr;
    QCheckBox *chkBold = nullptr;
    QCheckBox *chkItalic = nullptr;
    QCheckBox *chkUnderline = nullptr;
    QCheckBox *chkStrikethrough = nullptr;
    QPushButton *cmdColor = nullptr;
    QLabel *lblSample = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void UpdateSample();

    Dialogs &m_dialogs;
    QString m_initialName;
    QString m_shownName; // the face the list showed for m_initialName
    qint32 m_color;
};
