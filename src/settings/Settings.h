// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/Appearance.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <array>

// The per-user settings, read from the store once when made and handed to whoever needs them. Every
// change goes straight through to the store, so that nothing is lost should the program end
// unexpectedly, and is announced by `changed`. A change the store cannot keep still applies until
// the program ends; modSettings::takeStoreProblem tells why it was not kept.
class Settings final : public QObject
{
    Q_OBJECT

public:
    enum class Key {
        ForeColor,
        FontName,
        FontBold,
        FontItalic,
        FontSize,
        FontStrikethrough,
        FontUnderline,
        BackColor,
        LineColor,
        FrameSync,
        TalentScreen,
        MirrorTalent,
        FlipTalent,
        MirrorPrompter,
        CountdownSeconds,
        JumpToReadingLine,
        LastScriptFolder,
        RemoteEnabled,
        RemotePort,
        RemoteToken,
        Osc,
        OscAllow,
        Midi,
        MidiMap,
        VoiceInput,
        OscFeedback,
        Keys,
        Gamepad,
        GamepadMap,
        MosEnabled,
        MosID,
        MosNcsID,
        MosLowerPort,
        MosUpperPort,
        MosAllow,
        CueWebhook,
        CueOsc,
        CueMidi,
        HideCues,
        LookAhead,
        TalentCountdown,
        MosRunningOrder,
        TalentMessageBelow,
    };
    Q_ENUM(Key)

    // Reads the store at modSettings::storeFilePath().
    explicit Settings(QObject *parent = nullptr);

    // A key's value in its type: bool for switches, int for colours, sizes, counts and ports,
    // QString for texts. A missing or unusable stored text gives the key's default. The appearance
    // keys and FrameSync store their default at the first read that finds them absent or empty; the
    // others are read without storing anything, so that a store nobody set them in stays as it was.
    QVariant get(Key key) const;
    // Colours and sizes are stored as decimal text, switches as "True" / "False".
    void set(Key key, const QVariant &value);

    static QString keyName(Key key);
    // What get gives for a key its store does not hold.
    static QVariant defaultValue(Key key);

    // Named as the store's typed getters and setters always were.
    qint32 GetForeColor() const { return get(Key::ForeColor).toInt(); }
    QString GetFontName() const { return get(Key::FontName).toString(); }
    bool GetFontBold() const { return get(Key::FontBold).toBool(); }
    bool GetFontItalic() const { return get(Key::FontItalic).toBool(); }
    qint16 GetFontSize() const { return qint16(get(Key::FontSize).toInt()); }
    bool GetFontStrikethrough() const { return get(Key::FontStrikethrough).toBool(); }
    bool GetFontUnderline() const { return get(Key::FontUnderline).toBool(); }
    qint32 GetBackColor() const { return get(Key::BackColor).toInt(); }
    qint32 GetLineColor() const { return get(Key::LineColor).toInt(); }
    void SetForeColor(qint32 value) { set(Key::ForeColor, value); }
    void SetFontName(const QString &value) { set(Key::FontName, value); }
    void SetFontBold(bool value) { set(Key::FontBold, value); }
    void SetFontItalic(bool value) { set(Key::FontItalic, value); }
    void SetFontSize(qint16 value) { set(Key::FontSize, int(value)); }
    void SetFontStrikethrough(bool value) { set(Key::FontStrikethrough, value); }
    void SetFontUnderline(bool value) { set(Key::FontUnderline, value); }
    void SetBackColor(qint32 value) { set(Key::BackColor, value); }
    void SetLineColor(qint32 value) { set(Key::LineColor, value); }

    // The nine appearance keys, read in the order the prompter always read them (a first start
    // stores the defaults in it) and written in the order an earlier version wrote them; the size
    // rounded to whole points.
    appearance::Appearance appearance() const;
    void setAppearance(const appearance::Appearance &a);

