// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scroll/ScriptView.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QSlider;
class QTimer;
class QToolBar;
class QToolButton;
class QWidget;
class RichTextView;

// The prompter window's controls as designed: made, named, placed and styled, before anything of
// the prompter's own set-up. The window inherits them, as a form inherits its generated interface.
// They answer where the run's script and reading line stand.
struct frmMainUi : ScriptView
{
    void setupUi(QWidget *form);
    // The toolbar's twelve buttons, the key of each as its action's object name.
    void addToolbarButtons();

    // Controls, named as in the window's design.
    QTimer *timResize = nullptr;
    QToolBar *tlbMain = nullptr;
    QWidget *picBack = nullptr;
    QWidget *picLine = nullptr;
    RichTextView *rtDoc = nullptr;
    RichTextView *rtMirror = nullptr;
    QLineEdit *txtFocus = nullptr;
    QWidget *picMove = nullptr;
    QWidget *picResize = nullptr;
    QWidget *picPanel = nullptr;
    QToolButton *optDown = nullptr;
    QToolButton *optUp = nullptr;
    QProgressBar *prgDoc = nullptr;
    QSlider *sldSpeed = nullptr;
    QLabel *lblWords = nullptr;
    QLabel *lblToGo = nullptr;
    QLabel *lblFollow = nullptr;     // whom the prompter follows or leads; shown only then
    QLabel *lblRemote = nullptr;     // the remote control listening, and its devices; shown only then
    QLabel *lblCueProblem = nullptr; // the cue destinations failing; shown only then, over the row
    QLabel *lblStudio = nullptr;     // why the talent screen is not shown; shown only then
    QWidget *picMark = nullptr;
    QToolButton *cmdCancel = nullptr;
    QToolButton *cmdMark = nullptr;
    QLabel *lblHeightFinder = nullptr;

    // The compositor shows the script beneath the window (on Wayland): a scroll step moves the
    // script view without repainting the window.
    bool scriptBeneath = false;

    float scriptTop() const override;
    void setScriptTop(float top) override;
    float scriptHeight() const override;
    float viewportHeight() const override;
    float readingLineTop() const override;
    float readingLineHeight() const override;
    float fontLineHeight() const override;
    void keepScriptTop(float top) override;
    int shownScriptY() const override;
    void showScriptAt(int y) override;
    bool showsFractions() const override;
    void presentScript(int y, float fraction) override;
    double refreshRate() const override;
};
