// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace twips {
namespace {
constexpr char kProperty[] = "cuescrollTwips";

// The script view's rectangle is read several times at every frame: kept typed, not as a property
// looked up by name. Never freed, so that a widget going after static destruction finds it.
QHash<const QWidget *, Rect> &table()
{
    static auto *t = new QHash<const QWidget *, Rect>;
    return *t;
}

bool operator==(const Rect &a, const Rect &b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// Watchers of a hidden widget (the reading line) learn of a new rectangle as of a property change.
void keep(QWidget *w, const Rect &r)
{
    auto &t = table();
    const auto it = t.find(w);
    if (it == t.end()) {
        t.insert(w, r);
        QObject::connect(w, &QObject::destroyed, [w] { table().remove(w); });
    } else if (*it == r) {
        return;
    } else {
        *it = r;
    }
    QDynamicPropertyChangeEvent changed(kProperty);
    QCoreApplication::sendEvent(w, &changed);
}
} // namespace

Rect rect(const QWidget *w)
{
    const auto &t = table();
    if (const auto it = t.constFind(w); it != t.cend())
        return *it;
    const QRect g = w->geometry();
    return {fromPixels(g.x()), fromPixels(g.y()), fromPixels(g.width()), fromPixels(g.height())};
}

void setRect(QWidget *w, const Rect &r)
{
    keep(w, r);
    const QRect g(toPixels(r.left), toPixels(r.top), std::max(0, toPixels(r.width)),
                  std::max(0, toPixels(r.height)));
    if (g != w->geometry())
        w->setGeometry(g);
}

void store(QWidget *w, const Rect &r)
{
    keep(w, r);
}

float left(const QWidget *w)
{
    return rect(w).left;
}
float top(const QWidget *w)
{
    return rect(w).top;
}
float width(const QWidget *w)
{
    return rect(w).width;
}
float height(const QWidget *w)
{
    return rect(w).height;
}

void setLeft(QWidget *w, float v)
{
    Rect r = rect(w);
    r.left = v;
    setRect(w, r);
}

void setTop(QWidget *w, float v)
{
    Rect r = rect(w);
    r.top = v;
    setRect(w, r);
}

void setWidth(QWidget *w, float v)
{
    Rect r = rect(w);
    r.width = v;
    setRect(w, r);
}

void setHeight(QWidget *w, float v)
{
    Rect r = rect(w);
    r.height = v;
    setRect(w, r);
}

void setClientSize(QWidget *window, float width, float height)
{
    window->resize(std::max(0, toPixels(width)), std::max(0, toPixels(height)));
}
} // namespace twips
