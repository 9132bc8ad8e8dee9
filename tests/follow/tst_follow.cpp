// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/Chaser.h"
#include "follow/ClockSync.h"
#include "follow/Follower.h"
#include "follow/Protocol.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <map>

using namespace follow;

Q_DECLARE_METATYPE(follow::Message)

class tst_Follow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messagesSurviveTheWire_data();
    void messagesSurviveTheWire();
    void malformedMessagesAreDropped_data();
    void malformedMessagesAreDropped();
    void unreadableAdditionsAreLeftOut();
    void clockBelievesTheShortestTrip_data();
    void clockBelievesTheShortestTrip();
    void chaserMovesWithoutJumps_data();
    void chaserMovesWithoutJumps();
    void chaserStopsWhereTheLeaderStopped();
    void followerFramesStayWithinTheCap_data();
    void followerFramesStayWithinTheCap();
};

void tst_Follow::messagesSurviveTheWire_data()
{
    QTest::addColumn<Message>("message");
    const State running{4000000000u, true, 8, true, {1234, 0.25, 61, 0.5, QString(), -1}};
    QTest::newRow("state") << Message(running);
    QTest::newRow("state going back") << Message(State{7, false, 16, false, {0, 1.0, 0, -1, QString(), -1}});
    QTest::newRow("welcome") << Message(Welcome{{QByteArray("{\\rtf1\\ansi {\\b Good} evening\\par}")},
                                                {QStringLiteral("Liberation Sans"), 36.5, true, false, true,
                                                 false, 0x00ffffff, -2147483640, 0x0000ff},
                                                {{10, 5, QStringLiteral("héllo")}, {0, 0, QString()}},
                                                running,
                                                QStringLiteral("9b1f0c2e"),
                                                {}});
    QTest::newRow("markers, none") << Message(QList<Marker>());
    QTest::newRow("ping") << Message(Ping{4294967295u, 0});
    QTest::newRow("pong") << Message(Pong{3, 4294967290u, 12});
    QTest::newRow("command") << Message(Command{QStringLiteral("direction"), -1});
    QTest::newRow("mark a passage") << Message(Command{QStringLiteral("mark"), 120, 17});
    QTest::newRow("talent") << Message(Talent{QStringLiteral("Wrap up \u00e9")});
    QTest::newRow("talent cleared") << Message(Talent{});
    // A show and the place by story: what a follower of an earlier version never reads.
    const Show show{{{QStringLiteral("M1"), QStringLiteral("Weather"), 90, 0, 120},
                     {QStringLiteral("M2"), QString(), std::nullopt, -1, 0}}};
    QTest::newRow("show") << Message(show);
    QTest::newRow("no show") << Message(Show{});
    QTest::newRow("timers") << Message(Timers{65, 12, 30, 600, -45, true, 23 * 3600, 7, 2.5, true});
    State inStory = running;
    inStory.place.story = QStringLiteral("M1");
    inStory.place.storyCharacter = 77;
    QTest::newRow("state in a story") << Message(inStory);
    QTest::newRow("welcome to a show")
        << Message(Welcome{{QByteArray("{\\rtf1 x\\par}")},
                           {QStringLiteral("Sans"), 12, false, false, false, false, 0, 0, 0},
                           {},
                           inStory,
                           QString(),
                           show});
}

void tst_Follow::messagesSurviveTheWire()
{
    QFETCH(Message, message);
    const std::optional<Message> back = decode(encode(message));
    QVERIFY(back);
    QCOMPARE(back->index(), message.index());
    // The parts compare as wholes; a welcome through its parts.
    if (const auto *w = std::get_if<Welcome>(&message)) {
        const auto &b = std::get<Welcome>(*back);
        QCOMPARE(b.script.rtf, w->script.rtf);
        QCOMPARE(b.look, w->look);
        QCOMPARE(b.markers, w->markers);
        QCOMPARE(b.state, w->state);
        QCOMPARE(b.leader, w->leader);
        QCOMPARE(b.show, w->show);
    } else {
        QCOMPARE(encode(*back), encode(message));
    }
}

