#pragma once

#include <QWidget>

class QLabel;
class QToolButton;
class RichTextView;

// The script editor: a window of its own, opened over the prompter window.
class frmEditText : public QWidget
{
    Q_OBJECT

public:
    explicit frmEditText(QWidget *owner = nullptr);

    QToolButton *cmdDone = nullptr;
    QToolButton *cmdClear = nullptr;
    QToolButton *cmdSave = nullptr;
    QToolButton *cmdOpen = nullptr;
    QToolButton *cmdCancel = nullptr;
    RichTextView *rtBody = nullptr;

    // Set by the caller before showing: the prompter's script and its word count.
    RichTextView *rtDoc = nullptr;
    QLabel *lblWords = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *addButton(const char *name, const QString &caption, const QString &image, float left);
    void centreOverOwner();
};
