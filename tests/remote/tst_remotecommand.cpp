// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/RemoteCommand.h"
#include "remote/RemoteState.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cstdlib>
#include <lo/lo.h>
#include <optional>

using remote::Command;
using remote::Verb;
Q_DECLARE_METATYPE(std::optional<Command>)

namespace {

// An OSC message as a console would send it, serialised by liblo.
QByteArray osc(const char *path, const char *types = "", double arg = 0)
{
    lo_message m = lo_message_new();
    for (const char *t = types; *t; ++t) {
        if (*t == 'i')
            lo_message_add_int32(m, int(arg));
        else if (*t == 'f')
            lo_message_add_float(m, float(arg));
        else if (*t == 's')
            lo_message_add_string(m, "x");
    }
    size_t size = 0;
    void *data = lo_message_serialise(m, path, nullptr, &size);
    const QByteArray out(static_cast<const char *>(data), qsizetype(size));
    std::free(data);
    lo_message_free(m);
    return out;
}

Command cmd(Verb v, int value = 0, double fraction = 0)
{
    return {v, value, fraction};
}

Command shown(const QString &text, int seconds = 0)
{
    Command c{Verb::Message, seconds};
    c.text = text;
    return c;
}

QByteArray oscText(const char *path, const char *text)
{
    lo_message m = lo_message_new();
    lo_message_add_string(m, text);
    size_t size = 0;
    void *data = lo_message_serialise(m, path, nullptr, &size);
    const QByteArray out(static_cast<const char *>(data), qsizetype(size));
    std::free(data);
    lo_message_free(m);
    return out;
}

} // namespace

class tst_RemoteCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void message_data();
    void message();
    void oscPacket_data();
    void oscPacket();
    void midi_data();
    void midi();
    void lineAtReadingLine();
};

