// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Dialogs.h"

#include "ui/dlgFont.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace {

// Ends a local event loop once the watched window is hidden or gone.
class CloseWatcher final : public QObject
{
public:
    CloseWatcher(QWidget &window, QEventLoop &loop) : m_loop(loop)
    {
        window.installEventFilter(this);
        connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            m_loop.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop &m_loop;
};

class QtDialogs final : public Dialogs
{
public:
    void message(QWidget *parent, Icon icon, const QString &title, const QString &text) override
    {
        const QMessageBox::Icon qIcon = icon == Icon::Information ? QMessageBox::Information
                                        : icon == Icon::Warning   ? QMessageBox::Warning
                                                                  : QMessageBox::Critical;
        QMessageBox box(qIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    bool confirm(QWidget *parent, const QString &title, const QString &text, const QString &act) override
    {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Cancel, parent);
        QPushButton *yes = box.addButton(act, QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == yes;
    }

    QString openFileName(QWidget *parent, const QString &title, const QString &dir,
                         const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, dir, filter);
    }

    QString saveFileName(QWidget *parent, const QString &title, const QString &dir,
                         const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, title, dir, filter);
    }

    std::optional<QColor> color(QWidget *parent, const QColor &initial, const QString &title) override
    {
        const QColor c = QColorDialog::getColor(initial, parent, title);
        if (!c.isValid())
            return std::nullopt;
        return c;
    }

    std::optional<FontChoice> font(QWidget *parent, const FontChoice &initial, const QString &title) override
    {
        dlgFont dialog(*this, initial, parent);
        dialog.setWindowTitle(title);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choice();
    }

    int showModal(QWidget &window) override
    {
        if (auto *dialog = qobject_cast<QDialog *>(&window))
            return dialog->exec();
        QPointer<QWidget> guard(&window);
        QEventLoop loop;
        CloseWatcher watcher(window, loop);
        window.setWindowModality(Qt::ApplicationModal);
        window.show();
        if (guard && guard->isVisible())
            loop.exec(QEventLoop::DialogExec);
        return 0;
    }
};

} // namespace

Dialogs &Dialogs::system()
{
    static QtDialogs instance;
    return instance;
}

bool otherWindowOpen(const QWidget *parent, const QObject *own)
{
    if (const QWidget *modal = QApplication::activeModalWidget(); modal && modal != own)
        return true;
    if (!parent)
        return false;
    const QList<QWidget *> children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(),
                       [own](const QWidget *w) { return w != own && w->isWindow() && w->isVisible(); });
}
