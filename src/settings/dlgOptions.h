#pragma once

#include "ui/FixedDialog.h"
#include "ui/RichTextView.h"

#include <QPointer>

class Dialogs;
class QFrame;
class QPushButton;
class QTextEdit;

// Appearance options: the script's font and colours and the reading line's colour, with a preview.
// The two previews are the dialog's whole state; only OK hands them to the prompter.
class dlgOptions : public FixedDialog
{
    Q_OBJECT

public:
    explicit dlgOptions(Dialogs &dialogs, QWidget *parent = nullptr);

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

    void cmdFont_Click();
    void cmdBackColor_Click();
    void cmdLineColor_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void setPreviewForeColor(qint32 color);
    void setPreviewBackColor(qint32 color);

    Dialogs &m_dialogs;
    bool m_loaded = false;
};
