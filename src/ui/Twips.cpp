// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Twips.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace twips {
namespace {
constexpr char kProperty[] = "cuescrollTwips";
} // namespace

Rect rect(const QWidget *w)
{
    const QVariant v = w->property(kProperty);
    if (v.isValid()) {
        const QRectF r = v.toRectF();
        return {static_cast<float>(r.x()), static_cast<float>(r.y()), static_cast<float>(r.width()),
                static_cast<float>(r.height())};
    }
    const QRect g = w->geometry();
    return {fromPixels(g.x()), fromPixels(g.y()), fromPixels(g.width()), fromPixels(g.height())};
}

void setRect(QWidget *w, const Rect &r)
{
    w->setProperty(kProperty, QRectF(r.left, r.top, r.width, r.height));
    const QRect g(toPixels(r.left), toPixels(r.top), std::max(0, toPixels(r.width)),
                  std::max(0, toPixels(r.height)));
    if (g != w->geometry())
        w->setGeometry(g);
}

void store(QWidget *w, const Rect &r)
{
    w->setProperty(kProperty, QRectF(r.left, r.top, r.width, r.height));
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
