// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <optional>

class QObject;
class QWidget;

// What the font step chooses, all at once: the face, its size in points (fractions kept), the styles and
// effects, and the text colour as a 32-bit colour value (a system colour stays one).
struct FontChoice
{
    QString name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    qint32 color = 0;

    friend bool operator==(const FontChoice &, const FontChoice &) = default;
};

// Every modal window the program shows goes through here, so that tests answer them from a queue and
// never meet a real dialog. The production implementation uses Qt's standard dialogs.
class Dialogs
{
public:
    enum class Icon { Information, Warning, Critical };

    virtual ~Dialogs() = default;

    // A message with a single OK button.
    virtual void message(QWidget *parent, Icon icon, const QString &title, const QString &text) = 0;
    void information(QWidget *parent, const QString &title, const QString &text)
    {
        message(parent, Icon::Information, title, text);
    }
    void warning(QWidget *parent, const QString &title, const QString &text)
    {
        message(parent, Icon::Warning, title, text);
    }

    // A question with Cancel, the default, and one button that does what is asked (`act`, with its
    // accelerator). True when that button was chosen.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text, const QString &act) = 0;

    // File dialogs: `filter` pairs are separated by ";;" as QFileDialog has them. Empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &dir,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &dir,
                                 const QString &filter) = 0;

    // Empty when cancelled.
    virtual std::optional<QColor> color(QWidget *parent, const QColor &initial, const QString &title) = 0;

    // The font step: face, size, styles, effects and text colour in one dialog. Empty when cancelled.
    virtual std::optional<FontChoice> font(QWidget *parent, const FontChoice &initial,
                                           const QString &title) = 0;

    // Shows one of the program's own windows modally and returns once it has closed (or been deleted):
    // a QDialog's result code, 0 for a plain window.
    virtual int showModal(QWidget &window) = 0;

    // The process-wide implementation on Qt's dialogs.
    static Dialogs &system();
};

// Whether a window other than `own` stands open before the operator: a modal one, or, given `parent`,
// one of its own windows shown. Commands from elsewhere wait until it is closed.
bool otherWindowOpen(const QWidget *parent = nullptr, const QObject *own = nullptr);
