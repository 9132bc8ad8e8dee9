// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

// Answers every modal window from queues and records what was shown; nothing ever blocks.
class FakeDialogs final : public Dialogs
{
public:
    struct Shown
    {
        QString kind; // "message", "confirm", "open", "save", "color", "font", "modal"
        Icon icon = Icon::Information;
        QString title;
        QString text;   // message text; the window's objectName for "modal"
        QString dir;    // file dialogs: starting folder
        QString filter; // file dialogs
    };

    QList<Shown> shown;
    QStringList fileNames;                  // answers to open and save, first first; none: cancelled
    QList<bool> confirms;                   // answers to questions; none: cancelled
    QList<std::optional<QColor>> colors;    // answers to colour dialogs; none: cancelled
    QList<std::optional<FontChoice>> fonts; // answers to the font step; none: cancelled
    QList<FontChoice> fontsOffered;         // what each font step was opened with
    // What the operator does in a modal window of ours; none: closes it by its close box.
    QList<std::function<int(QWidget &)>> modals;
    // Runs with each open dialog's answer before the caller gets it: the chosen file may change on
    // disk between the operator's choice and the read.
    std::function<void(const QString &)> afterOpenAnswer;

    void message(QWidget *, Icon icon, const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("message"), icon, title, text, {}, {}});
    }

    bool confirm(QWidget *, const QString &title, const QString &text, const QString &act) override
    {
        shown.append({QStringLiteral("confirm"), Icon::Information, title, text, act, {}});
        return !confirms.isEmpty() && confirms.takeFirst();
    }

    QString openFileName(QWidget *, const QString &title, const QString &dir, const QString &filter) override
    {
        shown.append({QStringLiteral("open"), Icon::Information, title, {}, dir, filter});
        const QString name = fileNames.isEmpty() ? QString() : fileNames.takeFirst();
        if (afterOpenAnswer && !name.isEmpty())
            afterOpenAnswer(name);
        return name;
    }

    QString saveFileName(QWidget *, const QString &title, const QString &dir, const QString &filter) override
    {
        shown.append({QStringLiteral("save"), Icon::Information, title, {}, dir, filter});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }

    std::optional<QColor> color(QWidget *, const QColor &, const QString &title) override
    {
        shown.append({QStringLiteral("color"), Icon::Information, title, {}, {}, {}});
        return colors.isEmpty() ? std::nullopt : colors.takeFirst();
    }

    std::optional<FontChoice> font(QWidget *, const FontChoice &initial, const QString &title) override
    {
        shown.append({QStringLiteral("font"), Icon::Information, title, {}, {}, {}});
        fontsOffered.append(initial);
        return fonts.isEmpty() ? std::nullopt : fonts.takeFirst();
    }

    int showModal(QWidget &window) override
    {
        shown.append(
            {QStringLiteral("modal"), Icon::Information, window.windowTitle(), window.objectName(), {}, {}});
        QPointer<QWidget> guard(&window);
        window.show(); // offscreen: runs the window's show handling without blocking
        int result = 0;
        if (!modals.isEmpty())
            result = modals.takeFirst()(window);
        if (guard && guard->isVisible())
            guard->close();
        return result;
    }

    // The messages shown so far, as "title|text".
    QStringList messages() const
    {
        QStringList out;
        for (const Shown &s : shown)
            if (s.kind == QLatin1String("message"))
                out << s.title + QLatin1Char('|') + s.text;
        return out;
    }
};
