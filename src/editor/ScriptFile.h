#pragma once

#include <QString>

class QLabel;
class RichTextView;

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

// Reads a script file of any kind the editor knows into the view.
Opened open(const QString &path, RichTextView &into);

// The same, for the prompter, which takes only the characters.
struct OpenedText
{
    Opened opened;
    QString text;
};
OpenedText openText(const QString &path);

// "The file … cannot be opened: <reason>."
QString failureMessage(const QString &path, const QString &reason);

// Done: the text becomes the script in the script colour (the decimal Tag of rtDoc), and the word
// count goes to lblWords.
void apply(RichTextView &rtDoc, QLabel *lblWords, const QString &text);

} // namespace scriptfile
