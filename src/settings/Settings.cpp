// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Settings.h"

#include "settings/NumericText.h"
#include "settings/StoreFile.h"
#include "settings/modSettings.h"

#include <QMetaEnum>

#include <algorithm>

namespace {

const QString kGeneral = QStringLiteral("General");
constexpr qint16 kDefaultFontSize = 28;

// The text a first read stores for a key that has none; empty: the key has no stored default.
QString defaultText(Settings::Key key)
{
    using Key = Settings::Key;
    switch (key) {
    case Key::ForeColor:
        return QStringLiteral("&H80000012&");
    case Key::FontName:
        return QStringLiteral("MS Sans Serif");
    case Key::FontBold:
    case Key::FontItalic:
    case Key::FontStrikethrough:
    case Key::FontUnderline:
        return QStringLiteral("False");
    case Key::FontSize:
        return QString::number(kDefaultFontSize);
    case Key::BackColor:
        return QStringLiteral("&HC0FFFF");
    case Key::LineColor:
        return QStringLiteral("&H0000C000&");
    case Key::FrameSync:
        return QStringLiteral("True");
    default:
        return {};
    }
}

QString flagText(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

Settings::Settings(QObject *parent) : QObject(parent)
{
    const storefile::Loaded file = storefile::open(modSettings::storeFilePath());
    if (!file.text)
        return;
    for (std::size_t i = 0; i < kKeys; ++i)
        m_texts[i] = storefile::findValue(*file.text, kGeneral, keyName(Key(i))).value_or(QString());
}

QString Settings::keyName(Key key)
{
    return QLatin1String(QMetaEnum::fromType<Key>().valueToKey(int(key)));
}

QString Settings::text(Key key) const
{
    QString &value = m_texts[std::size_t(key)];
    const QString fallback = defaultText(key);
    if (value.isEmpty() && !fallback.isEmpty())
        value = modSettings::ReadSetting(kGeneral, keyName(key), fallback);
    return value;
}

qint32 Settings::colour(Key key) const
{
    return numtext::toInt32(text(key)).value_or(numtext::toInt32(defaultText(key)).value_or(0));
}

bool Settings::flag(Key key) const
{
    return numtext::toBool(text(key)).value_or(numtext::toBool(defaultText(key)).value_or(false));
}

void Settings::store(Key key, const QString &text)
{
    modSettings::WriteSetting(kGeneral, keyName(key), text);
    QString &value = m_texts[std::size_t(key)];
    if (value == text)
        return;
    value = text;
    Q_EMIT changed(key);
}

qint32 Settings::GetForeColor() const
{
    return colour(Key::ForeColor);
}

QString Settings::GetFontName() const
{
    return text(Key::FontName);
}

bool Settings::GetFontBold() const
{
    return flag(Key::FontBold);
}

bool Settings::GetFontItalic() const
{
    return flag(Key::FontItalic);
}

qint16 Settings::GetFontSize() const
{
    return numtext::toInt16(text(Key::FontSize)).value_or(kDefaultFontSize);
}

bool Settings::GetFontStrikethrough() const
{
    return flag(Key::FontStrikethrough);
}

bool Settings::GetFontUnderline() const
{
    return flag(Key::FontUnderline);
}

qint32 Settings::GetBackColor() const
{
    return colour(Key::BackColor);
}

qint32 Settings::GetLineColor() const
{
    return colour(Key::LineColor);
}

bool Settings::frameSync() const
{
    return flag(Key::FrameSync);
}

appearance::Appearance Settings::appearance() const
{
    // In the order the prompter has always read them: a first start stores the defaults in it.
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

QString Settings::talentScreen() const
{
    return text(Key::TalentScreen);
}

bool Settings::mirrorTalent() const
{
    return numtext::toBool(text(Key::MirrorTalent)).value_or(true);
}

bool Settings::flipTalent() const
{
    return flag(Key::FlipTalent);
}

bool Settings::mirrorPrompter() const
{
    return flag(Key::MirrorPrompter);
}

qint32 Settings::countdownSeconds() const
{
    return std::max(0, numtext::toInt32(text(Key::CountdownSeconds)).value_or(0));
}

bool Settings::jumpToReadingLine() const
{
    return flag(Key::JumpToReadingLine);
}

QString Settings::lastScriptFolder() const
{
    return text(Key::LastScriptFolder);
}

QString Settings::voiceInput() const
{
    return text(Key::VoiceInput);
}

void Settings::SetForeColor(qint32 value)
{
    store(Key::ForeColor, QString::number(value));
}

void Settings::SetFontName(const QString &value)
{
    store(Key::FontName, value);
}

void Settings::SetFontBold(bool value)
{
    store(Key::FontBold, flagText(value));
}

void Settings::SetFontItalic(bool value)
{
    store(Key::FontItalic, flagText(value));
}

void Settings::SetFontSize(qint16 value)
{
    store(Key::FontSize, QString::number(value));
}

void Settings::SetFontStrikethrough(bool value)
{
    store(Key::FontStrikethrough, flagText(value));
}

void Settings::SetFontUnderline(bool value)
{
    store(Key::FontUnderline, flagText(value));
}

void Settings::SetBackColor(qint32 value)
{
    store(Key::BackColor, QString::number(value));
}

void Settings::SetLineColor(qint32 value)
{
    store(Key::LineColor, QString::number(value));
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

void Settings::setTalentScreen(const QString &value)
{
    store(Key::TalentScreen, value);
}

void Settings::setMirrorTalent(bool value)
{
    store(Key::MirrorTalent, flagText(value));
}

void Settings::setFlipTalent(bool value)
{
    store(Key::FlipTalent, flagText(value));
}

void Settings::setMirrorPrompter(bool value)
{
    store(Key::MirrorPrompter, flagText(value));
}

void Settings::setCountdownSeconds(qint32 value)
{
    store(Key::CountdownSeconds, QString::number(value));
}

void Settings::setJumpToReadingLine(bool value)
{
    store(Key::JumpToReadingLine, flagText(value));
}

void Settings::setLastScriptFolder(const QString &value)
{
    store(Key::LastScriptFolder, value);
}

bool Settings::remoteEnabled() const
{
    return flag(Key::RemoteEnabled);
}

quint16 Settings::remotePort() const
{
    const qint32 port = numtext::toInt32(text(Key::RemotePort)).value_or(0);
    return port > 0 && port <= 65535 ? quint16(port) : quint16(8777);
}

QString Settings::remoteToken() const
{
    return text(Key::RemoteToken);
}

bool Settings::osc() const
{
    return flag(Key::Osc);
}

QString Settings::oscAllow() const
{
    return text(Key::OscAllow);
}

bool Settings::midi() const
{
    return flag(Key::Midi);
}

QString Settings::midiMap() const
{
    return text(Key::MidiMap);
}

QString Settings::oscFeedback() const
{
    return text(Key::OscFeedback);
}

QString Settings::keys() const
{
    return text(Key::Keys);
}

bool Settings::gamepad() const
{
    return flag(Key::Gamepad);
}

QString Settings::gamepadMap() const
{
    return text(Key::GamepadMap);
}

void Settings::setRemoteEnabled(bool value)
{
    store(Key::RemoteEnabled, flagText(value));
}

void Settings::setRemotePort(quint16 value)
{
    store(Key::RemotePort, QString::number(value));
}

void Settings::setRemoteToken(const QString &value)
{
    store(Key::RemoteToken, value);
}

void Settings::setOsc(bool value)
{
    store(Key::Osc, flagText(value));
}

void Settings::setOscAllow(const QString &value)
{
    store(Key::OscAllow, value);
}

void Settings::setMidi(bool value)
{
    store(Key::Midi, flagText(value));
}

void Settings::setVoiceInput(const QString &value)
{
    store(Key::VoiceInput, value);
}

void Settings::setOscFeedback(const QString &value)
{
    store(Key::OscFeedback, value);
}

void Settings::setKeys(const QString &value)
{
    store(Key::Keys, value);
}

void Settings::setGamepad(bool value)
{
    store(Key::Gamepad, flagText(value));
}

namespace {

quint16 portOr(const QString &text, quint16 fallback)
{
    const qint32 port = numtext::toInt32(text).value_or(0);
    return port > 0 && port <= 65535 ? quint16(port) : fallback;
}

} // namespace

bool Settings::mosEnabled() const
{
    return flag(Key::MosEnabled);
}

QString Settings::mosID() const
{
    const QString id = text(Key::MosID).trimmed();
    return id.isEmpty() ? QStringLiteral("cuescroll.prompter.mos") : id;
}

QString Settings::mosNcsID() const
{
    return text(Key::MosNcsID).trimmed();
}

quint16 Settings::mosLowerPort() const
{
    return portOr(text(Key::MosLowerPort), 10540);
}

quint16 Settings::mosUpperPort() const
{
    return portOr(text(Key::MosUpperPort), 10541);
}

QString Settings::mosAllow() const
{
    return text(Key::MosAllow);
}

void Settings::setMosEnabled(bool value)
{
    store(Key::MosEnabled, flagText(value));
}

void Settings::setMosID(const QString &value)
{
    store(Key::MosID, value);
}

void Settings::setMosNcsID(const QString &value)
{
    store(Key::MosNcsID, value);
}

void Settings::setMosLowerPort(quint16 value)
{
    store(Key::MosLowerPort, QString::number(value));
}

void Settings::setMosUpperPort(quint16 value)
{
    store(Key::MosUpperPort, QString::number(value));
}

void Settings::setMosAllow(const QString &value)
{
    store(Key::MosAllow, value);
}

QString Settings::cueWebhook() const
{
    return text(Key::CueWebhook);
}

QString Settings::cueOsc() const
{
    return text(Key::CueOsc);
}

QString Settings::cueMidi() const
{
    return text(Key::CueMidi);
}

bool Settings::hideCues() const
{
    return flag(Key::HideCues);
}

bool Settings::lookAhead() const
{
    return flag(Key::LookAhead);
}

bool Settings::talentCountdown() const
{
    return flag(Key::TalentCountdown);
}

void Settings::setHideCues(bool value)
{
    store(Key::HideCues, flagText(value));
}

void Settings::setLookAhead(bool value)
{
    store(Key::LookAhead, flagText(value));
}

void Settings::setTalentCountdown(bool value)
{
    store(Key::TalentCountdown, flagText(value));
}

QString Settings::mosRunningOrder() const
{
    return text(Key::MosRunningOrder).trimmed();
}

void Settings::setMosRunningOrder(const QString &value)
{
    store(Key::MosRunningOrder, value);
}

bool Settings::talentMessageBelow() const
{
    return flag(Key::TalentMessageBelow);
}

void Settings::setTalentMessageBelow(bool value)
{
    store(Key::TalentMessageBelow, flagText(value));
}
