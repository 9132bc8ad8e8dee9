// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "follow/Protocol.h"

#include <QByteArray>

#include <optional>

// The run channel: the leader's state in UDP datagrams beside the WebSocket, so that a Stop does not
// wait behind a lost TCP segment. Each datagram is
//
//   "CSR1" | kind (1 byte) | nonce (16) | count (4, big-endian) | body | MAC (16)
//
// the MAC the first 16 bytes of HMAC-SHA256, keyed by key(token, nonce), over all before it. The
// nonce is the connection's, given over the WebSocket; the count only grows, so a replayed datagram
// is older than the last one taken. A follower says hello (a body of zeros, so that the leader's
// answer, one state, is never larger); a leader sends states (their JSON as over the WebSocket).
namespace follow::run_channel {

enum class Kind : quint8 { Hello = 1, State = 2 };

inline constexpr qsizetype kMacBytes = 16;
inline constexpr qsizetype kHeadBytes = 4 + 1 + kNonceBytes + 4;
inline constexpr qsizetype kHelloBytes = 320;
// Nothing longer is read: a state is well under this.
inline constexpr qsizetype kMaxBytes = 512;
// A follower says hello this often; a leader sends to nobody it has not heard from for a while.
inline constexpr int kHelloMs = 1000;
inline constexpr int kHelloLifeMs = 5000;
// A change goes three times, this far apart: one lost datagram in twenty loses none of the three but
// once in 8,000.
inline constexpr int kCopies = 3;
inline constexpr int kCopyMs = 15;

struct Datagram
{
    Kind kind = Kind::Hello;
    QByteArray nonce;
    quint32 count = 0;
    QByteArray body;
};

QByteArray key(const QByteArray &token, const QByteArray &nonce);
QByteArray seal(const Datagram &d, const QByteArray &key);
// The datagram, if it is one, well-formed and sealed with this key.
std::optional<Datagram> open(const QByteArray &bytes, const QByteArray &key);
// The nonce a datagram claims, to find its key; nothing if it cannot be one of ours.
std::optional<QByteArray> nonceOf(const QByteArray &bytes);
QByteArray hello(const QByteArray &nonce, quint32 count, const QByteArray &key);
// A newer count than `last`, on a wrapping clock.
inline bool newer(quint32 count, quint32 last)
{
    return qint32(count - last) > 0;
}

} // namespace follow::run_channel
