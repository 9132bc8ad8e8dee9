// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A leader and two followers of other window sizes in one process, on simulated clocks: the leader's
// messages and the followers' pings travel with a jittered delay, every window shows 60 frames a second.
// Prints each follower's position error (text at the reading line, in the leader's lines), the largest
// frame step over the nominal step of the speed, and how long after the leader's stop the follower
// stopped. Run through bench/measure-follow-sim.

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "follow/FollowSession.h"
#include "follow/Follower.h"
#include "follow/LeaderFeed.h"
#include "scroll/ScrollClock.h"
#include "scroll/ScrollEngine.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <memory>
#include <vector>

namespace {

QString script(int words)
{
    const QStringList pool =
        QStringLiteral(
            "good evening and welcome to the news at nine tonight we look at the harbour project the "
            "weather and a remarkable story from the valley where the river has changed its course")
            .split(QLatin1Char(' '));
    QString out;
    for (int i = 0; i < words; ++i) {
        out += pool.at(i % pool.size());
        out += i % 60 == 59 ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    return out;
}

struct Delivery
{
    double at = 0;
    int to = 0; // follower index, or -1 for the leader
    QByteArray text;
    int from = 0;
};

struct Seat
{
    FakePlatform platform;
    FakeDialogs dialogs;
    std::unique_ptr<frmMain> window;
    qint32 clockOffset = 0; // this seat's clock minus the simulation's time
    double nextFrame = 0;
    std::vector<double> errors; // lines
    double maxRatio = 0;
    double maxPixelRatio = 0;
    float lastTop = 0;
    int lastY = 0;
    double lastMove = 0;
    quint32 lastFrameAt = 0;
    struct Move
    {
        double ms, twips, pixels;
    };
    std::vector<Move> moves; // while running
};

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
    const int speed = argc > 2 ? std::atoi(argv[2]) : 8;
    const double latency = argc > 3 ? std::atof(argv[3]) : 2.0; // one way, ms
    const double jitter = argc > 4 ? std::atof(argv[4]) : 3.0;  // up to, ms
    const double frameMs = 1000.0 / 60;
    QRandomGenerator random(7);

    IsolatedSettings isolated;
    const QList<QSize> sizes = {QSize(1280, 800), QSize(1024, 700), QSize(1600, 1000)};
    const QList<qint32> offsets = {0, 123456, -98765};
    std::vector<std::unique_ptr<Seat>> seats;
    for (int i = 0; i < 3; ++i) {
        auto s = std::make_unique<Seat>();
        s->clockOffset = offsets[i];
        s->platform.now = quint32(s->clockOffset);
        s->window = std::make_unique<frmMain>(s->platform, s->dialogs);
        s->window->resize(sizes[i]);
        s->window->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(s->window.get());
        s->window->Form_Resize();
        seats.push_back(std::move(s));
    }
    Seat &leader = *seats[0];
    PrompterCore &lead = leader.window->core();
    lead.takeScript(script(50000));
    lead.command({run::Verb::Speed, speed});

    std::deque<Delivery> wire;
    double now = 0;
    const auto delay = [&] { return latency + random.generateDouble() * jitter; };
    QObject::connect(&leader.window->followSession().feed(), &follow::LeaderFeed::broadcasting,
                     [&](const QByteArray &text) {
                         for (int f = 1; f < 3; ++f)
                             wire.push_back({now + delay(), f, text, 0});
                     });
    std::vector<follow::Follower *> followers(3, nullptr);
    for (int f = 1; f < 3; ++f) {
        followers[f] = &seats[f]->window->followSession().followInProcess();
        const follow::Welcome w = leader.window->followSession().feed().welcome();
        followers[f]->receive(w, seats[f]->platform.now);
    }

    const auto setClocks = [&](double t) {
        for (auto &s : seats)
            s->platform.now = quint32(qint64(std::floor(t)) + s->clockOffset);
    };
    const double stopAt = seconds * 0.8;
    const double restartAt = stopAt + 2000 > seconds * 1000 ? -1 : stopAt * 1000 + 2000;
    bool stopped = false;
    double nextTick = 20, nextReport = 100, nextPing = 0;
    lead.command({run::Verb::Start});
    const float lineHeight = twips::height(leader.window->lblHeightFinder);
    double stopLatency[3] = {0, 0, 0};

    for (now = 0; now < seconds * 1000; now += 0.5) {
        setClocks(now);
        while (!wire.empty() && wire.front().at <= now) {
            const Delivery d = wire.front();
            wire.pop_front();
            if (d.to < 0) {
                if (const auto reply = leader.window->followSession().feed().answer(d.text))
                    wire.push_back({now + delay(), d.from, follow::encode(*reply), 0});
            } else if (const auto m = follow::decode(d.text)) {
                followers[d.to]->receive(*m, seats[d.to]->platform.now);
            }
        }
        std::sort(wire.begin(), wire.end(), [](const Delivery &a, const Delivery &b) { return a.at < b.at; });
        if (now >= nextTick) {
            if (lead.clock().ticking())
                lead.clock().timTick_Timer();
            nextTick += 20;
        }
        if (now >= nextReport) {
            leader.window->followSession().feed().report();
            nextReport += follow::LeaderFeed::kRunningReportMs;
        }
        if (now >= nextPing) {
            for (int f = 1; f < 3; ++f)
                wire.push_back(
                    {now + delay(), -1, follow::encode(followers[f]->ping(seats[f]->platform.now)), f});
            nextPing += 1000;
        }
        if (!stopped && now >= stopAt * 1000) {
            lead.command({run::Verb::Stop});
            stopped = true;
        }
        if (restartAt > 0 && now >= restartAt && !lead.clock().ticking())
            lead.command({run::Verb::Start});
        for (int i = 0; i < 3; ++i) {
            Seat &s = *seats[i];
            if (now < s.nextFrame)
                continue;
            s.nextFrame += frameMs;
            s.window->core().clock().timFrame_Timer();
            if (i == 0)
                continue;
            PrompterCore &c = s.window->core();
            const float top = c.top();
            const int y = s.window->rtDoc->y();
            if (top != s.lastTop)
                s.lastMove = now;
            // Each move while running, with the time its frame took on the follower's clock.
            const double frameTook = std::max(1.0, double(qint32(s.platform.now - s.lastFrameAt)));
            s.lastFrameAt = s.platform.now;
            if (now > 3000 && now < stopAt * 1000)
                s.moves.push_back(
                    {frameTook, std::abs(double(top - s.lastTop)), std::abs(double(y - s.lastY))});
            s.lastTop = top;
            s.lastY = y;
            if (now > 3000) {
                // The text at the reading lines: how far into the script each has read, in characters,
                // over the characters of the follower's lines.
                const PrompterCore::ReadingPlace l = lead.readingPlace();
                const PrompterCore::ReadingPlace p = c.readingPlace();
                const double led = l.character + l.through * l.length;
                const double read = p.character + p.through * p.length;
                const RichTextView *view = s.window->rtDoc;
                const double perLine =
                    double(view->textLength()) / (view->GetLineFromChar(view->textLength()) + 1);
                s.errors.push_back(std::abs(read - led) / perLine);
            }
            if (stopped && now < stopAt * 1000 + 1500)
                stopLatency[i] = s.lastMove - stopAt * 1000;
        }
    }

    // The nominal step of the speed on each follower is the speed's as the text passes there: its
    // lines are as many more or fewer as its width makes them. Its own mean pace while running.
    for (int f = 1; f < 3; ++f) {
        Seat &s = *seats[f];
        double ms = 0, twipsMoved = 0;
        for (const Seat::Move &m : s.moves) {
            ms += m.ms;
            twipsMoved += m.twips;
        }
        const double pace = ms > 0 ? twipsMoved / ms : 1;
        for (const Seat::Move &m : s.moves) {
            s.maxRatio = std::max(s.maxRatio, m.twips / (pace * m.ms));
            s.maxPixelRatio = std::max(s.maxPixelRatio, m.pixels / (pace * frameMs / twips::kPerPixel));
        }
    }
    std::printf("simulated %.0f s, speed %d, one-way delay %.1f-%.1f ms, leader %dx%d, line %.0f twips\n",
                seconds, speed, latency, latency + jitter, sizes[0].width(), sizes[0].height(),
                double(lineHeight));
    std::printf("%-10s %-10s %12s %12s %10s %14s %12s\n", "follower", "window", "error med", "error p99",
                "error max", "max step/nom", "stop after");
    for (int f = 1; f < 3; ++f) {
        const Seat &s = *seats[f];
        std::printf("%-10d %4dx%-5d %9.3f ln %9.3f ln %7.3f ln %7.2f (px %.2f) %9.0f ms\n", f,
                    sizes[f].width(), sizes[f].height(), percentile(s.errors, 0.5),
                    percentile(s.errors, 0.99), percentile(s.errors, 1.0), s.maxRatio, s.maxPixelRatio,
                    stopLatency[f]);
    }
    bool ok = true;
    for (int f = 1; f < 3; ++f) {
        const Seat &s = *seats[f];
        ok = ok && percentile(s.errors, 0.5) <= 0.5 && percentile(s.errors, 0.99) <= 1.0 &&
             s.maxRatio <= 2.0 && stopLatency[f] <= 100;
    }
    return ok ? 0 : 1;
}
