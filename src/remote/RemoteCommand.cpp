// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/RemoteCommand.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>
#include <QStringList>
#include <QTime>

#include <cmath>
#include <limits>
#include <lo/lo_lowlevel.h>
#include <memory>
#include <utility>

namespace remote {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("remote", text);
}

Parsed failed(const QString &why)
{
    return {std::nullopt, why};
}

Parsed ok(Command c)
{
    return {c, {}};
}

std::optional<QJsonObject> object(const QByteArray &json, QString &error)
{
    if (json.size() > kMaxBody) {
        error = tr("The message is larger than 16 KB.");
        return std::nullopt;
    }
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &e);
    if (e.error != QJsonParseError::NoError || !doc.isObject()) {
        error = tr("The message is not a JSON object.");
        return std::nullopt;
    }
    return doc.object();
}

// A whole number within [low, high]; JSON gives every number as a double.
std::optional<int> wholeNumber(const QJsonValue &v, int low, int high)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::trunc(d) || d < low || d > high)
        return std::nullopt;
    return int(d);
}

Parsed speedFrom(const QJsonObject &o)
{
    if (const auto s = wholeNumber(o.value(QLatin1String("speed")), kMinSpeed, kMaxSpeed))
        return ok({Verb::Speed, *s, 0});
    return failed(tr("\"speed\" must be a whole number from 1 to 16."));
}

Parsed jumpFrom(const QJsonObject &o)
{
    constexpr int kMaxInt = std::numeric_limits<int>::max();
    if (o.contains(QLatin1String("marker"))) {
        if (const auto m = wholeNumber(o.value(QLatin1String("marker")), 1, kMaxInt))
            return ok({Verb::JumpMarker, *m, 0});
        return failed(tr("\"marker\" must be a whole number from 1."));
    }
    if (o.contains(QLatin1String("char"))) {
        if (const auto c = wholeNumber(o.value(QLatin1String("char")), 0, kMaxInt))
            return ok({Verb::JumpChar, *c, 0});
        return failed(tr("\"char\" must be a whole number from 0."));
    }
    if (o.contains(QLatin1String("fraction"))) {
        const QJsonValue f = o.value(QLatin1String("fraction"));
        if (f.isDouble() && f.toDouble() >= 0 && f.toDouble() <= 1)
            return ok({Verb::GoTo, 0, f.toDouble()});
        return failed(tr("\"fraction\" must be a number from 0 to 1."));
    }
    return failed(tr("A jump needs \"marker\", \"char\" or \"fraction\"."));
}

Parsed messageFrom(const QJsonObject &o)
{
    const QJsonValue text = o.value(QLatin1String("text"));
    if (!text.isString())
        return failed(tr("A message needs \"text\"."));
    Command c{Verb::Message};
    c.text = text.toString();
    if (o.contains(QLatin1String("seconds"))) {
        const auto s = wholeNumber(o.value(QLatin1String("seconds")), 0, 24 * 3600);
        if (!s)
            return failed(tr("\"seconds\" must be a whole number from 0 to 86400."));
        c.value = *s;
    }
    return ok(c);
}

Parsed storyFrom(const QJsonObject &o)
{
    if (const auto i = wholeNumber(o.value(QLatin1String("index")), 1, std::numeric_limits<int>::max()))
        return ok({Verb::Story, *i, 0});
    return failed(tr("\"index\" must be a whole number from 1."));
}

Parsed targetFrom(const QJsonObject &o)
{
    constexpr int kMaxDuration = 7 * 24 * 3600;
    if (o.contains(QLatin1String("end"))) {
        const QString end = o.value(QLatin1String("end")).toString();
        QTime t = QTime::fromString(end, QStringLiteral("H:mm"));
        if (!t.isValid())
            t = QTime::fromString(end, QStringLiteral("H:mm:ss"));
        if (!t.isValid())
            return failed(tr("\"end\" must be a time of day, \"HH:MM\"."));
        return ok({Verb::Target, t.msecsSinceStartOfDay() / 1000, 0, int(run::TargetKind::End)});
    }
    if (o.contains(QLatin1String("duration"))) {
        const auto d = wholeNumber(o.value(QLatin1String("duration")), 0, kMaxDuration);
        if (!d)
            return failed(tr("\"duration\" must be whole seconds from 0 to 604800."));
        return ok({Verb::Target, *d, 0, int(*d > 0 ? run::TargetKind::Duration : run::TargetKind::Plan)});
    }
    return failed(tr("A target needs \"end\" or \"duration\"."));
}

