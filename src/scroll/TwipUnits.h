// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

// Twips (1/1440 inch) against logical pixels, without any widget: 15 twips to the pixel.
namespace twips {

inline constexpr float kPerPixel = 15.0f;

// Nearest pixel, ties to even.
inline int toPixels(float twips)
{
    return static_cast<int>(std::nearbyint(twips / kPerPixel));
}

inline float fromPixels(int pixels)
{
    return static_cast<float>(pixels) * kPerPixel;
}

} // namespace twips
