// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The parts that bring heavy libraries with them (the voice, game controllers, MIDI) are modules
// loaded the first time they are switched on, so that a prompter without them never maps those
// libraries.
namespace modules {

// Where the modules are: ../lib/<triplet>/cuescroll (a private library folder) from the
// executable, in a build tree as installed.
QString directory();
// Tests point it elsewhere; empty goes back to the default.
void setDirectory(const QString &path);

// The function `symbol` of the module `name`, loaded once and kept; null when it cannot be loaded,
// with `error` saying in the operator's words which module is missing and why.
void *function(const QString &name, const char *symbol, QString *error);

template <typename F> F function(const QString &name, const char *symbol, QString *error)
{
    return reinterpret_cast<F>(function(name, symbol, error));
}

} // namespace modules
