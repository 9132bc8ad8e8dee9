// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Tags.h"

#include <QVariant>
#include <QWidget>

namespace tags {
namespace {
constexpr char kProperty[] = "cuescrollTag";
} // namespace

QString tag(const QWidget *w)
{
    return w->property(kProperty).toString();
}

void setTag(QWidget *w, const QString &text)
{
    w->setProperty(kProperty, text);
}
} // namespace tags
