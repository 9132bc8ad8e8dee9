// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>

namespace a11y {

namespace {

constexpr char kCaptionIsValue[] = "cuescrollCaptionIsValue";
constexpr char kAnnounced[] = "cuescrollAnnouncedCaption";

class CaptionAccessible : public QAccessibleWidget
{
public:
    explicit CaptionAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(kCaptionIsValue).toBool())
        return new CaptionAccessible(label);
    return nullptr;
}

// The label has no signal for a new caption; every new caption is painted, so tell then.
class CaptionWatcher : public QObject
{
public:
    CaptionWatcher(QLabel *label, QAccessible::Event change) : QObject(label), m_change(change) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *label = static_cast<QLabel *>(watched);
            if (label->property(kAnnounced).toString() != label->text()) {
                label->setProperty(kAnnounced, label->text());
                QAccessibleEvent changed(label, m_change);
                QAccessible::updateAccessibility(&changed);
            }
        }
        return false;
    }

private:
    QAccessible::Event m_change;
};

} // namespace

void exposeCaption(QLabel *label)
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
    label->setProperty(kCaptionIsValue, true);
    // Setting a caption may already have made the label its ordinary interface: make it anew.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(label);
        made && !dynamic_cast<CaptionAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    label->setProperty(kAnnounced, label->text());
    label->installEventFilter(new CaptionWatcher(label, QAccessible::DescriptionChanged));
}

void nameIsCaption(QLabel *label)
{
    // Without a name of its own, a label's accessible name is its caption.
    label->setAccessibleName(QString());
    label->setProperty(kAnnounced, label->text());
    label->installEventFilter(new CaptionWatcher(label, QAccessible::NameChanged));
}

} // namespace a11y
