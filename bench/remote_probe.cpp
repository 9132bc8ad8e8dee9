// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The far end of the remote control for bench/measure-remote: phones on WebSockets.
//   remote-probe latency URL N   start, and time until the first state that shows the script moved
//   remote-probe clients URL K S K phones listening for S seconds; prints the states each heard per second
// URL is the WebSocket's, token included: ws://127.0.0.1:8777/api/v1/ws?token=…
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

QElapsedTimer g_clock; // when each state arrived, read in the handler rather than after a poll

struct Phone
{
    QWebSocket socket;
    QJsonObject last;
    qint64 lastAt = 0; // ns on g_clock
    qint64 heard = 0;
    std::function<bool()> until;
    QEventLoop *loop = nullptr;

    bool open(const QUrl &url)
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, &socket, [this](const QString &text) {
            lastAt = g_clock.nsecsElapsed();
            last = QJsonDocument::fromJson(text.toUtf8()).object();
            ++heard;
            if (loop && until && until())
                loop->quit();
        });
        socket.open(url);
        return waitFor([this] { return heard > 0; }, 10000);
    }
    void send(const char *json) { socket.sendTextMessage(QString::fromLatin1(json)); }
    // Returns as soon as a state makes `done` true, without polling.
    bool waitFor(const std::function<bool()> &done, int ms = 5000)
    {
        if (done())
            return true;
        QEventLoop l;
        QTimer::singleShot(ms, &l, &QEventLoop::quit);
        until = done;
        loop = &l;
        l.exec();
        loop = nullptr;
        until = nullptr;
        return done();
    }
};

int latency(const QUrl &url, int runs)
{
    Phone p;
    if (!p.open(url))
        return std::fprintf(stderr, "no connection\n"), 1;
    p.send(R"({"cmd":"speed","speed":8})");
    std::vector<double> ms;      // to the first state that has moved
    std::vector<double> started; // to the first state that runs: the remote's own share
    for (int i = 0; i < runs; ++i) {
        p.send(i % 40 == 0 ? R"({"cmd":"reset"})" : R"({"cmd":"stop"})");
        if (!p.waitFor([&] { return !p.last.value(QLatin1String("running")).toBool(); }))
            return std::fprintf(stderr, "does not stop\n"), 1;
        QTest::qWait(120 + (i * 37) % 60); // at rest, and at no fixed phase of the clock
        const double top = p.last.value(QLatin1String("top")).toDouble();
        const qint64 sent = g_clock.nsecsElapsed();
        p.send(R"({"cmd":"start"})");
        if (!p.waitFor([&] { return p.last.value(QLatin1String("running")).toBool(); }))
            return std::fprintf(stderr, "does not start\n"), 1;
        started.push_back(double(p.lastAt - sent) / 1e6);
        if (!p.waitFor([&] { return p.last.value(QLatin1String("top")).toDouble() != top; }))
            return std::fprintf(stderr, "does not move\n"), 1;
        ms.push_back(double(p.lastAt - sent) / 1e6);
    }
    p.send(R"({"cmd":"stop"})");
    const auto print = [runs](const char *what, std::vector<double> &v) {
        std::sort(v.begin(), v.end());
        const auto at = [&](double q) { return v[std::min(v.size() - 1, size_t(q * double(v.size())))]; };
        std::printf("%s runs=%d p50=%.1f p90=%.1f p99=%.1f max=%.1f\n", what, runs, at(0.5), at(0.9),
                    at(0.99), v.back());
    };
    print("latency_ms", ms);
    print("started_ms", started);
    return 0;
}

int clients(const QUrl &url, int count, int seconds)
{
    std::vector<std::unique_ptr<Phone>> phones;
    for (int i = 0; i < count; ++i) {
        phones.push_back(std::make_unique<Phone>());
        if (!phones.back()->open(url))
            return std::fprintf(stderr, "no connection\n"), 1;
        phones.back()->heard = 0;
    }
    std::printf("connected %d\n", count);
    std::fflush(stdout);
    QTest::qWait(seconds * 1000);
    for (const auto &p : phones)
        std::printf("states_per_s %.1f\n", double(p->heard) / seconds);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    g_clock.start();
    const QStringList a = app.arguments();
    if (a.size() >= 4 && a[1] == QLatin1String("latency"))
        return latency(QUrl(a[2]), a[3].toInt());
    if (a.size() >= 5 && a[1] == QLatin1String("clients"))
        return clients(QUrl(a[2]), a[3].toInt(), a[4].toInt());
    std::fprintf(stderr, "remote-probe latency URL N | remote-probe clients URL K SECONDS\n");
    return 2;
}
