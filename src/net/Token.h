// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace net {

struct Request;

// A token shorter than this is guessed too easily to guard a prompter on air.
constexpr int kMinTokenLength = 16;

// 128 random bits from the system's generator, as 32 hex digits.
QString newToken();
// Why the token may not be used, or nothing when it may.
QString tokenProblem(const QString &token);
// Compares without stopping at the first difference, so the time taken tells nothing of the secret.
bool sameSecret(QByteArrayView a, QByteArrayView b);
// Whether the request carries the token: "Authorization: Bearer TOKEN" or ?token=TOKEN. An
// unusable token admits nobody.
bool carriesToken(const Request &request, const QByteArray &token);

} // namespace net