void tst_Follow::malformedMessagesAreDropped_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray place = R"("place":{"character":3,"through":0.5})";
    QTest::newRow("no JSON") << QByteArray("state");
    QTest::newRow("array") << QByteArray("[1,2]");
    QTest::newRow("unknown type") << QByteArray(R"({"type":"shutdown"})");
    QTest::newRow("speed 0") << QByteArray(
        R"({"type":"state","time":1,"running":true,"speed":0,"direction":1,)" + place + "}");
    QTest::newRow("speed fraction") << QByteArray(
        R"({"type":"state","time":1,"running":true,"speed":8.5,"direction":1,)" + place + "}");
    QTest::newRow("no direction") << QByteArray(
        R"({"type":"state","time":1,"running":true,"speed":8,"direction":0,)" + place + "}");
    QTest::newRow("time beyond the clock") << QByteArray(
        R"({"type":"state","time":4294967296,"running":true,"speed":8,"direction":1,)" + place + "}");
    QTest::newRow("through past the line")
        << QByteArray(R"({"type":"state","time":1,"running":true,"speed":8,"direction":1,)"
                      R"("place":{"character":3,"through":1.5}})");
    QTest::newRow("negative character")
        << QByteArray(R"({"type":"state","time":1,"running":true,"speed":8,"direction":1,)"
                      R"("place":{"character":-1,"through":0}})");
    QTest::newRow("running as text") << QByteArray(
        R"({"type":"state","time":1,"running":"yes","speed":8,"direction":1,)" + place + "}");
    QTest::newRow("script not 7-bit")
        << QByteArray(R"({"type":"script","format":"rtf","text":"{\\rtf1 é}"})");
    QTest::newRow("script as HTML") << QByteArray(R"({"type":"script","format":"html","text":"<p>x</p>"})");
    QTest::newRow("unknown command") << QByteArray(R"({"type":"command","name":"exit","value":0})");
    QTest::newRow("options stay local") << QByteArray(R"({"type":"command","name":"options","value":0})");
    QTest::newRow("marker without text")
        << QByteArray(R"({"type":"markers","markers":[{"start":1,"length":2}]})");
    QTest::newRow("welcome of another version") << QByteArray(
        R"({"type":"welcome","version":2,"script":{},"appearance":{},"markers":{},"state":{}})");
    QTest::newRow("pong without the leader's reading") << QByteArray(R"({"type":"pong","id":1,"sent":2})");
    QTest::newRow("talent not text") << QByteArray(R"({"type":"talent","text":7})");
    QTest::newRow("talent too long") << (R"({"type":"talent","text":")" +
                                         QByteArray(Talent::kMaxLength + 1, 'a') + R"("})");
    QTest::newRow("story without an id")
        << QByteArray(R"({"type":"show","stories":[{"title":"x","block":0,"words":1}]})");
    QTest::newRow("story before the script")
        << QByteArray(R"({"type":"show","stories":[{"id":"a","title":"x","block":-2,"words":1}]})");
    QTest::newRow("timers without a rate") << QByteArray(
        R"({"type":"timers","elapsed":1,"storyElapsed":1,"storyToGo":1,"showToGo":1,"overUnder":0,)"
        R"("planned":false,"endTime":-1,"paceSpeed":0,"measured":false})");
}

// What a newer leader adds and this one cannot read is left out, not the whole message: the place
// goes by character, the script as one script.
void tst_Follow::unreadableAdditionsAreLeftOut()
{
    const auto state = decode(R"({"type":"state","time":1,"running":true,"speed":8,"direction":1,)"
                              R"("place":{"character":3,"through":0.5,"story":7,"storyCharacter":2}})");
    QVERIFY(state);
    QCOMPARE(std::get<State>(*state).place.character, 3);
    QVERIFY(std::get<State>(*state).place.story.isEmpty());

    Welcome w;
    w.script.rtf = "{\\rtf1 x\\par}";
    w.look.fontName = QStringLiteral("Sans");
    w.look.fontSize = 12;
    w.show.stories = {{QStringLiteral("a"), QString(), std::nullopt, 0, 1}};
    QByteArray text = encode(w);
    text.replace(R"("id":"a")", R"("id":3)");
    const auto welcome = decode(text);
    QVERIFY(welcome);
    QVERIFY(std::get<Welcome>(*welcome).show.stories.isEmpty());
}

void tst_Follow::malformedMessagesAreDropped()
{
    QFETCH(QByteArray, text);
    QVERIFY(!decode(text));
}

void tst_Follow::clockBelievesTheShortestTrip_data()
{
    // Each trip: the follower's send, out and back delays; the leader's clock runs `offset` ahead.
    QTest::addColumn<qint32>("offset");
    QTest::addColumn<QList<QList<int>>>("trips");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("even trips") << 5000 << QList<QList<int>>{{0, 2, 2}, {100, 3, 3}} << 0;
    // Late answers from a busy leader lean one way; the quick trip in between is believed.
    QTest::newRow("one quick trip among slow ones")
        << -70000 << QList<QList<int>>{{0, 2, 80}, {100, 1, 1}, {200, 3, 120}, {300, 2, 60}} << 0;
    QTest::newRow("uneven paths err by half the trip") << 12 << QList<QList<int>>{{0, 1, 9}} << 4;
    QTest::newRow("across the clock's wrap") << 1000 << QList<QList<int>>{{-3, 2, 2}, {-1, 1, 1}} << 0;
}