// Everything a WebSocket or an HTTP body may carry; a wrong one never becomes a command.
void tst_RemoteCommand::message_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<std::optional<Command>>("expected");
    using C = std::optional<Command>;
    QTest::newRow("action") << QByteArray(R"({"cmd":"pageforward"})") << C(cmd(Verb::PageForward));
    QTest::newRow("speed") << QByteArray(R"({"cmd":"speed","speed":9})") << C(cmd(Verb::Speed, 9));
    QTest::newRow("speed 17") << QByteArray(R"({"cmd":"speed","speed":17})") << C();
    QTest::newRow("speed 0") << QByteArray(R"({"cmd":"speed","speed":0})") << C();
    QTest::newRow("speed 8.5") << QByteArray(R"({"cmd":"speed","speed":8.5})") << C();
    QTest::newRow("speed as text") << QByteArray(R"({"cmd":"speed","speed":"9"})") << C();
    QTest::newRow("marker") << QByteArray(R"({"cmd":"jump","marker":2})") << C(cmd(Verb::JumpMarker, 2));
    QTest::newRow("marker 0") << QByteArray(R"({"cmd":"jump","marker":0})") << C();
    QTest::newRow("char") << QByteArray(R"({"cmd":"jump","char":0})") << C(cmd(Verb::JumpChar, 0));
    QTest::newRow("char huge") << QByteArray(R"({"cmd":"jump","char":1e300})") << C();
    QTest::newRow("jump to nothing") << QByteArray(R"({"cmd":"jump"})") << C();
    QTest::newRow("message") << QByteArray(R"({"cmd":"message","text":"Wrap up","seconds":30})")
                             << C(shown(QStringLiteral("Wrap up"), 30));
    QTest::newRow("message until cleared") << QByteArray(R"({"cmd":"message","text":"x"})") << C(shown("x"));
    QTest::newRow("message without text") << QByteArray(R"({"cmd":"message","seconds":3})") << C();
    QTest::newRow("message seconds as text")
        << QByteArray(R"({"cmd":"message","text":"x","seconds":"3"})") << C();
    QTest::newRow("clearmessage") << QByteArray(R"({"cmd":"clearmessage"})") << C(cmd(Verb::ClearMessage));
    QTest::newRow("next story") << QByteArray(R"({"cmd":"nextstory"})") << C(cmd(Verb::NextStory));
    QTest::newRow("story") << QByteArray(R"({"cmd":"story","index":2})") << C(cmd(Verb::Story, 2));
    QTest::newRow("story 0") << QByteArray(R"({"cmd":"story","index":0})") << C();
    const int end = int(run::TargetKind::End);
    QTest::newRow("target end") << QByteArray(R"({"cmd":"target","end":"18:30"})")
                                << C(Command{Verb::Target, 66600, 0, end});
    QTest::newRow("target end, seconds")
        << QByteArray(R"({"cmd":"target","end":"7:05:09"})") << C(Command{Verb::Target, 25509, 0, end});
    QTest::newRow("target end 24:00") << QByteArray(R"({"cmd":"target","end":"24:00"})") << C();
    QTest::newRow("target end as a number") << QByteArray(R"({"cmd":"target","end":1830})") << C();
    QTest::newRow("target duration") << QByteArray(R"({"cmd":"target","duration":1800})")
                                     << C(Command{Verb::Target, 1800, 0, int(run::TargetKind::Duration)});
    QTest::newRow("duration 0: as planned") << QByteArray(R"({"cmd":"target","duration":0})")
                                            << C(Command{Verb::Target, 0, 0, int(run::TargetKind::Plan)});
    QTest::newRow("duration below 0") << QByteArray(R"({"cmd":"target","duration":-1})") << C();
    QTest::newRow("target of nothing") << QByteArray(R"({"cmd":"target"})") << C();
    QTest::newRow("unknown") << QByteArray(R"({"cmd":"format"})") << C();
    QTest::newRow("cmd not text") << QByteArray(R"({"cmd":1})") << C();
    QTest::newRow("array") << QByteArray(R"(["start"])") << C();
    QTest::newRow("broken") << QByteArray(R"({"cmd":"start")") << C();
    QTest::newRow("empty") << QByteArray() << C();
    QTest::newRow("over 16 KB") << QByteArray(R"({"cmd":"start","pad":")") + QByteArray(17000, 'x') + "\"}"
                                << C();
}

void tst_RemoteCommand::message()
{
    QFETCH(QByteArray, json);
    QFETCH(std::optional<Command>, expected);
    const remote::Parsed p = remote::fromMessage(json);
    QCOMPARE(p.command, expected);
    QCOMPARE(p.error.isEmpty(), bool(expected));
}

void tst_RemoteCommand::oscPacket_data()
{
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<std::optional<Command>>("expected");
    using C = std::optional<Command>;
    QTest::newRow("start") << osc("/cuescroll/start") << C(cmd(Verb::Start));
    QTest::newRow("speed i") << osc("/cuescroll/speed", "i", 12) << C(cmd(Verb::Speed, 12));
    QTest::newRow("speed f, rounded") << osc("/cuescroll/speed", "f", 4.6) << C(cmd(Verb::Speed, 5));
    QTest::newRow("speed 20") << osc("/cuescroll/speed", "i", 20) << C();
    QTest::newRow("speed without value") << osc("/cuescroll/speed") << C();
    QTest::newRow("speed as text") << osc("/cuescroll/speed", "s") << C();
    QTest::newRow("jump") << osc("/cuescroll/jump", "i", 3) << C(cmd(Verb::JumpMarker, 3));
    QTest::newRow("goto") << osc("/cuescroll/goto", "f", 0.5) << C(cmd(Verb::GoTo, 0, 0.5));
    QTest::newRow("goto past the end") << osc("/cuescroll/goto", "f", 1.5) << C();
    QTest::newRow("message") << oscText("/cuescroll/message", "Wrap up")
                             << C(shown(QStringLiteral("Wrap up")));
    QTest::newRow("empty message clears") << oscText("/cuescroll/message", " ") << C(cmd(Verb::ClearMessage));
    QTest::newRow("message as a number") << osc("/cuescroll/message", "i", 3) << C();
    QTest::newRow("nextstory") << osc("/cuescroll/nextstory") << C(cmd(Verb::NextStory));
    QTest::newRow("story") << osc("/cuescroll/story", "i", 3) << C(cmd(Verb::Story, 3));
    QTest::newRow("story 0") << osc("/cuescroll/story", "i", 0) << C();
    QTest::newRow("another program's") << osc("/other/start") << C();
    QTest::newRow("prefix only") << osc("/cuescroll") << C();
    QTest::newRow("truncated") << osc("/cuescroll/speed", "i", 3).chopped(2) << C();
    QTest::newRow("no terminator") << QByteArray("/cuescroll/start") << C();
    QTest::newRow("bundle") << QByteArray("#bundle\0\0\0\0\0\0\0\0\1", 17) << C();
}

