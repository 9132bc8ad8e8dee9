#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

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

    // File dialogs: `filter` pairs are separated by ";;" as QFileDialog has them. Empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &dir,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &dir,
                                 const QString &filter) = 0;

    // Empty when cancelled.
    virtual std::optional<QColor> color(QWidget *parent, const QColor &initial, const QString &title) = 0;

    // Shows one of the program's own windows modally and returns once it has closed (or been deleted):
    // a QDialog's result code, 0 for a plain window.
    virtual int showModal(QWidget &window) = 0;

    // The process-wide implementation on Qt's dialogs.
    static Dialogs &system();
};
