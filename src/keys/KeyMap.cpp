// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keys/KeyMap.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QRegularExpression>

namespace keys {

namespace {

using run::Verb;

struct Named
{
    Verb verb;
    const char *name; // in the settings file
    const char *label;
};

// The commands of the window alone have no name in the API; every command has a label here.
constexpr Named kNamed[] = {
    {Verb::Start, "start", QT_TRANSLATE_NOOP("keys", "Start")},
    {Verb::Stop, "stop", QT_TRANSLATE_NOOP("keys", "Stop")},
    {Verb::Toggle, "toggle", QT_TRANSLATE_NOOP("keys", "Start or stop")},
    {Verb::Reset, "reset", QT_TRANSLATE_NOOP("keys", "Stop and go back to the beginning")},
    {Verb::Back, "back", QT_TRANSLATE_NOOP("keys", "Step back")},
    {Verb::Forward, "forward", QT_TRANSLATE_NOOP("keys", "Step forward")},
    {Verb::PageBack, "pageback", QT_TRANSLATE_NOOP("keys", "Page back")},
    {Verb::PageForward, "pageforward", QT_TRANSLATE_NOOP("keys", "Page forward")},
    {Verb::Home, "home", QT_TRANSLATE_NOOP("keys", "Beginning")},
    {Verb::End, "end", QT_TRANSLATE_NOOP("keys", "End")},
    {Verb::Slower, "slower", QT_TRANSLATE_NOOP("keys", "Slower")},
    {Verb::Faster, "faster", QT_TRANSLATE_NOOP("keys", "Faster")},
    {Verb::Up, "up", QT_TRANSLATE_NOOP("keys", "Scroll up the screen")},
    {Verb::Down, "down", QT_TRANSLATE_NOOP("keys", "Scroll down the screen")},
    {Verb::FullScreen, "fullscreen", QT_TRANSLATE_NOOP("keys", "Full screen on or off")},
    {Verb::EnterFullScreen, "enterfullscreen", QT_TRANSLATE_NOOP("keys", "Full screen")},
    {Verb::MarkMode, "markmode", QT_TRANSLATE_NOOP("keys", "Mark passages")},
    {Verb::PickJump, "pickjump", QT_TRANSLATE_NOOP("keys", "Jump to a marker")},
    {Verb::PickUnmark, "pickunmark", QT_TRANSLATE_NOOP("keys", "Remove a marker")},
    {Verb::ClearMarkers, "clearmarkers", QT_TRANSLATE_NOOP("keys", "Remove all markers")},
    {Verb::EditText, "edittext", QT_TRANSLATE_NOOP("keys", "Edit the script")},
    {Verb::Options, "options", QT_TRANSLATE_NOOP("keys", "Options")},
    {Verb::Help, "help", QT_TRANSLATE_NOOP("keys", "Help")},
    {Verb::Exit, "exit", QT_TRANSLATE_NOOP("keys", "Exit")},
    {Verb::NextStory, "nextstory",
     QT_TRANSLATE_NOOP("keys", "Next story (with a single script: page forward)")},
    {Verb::PrevStory, "prevstory",
     QT_TRANSLATE_NOOP("keys", "Previous story (with a single script: page back)")},
};

const Named *named(Verb verb)
{
    for (const Named &n : kNamed) {
        if (n.verb == verb)
            return &n;
    }
    return nullptr;
}

std::optional<QKeyCombination> keyFrom(const QString &text)
{
    const QKeySequence s = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (s.count() != 1 || s[0].key() == Qt::Key_unknown)
        return std::nullopt;
    return s[0];
}

} // namespace

QString verbName(Verb verb)
{
    if (const Named *n = named(verb))
        return QLatin1String(n->name);
    // A command added later names itself as the API does.
    const run::VerbNames *n = run::namesOf(verb);
    return n && n->api ? QLatin1String(n->api) : QString::number(int(verb));
}

QString verbLabel(Verb verb)
{
    if (const Named *n = named(verb))
        return QCoreApplication::translate("keys", n->label);
    return verbName(verb);
}

QString keyText(QKeyCombination key)
{
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

KeyMap::KeyMap(const QList<Binding> &defaults) : m_defaults(defaults), m_bindings(defaults) {}

Binding *KeyMap::find(Verb verb)
{
    for (Binding &b : m_bindings) {
        if (b.verb == verb)
            return &b;
    }
    return nullptr;
}

QList<QKeyCombination> KeyMap::keysOf(Verb verb) const
{
    for (const Binding &b : m_bindings) {
        if (b.verb == verb)
            return b.keys;
    }
    return {};
}

std::optional<Verb> KeyMap::holder(QKeyCombination key) const
{
    for (const Binding &b : m_bindings) {
        if (b.keys.contains(key))
            return b.verb;
    }
    return std::nullopt;
}

std::optional<Verb> KeyMap::verbFor(QKeyCombination key) const
{
    if (const auto verb = holder(key))
        return verb;
    if (key.keyboardModifiers() == Qt::NoModifier)
        return std::nullopt;
    return holder(QKeyCombination(key.key()));
}

bool KeyMap::setKeys(Verb verb, const QList<QKeyCombination> &keys, QString *why)
{
    Binding *b = find(verb);
    QString reason;
    if (!b)
        reason = QCoreApplication::translate("keys", "No key can give this command.");
    else if (keys.size() > kMostKeys)
        reason =
            QCoreApplication::translate("keys", "A command takes at most %n key(s).", nullptr, kMostKeys);
    for (qsizetype i = 0; reason.isEmpty() && i < keys.size(); ++i) {
        if (keys.indexOf(keys[i]) != i)
            continue;
        if (const auto other = holder(keys[i]); other && *other != verb) {
            reason = QCoreApplication::translate("keys", "%1 is already the key of “%2”.")
                         .arg(QKeySequence(keys[i]).toString(QKeySequence::NativeText), verbLabel(*other));
        }
    }
    if (!reason.isEmpty()) {
        if (why)
            *why = reason;
        return false;
    }
    b->keys.clear();
    for (const QKeyCombination &k : keys) {
        if (!b->keys.contains(k))
            b->keys << k;
    }
    return true;
}

QString KeyMap::text() const
{
    QStringList out;
    for (qsizetype i = 0; i < m_bindings.size(); ++i) {
        const Binding &b = m_bindings[i];
        if (i < m_defaults.size() && m_defaults[i].keys == b.keys)
            continue;
        out << verbName(b.verb) + QLatin1Char(':');
        for (const QKeyCombination &k : b.keys)
            out << keyText(k);
    }
    return out.join(QLatin1Char(' '));
}

void KeyMap::read(const QString &text, QStringList *why)
{
    // A command's name ends in a colon; the keys up to the next name are its own.
    static const QRegularExpression name(QStringLiteral("^([a-z]+):$"));
    QList<QPair<Verb, QList<QKeyCombination>>> changes;
    for (const QString &token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (const QRegularExpressionMatch m = name.match(token); m.hasMatch()) {
            std::optional<Verb> verb;
            for (const Binding &b : std::as_const(m_bindings)) {
                if (verbName(b.verb) == m.captured(1))
                    verb = b.verb;
            }
            if (verb)
                changes.append({*verb, {}});
            else if (why)
                *why << token;
            continue;
        }
        const std::optional<QKeyCombination> key = keyFrom(token);
        if (!key || changes.isEmpty()) {
            if (why)
                *why << token;
            continue;
        }
        changes.last().second << *key;
    }
    // Every changed command lets its default keys go first, so that keys may move between commands.
    m_bindings = m_defaults;
    for (const auto &[verb, keys] : std::as_const(changes))
        find(verb)->keys.clear();
    for (const auto &[verb, keys] : std::as_const(changes)) {
        QString reason;
        if (setKeys(verb, keys, &reason))
            continue;
        if (why)
            *why << verbName(verb) + QStringLiteral(": ") + reason;
        // Refused, it keeps what it had by default, as far as no other command took it meanwhile.
        QList<QKeyCombination> kept;
        for (const Binding &d : std::as_const(m_defaults)) {
            for (const QKeyCombination &k : d.keys) {
                if (d.verb == verb && !holder(k))
                    kept << k;
            }
        }
        setKeys(verb, kept);
    }
}

} // namespace keys
