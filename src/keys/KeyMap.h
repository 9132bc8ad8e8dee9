// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Command.h"

#include <QKeyCombination>
#include <QList>
#include <QString>

#include <optional>

// Which keys give which command: the defaults, and the operator's changes kept in the settings.
namespace keys {

struct Binding
{
    run::Verb verb;
    QList<QKeyCombination> keys;
};

// The name a verb has in the settings file ("toggle", "markmode"…).
QString verbName(run::Verb verb);
// What the Keys page calls a command, in the operator's language.
QString verbLabel(run::Verb verb);
QString keyText(QKeyCombination key); // as the settings file writes it: "Ctrl+Up", "Space", "."

class KeyMap
{
public:
    static constexpr int kMostKeys = 3;

    KeyMap() = default;
    // Every command a key may give, with its default keys, in the order the Keys page lists them.
    explicit KeyMap(const QList<Binding> &defaults);

    const QList<Binding> &bindings() const { return m_bindings; }
    QList<QKeyCombination> keysOf(run::Verb verb) const;
    // The exact key first; else the key alone, so that a modifier bound to nothing changes nothing.
    std::optional<run::Verb> verbFor(QKeyCombination key) const;
    // The command that holds exactly this key.
    std::optional<run::Verb> holder(QKeyCombination key) const;

    // The keys of `verb` from now on; refused, and nothing changed, when another command holds one
    // of them (`*taken` says which key and by whom) or when there are more than kMostKeys.
    bool setKeys(run::Verb verb, const QList<QKeyCombination> &keys, QString *why = nullptr);
    void restoreDefaults() { m_bindings = m_defaults; }

    // The commands whose keys differ from their defaults: "toggle: Space F3 . stop: B exit:".
    QString text() const;
    // Over the defaults; an entry it cannot read or that would take another command's key is left
    // out, and `why` lists them.
    void read(const QString &text, QStringList *why = nullptr);

private:
    Binding *find(run::Verb verb);

    QList<Binding> m_defaults;
    QList<Binding> m_bindings;
};

} // namespace keys