void tst_Follow::clockBelievesTheShortestTrip()
{
    QFETCH(qint32, offset);
    QFETCH(QList<QList<int>>, trips);
    QFETCH(int, tolerance);
    ClockSync sync;
    sync.seed(123456, 0); // a first guess the trips replace
    for (const QList<int> &t : trips) {
        const quint32 sent = quint32(t[0]);
        const quint32 read = sent + quint32(t[1]) + quint32(offset);
        sync.add(sent, read, sent + quint32(t[1] + t[2]));
    }
    QVERIFY2(std::abs(sync.offset() - offset) <= tolerance, qPrintable(QString::number(sync.offset())));
    QCOMPARE(sync.leaderTime(4294967295u), 4294967295u + quint32(sync.offset()));
}

namespace {

constexpr double kFrameMs = 1000.0 / 60;

// A follower at 60 frames a second behind a leader reporting every `reportMs`, each report arriving
// `latency` ms late and known to the follower only from then on.
struct Run
{
    double maxRatio = 0;   // largest frame move over the nominal frame step
    double worstError = 0; // twips, after the first second
    double finalError = 0;
};

Run simulate(Chaser &c, double startError, double rate, int reportMs, int latency, double seconds, int speed)
{
    Run r;
    const double pace = Chaser::nominalPace(speed) * rate; // the text's pace here
    const double step = pace * kFrameMs;                   // the speed's step as the text passes here
    double shown = -startError;
    quint32 nextReport = 0;
    c.lead({0, 0, true, speed, true});
    for (double t = 0; t < seconds * 1000; t += kFrameMs) {
        const quint32 now = quint32(std::lround(t));
        if (now >= nextReport + quint32(latency)) {
            c.lead({nextReport, float(-pace * nextReport), true, speed, true});
            nextReport += quint32(reportMs);
        }
        const std::optional<float> to = c.frame(now, float(shown));
        if (to) {
            r.maxRatio = std::max(r.maxRatio, std::abs(*to - shown) / step);
            shown = *to;
        }
        const double error = std::abs(shown + pace * t);
        if (t > 1000)
            r.worstError = std::max(r.worstError, error);
        r.finalError = error;
    }
    return r;
}

} // namespace

void tst_Follow::chaserMovesWithoutJumps_data()
{
    QTest::addColumn<double>("startError");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("latency");
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("maxError"); // twips after the first second
    // A line of the default script is about 540 twips: half a line is the most a reader forgives.
    QTest::newRow("in step") << 0.0 << 1.0 << 2 << 8 << 30.0;
    QTest::newRow("slow network") << 0.0 << 1.0 << 80 << 8 << 60.0;
    QTest::newRow("a line behind") << 540.0 << 1.0 << 2 << 8 << 270.0;
    QTest::newRow("a line ahead") << -540.0 << 1.0 << 2 << 8 << 270.0;
    QTest::newRow("larger type here") << 0.0 << 1.3 << 2 << 8 << 120.0;
    QTest::newRow("smaller type here") << 0.0 << 0.7 << 2 << 8 << 120.0;
    QTest::newRow("lines half as long here") << 0.0 << 2.5 << 2 << 8 << 270.0;
    QTest::newRow("slowest speed") << 100.0 << 1.0 << 2 << 1 << 60.0;
    QTest::newRow("fastest speed") << 0.0 << 1.0 << 20 << 16 << 60.0;
}

void tst_Follow::chaserMovesWithoutJumps()
{
    QFETCH(double, startError);
    QFETCH(double, rate);
    QFETCH(int, latency);
    QFETCH(int, speed);
    QFETCH(double, maxError);
    Chaser c;
    c.setJumpDistance(1500);
    const Run r = simulate(c, startError, rate, 100, latency, 6, speed);
    QVERIFY2(r.maxRatio <= 2.0, qPrintable(QString::number(r.maxRatio)));
    QVERIFY2(r.worstError <= maxError, qPrintable(QString::number(r.worstError)));
    QVERIFY2(r.finalError <= 30, qPrintable(QString::number(r.finalError)));
}

