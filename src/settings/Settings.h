// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/Appearance.h"

#include <QObject>
#include <QString>

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

    // The appearance keys and FrameSync have a default that their first read stores when the key
    // is absent or empty; the others are read without storing anything, so that a store nobody set
    // them in stays as it was.
    // Named as the store's typed getters and setters always were.
    qint32 GetForeColor() const;
    QString GetFontName() const;
    bool GetFontBold() const;
    bool GetFontItalic() const;
    qint16 GetFontSize() const;
    bool GetFontStrikethrough() const;
    bool GetFontUnderline() const;
    qint32 GetBackColor() const;
    qint32 GetLineColor() const;
    // Whether the moving script is shown once per display frame, between the clock's steps.
    bool frameSync() const;
    appearance::Appearance appearance() const;

    QString talentScreen() const; // a screen's identity, name or number; empty: no talent screen
    bool mirrorTalent() const;    // default true
    bool flipTalent() const;
    bool mirrorPrompter() const;
    qint32 countdownSeconds() const; // 0: no countdown
    bool jumpToReadingLine() const;
    // The folder the file dialogs open in: where a script was last opened or saved. Empty: never set.
    QString lastScriptFolder() const;
    // The capture device the voice is followed from, by its id. Empty: the system's default.
    QString voiceInput() const;

    // The remote control, off until turned on; port 8777 unless set.
    bool remoteEnabled() const;
    quint16 remotePort() const;
    QString remoteToken() const; // empty: none made yet
    bool osc() const;
    QString oscAllow() const; // empty: this machine only
    bool midi() const;
    QString midiMap() const;     // empty: the default mapping
    QString oscFeedback() const; // "host:port host:port", where the state is pushed as OSC
    QString keys() const;        // the key bindings that differ from the defaults; empty: none
    bool gamepad() const;
    QString gamepadMap() const; // empty: the default mapping
    // Running orders from a newsroom system, off until turned on; ports 10540 and 10541 unless set.
    bool mosEnabled() const;
    QString mosID() const;    // default cuescroll.prompter.mos
    QString mosNcsID() const; // the newsroom taken; empty: any
    quint16 mosLowerPort() const;
    quint16 mosUpperPort() const;
    QString mosAllow() const; // the newsroom's addresses; empty: this machine only

    // Where a cue in the script is told when it reaches the reading line: web addresses, OSC
    // "host:port"s, MIDI notes ("60=roll VT; 62=lights"); each list empty by default.
    QString cueWebhook() const;
    QString cueOsc() const;
    QString cueMidi() const;
    bool hideCues() const;           // cues left out of the presenter's picture
    bool lookAhead() const;          // the operator sees what comes after the picture
    bool talentCountdown() const;    // the time to the end shown to the presenter
    QString mosRunningOrder() const; // the newsroom's running order last picked to show; empty: none
    bool talentMessageBelow() const; // the message to the presenter stands below the reading line

    // Colours and sizes are stored as decimal text, switches as "True" / "False".
    void SetForeColor(qint32 value);
    void SetFontName(const QString &value);
    void SetFontBold(bool value);
    void SetFontItalic(bool value);
    void SetFontSize(qint16 value);
    void SetFontStrikethrough(bool value);
    void SetFontUnderline(bool value);
    void SetBackColor(qint32 value);
    void SetLineColor(qint32 value);
    // All nine, in the order an earlier version wrote them; the size rounded to whole points.
    void setAppearance(const appearance::Appearance &a);

    void setTalentScreen(const QString &value);
    void setMirrorTalent(bool value);
    void setFlipTalent(bool value);
    void setMirrorPrompter(bool value);
    void setCountdownSeconds(qint32 value);
    void setJumpToReadingLine(bool value);
    void setLastScriptFolder(const QString &value);
    void setRemoteEnabled(bool value);
    void setRemotePort(quint16 value);
    void setRemoteToken(const QString &value);
    void setOsc(bool value);
    void setOscAllow(const QString &value);
    void setMidi(bool value);
    void setVoiceInput(const QString &value);
    void setOscFeedback(const QString &value);
    void setKeys(const QString &value);
    void setGamepad(bool value);
    void setMosEnabled(bool value);
    void setMosID(const QString &value);
    void setMosNcsID(const QString &value);
    void setMosLowerPort(quint16 value);
    void setMosUpperPort(quint16 value);
    void setMosAllow(const QString &value);
    void setHideCues(bool value);
    void setLookAhead(bool value);
    void setTalentCountdown(bool value);
    void setMosRunningOrder(const QString &value);
    void setTalentMessageBelow(bool value);

    static QString keyName(Key key);

Q_SIGNALS:
    void changed(Settings::Key key);

private:
    static constexpr std::size_t kKeys = std::size_t(Key::TalentMessageBelow) + 1;

    QString text(Key key) const;
    qint32 colour(Key key) const;
    bool flag(Key key) const;
    void store(Key key, const QString &text);

    // The texts as stored; an empty one of a key with a default is filled at its first read.
    mutable std::array<QString, kKeys> m_texts;
};
