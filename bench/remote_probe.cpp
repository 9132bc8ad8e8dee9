// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The far end of the remote control for bench/measure-remote: phones on WebSockets.
//   remote-probe latency URL N   start, and time until the first state that shows the script moved
//   remote-probe clients URL K S K phones listening for S seconds; prints the states each heard per second
// URL is the WebSocket's, token included: ws://127.0.0.1:8777/api/v1/ws?token=…
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebSocket>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Phone
{
    QWebSocket socket;
    QJsonObject last;
    qint64 heard = 0;

    bool open(const QUrl &url)
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, &socket, [this](const QString &text) {
            last = QJsonDocument::fromJson(text.toUtf8()).object();
            ++heard;
        });
        socket.open(url);
        return QTest::qWaitFor([&] { return heard > 0; }, 10000);
    }
    void send(const char *json) { socket.sendTextMessage(QString::fromLatin1(json)); }
    bool waitFor(const std::function<bool()> &done, int ms = 5000) { return QTest::qWaitFor(done, ms); }
};

int latency(const QUrl &url, int runs)
{
    Phone p;
    if (!p.open(url))
        return std::fprintf(stderr, "no connection\n"), 1;
    p.send(R"({"cmd":"speed","speed":8})");
    std::vector<double> ms;
    QElapsedTimer clock;
    for (int i = 0; i < runs; ++i) {
        p.send(i % 40 == 0 ? R"({"cmd":"reset"})" : R"({"cmd":"stop"})");
        if (!p.waitFor([&] { return !p.last.value(QLatin1String("running")).toBool(); }))
            return std::fprintf(stderr, "does not stop\n"), 1;
        QTest::qWait(120 + (i * 37) % 60); // at rest, and at no fixed phase of the clock
        const double top = p.last.value(QLatin1String("top")).toDouble();
        clock.start();
        p.send(R"({"cmd":"start"})");
        if (!p.waitFor([&] { return p.last.value(QLatin1String("top")).toDouble() != top; }))
            return std::fprintf(stderr, "does not move\n"), 1;
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    p.send(R"({"cmd":"stop"})");
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[std::min(ms.size() - 1, size_t(q * double(ms.size())))]; };
    std::printf("latency_ms runs=%d p50=%.1f p90=%.1f p99=%.1f max=%.1f\n", runs, at(0.5), at(0.9), at(0.99),
                ms.back());
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
    const QStringList a = app.arguments();
    if (a.size() >= 4 && a[1] == QLatin1String("latency"))
        return latency(QUrl(a[2]), a[3].toInt());
    if (a.size() >= 5 && a[1] == QLatin1String("clients"))
        return clients(QUrl(a[2]), a[3].toInt(), a[4].toInt());
    std::fprintf(stderr, "remote-probe latency URL N | remote-probe clients URL K SECONDS\n");
    return 2;
}
