// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "documents/Documents.h"
#include "ui/RichTextView.h"

#include <QLabel>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

class DocConverter;
class Dialogs;
class Settings;
namespace scriptfile {
class Reader;
struct Read;
} // namespace scriptfile

class QToolButton;

// The script editor: a window of its own, opened over the prompter window.
class frmEditText : public QWidget
{
    Q_OBJECT

public:
    frmEditText(Dialogs &dialogs, Settings &settings, QWidget *owner = nullptr);
    ~frmEditText() override;

    // Event handlers, public so that tests drive them directly.
    void Form_Load();
    void cmdOpen_Click();
    void cmdSave_Click();
    void cmdClear_Click();
    void cmdDone_Click();
    void cmdCancel_Click();

    // Reads a script file of any kind the editor knows into rtBody; the text arrives later, read off
    // the window's thread (a .doc through the converter). The window is busy until then.
    void OpenFile(const QString &path);
    // While a file is being read or a Word 97-2003 document converted.
    bool isOpening() const;
    bool isConverting() const;
    DocConverter *converter() const { return m_converter; }
    scriptfile::Reader *reader() const { return m_reader; }
    // Shows the progress dialog with its Cancel button; called a second into opening a file.
    void timBusy_Timer();
    QProgressDialog *progressDialog() const { return m_progress; }

    QToolButton *cmdDone = nullptr;
    QToolButton *cmdClear = nullptr;
    QToolButton *cmdSave = nullptr;
    QToolButton *cmdOpen = nullptr;
    QToolButton *cmdCancel = nullptr;
    RichTextView *rtBody = nullptr;

    // Set by the caller before showing: the prompter's script and its word count (the prompter's own,
    // so held weakly: they may go before this window does).
    QPointer<RichTextView> rtDoc;
    QPointer<QLabel> lblWords;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void readFinished(const scriptfile::Read &read);
    void conversionFinished(const documents::TextResult &result);
    void beginBusy();
    void endBusy();
    void cancelOpening();
    void openFailed(const QString &path, const QString &reason);

    QToolButton *addButton(const char *name, const QString &caption, const QString &image, float left);
    void centreOverOwner();

    Dialogs &m_dialogs;
    Settings &m_settings;
    DocConverter *m_converter = nullptr;
    scriptfile::Reader *m_reader = nullptr;
    QTimer m_busyDelay;
    QPointer<QProgressDialog> m_progress;
    QString m_convertingPath;
    bool m_loaded = false;
};
