// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/CueSender.h"

#include "common/Modules.h"
#include "remote/MidiDevices.h"
#include "settings/Settings.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QUdpSocket>
#include <QUrl>

#include <lo/lo_lowlevel.h>

Q_LOGGING_CATEGORY(lcCues, "cuescroll.cues")

namespace {

QStringList entries(const QString &list)
{
    return list.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

} // namespace

CueSender::CueSender(Settings &settings, QObject *parent)
    : QObject(parent), m_settings(settings), m_net(new QNetworkAccessManager(this)),
      m_udp(new QUdpSocket(this))
{}

CueSender::~CueSender() = default;

QByteArray CueSender::webhookJson(const QString &cue, int story, const QDateTime &time)
{
    // Local time with its offset, so that the receiver needs no idea of where the studio is.
    const QDateTime local = time.toOffsetFromUtc(time.offsetFromUtc());
    return QJsonDocument(QJsonObject{{QStringLiteral("cue"), cue},
                                     {QStringLiteral("story"), story},
                                     {QStringLiteral("time"), local.toString(Qt::ISODate)}})
        .toJson(QJsonDocument::Compact);
}

QByteArray CueSender::oscPacket(const QString &cue)
{
    static const char *const kPath = "/cuescroll/cue";
    lo_message m = lo_message_new();
    lo_message_add_string(m, cue.toUtf8().constData());
    size_t size = lo_message_length(m, kPath);
    QByteArray packet(qsizetype(size), '\0');
    lo_message_serialise(m, kPath, packet.data(), &size);
    lo_message_free(m);
    return packet;
}

std::optional<int> CueSender::midiNote(const QString &map, const QString &cue)
{
    const QStringList pairs = map.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &pair : pairs) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        bool isNumber = false;
        const int note = pair.left(eq).trimmed().toInt(&isNumber);
        if (isNumber && note >= 0 && note <= 127 &&
            pair.mid(eq + 1).trimmed().compare(cue, Qt::CaseInsensitive) == 0)
            return note;
    }
    return std::nullopt;
}

void CueSender::send(const QString &cue, int story, const QDateTime &time)
{
    qCInfo(lcCues).noquote() << "cue" << cue << "of story" << story;
    const QStringList hooks = entries(m_settings.cueWebhook());
    if (!hooks.isEmpty()) {
        const QByteArray body = webhookJson(cue, story, time);
        for (const QString &address : hooks)
            post(address, body, cue);
    }
    const QStringList osc = entries(m_settings.cueOsc());
    if (!osc.isEmpty()) {
        const QByteArray packet = oscPacket(cue);
        for (const QString &hostPort : osc)
            sendOsc(hostPort, packet);
    }
    if (const std::optional<int> note = midiNote(m_settings.cueMidi(), cue))
        sendMidi(*note);
}

void CueSender::post(const QString &address, const QByteArray &body, const QString &cue)
{
    const QUrl url(address);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        failed(address, tr("Cue “%1”: “%2” is not a web address.").arg(cue, address));
        return;
    }
    int &open = m_inFlight[address];
    if (open >= kMaxInFlight) {
        failed(address,
               tr("Cue “%1” not sent to %2: it has not answered the last ones yet.").arg(cue, address));
        return;
    }
    ++open;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setTransferTimeout(kTimeoutMs);
    QNetworkReply *reply = m_net->post(request, body);
    connect(reply, &QNetworkReply::finished, this, [this, reply, address, cue] {
        reply->deleteLater();
        --m_inFlight[address];
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300) {
            succeeded(address);
            return;
        }
        const QString why = reply->error() == QNetworkReply::OperationCanceledError
                                ? tr("no answer within %n second(s)", nullptr, kTimeoutMs / 1000)
                            : status > 0 ? tr("answered %1").arg(status)
                                         : reply->errorString();
        qCWarning(lcCues).noquote() << "webhook" << address << "failed:" << why;
        failed(address, tr("Cue “%1” not taken by %2: %3").arg(cue, address, why));
    });
}

void CueSender::sendOsc(const QString &hostPort, const QByteArray &packet)
{
    const qsizetype colon = hostPort.lastIndexOf(QLatin1Char(':'));
    bool isNumber = false;
    const int port = colon > 0 ? hostPort.mid(colon + 1).toInt(&isNumber) : 0;
    QString host = hostPort.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    const QHostAddress address = host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
                                     ? QHostAddress(QHostAddress::LocalHost)
                                     : QHostAddress(host);
    if (address.isNull() || !isNumber || port <= 0 || port > 65535) {
        failed(hostPort, tr("CueOsc: “%1” is not an address and port.").arg(hostPort));
        return;
    }
    if (m_udp->writeDatagram(packet, address, quint16(port)) < 0)
        failed(hostPort, tr("The cue could not be sent to %1: %2").arg(hostPort, m_udp->errorString()));
    else
        succeeded(hostPort);
}

void CueSender::sendMidi(int note)
{
    QString why;
    if (!m_midi) {
        if (const auto make = modules::function<remote::MakeMidiOut>(QLatin1String(remote::kMidiModule),
                                                                     remote::kMakeMidiOut, &why))
            m_midi.reset(make());
    }
    if (m_midi) {
        const char on[] = {char(0x90), char(note), 100};
        const char off[] = {char(0x80), char(note), 0};
        why = m_midi->send(QByteArray(on, 3));
        if (why.isEmpty())
            why = m_midi->send(QByteArray(off, 3));
    }
    if (!why.isEmpty())
        failed(QStringLiteral("MIDI"), tr("The cue's MIDI note could not be sent: %1").arg(why));
    else
        succeeded(QStringLiteral("MIDI"));
}

void CueSender::failed(const QString &destination, const QString &why)
{
    m_failing.insert(destination, why);
    Q_EMIT problem(why);
    Q_EMIT failuresChanged();
}

void CueSender::succeeded(const QString &destination)
{
    if (m_failing.remove(destination))
        Q_EMIT failuresChanged();
}
