// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the reader and the writer of Rich Text agree on.
namespace rtf {

constexpr int kDefaultHalfPoints = 24;
constexpr int kMinHalfPoints = 2;    // 1 pt
constexpr int kMaxHalfPoints = 3276; // 1638 pt, as far as word processors go
// A show's break between stories, with its band's colour: {\*\cuescrollbreakN}.
constexpr char kStoryBreakWord[] = "cuescrollbreak";

} // namespace rtf
