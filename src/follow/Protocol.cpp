// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/Protocol.h"

#include "core/Command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <limits>

namespace follow {
namespace {

// The markers a leader may hold, and the size of a script it may send (the readers' limit with room
// for the formatting).
constexpr qsizetype kMaxMarkers = 100000;
constexpr qsizetype kMaxRtfBytes = 64 * 1024 * 1024;

const QString kType = QStringLiteral("type");

QJsonObject placeJson(const Place &p)
{
    QJsonObject o{{QStringLiteral("character"), p.character},
                  {QStringLiteral("through"), p.through},
                  {QStringLiteral("length"), p.length},
                  {QStringLiteral("paragraph"), p.paragraph}};
    if (!p.story.isEmpty() && p.storyCharacter >= 0) {
        o.insert(QStringLiteral("story"), p.story);
        o.insert(QStringLiteral("storyCharacter"), p.storyCharacter);
    }
    return o;
}

QJsonObject showJson(const Show &show)
{
    QJsonArray a;
    for (const ShowStory &s : show.stories) {
        QJsonObject o{{QStringLiteral("id"), s.id},
                      {QStringLiteral("title"), s.title},
                      {QStringLiteral("block"), s.block},
                      {QStringLiteral("words"), s.words}};
        if (s.planned)
            o.insert(QStringLiteral("planned"), *s.planned);
        a.append(o);
    }
    return {{kType, QStringLiteral("show")}, {QStringLiteral("stories"), a}};
}

QJsonObject stateJson(const State &s)
{
    QJsonObject o{{kType, QStringLiteral("state")},
                  {QStringLiteral("time"), qint64(s.time)},
                  {QStringLiteral("running"), s.running},
                  {QStringLiteral("speed"), s.speed},
                  {QStringLiteral("direction"), s.forward ? 1 : -1},
                  {QStringLiteral("place"), placeJson(s.place)}};
    if (s.seq != 0)
        o.insert(QStringLiteral("seq"), qint64(s.seq));
    return o;
}

QJsonObject lookJson(const Look &l)
{
    return {{kType, QStringLiteral("appearance")},
            {QStringLiteral("font"), l.fontName},
            {QStringLiteral("size"), l.fontSize},
            {QStringLiteral("bold"), l.bold},
            {QStringLiteral("italic"), l.italic},
            {QStringLiteral("underline"), l.underline},
            {QStringLiteral("strikethrough"), l.strikethrough},
            {QStringLiteral("foreColor"), l.foreColor},
            {QStringLiteral("backColor"), l.backColor},
            {QStringLiteral("lineColor"), l.lineColor}};
}

QJsonObject markersJson(const QList<Marker> &markers)
{
    QJsonArray a;
    for (const Marker &m : markers)
        a.append(QJsonObject{{QStringLiteral("start"), m.start},
                             {QStringLiteral("length"), m.length},
                             {QStringLiteral("text"), m.text}});
    return {{kType, QStringLiteral("markers")}, {QStringLiteral("markers"), a}};
}

QJsonObject scriptJson(const Script &s)
{
    return {{kType, QStringLiteral("script")},
            {QStringLiteral("format"), QStringLiteral("rtf")},
            {QStringLiteral("text"), QString::fromLatin1(s.rtf)}};
}

// Numbers as JSON carries them: whole ones within the type's range, nothing else.
std::optional<qint64> whole(const QJsonValue &v, qint64 lo, qint64 hi)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(lo) || d > double(hi))
        return std::nullopt;
    return qint64(d);
}

