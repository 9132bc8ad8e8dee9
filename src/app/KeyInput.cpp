// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/KeyInput.h"

#include <QHash>
#include <QKeyEvent>

#include <map>

namespace keyinput {

std::optional<Key> fromEvent(const QKeyEvent &event)
{
    int code = 0;
    const int k = event.key();
    switch (k) {
    case Qt::Key_Backspace:
        code = Back;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        code = Return;
        break;
    case Qt::Key_Escape:
        code = Escape;
        break;
    case Qt::Key_Space:
        code = Space;
        break;
    case Qt::Key_PageUp:
        code = PageUp;
        break;
    case Qt::Key_PageDown:
        code = PageDown;
        break;
    case Qt::Key_End:
        code = End;
        break;
    case Qt::Key_Home:
        code = Home;
        break;
    case Qt::Key_Left:
        code = Left;
        break;
    case Qt::Key_Up:
        code = Up;
        break;
    case Qt::Key_Right:
        code = Right;
        break;
    case Qt::Key_Down:
        code = Down;
        break;
    case Qt::Key_Tab:
        code = 9;
        break;
    case Qt::Key_Delete:
        code = 46;
        break;
    case Qt::Key_Insert:
        code = 45;
        break;
    case Qt::Key_Period:
        code = Period;
        break;
    default:
        if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
            code = F1 + (k - Qt::Key_F1);
        else if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))
            code = k; // letters and digits share their codes
        break;
    }
    if (code == 0)
        return std::nullopt;

    const Qt::KeyboardModifiers m = event.modifiers();
    int shift = 0;
    if (m & Qt::ShiftModifier)
        shift |= ShiftBit;
    if (m & Qt::ControlModifier)
        shift |= CtrlBit;
    if (m & Qt::AltModifier)
        shift |= AltBit;
    return Key{code, shift};
}

int typedCharacter(const QKeyEvent &event)
{
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    return text.at(0).unicode();
}

std::optional<run::Command> commandFor(int code, int shift)
{
    using run::Verb;
    const bool ctrl = shift == CtrlBit;
    switch (code) {
    case Up:
        return run::Command{ctrl ? Verb::Up : Verb::Back};
    case Down:
        return run::Command{ctrl ? Verb::Down : Verb::Forward};
    case PageUp:
        return run::Command{ctrl ? Verb::PrevStory : Verb::PageBack};
    case PageDown:
        return run::Command{ctrl ? Verb::NextStory : Verb::PageForward};
    case Home:
        return run::Command{Verb::Home};
    case End:
        return run::Command{Verb::End};
    case Left:
        return run::Command{Verb::Slower};
    case Right:
        return run::Command{Verb::Faster};
    case Space:
    case F3:
    case Period: // a presentation clicker's "blank screen" button sends "." or B
        return run::Command{Verb::Toggle};
    case 'B':
        return run::Command{Verb::Stop};
    case Back:
    case F4:
        return run::Command{Verb::Reset};
    case F1:
        return run::Command{Verb::Help};
    case F2:
        return run::Command{Verb::EditText};
    case F5:
        return run::Command{Verb::MarkMode};
    case F6:
        return run::Command{Verb::PickJump};
    case F7:
        return run::Command{Verb::PickUnmark};
    case F8:
        return run::Command{Verb::ClearMarkers};
    case F9:
        return run::Command{Verb::FullScreen};
    case F10:
        return run::Command{Verb::Options};
    case Escape:
        return run::Command{Verb::Exit};
    case Return:
        return run::Command{Verb::EnterFullScreen};
    default:
        return std::nullopt;
    }
}

QKeyCombination combination(int code, int shift)
{
    static const QHash<int, Qt::Key> named{
        {Back, Qt::Key_Backspace}, {Return, Qt::Key_Return}, {Escape, Qt::Key_Escape},
        {Space, Qt::Key_Space},    {PageUp, Qt::Key_PageUp}, {PageDown, Qt::Key_PageDown},
        {End, Qt::Key_End},        {Home, Qt::Key_Home},     {Left, Qt::Key_Left},
        {Up, Qt::Key_Up},          {Right, Qt::Key_Right},   {Down, Qt::Key_Down},
        {9, Qt::Key_Tab},          {46, Qt::Key_Delete},     {45, Qt::Key_Insert},
        {Period, Qt::Key_Period},
    };
    Qt::Key key = named.value(code, Qt::Key_unknown);
    if (code >= F1 && code < F1 + 24)
        key = Qt::Key(Qt::Key_F1 + (code - F1));
    else if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        key = Qt::Key(code);
    Qt::KeyboardModifiers m;
    m.setFlag(Qt::ShiftModifier, shift & ShiftBit);
    m.setFlag(Qt::ControlModifier, shift & CtrlBit);
    m.setFlag(Qt::AltModifier, shift & AltBit);
    return QKeyCombination(m, key);
}

keys::KeyMap defaultKeys()
{
    // Read off the table, so that a command given a key there is listed with it.
    std::map<run::Verb, QList<QKeyCombination>> found;
    for (const run::Verb verb : {run::Verb::Start, run::Verb::FullScreen})
        found[verb];
    for (int shift : {0, int(CtrlBit)}) {
        for (int code = 1; code < 256; ++code) {
            const auto c = commandFor(code, shift);
            if (!c || (shift != 0 && commandFor(code, 0) == c))
                continue;
            const QKeyCombination key = combination(code, shift);
            if (key.key() != Qt::Key_unknown)
                found[c->verb] << key;
        }
    }
    QList<keys::Binding> bindings;
    for (const auto &[verb, keys] : found)
        bindings.append({verb, keys});
    return keys::KeyMap(bindings);
}

} // namespace keyinput
