// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <optional>

namespace voice {

// How the script glides to where the voice is: most of the way within a fraction of a second,
// slowing as it nears, never faster than a speed the eye can follow, and never in one jump.
class Approach
{
public:
    static constexpr double kTimeConstant = 0.15; // seconds to close about two thirds of the distance
    static constexpr float kNear = 8;             // twips: closer than this is there

    // Glide from `from` to `target` (Tops, twips) at no more than `maxSpeed` twips a second.
    void aim(float target, float from, float maxSpeed, quint32 now);
    // Stop where it is now.
    void halt() { m_target.reset(); }
    bool moving() const { return m_target.has_value(); }

    // The Top at `now` (milliseconds); nothing once it has arrived or was halted.
    std::optional<float> at(quint32 now);

private:
    std::optional<float> m_target;
    float m_top = 0;
    float m_maxSpeed = 0;
    quint32 m_last = 0;
};

} // namespace voice
