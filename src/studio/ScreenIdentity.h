// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

class QScreen;

namespace studio {

// What tells one monitor from another. The connector's name alone changes with the platform:
// "HDMI-1" on X11 and Wayland is "XWAYLAND0" to an X11 client of a Wayland desktop.
struct ScreenIdentity
{
    QString name; // the connector
    QString manufacturer;
    QString model;
    QString serial;
    QRect geometry; // on the desktop; the same for every client of one desktop
    int number = 0; // 1-based among the screens: the last word between screens alike in all else
    bool operator==(const ScreenIdentity &) const = default;

    static ScreenIdentity of(const QScreen *screen, int number);
    bool hasMonitor() const { return !manufacturer.isEmpty() || !model.isEmpty() || !serial.isEmpty(); }
    bool sameMonitor(const ScreenIdentity &other) const;
    // Its form in the settings store: "manufacturer|model|serial|name|x,y,width,height|number".
    QString key() const;
    // A stored key; a value without "|" (a name or a number, as earlier versions kept) gives none.
    static std::optional<ScreenIdentity> fromKey(const QString &key);
};

// The index in `screens` of the screen a stored value stands for, -1 for none. A stored identity
// finds the same monitor (the connector and the place deciding among identical ones), else a
// screen at the same connector, else one at the same place, else the same number among screens alike;
// a plain name or a 1-based number as before.
qsizetype matchScreen(const QString &stored, const QList<ScreenIdentity> &screens);

} // namespace studio