Parsed runningOrderFrom(const QJsonObject &o)
{
    const QJsonValue id = o.value(QLatin1String("id"));
    Command c{Verb::RunningOrder};
    if (id.isString() && !id.toString().trimmed().isEmpty() && id.toString().size() <= 128)
        c.text = id.toString().trimmed();
    else if (!id.isNull()) // absent, a number, an empty text
        return failed(tr("\"id\" must be a running order's id, or null for none."));
    return ok(c);
}

struct LoMessageFree
{
    void operator()(lo_message m) const { lo_message_free(m); }
};

std::optional<double> oscNumber(lo_message m, int i)
{
    if (i >= lo_message_get_argc(m))
        return std::nullopt;
    const lo_arg *a = lo_message_get_argv(m)[i];
    switch (lo_message_get_types(m)[i]) {
    case LO_INT32:
        return double(a->i);
    case LO_INT64:
        return double(a->h);
    case LO_FLOAT:
        return double(a->f);
    case LO_DOUBLE:
        return a->d;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<Verb> actionNamed(QStringView name)
{
    return run::apiVerb(name);
}

QString actionName(Verb verb)
{
    if (const run::VerbNames *n = run::namesOf(verb); n && n->api)
        return QLatin1String(n->api);
    switch (verb) {
    case Verb::Speed:
        return QStringLiteral("speed");
    case Verb::JumpMarker:
    case Verb::JumpChar:
        return QStringLiteral("jump");
    case Verb::GoTo:
        return QStringLiteral("goto");
    case Verb::State:
        return QStringLiteral("state");
    case Verb::Message:
        return QStringLiteral("message");
    case Verb::Story:
        return QStringLiteral("story");
    case Verb::Target:
        return QStringLiteral("target");
    case Verb::RunningOrder:
        return QStringLiteral("runningorder");
    default:
        return {};
    }
}

Parsed fromMessage(const QByteArray &json)
{
    QString error;
    const std::optional<QJsonObject> o = object(json, error);
    if (!o)
        return failed(error);
    const QJsonValue cmd = o->value(QLatin1String("cmd"));
    if (!cmd.isString())
        return failed(tr("The message has no \"cmd\"."));
    const QString name = cmd.toString();
    if (const auto verb = actionNamed(name))
        return ok({*verb, 0, 0});
    if (name == QLatin1String("state"))
        return ok({Verb::State, 0, 0});
    if (name == QLatin1String("speed"))
        return speedFrom(*o);
    if (name == QLatin1String("jump"))
        return jumpFrom(*o);
    if (name == QLatin1String("message"))
        return messageFrom(*o);
    if (name == QLatin1String("story"))
        return storyFrom(*o);
    if (name == QLatin1String("target"))
        return targetFrom(*o);
    if (name == QLatin1String("runningorder"))
        return runningOrderFrom(*o);
    return failed(tr("Unknown command \"%1\".").arg(name.left(40)));
}

Parsed fromSpeedBody(const QByteArray &json)
{
    QString error;
    const std::optional<QJsonObject> o = object(json, error);
    return o ? speedFrom(*o) : failed(error);
}

Parsed fromJumpBody(const QByteArray &json)
{
    QString error;
    const std::optional<QJsonObject> o = object(json, error);
    return o ? jumpFrom(*o) : failed(error);
}

Parsed fromMessageBody(const QByteArray &json)
{
    QString error;
    const std::optional<QJsonObject> o = object(json, error);
    return o ? messageFrom(*o) : failed(error);
}

Parsed fromStoryBody(const QByteArray &json)
{
    QString error;
    const std::optional<QJsonObject> o = object(json, error);
    return o ? storyFrom(*o) : failed(error);
}

Parsed fromTargetBody(const QByteArray &json)
{
    QString error;
    const std::optional<QJsonObject> o = object(json, error);
    return o ? targetFrom(*o) : failed(error);
}

Parsed fromRunningOrderBody(const QByteArray &json)
{
    QString error;
    const std::optional<QJsonObject> o = object(json, error);
    return o ? runningOrderFrom(*o) : failed(error);
}

Parsed fromOsc(const QByteArray &packet)
{
    if (packet.size() > kMaxBody)
        return failed(tr("The packet is larger than 16 KB."));
    // liblo reads from a buffer it may not write to, but takes it without const.
    QByteArray data = packet;
    const char *path = lo_get_path(data.data(), data.size());
    if (!path)
        return failed(tr("Not an OSC message."));
    const QLatin1String prefix("/cuescroll/");
    const QByteArray address(path);
    if (!address.startsWith(prefix.data()))
        return failed(tr("Not a Cuescroll address."));
    const QString name = QString::fromLatin1(address.mid(prefix.size()));

    int result = 0;
    std::unique_ptr<std::remove_pointer_t<lo_message>, LoMessageFree> m(
        lo_message_deserialise(data.data(), size_t(data.size()), &result));
    if (!m || result != 0)
        return failed(tr("A malformed OSC message."));

    if (const auto verb = actionNamed(name))
        return ok({*verb, 0, 0});
    if (name == QLatin1String("state"))
        return ok({Verb::State, 0, 0});
    const std::optional<double> arg = oscNumber(m.get(), 0);
    if (name == QLatin1String("speed")) {
        if (arg && std::isfinite(*arg) && *arg >= kMinSpeed && *arg <= kMaxSpeed)
            return ok({Verb::Speed, int(std::lround(*arg)), 0});
        return failed(tr("/speed takes a number from 1 to 16."));
    }
    if (name == QLatin1String("jump")) {
        if (arg && std::isfinite(*arg) && *arg >= 1 && *arg <= std::numeric_limits<int>::max())
            return ok({Verb::JumpMarker, int(*arg), 0});
        return failed(tr("/jump takes a marker's number from 1."));
    }
    if (name == QLatin1String("message")) {
        // An empty text takes the message away: a console button needs no second address.
        if (lo_message_get_argc(m.get()) < 1 || lo_message_get_types(m.get())[0] != LO_STRING)
            return failed(tr("/message takes a string."));
        const QString text = QString::fromUtf8(&lo_message_get_argv(m.get())[0]->s);
        if (text.trimmed().isEmpty())
            return ok({Verb::ClearMessage});
        Command c{Verb::Message};
        c.text = text;
        return ok(c);
    }
    if (name == QLatin1String("story")) {
        if (arg && std::isfinite(*arg) && *arg >= 1 && *arg <= std::numeric_limits<int>::max())
            return ok({Verb::Story, int(*arg), 0});
        return failed(tr("/story takes a story's number from 1."));
    }
    if (name == QLatin1String("goto")) {
        if (arg && *arg >= 0 && *arg <= 1)
            return ok({Verb::GoTo, 0, *arg});
        return failed(tr("/goto takes a fraction from 0 to 1."));
    }
    return failed(tr("Unknown command \"%1\".").arg(name.left(40)));
}

MidiMap defaultMidiMap()
{
    using K = MidiBinding::Kind;
    return {{K::Note, 60, Verb::Toggle},
            {K::Note, 62, Verb::Back},
            {K::Note, 64, Verb::Forward},
            {K::Controller, 1, Verb::Speed}};
}

QString midiMapText(const MidiMap &map)
{
    QStringList parts;
    for (const MidiBinding &b : map) {
        const bool cc = b.kind == MidiBinding::Kind::Controller;
        parts << (cc ? QStringLiteral("cc") : QStringLiteral("note")) + QString::number(b.number) +
                     QLatin1Char('=') + actionName(b.verb);
    }
    return parts.join(QLatin1Char(' '));
}

MidiMap parseMidiMap(const QString &text)
{
    MidiMap map;
    const QStringList entries =
        text.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = entry.left(eq).toLower();
        const QString what = entry.mid(eq + 1).toLower();
        MidiBinding b;
        QStringView number;
        if (key.startsWith(QLatin1String("note"))) {
            b.kind = MidiBinding::Kind::Note;
            number = QStringView(key).mid(4);
        } else if (key.startsWith(QLatin1String("cc"))) {
            b.kind = MidiBinding::Kind::Controller;
            number = QStringView(key).mid(2);
        } else {
            continue;
        }
        bool isNumber = false;
        b.number = number.toInt(&isNumber);
        if (!isNumber || b.number < 0 || b.number > 127)
            continue;
        if (b.kind == MidiBinding::Kind::Controller) {
            if (what != QLatin1String("speed"))
                continue;
            b.verb = Verb::Speed;
        } else if (const auto verb = actionNamed(what)) {
            b.verb = *verb;
        } else {
            continue;
        }
        map << b;
    }
    return map.isEmpty() ? defaultMidiMap() : map;
}

std::optional<Command> fromMidi(const MidiMap &map, const QByteArray &message)
{
    if (message.size() < 3)
        return std::nullopt;
    const int status = quint8(message[0]) & 0xF0;
    const int number = quint8(message[1]);
    const int value = quint8(message[2]);
    if (number > 127 || value > 127)
        return std::nullopt;
    const bool noteOn = status == 0x90 && value > 0;
    const bool controller = status == 0xB0;
    for (const MidiBinding &b : map) {
        if (b.number != number)
            continue;
        if (noteOn && b.kind == MidiBinding::Kind::Note)
            return Command{b.verb, 0, 0};
        if (controller && b.kind == MidiBinding::Kind::Controller) // 0–127 over the sixteen speeds
            return Command{Verb::Speed, kMinSpeed + (value * (kMaxSpeed - kMinSpeed) + 63) / 127, 0};
    }
    return std::nullopt;
}

} // namespace remote
