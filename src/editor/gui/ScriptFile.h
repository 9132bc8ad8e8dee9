// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QObject>
#include <QString>

#include <memory>

class QLabel;
class QTextDocument;
class RichTextView;
template <typename T> class QFutureWatcher;

// Opening a script file and handing a script to the prompter: the editor's Open File and Done, and
// the prompter's command line and drops, go through these so that all of them behave alike.
namespace scriptfile {

struct Opened
{
    enum class State {
        Loaded,         // the text is in the view
        NeedsConverter, // a Word 97-2003 document: run DocConverter, then failureMessage() on failure
        Failed          // nothing changed; `message` tells the operator why
    };
    State state = State::Failed;
    QString message;
};

// Reads a script file of any kind the editor knows into a document, as the editor shows it: plain
// text in `font`, Rich Text with its own formats.
Opened open(const QString &path, QTextDocument &into, const QFont &font);

// The same, for the prompter, which takes only the characters.
struct OpenedText
{
    Opened opened;
    QString text;
};
OpenedText openText(const QString &path);

// What reading a script file off the window's thread gave.
struct Read
{
    Opened opened;
    QString text; // for the prompter: the characters
    // For the editor: the script, for RichTextView::adoptDocument(); freed with the last copy if not taken.
    std::shared_ptr<std::unique_ptr<QTextDocument>> document;
};

// Reads script files on a worker thread, one at a time, so that a large or hostile file never stops
// the window from answering; finished() arrives on the reader's thread. A second start() or cancel()
// drops the read still running: its result never arrives.
class Reader : public QObject
{
    Q_OBJECT

public:
    enum class Into {
        Text, // the characters only, as openText() gives them
        View  // a document in `font`, as open() would leave the view
    };

    explicit Reader(QObject *parent = nullptr);
    ~Reader() override;

    void start(const QString &path, Into into, const QFont &font = {});
    bool isRunning() const { return m_watcher != nullptr; }
    void cancel();

    // Tests read on the calling thread: finished() is emitted before start() returns.
    static void setReadInline(bool on);

Q_SIGNALS:
    void finished(const scriptfile::Read &result);

private:
    void deliver(Read result);

    QFutureWatcher<Read> *m_watcher = nullptr;
};

// A script file's name as messages show it: absolute, with the platform's separators.
QString shownPath(const QString &path);
// "The file … cannot be opened: <reason>."
QString failureMessage(const QString &path, const QString &reason);

// Done: the text becomes the script in the script colour (the decimal Tag of rtDoc), and the word
// count goes to lblWords.
void apply(RichTextView &rtDoc, QLabel *lblWords, const QString &text);
// The word count alone, into lblWords when there is one.
void showWords(QLabel *lblWords, const QString &text);

} // namespace scriptfile