    bool frameSync() const { return get(Key::FrameSync).toBool(); }
    QString talentScreen() const { return get(Key::TalentScreen).toString(); }
    bool mirrorTalent() const { return get(Key::MirrorTalent).toBool(); }
    bool flipTalent() const { return get(Key::FlipTalent).toBool(); }
    bool mirrorPrompter() const { return get(Key::MirrorPrompter).toBool(); }
    qint32 countdownSeconds() const { return get(Key::CountdownSeconds).toInt(); }
    bool jumpToReadingLine() const { return get(Key::JumpToReadingLine).toBool(); }
    QString lastScriptFolder() const { return get(Key::LastScriptFolder).toString(); }
    QString voiceInput() const { return get(Key::VoiceInput).toString(); }
    bool remoteEnabled() const { return get(Key::RemoteEnabled).toBool(); }
    quint16 remotePort() const { return quint16(get(Key::RemotePort).toInt()); }
    QString remoteToken() const { return get(Key::RemoteToken).toString(); }
    bool osc() const { return get(Key::Osc).toBool(); }
    QString oscAllow() const { return get(Key::OscAllow).toString(); }
    bool midi() const { return get(Key::Midi).toBool(); }
    QString midiMap() const { return get(Key::MidiMap).toString(); }
    QString oscFeedback() const { return get(Key::OscFeedback).toString(); }
    QString keys() const { return get(Key::Keys).toString(); }
    bool gamepad() const { return get(Key::Gamepad).toBool(); }
    QString gamepadMap() const { return get(Key::GamepadMap).toString(); }
    bool mosEnabled() const { return get(Key::MosEnabled).toBool(); }
    QString mosID() const { return get(Key::MosID).toString(); }
    QString mosNcsID() const { return get(Key::MosNcsID).toString(); }
    quint16 mosLowerPort() const { return quint16(get(Key::MosLowerPort).toInt()); }
    quint16 mosUpperPort() const { return quint16(get(Key::MosUpperPort).toInt()); }
    QString mosAllow() const { return get(Key::MosAllow).toString(); }
    QString cueWebhook() const { return get(Key::CueWebhook).toString(); }
    QString cueOsc() const { return get(Key::CueOsc).toString(); }
    QString cueMidi() const { return get(Key::CueMidi).toString(); }
    bool hideCues() const { return get(Key::HideCues).toBool(); }
    bool lookAhead() const { return get(Key::LookAhead).toBool(); }
    bool talentCountdown() const { return get(Key::TalentCountdown).toBool(); }
    QString mosRunningOrder() const { return get(Key::MosRunningOrder).toString(); }
    bool talentMessageBelow() const { return get(Key::TalentMessageBelow).toBool(); }

    void setTalentScreen(const QString &value) { set(Key::TalentScreen, value); }
    void setMirrorTalent(bool value) { set(Key::MirrorTalent, value); }
    void setFlipTalent(bool value) { set(Key::FlipTalent, value); }
    void setMirrorPrompter(bool value) { set(Key::MirrorPrompter, value); }
    void setCountdownSeconds(qint32 value) { set(Key::CountdownSeconds, value); }
    void setJumpToReadingLine(bool value) { set(Key::JumpToReadingLine, value); }
    void setLastScriptFolder(const QString &value) { set(Key::LastScriptFolder, value); }
    void setRemoteEnabled(bool value) { set(Key::RemoteEnabled, value); }
    void setRemotePort(quint16 value) { set(Key::RemotePort, int(value)); }
    void setRemoteToken(const QString &value) { set(Key::RemoteToken, value); }
    void setOsc(bool value) { set(Key::Osc, value); }
    void setOscAllow(const QString &value) { set(Key::OscAllow, value); }
    void setMidi(bool value) { set(Key::Midi, value); }
    void setVoiceInput(const QString &value) { set(Key::VoiceInput, value); }
    void setOscFeedback(const QString &value) { set(Key::OscFeedback, value); }
    void setKeys(const QString &value) { set(Key::Keys, value); }
    void setGamepad(bool value) { set(Key::Gamepad, value); }
    void setMosEnabled(bool value) { set(Key::MosEnabled, value); }
    void setMosID(const QString &value) { set(Key::MosID, value); }
    void setMosNcsID(const QString &value) { set(Key::MosNcsID, value); }
    void setMosLowerPort(quint16 value) { set(Key::MosLowerPort, int(value)); }
    void setMosUpperPort(quint16 value) { set(Key::MosUpperPort, int(value)); }
    void setMosAllow(const QString &value) { set(Key::MosAllow, value); }
    void setHideCues(bool value) { set(Key::HideCues, value); }
    void setLookAhead(bool value) { set(Key::LookAhead, value); }
    void setTalentCountdown(bool value) { set(Key::TalentCountdown, value); }
    void setMosRunningOrder(const QString &value) { set(Key::MosRunningOrder, value); }
    void setTalentMessageBelow(bool value) { set(Key::TalentMessageBelow, value); }

Q_SIGNALS:
    void changed(Settings::Key key);

private:
    static constexpr std::size_t kKeys = std::size_t(Key::TalentMessageBelow) + 1;

    QString text(Key key) const;

    // The texts as stored; an empty one of a key with a default is filled at its first read.
    mutable std::array<QString, kKeys> m_texts;
};