std::optional<qint32> color(const QJsonValue &v)
{
    const auto c = whole(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    return c ? std::optional<qint32>(qint32(*c)) : std::nullopt;
}

std::optional<quint32> clockReading(const QJsonValue &v)
{
    const auto t = whole(v, 0, std::numeric_limits<quint32>::max());
    return t ? std::optional<quint32>(quint32(*t)) : std::nullopt;
}

std::optional<Place> placeOf(const QJsonValue &v)
{
    const QJsonObject o = v.toObject();
    const auto character = whole(o.value(QStringLiteral("character")), 0, std::numeric_limits<int>::max());
    const QJsonValue through = o.value(QStringLiteral("through"));
    if (!character || !through.isDouble())
        return std::nullopt;
    const double t = through.toDouble();
    if (!(t >= 0 && t <= 1))
        return std::nullopt;
    const QJsonValue lengthValue = o.value(QStringLiteral("length"));
    const auto length = lengthValue.isUndefined() ? std::optional<qint64>(0)
                                                  : whole(lengthValue, 0, std::numeric_limits<int>::max());
    const QJsonValue paragraph = o.value(QStringLiteral("paragraph"));
    const double down = paragraph.isUndefined() ? -1.0 : paragraph.toDouble(std::nan(""));
    if (!length || !(down >= -1 && down <= 1))
        return std::nullopt;
    Place p;
    p.character = int(*character);
    p.through = t;
    p.length = int(*length);
    p.paragraph = down < 0 ? -1.0 : down;
    // The story is a newer leader's addition: one that cannot be read leaves the place by character.
    const QJsonValue story = o.value(QStringLiteral("story"));
    const auto storyCharacter =
        whole(o.value(QStringLiteral("storyCharacter")), 0, std::numeric_limits<int>::max());
    if (story.isString() && story.toString().size() <= Show::kMaxName && storyCharacter) {
        p.story = story.toString();
        p.storyCharacter = int(*storyCharacter);
    }
    return p;
}

QJsonObject timersJson(const Timers &t)
{
    return {{kType, QStringLiteral("timers")},
            {QStringLiteral("elapsed"), t.elapsed},
            {QStringLiteral("storyElapsed"), t.storyElapsed},
            {QStringLiteral("storyToGo"), t.storyToGo},
            {QStringLiteral("showToGo"), t.showToGo},
            {QStringLiteral("overUnder"), t.overUnder},
            {QStringLiteral("planned"), t.planned},
            {QStringLiteral("endTime"), t.endTime},
            {QStringLiteral("paceSpeed"), t.paceSpeed},
            {QStringLiteral("rate"), t.rate},
            {QStringLiteral("measured"), t.measured}};
}

std::optional<Timers> timersOf(const QJsonObject &o)
{
    constexpr qint64 kWeek = 7 * 24 * 3600; // longer than any show
    const auto number = [&o](const char *name, qint64 lo, qint64 hi) {
        return whole(o.value(QLatin1String(name)), lo, hi);
    };
    const auto elapsed = number("elapsed", 0, kWeek);
    const auto storyElapsed = number("storyElapsed", 0, kWeek);
    const auto storyToGo = number("storyToGo", 0, kWeek);
    const auto showToGo = number("showToGo", 0, kWeek);
    const auto overUnder = number("overUnder", -kWeek, kWeek);
    const auto endTime = number("endTime", -1, 24 * 3600 - 1);
    const auto paceSpeed = number("paceSpeed", 0, 16);
    const QJsonValue rate = o.value(QStringLiteral("rate"));
    const QJsonValue planned = o.value(QStringLiteral("planned"));
    const QJsonValue measured = o.value(QStringLiteral("measured"));
    if (!elapsed || !storyElapsed || !storyToGo || !showToGo || !overUnder || !endTime || !paceSpeed ||
        !rate.isDouble() || !(rate.toDouble() >= 0 && rate.toDouble() < 1000) || !planned.isBool() ||
        !measured.isBool())
        return std::nullopt;
    return Timers{int(*elapsed),    int(*storyElapsed), int(*storyToGo), int(*showToGo),  int(*overUnder),
                  planned.toBool(), int(*endTime),      int(*paceSpeed), rate.toDouble(), measured.toBool()};
}

std::optional<Show> showOf(const QJsonObject &o)
{
    const QJsonValue v = o.value(QStringLiteral("stories"));
    if (!v.isArray() || v.toArray().size() > Show::kMaxStories)
        return std::nullopt;
    Show show;
    for (const QJsonValue &item : v.toArray()) {
        const QJsonObject s = item.toObject();
        const QJsonValue id = s.value(QStringLiteral("id"));
        const QJsonValue title = s.value(QStringLiteral("title"));
        const auto block = whole(s.value(QStringLiteral("block")), -1, std::numeric_limits<int>::max());
        const auto words = whole(s.value(QStringLiteral("words")), 0, std::numeric_limits<int>::max());
        const QJsonValue plannedValue = s.value(QStringLiteral("planned"));
        const auto planned = whole(plannedValue, 0, 7 * 24 * 3600);
        if (!id.isString() || id.toString().isEmpty() || id.toString().size() > Show::kMaxName ||
            !title.isString() || title.toString().size() > Show::kMaxName || !block || !words ||
            (!plannedValue.isUndefined() && !planned))
            return std::nullopt;
        show.stories.append({id.toString(), title.toString(),
                             planned ? std::optional<int>(int(*planned)) : std::nullopt, int(*block),
                             int(*words)});
    }
    return show;
}

std::optional<State> stateOf(const QJsonObject &o)
{
    const auto time = clockReading(o.value(QStringLiteral("time")));
    const QJsonValue running = o.value(QStringLiteral("running"));
    const auto speed = whole(o.value(QStringLiteral("speed")), 1, 16);
    const auto direction = whole(o.value(QStringLiteral("direction")), -1, 1);
    const auto place = placeOf(o.value(QStringLiteral("place")));
    const QJsonValue seqValue = o.value(QStringLiteral("seq"));
    const auto seq = seqValue.isUndefined() ? std::optional<quint32>(0) : clockReading(seqValue);
    if (!time || !running.isBool() || !speed || !direction || *direction == 0 || !place || !seq)
        return std::nullopt;
    return State{*time, running.toBool(), int(*speed), *direction > 0, *place, *seq};
}

std::optional<Look> lookOf(const QJsonObject &o)
{
    const QJsonValue font = o.value(QStringLiteral("font"));
    const QJsonValue size = o.value(QStringLiteral("size"));
    const auto fore = color(o.value(QStringLiteral("foreColor")));
    const auto back = color(o.value(QStringLiteral("backColor")));
    const auto line = color(o.value(QStringLiteral("lineColor")));
    if (!font.isString() || !size.isDouble() || !(size.toDouble() > 0 && size.toDouble() <= 1638) || !fore ||
        !back || !line)
        return std::nullopt;
    Look l;
    l.fontName = font.toString();
    l.fontSize = size.toDouble();
    l.bold = o.value(QStringLiteral("bold")).toBool();
    l.italic = o.value(QStringLiteral("italic")).toBool();
    l.underline = o.value(QStringLiteral("underline")).toBool();
    l.strikethrough = o.value(QStringLiteral("strikethrough")).toBool();
    l.foreColor = *fore;
    l.backColor = *back;
    l.lineColor = *line;
    return l;
}

std::optional<QList<Marker>> markersOf(const QJsonObject &o)
{
    const QJsonValue v = o.value(QStringLiteral("markers"));
    if (!v.isArray() || v.toArray().size() > kMaxMarkers)
        return std::nullopt;
    QList<Marker> out;
    for (const QJsonValue &item : v.toArray()) {
        const QJsonObject m = item.toObject();
        const auto start = whole(m.value(QStringLiteral("start")), 0, std::numeric_limits<int>::max());
        const auto length = whole(m.value(QStringLiteral("length")), 0, std::numeric_limits<int>::max());
        const QJsonValue text = m.value(QStringLiteral("text"));
        if (!start || !length || !text.isString())
            return std::nullopt;
        out.append({int(*start), int(*length), text.toString()});
    }
    return out;
}

std::optional<Script> scriptOf(const QJsonObject &o)
{
    const QJsonValue text = o.value(QStringLiteral("text"));
    if (o.value(QStringLiteral("format")).toString() != QLatin1String("rtf") || !text.isString())
        return std::nullopt;
    const QString s = text.toString();
    // Rich Text is 7-bit by its own rules; anything else is no script of ours.
    if (s.size() > kMaxRtfBytes ||
        std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() > 0x7f; }))
        return std::nullopt;
    return Script{s.toLatin1()};
}

} // namespace

