// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/Http.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace net {
namespace {

constexpr int kMaxHeaders = 100;

QByteArray reasonPhrase(Status s)
{
    switch (s) {
    case Status::Ok:
        return "OK";
    case Status::NoContent:
        return "No Content";
    case Status::BadRequest:
        return "Bad Request";
    case Status::Unauthorized:
        return "Unauthorized";
    case Status::Forbidden:
        return "Forbidden";
    case Status::NotFound:
        return "Not Found";
    case Status::MethodNotAllowed:
        return "Method Not Allowed";
    case Status::RequestTimeout:
        return "Request Timeout";
    case Status::Conflict:
        return "Conflict";
    case Status::PayloadTooLarge:
        return "Content Too Large";
    case Status::UpgradeRequired:
        return "Upgrade Required";
    case Status::TooManyRequests:
        return "Too Many Requests";
    case Status::RequestHeaderFieldsTooLarge:
        return "Request Header Fields Too Large";
    case Status::ServiceUnavailable:
        return "Service Unavailable";
    }
    return "Error";
}

bool isTokenChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView s)
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), isTokenChar);
}

Head failure(Status status, const QString &why)
{
    Head h;
    h.status = status;
    h.error = why;
    return h;
}

Head malformed()
{
    return failure(Status::BadRequest, Texts::tr("The request is malformed."));
}

} // namespace

QByteArray Request::value(QByteArrayView name) const
{
    for (const auto &[n, v] : headers) {
        if (QByteArrayView(n).compare(name, Qt::CaseInsensitive) == 0)
            return v;
    }
    return {};
}

bool Request::lists(QByteArrayView name, QByteArrayView word) const
{
    for (const auto &[n, v] : headers) {
        if (QByteArrayView(n).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        for (const QByteArray &part : v.split(',')) {
            if (part.trimmed().compare(word, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QByteArray Reply::serialized() const
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(int(status)) + ' ' + reasonPhrase(status) + "\r\n";
    for (const auto &[n, v] : headers)
        out += n + ": " + v + "\r\n";
    if (status != Status::NoContent)
        out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    if (close)
        out += "Connection: close\r\n";
    out += "\r\n";
    return out + body;
}

QByteArray errorBody(const QString &why)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("error"), why}}).toJson(QJsonDocument::Compact);
}

Reply errorReply(Status status, const QString &why)
{
    Reply r;
    r.status = status;
    r.setHeader("Content-Type", "application/json");
    r.setHeader("Cache-Control", "no-store");
    r.body = errorBody(why);
    r.close = true;
    return r;
}

bool plausibleStart(QByteArrayView received)
{
    if (received.isEmpty())
        return true;
    const char first = received.front();
    if (first < 'A' || first > 'Z')
        return false;
    for (const char c : received) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\r' && c != '\n' && c != '\t') || u == 0x7f)
            return false;
    }
    return true;
}

Head parseHead(QByteArrayView head, qsizetype maxBody)
{
    const QList<QByteArrayView> lines = [&] {
        QList<QByteArrayView> out;
        qsizetype from = 0;
        while (from <= head.size()) {
            const qsizetype end = head.indexOf("\r\n", from);
            out << head.sliced(from, (end < 0 ? head.size() : end) - from);
            if (end < 0)
                break;
            from = end + 2;
        }
        return out;
    }();
    const QList<QByteArray> start = lines.front().toByteArray().split(' ');
    if (start.size() != 3 || !isToken(start[0]) || !start[1].startsWith('/') ||
        (start[2] != "HTTP/1.1" && start[2] != "HTTP/1.0"))
        return malformed();
    if (lines.size() - 1 > kMaxHeaders)
        return failure(Status::RequestHeaderFieldsTooLarge, Texts::tr("The request's header is too large."));

    Request r;
    r.method = start[0];
    r.target = QUrl(QString::fromLatin1(start[1]), QUrl::StrictMode);
    if (!r.target.isValid())
        return malformed();
    std::optional<qsizetype> length;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArrayView line = lines[i];
        const qsizetype colon = line.indexOf(':');
        // A folded line, or a space before the colon, reads differently to different parsers.
        if (colon <= 0 || !isToken(line.first(colon)))
            return malformed();
        const QByteArray name = line.first(colon).toByteArray();
        const QByteArray value = line.sliced(colon + 1).toByteArray().trimmed();
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            // Two lengths are how one request is smuggled inside another.
            if (length)
                return failure(Status::BadRequest, Texts::tr("Content-Length is given more than once."));
            bool ok = false;
            const qlonglong n = value.toLongLong(&ok);
            if (!ok || n < 0 || value.size() > 12 || !std::all_of(value.begin(), value.end(), ::isdigit))
                return malformed();
            length = n;
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            return malformed();
        }
        r.headers.append({name, value});
    }
    const qsizetype bodyLength = length.value_or(0);
    if (bodyLength > maxBody)
        return failure(Status::PayloadTooLarge,
                       Texts::tr("The body is larger than %1 KB.").arg(maxBody / 1024));
    Head h;
    h.request = std::move(r);
    h.bodyLength = bodyLength;
    h.close = start[2] == "HTTP/1.0" || h.request->lists("Connection", "close");
    return h;
}

} // namespace net
