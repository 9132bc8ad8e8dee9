// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Command.h"

#include <functional>
#include <optional>

// The show of several scripts, as the run hands it the commands that move between its stories and
// set its target. The window's side keeps the show; without one, such commands find no story.
class StoryCommands
{
public:
    virtual ~StoryCommands() = default;
    // Why the command cannot be carried out now, if it cannot.
    virtual std::optional<run::Answer> refusal(const run::Command &c) const = 0;
    virtual void carryOut(const run::Command &c) = 0;
    // Before the script is laid out again or dressed anew with the same text: what puts the reading
    // back on the same words afterwards; nothing where the run keeps its Top.
    virtual std::function<void()> keepPlace() { return {}; }
};
