// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "documents/Documents.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class Dialogs;
class DocConverter;
class QLabel;
class QWidget;
namespace scriptfile {
class Reader;
struct Read;
} // namespace scriptfile

// Opening a script from outside (the command line, a drop on the viewport, Open With): the file is
// read off the window's thread, a Word 97-2003 document through its converter, and the text handed
// on as the editor's Done would hand it.
class ScriptOpener : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QWidget *window = nullptr;
        QWidget *picBack = nullptr; // takes dropped files and shows that a file is being read
        QLabel *lblWords = nullptr; // says "Opening…" meanwhile
    };
    // `busy` says why a file may not replace the script now (a passage being marked, a window open).
    ScriptOpener(Dialogs &dialogs, Controls controls, std::function<QString()> busy);

    void OpenScript(const QString &path);
    // What the operator does next (editing, another file) wins over a file still being read.
    void CancelOpening();
    bool isOpening() const;
    // The converter of a .doc being opened (null until the first one).
    DocConverter *converter() const { return m_opening; }

Q_SIGNALS:
    // A file is about to be read: the run stops for it.
    void opening();
    // The file's text, to become the script.
    void scriptRead(const QString &text);
    // Opening has ended: the script replaced, a message shown, or cancelled.
    void openingEnded();
    // Several files, a folder or a rundown: a show to open.
    void showDropped(const QStringList &paths);

private:
    void ScriptRead(const scriptfile::Read &read);
    void OpeningFinished(const documents::TextResult &result);
    void EndOpening();

    Dialogs &m_dialogs;
    Controls m_c;
    std::function<QString()> m_busy;
    scriptfile::Reader *m_reader = nullptr;
    DocConverter *m_opening = nullptr;
    QString m_openingPath;
    std::optional<QString> m_wordsBeforeOpening; // the count shown before "Opening…"
};