void tst_RemoteCommand::oscPacket()
{
    QFETCH(QByteArray, packet);
    QFETCH(std::optional<Command>, expected);
    QCOMPARE(remote::fromOsc(packet).command, expected);
}

void tst_RemoteCommand::midi_data()
{
    QTest::addColumn<QString>("map");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<std::optional<Command>>("expected");
    using C = std::optional<Command>;
    QTest::newRow("note 60 on") << QString() << QByteArray("\x90\x3c\x40") << C(cmd(Verb::Toggle));
    QTest::newRow("on another channel") << QString() << QByteArray("\x93\x3e\x40") << C(cmd(Verb::Back));
    QTest::newRow("note on, velocity 0") << QString() << QByteArray("\x90\x3c\x00", 3) << C();
    QTest::newRow("note off") << QString() << QByteArray("\x80\x3c\x40") << C();
    QTest::newRow("cc1 lowest") << QString() << QByteArray("\xb0\x01\x00", 3) << C(cmd(Verb::Speed, 1));
    QTest::newRow("cc1 highest") << QString() << QByteArray("\xb0\x01\x7f") << C(cmd(Verb::Speed, 16));
    QTest::newRow("cc1 middle") << QString() << QByteArray("\xb0\x01\x40") << C(cmd(Verb::Speed, 9));
    QTest::newRow("unmapped note") << QString() << QByteArray("\x90\x3d\x40") << C();
    QTest::newRow("short") << QString() << QByteArray("\x90\x3c") << C();
    QTest::newRow("own map") << "note36=start, cc7=speed" << QByteArray("\x90\x24\x7f")
                             << C(cmd(Verb::Start));
    QTest::newRow("own map replaces") << "note36=start" << QByteArray("\x90\x3c\x40") << C();
    QTest::newRow("a story key") << "note65=nextstory" << QByteArray("\x90\x41\x40")
                                 << C(cmd(Verb::NextStory));
    QTest::newRow("unreadable map: default")
        << "note999=start bogus" << QByteArray("\x90\x3c\x40") << C(cmd(Verb::Toggle));
}

void tst_RemoteCommand::midi()
{
    QFETCH(QString, map);
    QFETCH(QByteArray, message);
    QFETCH(std::optional<Command>, expected);
    QCOMPARE(remote::fromMidi(remote::parseMidiMap(map), message), expected);
    // The map's text reads back as the same map.
    const remote::MidiMap parsed = remote::parseMidiMap(map);
    QCOMPARE(remote::parseMidiMap(remote::midiMapText(parsed)), parsed);
}

void tst_RemoteCommand::lineAtReadingLine()
{
    const QString text = QStringLiteral("Good evening.\r\nTonight: the harbour, the vote and the weather.");
    QCOMPARE(remote::lineFrom(text, 0), QStringLiteral("Good evening."));
    QCOMPARE(remote::lineFrom(text, 15, 20), QStringLiteral("Tonight: the"));
    QCOMPARE(remote::lineFrom(text, int(text.size())), QString());
}

QTEST_GUILESS_MAIN(tst_RemoteCommand)
#include "tst_remotecommand.moc"