bool isCommand(const QString &name)
{
    return run::linkVerb(name).has_value();
}

QByteArray encode(const Message &message)
{
    QJsonObject o = std::visit(
        [](const auto &m) -> QJsonObject {
            using T = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<T, Welcome>) {
                QJsonObject w{{kType, QStringLiteral("welcome")},
                              {QStringLiteral("version"), kProtocolVersion}};
                w.insert(QStringLiteral("script"), scriptJson(m.script));
                w.insert(QStringLiteral("appearance"), lookJson(m.look));
                w.insert(QStringLiteral("markers"), markersJson(m.markers));
                w.insert(QStringLiteral("state"), stateJson(m.state));
                if (!m.leader.isEmpty())
                    w.insert(QStringLiteral("leader"), m.leader);
                if (!m.show.stories.isEmpty())
                    w.insert(QStringLiteral("show"), showJson(m.show));
                return w;
            } else if constexpr (std::is_same_v<T, Script>) {
                return scriptJson(m);
            } else if constexpr (std::is_same_v<T, Look>) {
                return lookJson(m);
            } else if constexpr (std::is_same_v<T, QList<Marker>>) {
                return markersJson(m);
            } else if constexpr (std::is_same_v<T, State>) {
                return stateJson(m);
            } else if constexpr (std::is_same_v<T, Ping>) {
                return {{kType, QStringLiteral("ping")},
                        {QStringLiteral("id"), qint64(m.id)},
                        {QStringLiteral("sent"), qint64(m.sent)}};
            } else if constexpr (std::is_same_v<T, Pong>) {
                return {{kType, QStringLiteral("pong")},
                        {QStringLiteral("id"), qint64(m.id)},
                        {QStringLiteral("sent"), qint64(m.sent)},
                        {QStringLiteral("received"), qint64(m.received)}};
            } else if constexpr (std::is_same_v<T, Channel>) {
                return {{kType, QStringLiteral("channel")},
                        {QStringLiteral("port"), m.port},
                        {QStringLiteral("nonce"), QString::fromLatin1(m.nonce.toHex())}};
            } else if constexpr (std::is_same_v<T, Reaching>) {
                return {{kType, QStringLiteral("reaching")}, {QStringLiteral("reaching"), m.reaching}};
            } else if constexpr (std::is_same_v<T, Talent>) {
                return {{kType, QStringLiteral("talent")}, {QStringLiteral("text"), m.text}};
            } else if constexpr (std::is_same_v<T, Show>) {
                return showJson(m);
            } else if constexpr (std::is_same_v<T, Timers>) {
                return timersJson(m);
            } else {
                return {{kType, QStringLiteral("command")},
                        {QStringLiteral("name"), m.name},
                        {QStringLiteral("value"), m.value},
                        {QStringLiteral("length"), m.length}};
            }
        },
        message);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<Message> decode(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    const QString type = o.value(kType).toString();
    if (type == QLatin1String("welcome")) {
        if (o.value(QStringLiteral("version")).toInt() != kProtocolVersion)
            return std::nullopt;
        const auto script = scriptOf(o.value(QStringLiteral("script")).toObject());
        const auto look = lookOf(o.value(QStringLiteral("appearance")).toObject());
        const auto markers = markersOf(o.value(QStringLiteral("markers")).toObject());
        const auto state = stateOf(o.value(QStringLiteral("state")).toObject());
        const QJsonValue leader = o.value(QStringLiteral("leader"));
        // A show that cannot be read leaves the script followed as one script.
        const auto show = showOf(o.value(QStringLiteral("show")).toObject());
        if (!script || !look || !markers || !state || !(leader.isUndefined() || leader.isString()))
            return std::nullopt;
        return Welcome{*script, *look, *markers, *state, leader.toString(), show.value_or(Show{})};
    }
    if (type == QLatin1String("script")) {
        if (auto s = scriptOf(o))
            return *s;
    } else if (type == QLatin1String("appearance")) {
        if (auto l = lookOf(o))
            return *l;
    } else if (type == QLatin1String("markers")) {
        if (auto m = markersOf(o))
            return *m;
    } else if (type == QLatin1String("state")) {
        if (auto s = stateOf(o))
            return *s;
    } else if (type == QLatin1String("ping") || type == QLatin1String("pong")) {
        const auto id = clockReading(o.value(QStringLiteral("id")));
        const auto sent = clockReading(o.value(QStringLiteral("sent")));
        if (!id || !sent)
            return std::nullopt;
        if (type == QLatin1String("ping"))
            return Ping{*id, *sent};
        if (const auto received = clockReading(o.value(QStringLiteral("received"))))
            return Pong{*id, *sent, *received};
    } else if (type == QLatin1String("command")) {
        const QString name = o.value(QStringLiteral("name")).toString();
        const auto value = whole(o.value(QStringLiteral("value")), -1000000000, 1000000000);
        const QJsonValue lengthValue = o.value(QStringLiteral("length"));
        const auto length = lengthValue.isUndefined()
                                ? std::optional<qint64>(0)
                                : whole(lengthValue, 0, std::numeric_limits<int>::max());
        if (isCommand(name) && value && length)
            return Command{name, int(*value), int(*length)};
    } else if (type == QLatin1String("channel")) {
        const auto port = whole(o.value(QStringLiteral("port")), 1, 65535);
        const QString hex = o.value(QStringLiteral("nonce")).toString();
        const QByteArray nonce = QByteArray::fromHex(hex.toLatin1());
        if (port && hex.size() == 2 * kNonceBytes && nonce.size() == kNonceBytes &&
            nonce.toHex() == hex.toLatin1().toLower())
            return Channel{quint16(*port), nonce};
    } else if (type == QLatin1String("reaching")) {
        const QJsonValue reaching = o.value(QStringLiteral("reaching"));
        if (reaching.isBool())
            return Reaching{reaching.toBool()};
    } else if (type == QLatin1String("timers")) {
        if (auto t = timersOf(o))
            return *t;
    } else if (type == QLatin1String("show")) {
        if (auto s = showOf(o))
            return *s;
    } else if (type == QLatin1String("talent")) {
        const QJsonValue text = o.value(QStringLiteral("text"));
        if (text.isString() && text.toString().size() <= Talent::kMaxLength)
            return Talent{text.toString()};
    }
    return std::nullopt;
}

} // namespace follow
