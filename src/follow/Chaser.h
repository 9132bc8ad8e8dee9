// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <optional>

// A follower's motion. It moves at its own frames at the leader's speed and leans towards where the
// leader's last reported place has got to by now, a little at every frame, so a correction is spread
// over many frames: no frame moves more than kMaxStepRatio times the nominal step of the speed. That
// step is the speed's as the text goes by here: a follower showing the text larger for its width has
// more lines to pass at the same speed, and learns how many more from the leader's reports. A
// stopped leader is met where it stopped; a leader far away (a jump, a page, a new script) is met at
// once, as the leader itself jumped.
// Positions are the script view's Top in twips (more negative further on); times the leader's clock.
namespace follow {

class Chaser
{
public:
    static constexpr double kMaxStepRatio = 1.8; // under the 2x a reader notices, with a pixel's rounding
    static constexpr double kRunningLagMs = 250; // a running error is halved in about 170 ms
    // How much more or less slowly the text may pass here than at the leader, in twips.
    static constexpr double kLeastScale = 0.25;
    static constexpr double kMostScale = 4;

    struct Lead
    {
        quint32 time = 0; // the leader's clock when the script stood at `top`
        float top = 0;    // the leader's place as a Top here
        bool running = false;
        int speed = 1;
        bool forward = true;
    };

    // A report from the leader. `jump` says how far off (twips) is too far to glide.
    void lead(const Lead &l);
    // The same place, found anew after this view was laid out again.
    void relaid(float top);
    // A new script: what was learnt of the text's pace here no longer holds.
    void forget();

    // The Top for the frame at `now`, with the view now at `shown`; nothing before the first lead.
    std::optional<float> frame(quint32 now, float shown) { return frame(now, now, shown); }
    // The same, with the frame's own time apart: `own` on the clock the frames are shown by. Steps
    // are measured on it, so a change in what is known of the leader's clock moves no frame faster.
    std::optional<float> frame(quint32 now, quint32 own, float shown);

    // Where the leader's place is by now, as far as is known.
    float expected(quint32 now) const;
    // Twips per ms the script moves at the leader's speed, as the pace of the text here has shown:
    // the nominal step of the speed on this view.
    double pace() const;
    bool led() const { return m_led; }
    bool settled() const { return m_settled; }
    void setJumpDistance(float twips) { m_jump = twips; }

    // Twips per millisecond the leader moves at a speed.
    static double nominalPace(int speed);

private:
    Lead m_lead;
    bool m_led = false;
    bool m_started = false; // a frame has been shown
    bool m_settled = false;
    quint32 m_lastFrame = 0;
    double m_position = 0;
    double m_scale = 1; // this view's twips for one of the leader's pace: fonts and wrapping differ
    float m_jump = 1500;
};

} // namespace follow
