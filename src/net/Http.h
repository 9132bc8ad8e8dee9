// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QUrl>
#include <QUrlQuery>

#include <optional>

namespace net {

// The texts a client may read in an {"error"} body; in the prompter's language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(net::Door)
};

enum class Status : int {
    Ok = 200,
    NoContent = 204,
    BadRequest = 400,
    Unauthorized = 401,
    Forbidden = 403,
    NotFound = 404,
    MethodNotAllowed = 405,
    RequestTimeout = 408,
    Conflict = 409,
    PayloadTooLarge = 413,
    UpgradeRequired = 426,
    TooManyRequests = 429,
    RequestHeaderFieldsTooLarge = 431,
    ServiceUnavailable = 503,
};

using Headers = QList<QPair<QByteArray, QByteArray>>;

struct Request
{
    QByteArray method;
    QUrl target;
    Headers headers; // as sent, in order
    QByteArray content;
    QHostAddress peer;

    const QUrl &url() const { return target; }
    const QByteArray &body() const { return content; }
    // The first header of that name (any case), trimmed; empty when there is none.
    QByteArray value(QByteArrayView name) const;
    // Whether a comma-separated header ("Connection: keep-alive, Upgrade") lists the word (any case).
    bool lists(QByteArrayView name, QByteArrayView word) const;
    QUrlQuery query() const { return QUrlQuery(target); }
    QHostAddress remoteAddress() const { return peer; }
};

struct Reply
{
    Status status = Status::Ok;
    Headers headers;
    QByteArray body;
    bool close = false;  // the connection ends once it is sent
    bool proven = false; // the request carried the token: its connection keeps its place

    void setHeader(const QByteArray &name, const QByteArray &value) { headers.append({name, value}); }
    // The whole answer as it goes on the wire; every status but 204 and 101 with its Content-Length.
    QByteArray serialized() const;
};

QByteArray errorBody(const QString &why);
// An error as every client gets one: the status, {"error": why}, and the connection closed.
Reply errorReply(Status status, const QString &why);

// A request's head (up to, without, the blank line) read strictly: the request, or why not.
struct Head
{
    std::optional<Request> request;
    qsizetype bodyLength = 0;
    bool close = false; // the client keeps no connection open after the answer
    Status status = Status::BadRequest;
    QString error;
};
Head parseHead(QByteArrayView head, qsizetype maxBody);

// Whether the bytes so far could still become a request: a TLS greeting or binary noise is answered
// at once rather than waited on.
bool plausibleStart(QByteArrayView received);

} // namespace net
