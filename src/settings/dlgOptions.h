#pragma once

#include "ui/FixedDialog.h"
#include "ui/RichTextView.h"

#include <QPointer>

class QFrame;
class QPushButton;
class QTextEdit;

// Appearance options: the script's font and colours and the reading line's colour, with a preview.
class dlgOptions : public FixedDialog
{
    Q_OBJECT

public:
    explicit dlgOptions(QWidget *parent = nullptr);

    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdLineColor = nullptr;
    QFrame *picPreview = nullptr;
    QPushButton *cmdBackColor = nullptr;
    QPushButton *cmdFont = nullptr;
    QTextEdit *txtPreview = nullptr;

    // Set by the caller before showing: the prompter's script view and its reading line.
    QPointer<RichTextView> rtfMain;
    QPointer<QWidget> picLine;
};
