// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/MosXml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace mos {

namespace {

// "<mos>" and "</mos>" in UTF-16 big-endian. A byte order mark, as some senders start each message
// with, stands before the start and goes with the noise.
constexpr QByteArrayView kOpenBytes("\0<\0m\0o\0s\0>", 10);
constexpr QByteArrayView kCloseBytes("\0<\0/\0m\0o\0s\0>", 12);

QString decoded(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t((quint8(bytes[i]) << 8) | quint8(bytes[i + 1])));
    return text;
}

} // namespace

const Node *Node::child(QStringView element) const
{
    for (const Node &n : children)
        if (n.name == element)
            return &n;
    return nullptr;
}

QList<const Node *> Node::all(QStringView element) const
{
    QList<const Node *> found;
    for (const Node &n : children)
        if (n.name == element)
            found << &n;
    return found;
}

QString Node::value(QStringView element) const
{
    const Node *n = child(element);
    return n ? n->allText().trimmed() : QString();
}

QString Node::attribute(QStringView attributeName) const
{
    for (const auto &a : attributes)
        if (a.first == attributeName)
            return a.second;
    return {};
}

QString Node::allText() const
{
    if (isText())
        return text;
    QString out;
    for (const Node &n : children)
        out += n.allText();
    return out;
}

QStringList FrameReader::feed(QByteArrayView bytes)
{
    m_bytes += bytes;
    QStringList messages;
    qsizetype at = 0; // what is taken is cut off once, at the end
    for (;;) {
        const QByteArrayView rest = QByteArrayView(m_bytes).sliced(at);
        if (!m_open) {
            // Nothing open: whatever stands before the next start is noise.
            const qsizetype start = rest.indexOf(kOpenBytes, m_scan);
            if (start < 0) {
                // Keep a tail that may be the start of "<mos>" cut in two.
                at += std::max<qsizetype>(0, rest.size() - (kOpenBytes.size() - 1));
                m_scan = 0;
                break;
            }
            at += start;
            m_open = true;
            m_scan = kOpenBytes.size();
            continue;
        }
        const qsizetype close = rest.indexOf(kCloseBytes, m_scan);
        const qsizetype again = rest.first(close < 0 ? rest.size() : close).indexOf(kOpenBytes, m_scan);
        if (again >= 0) {
            // A start before this message's end: it was cut short, and the new one counts.
            ++m_dropped;
            at += again;
            m_scan = kOpenBytes.size();
            continue;
        }
        if (close < 0) {
            if (rest.size() > 2 * m_max) {
                ++m_dropped;
                m_open = false;
                at += rest.size() - (kOpenBytes.size() - 1);
                m_scan = 0;
            } else {
                // Look again only where a start or an end may still be cut in two.
                m_scan = std::max<qsizetype>(kOpenBytes.size(), rest.size() - (kCloseBytes.size() - 1));
            }
            break;
        }
        const qsizetype end = close + kCloseBytes.size();
        if (close % 2 != 0 || end > 2 * m_max)
            ++m_dropped; // out of step within, or too long though whole
        else
            messages << decoded(rest.first(end));
        at += end;
        m_open = false;
        m_scan = 0;
    }
    m_bytes.remove(0, at);
    return messages;
}

std::optional<Node> parse(const QString &message, QString *error)
{
    auto fail = [error](const QString &why) -> std::optional<Node> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (message.size() > kMaxMessageChars)
        return fail(QStringLiteral("message too long"));
    QXmlStreamReader reader(message);
    reader.setNamespaceProcessing(false);
    Node root;
    std::vector<Node *> open;
    int nodes = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            return fail(QStringLiteral("a document type is not taken"));
        case QXmlStreamReader::EntityReference:
            return fail(QStringLiteral("unknown entity"));
        case QXmlStreamReader::StartElement: {
            if (int(open.size()) >= kMaxDepth)
                return fail(QStringLiteral("nested too deep"));
            if (++nodes > kMaxNodes)
                return fail(QStringLiteral("too many elements"));
            Node n;
            n.name = reader.name().toString();
            for (const QXmlStreamAttribute &a : reader.attributes())
                n.attributes.append({a.name().toString(), a.value().toString()});
            if (open.empty()) {
                root = std::move(n);
                open.push_back(&root);
            } else {
                open.back()->children.push_back(std::move(n));
                open.push_back(&open.back()->children.back());
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            if (!open.empty())
                open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            // Spaces between elements are kept too: in mixed content they part two words.
            if (!open.empty()) {
                if (++nodes > kMaxNodes)
                    return fail(QStringLiteral("too many elements"));
                Node t;
                t.text = reader.text().toString();
                open.back()->children.push_back(std::move(t));
            }
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return fail(reader.errorString());
    if (root.name != QLatin1String("mos"))
        return fail(QStringLiteral("not a message"));
    return root;
}

QByteArray encode(const QString &text)
{
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char *p = out.data();
    for (const QChar c : text) {
        *p++ = char(c.unicode() >> 8);
        *p++ = char(c.unicode() & 0xFF);
    }
    return out;
}

QByteArray write(const Header &header, const std::function<void(QXmlStreamWriter &)> &body)
{
    QString text;
    QXmlStreamWriter w(&text);
    w.writeStartElement(QStringLiteral("mos"));
    w.writeTextElement(QStringLiteral("mosID"), header.mosID);
    w.writeTextElement(QStringLiteral("ncsID"), header.ncsID);
    if (header.messageID != 0)
        w.writeTextElement(QStringLiteral("messageID"), QString::number(header.messageID));
    body(w);
    w.writeEndElement();
    return encode(text);
}

} // namespace mos
