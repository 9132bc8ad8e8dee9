// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Settings.h"

#include "settings/NumericText.h"
#include "settings/StoreFile.h"
#include "settings/modSettings.h"

#include <algorithm>
#include <iterator>

namespace {

using Key = Settings::Key;

// How a key's text is read and written.
enum class Form {
    Text,
    Trimmed, // blanks around it dropped on reading
    Flag,    // "True" / "False", or a number (zero is false)
    Colour,  // a 32-bit number, decimal or "&H…&"
    Size,    // a 16-bit number
    Count,   // a number, none below zero
    Port,    // 1 to 65535
};

// Whether the first read of an absent or empty key writes its default into the store.
enum class Fill { No, Stored };

struct Entry
{
    Key key;
    const char *name; // as in the store's [General] section; never to change
    Form form;
    const char *fallback; // the default as stored text; also what an unusable text falls back to
    Fill fill = Fill::No;
};

// clang-format off
constexpr Entry kTable[] = {
    {Key::ForeColor,          "ForeColor",          Form::Colour,  "&H80000012&", Fill::Stored},
    {Key::FontName,           "FontName",           Form::Text,    "MS Sans Serif", Fill::Stored},
    {Key::FontBold,           "FontBold",           Form::Flag,    "False", Fill::Stored},
    {Key::FontItalic,         "FontItalic",         Form::Flag,    "False", Fill::Stored},
    {Key::FontSize,           "FontSize",           Form::Size,    "28", Fill::Stored},
    {Key::FontStrikethrough,  "FontStrikethrough",  Form::Flag,    "False", Fill::Stored},
    {Key::FontUnderline,      "FontUnderline",      Form::Flag,    "False", Fill::Stored},
    {Key::BackColor,          "BackColor",          Form::Colour,  "&HC0FFFF", Fill::Stored},
    {Key::LineColor,          "LineColor",          Form::Colour,  "&H0000C000&", Fill::Stored},
    // The moving script shown once per display frame, between the clock's steps.
    {Key::FrameSync,          "FrameSync",          Form::Flag,    "True", Fill::Stored},
    // A screen's identity, name or number; empty: no talent screen.
    {Key::TalentScreen,       "TalentScreen",       Form::Text,    ""},
    {Key::MirrorTalent,       "MirrorTalent",       Form::Flag,    "True"},
    {Key::FlipTalent,         "FlipTalent",         Form::Flag,    "False"},
    {Key::MirrorPrompter,     "MirrorPrompter",     Form::Flag,    "False"},
    {Key::CountdownSeconds,   "CountdownSeconds",   Form::Count,   "0"}, // 0: no countdown
    {Key::JumpToReadingLine,  "JumpToReadingLine",  Form::Flag,    "False"},
    // Where the file dialogs open: the folder a script was last opened or saved in.
    {Key::LastScriptFolder,   "LastScriptFolder",   Form::Text,    ""},
    {Key::RemoteEnabled,      "RemoteEnabled",      Form::Flag,    "False"},
    {Key::RemotePort,         "RemotePort",         Form::Port,    "8777"},
    {Key::RemoteToken,        "RemoteToken",        Form::Text,    ""}, // empty: none made yet
    {Key::Osc,                "Osc",                Form::Flag,    "False"},
    {Key::OscAllow,           "OscAllow",           Form::Text,    ""}, // empty: this machine only
    {Key::Midi,               "Midi",               Form::Flag,    "False"},
    {Key::MidiMap,            "MidiMap",            Form::Text,    ""}, // empty: the default mapping
    // The capture device the voice is followed from, by its id; empty: the system's default.
    {Key::VoiceInput,         "VoiceInput",         Form::Text,    ""},
    // "host:port host:port", where the state is pushed as OSC.
    {Key::OscFeedback,        "OscFeedback",        Form::Text,    ""},
    // The key bindings that differ from the defaults.
    {Key::Keys,               "Keys",               Form::Text,    ""},
    {Key::Gamepad,            "Gamepad",            Form::Flag,    "False"},
    {Key::GamepadMap,         "GamepadMap",         Form::Text,    ""}, // empty: the default mapping
    // Running orders from a newsroom system.
    {Key::MosEnabled,         "MosEnabled",         Form::Flag,    "False"},
    {Key::MosID,              "MosID",              Form::Trimmed, "cuescroll.prompter.mos"},
    {Key::MosNcsID,           "MosNcsID",           Form::Trimmed, ""}, // the newsroom taken; empty: any
    {Key::MosLowerPort,       "MosLowerPort",       Form::Port,    "10540"},
    {Key::MosUpperPort,       "MosUpperPort",       Form::Port,    "10541"},
    {Key::MosAllow,           "MosAllow",           Form::Text,    ""}, // empty: this machine only
    // Where a cue is told when it reaches the reading line: web addresses, OSC "host:port"s, MIDI
    // notes ("60=roll VT; 62=lights").
    {Key::CueWebhook,         "CueWebhook",         Form::Text,    ""},
    {Key::CueOsc,             "CueOsc",             Form::Text,    ""},
    {Key::CueMidi,            "CueMidi",            Form::Text,    ""},
    {Key::HideCues,           "HideCues",           Form::Flag,    "False"}, // left out of the presenter's picture
    {Key::LookAhead,          "LookAhead",          Form::Flag,    "False"}, // the operator sees past the picture
    {Key::TalentCountdown,    "TalentCountdown",    Form::Flag,    "False"}, // the time to the end shown to the presenter
    // The newsroom's running order last picked to show; empty: none.
    {Key::MosRunningOrder,    "MosRunningOrder",    Form::Trimmed, ""},
    {Key::TalentMessageBelow, "TalentMessageBelow", Form::Flag,    "False"},
};
// clang-format on

constexpr bool tableInKeyOrder()
{
    for (std::size_t i = 0; i < std::size(kTable); ++i) {
        if (std::size_t(kTable[i].key) != i)
            return false;
    }
    return true;
}
static_assert(tableInKeyOrder(), "one row per key, in the order of Settings::Key");

const Entry &entry(Key key)
{
    return kTable[std::size_t(key)];
}

const QString kGeneral = QStringLiteral("General");

QVariant valueOf(const Entry &e, const QString &text)
{
    const QString fallback = QLatin1String(e.fallback);
    switch (e.form) {
    case Form::Text:
        return text.isEmpty() ? fallback : text;
    case Form::Trimmed: {
        const QString trimmed = text.trimmed();
        return trimmed.isEmpty() ? fallback : trimmed;
    }
    case Form::Flag:
        return numtext::toBool(text).value_or(numtext::toBool(fallback).value_or(false));
    case Form::Colour:
        return numtext::toInt32(text).value_or(numtext::toInt32(fallback).value_or(0));
    case Form::Size:
        return int(numtext::toInt16(text).value_or(numtext::toInt16(fallback).value_or(0)));
    case Form::Count:
        return std::max(0, numtext::toInt32(text).value_or(numtext::toInt32(fallback).value_or(0)));
    case Form::Port: {
        const qint32 port = numtext::toInt32(text).value_or(0);
        return port > 0 && port <= 65535 ? port : numtext::toInt32(fallback).value_or(0);
    }
    }
    return {};
}

QString textOf(Form form, const QVariant &value)
{
    switch (form) {
    case Form::Text:
    case Form::Trimmed:
        return value.toString();
    case Form::Flag:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case Form::Colour:
    case Form::Size:
    case Form::Count:
    case Form::Port:
        return QString::number(value.toInt());
    }
    return {};
}

} // namespace

