// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Command.h"
#include "keys/KeyMap.h"

#include <QKeyCombination>

#include <optional>

class QKeyEvent;

// Keys as the prompter's key table names them: classic virtual-key codes and shift bits.
namespace keyinput {

enum Shift { ShiftBit = 1, CtrlBit = 2, AltBit = 4 };

enum Code {
    Back = 8,
    Return = 13,
    Escape = 27,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    F1 = 112,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    Period = 190,
};

struct Key
{
    int code = 0;
    int shift = 0;
};

// The key code and shift state of a key press; nothing for keys without a code (modifiers alone).
std::optional<Key> fromEvent(const QKeyEvent &event);

// The character a key press types (0 when it types none), as the typed-character handler sees it.
int typedCharacter(const QKeyEvent &event);

// What a key asks of the run by default; nothing for a key without a meaning.
std::optional<run::Command> commandFor(int code, int shift);

// A key as Qt names it; Qt::Key_unknown for a code it has no name for.
QKeyCombination combination(int code, int shift);
// Every command a key may give, with the keys commandFor gives it, for the operator to change.
keys::KeyMap defaultKeys();

} // namespace keyinput
