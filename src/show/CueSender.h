// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QNetworkAccessManager;
class QUdpSocket;
class Settings;

namespace remote {
class MidiOut;
}

// Tells the world a cue was reached: a JSON POST to each web address in CueWebhook, an OSC message
// to each host:port in CueOsc, the MIDI note CueMidi maps it to. Nothing here waits: a web address
// that does not answer within a few seconds, refuses or answers with an error is reported, and one
// with too many posts still open is passed over until they end.
class CueSender : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTimeoutMs = 3000;
    static constexpr int kMaxInFlight = 3; // per web address

    explicit CueSender(Settings &settings, QObject *parent = nullptr);
    ~CueSender() override;

    void send(const QString &cue, int story, const QDateTime &time);

    static QByteArray webhookJson(const QString &cue, int story, const QDateTime &time);
    static QByteArray oscPacket(const QString &cue);
    // The note a map like "60=roll VT; 62=lights" gives a cue; the cue's text is matched without
    // regard to case.
    static std::optional<int> midiNote(const QString &map, const QString &cue);

    // Each destination whose last cue failed, and why, until one goes out well there again.
    QStringList failures() const { return m_failing.values(); }

Q_SIGNALS:
    // Something could not be told: in words for the operator.
    void problem(const QString &why);
    void failuresChanged();

private:
    void post(const QString &address, const QByteArray &body, const QString &cue);
    void sendOsc(const QString &hostPort, const QByteArray &packet);
    void sendMidi(int note);
    void failed(const QString &destination, const QString &why);
    void succeeded(const QString &destination);

    Settings &m_settings;
    QNetworkAccessManager *m_net;
    QUdpSocket *m_udp;
    QHash<QString, int> m_inFlight;
    QMap<QString, QString> m_failing;
    std::unique_ptr<remote::MidiOut> m_midi; // MIDI's module, loaded for the first note
};