Settings::Settings(QObject *parent) : QObject(parent)
{
    static_assert(std::size(kTable) == kKeys);
    const storefile::Loaded file = storefile::open(modSettings::storeFilePath());
    if (!file.text)
        return;
    for (const Entry &e : kTable)
        m_texts[std::size_t(e.key)] =
            storefile::findValue(*file.text, kGeneral, keyName(e.key)).value_or(QString());
}

QString Settings::keyName(Key key)
{
    return QLatin1String(entry(key).name);
}

QVariant Settings::defaultValue(Key key)
{
    return valueOf(entry(key), QLatin1String(entry(key).fallback));
}

QString Settings::text(Key key) const
{
    QString &value = m_texts[std::size_t(key)];
    const Entry &e = entry(key);
    if (value.isEmpty() && e.fill == Fill::Stored)
        value = modSettings::ReadSetting(kGeneral, keyName(key), QLatin1String(e.fallback));
    return value;
}

QVariant Settings::get(Key key) const
{
    return valueOf(entry(key), text(key));
}

void Settings::set(Key key, const QVariant &value)
{
    const QString text = textOf(entry(key).form, value);
    modSettings::WriteSetting(kGeneral, keyName(key), text);
    QString &stored = m_texts[std::size_t(key)];
    if (stored == text)
        return;
    stored = text;
    Q_EMIT changed(key);
}

appearance::Appearance Settings::appearance() const
{
    appearance::Appearance a;
    a.lForeColor = GetForeColor();
    a.sFontName = GetFontName();
    a.bFontBold = GetFontBold();
    a.bFontItalic = GetFontItalic();
    a.dFontSize = GetFontSize();
    a.bFontStrikethrough = GetFontStrikethrough();
    a.bFontUnderline = GetFontUnderline();
    a.lBackColor = GetBackColor();
    a.lLineColor = GetLineColor();
    return a;
}

void Settings::setAppearance(const appearance::Appearance &a)
{
    SetForeColor(a.lForeColor);
    SetFontName(a.sFontName);
    SetFontBold(a.bFontBold);
    SetFontItalic(a.bFontItalic);
    SetFontSize(appearance::storedFontSize(a.dFontSize));
    SetFontStrikethrough(a.bFontStrikethrough);
    SetFontUnderline(a.bFontUnderline);
    SetBackColor(a.lBackColor);
    SetLineColor(a.lLineColor);
}
