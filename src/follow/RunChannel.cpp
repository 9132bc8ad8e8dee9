// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow/RunChannel.h"

#include "net/Token.h"

#include <QMessageAuthenticationCode>
#include <QtEndian>

namespace follow::run_channel {
namespace {

const QByteArray kMagic = QByteArrayLiteral("CSR1");

QByteArray mac(QByteArrayView bytes, const QByteArray &key)
{
    return QMessageAuthenticationCode::hash(bytes.toByteArray(), key, QCryptographicHash::Sha256)
        .left(kMacBytes);
}

} // namespace

QByteArray key(const QByteArray &token, const QByteArray &nonce)
{
    return QMessageAuthenticationCode::hash("cuescroll run channel " + nonce, token,
                                            QCryptographicHash::Sha256);
}

QByteArray seal(const Datagram &d, const QByteArray &key)
{
    QByteArray out = kMagic;
    out.append(char(d.kind));
    out.append(d.nonce);
    char count[4];
    qToBigEndian(d.count, count);
    out.append(count, 4);
    out.append(d.body);
    out.append(mac(out, key));
    return out;
}

std::optional<QByteArray> nonceOf(const QByteArray &bytes)
{
    if (bytes.size() < kHeadBytes + kMacBytes || bytes.size() > kMaxBytes || !bytes.startsWith(kMagic))
        return std::nullopt;
    return bytes.mid(5, kNonceBytes);
}

std::optional<Datagram> open(const QByteArray &bytes, const QByteArray &key)
{
    const std::optional<QByteArray> nonce = nonceOf(bytes);
    if (!nonce)
        return std::nullopt;
    const QByteArrayView sealed = QByteArrayView(bytes).first(bytes.size() - kMacBytes);
    if (!net::sameSecret(mac(sealed, key), QByteArrayView(bytes).last(kMacBytes)))
        return std::nullopt;
    const auto kind = Kind(quint8(bytes.at(4)));
    if (kind != Kind::Hello && kind != Kind::State)
        return std::nullopt;
    return Datagram{kind, *nonce, qFromBigEndian<quint32>(bytes.constData() + 5 + kNonceBytes),
                    bytes.mid(kHeadBytes, bytes.size() - kHeadBytes - kMacBytes)};
}

QByteArray hello(const QByteArray &nonce, quint32 count, const QByteArray &key)
{
    return seal({Kind::Hello, nonce, count, QByteArray(kHelloBytes - kHeadBytes - kMacBytes, '\0')}, key);
}

} // namespace follow::run_channel