void tst_Follow::chaserStopsWhereTheLeaderStopped()
{
    Chaser c;
    c.lead({0, 0, true, 8, true});
    float shown = 0;
    quint32 now = 0;
    for (; now < 1000; now += 16)
        shown = c.frame(now, shown).value_or(shown);
    // The leader stopped a little behind where the follower has got to; word of it comes late.
    const float stoppedAt = float(-Chaser::nominalPace(8) * 980);
    c.lead({980, stoppedAt, false, 8, true});
    quint32 lastMove = now;
    for (; now < 2000; now += 16) {
        const std::optional<float> to = c.frame(now, shown);
        if (to && *to != shown) {
            QVERIFY(std::abs(*to - shown) <= 2 * Chaser::nominalPace(8) * 16);
            lastMove = now;
            shown = *to;
        }
    }
    QCOMPARE(shown, stoppedAt);
    QVERIFY2(lastMove - 980 <= 100, qPrintable(QString::number(lastMove - 980)));
    QVERIFY(c.settled());
}

void tst_Follow::followerFramesStayWithinTheCap_data()
{
    QTest::addColumn<int>("transfer"); // ms the welcome takes to arrive, the script being long
    QTest::addColumn<int>("latency");
    QTest::addColumn<int>("jitter"); // each way, each message: latency ± jitter
    QTest::newRow("jittery link") << 0 << 80 << 40;
    QTest::newRow("script slow to arrive") << 6000 << 20 << 2;
    QTest::newRow("both") << 6000 << 80 << 40;
}

// A follower behind a leader running at speed 8, over a link that keeps order and delays each
// message: whatever it learns of the leader's clock, and whenever, no frame after the first moves
// more than the cap over the step of its own time.
void tst_Follow::followerFramesStayWithinTheCap()
{
    QFETCH(int, transfer);
    QFETCH(int, latency);
    QFETCH(int, jitter);
    constexpr quint32 kOffset = 123456; // the leader's clock ahead of the follower's
    const double pace = Chaser::nominalPace(8);
    const auto leaderTop = [&](double followerTime) { return -pace * followerTime; };
    const auto placeAt = [&](double followerTime) {
        const double chars = pace * followerTime / 10;
        return Place{int(chars), chars - std::floor(chars), 0, -1, QString(), -1};
    };
    Follower::Prompter p;
    p.script = [](const QByteArray &) {};
    p.look = [](const Look &) {};
    p.markers = [](const QList<Marker> &) {};
    p.state = [](const State &) {};
    p.topFor = [](const Place &place) { return float(-(place.character + place.through) * 10); };
    p.lineHeight = [] { return 540.0f; };
    Follower follower(p);

    QRandomGenerator random(11);
    const auto delay = [&] { return latency + (random.generateDouble() * 2 - 1) * jitter; };
    std::multimap<double, Message> toFollower; // by arrival; the link keeps order
    double lastArrival = 0;
    const auto send = [&](double departure, const Message &m) {
        lastArrival = std::max(lastArrival, departure + delay());
        toFollower.emplace(lastArrival, m);
    };
    const auto stateAt = [&](double t) { return State{quint32(t) + kOffset, true, 8, true, placeAt(t)}; };
    send(transfer, Welcome{{}, {}, {}, stateAt(0), {}, {}});

    double maxRatio = 0;
    std::optional<double> shown;
    double lastFrame = 0;
    for (double t = 0; t < transfer + 8000; t += 1) {
        while (!toFollower.empty() && toFollower.begin()->first <= t) {
            follower.receive(toFollower.begin()->second, quint32(t));
            toFollower.erase(toFollower.begin());
        }
        if (std::fmod(t, 100) == 0 && t > 0)
            send(t, stateAt(t));
        if (std::fmod(t, 200) == 0) {
            const double read = t + delay();
            send(read, Pong{0, quint32(t), quint32(read) + kOffset});
        }
        if (std::fmod(t, 50) != 0 && std::fmod(t, 50) != 17 && std::fmod(t, 50) != 33)
            continue;
        const std::optional<float> to = follower.frame(quint32(t), float(shown.value_or(0)));
        if (to && shown)
            maxRatio = std::max(maxRatio, std::abs(*to - *shown) / (pace * (t - lastFrame)));
        if (to)
            shown = *to;
        lastFrame = t;
    }
    QVERIFY(shown);
    QVERIFY2(maxRatio <= Chaser::kMaxStepRatio + 1e-6, qPrintable(QString::number(maxRatio)));
    QVERIFY2(std::abs(*shown - leaderTop(transfer + 8000)) < 270, qPrintable(QString::number(*shown)));
}

QTEST_GUILESS_MAIN(tst_Follow)
#include "tst_follow.moc"
