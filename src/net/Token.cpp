// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/Token.h"

#include "net/Http.h"

#include <QRandomGenerator>

namespace net {

QString newToken()
{
    QString token;
    for (int i = 0; i < 4; ++i)
        token += QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    return token;
}

QString tokenProblem(const QString &token)
{
    if (token.size() < kMinTokenLength)
        return Texts::tr("The token must be at least %1 characters long.").arg(kMinTokenLength);
    return {};
}

bool sameSecret(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

bool carriesToken(const Request &request, const QByteArray &token)
{
    if (token.size() < kMinTokenLength)
        return false;
    const QByteArray header = request.value("Authorization");
    if (header.size() > 7 && header.left(7).compare("Bearer ", Qt::CaseInsensitive) == 0)
        return sameSecret(header.mid(7).trimmed(), token);
    return sameSecret(request.query().queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toUtf8(),
                      token);
}

} // namespace net
