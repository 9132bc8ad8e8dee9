// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/MosXml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace mos {

namespace {

constexpr QStringView kOpen = u"<mos>";
constexpr QStringView kClose = u"</mos>";

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
    qsizetype i = 0;
    QString decoded;
    decoded.reserve((bytes.size() + 1) / 2);
    if (m_odd >= 0 && !bytes.isEmpty()) {
        decoded += QChar(char16_t((m_odd << 8) | quint8(bytes[0])));
        m_odd = -1;
        i = 1;
    }
    for (; i + 1 < bytes.size(); i += 2)
        decoded += QChar(char16_t((quint8(bytes[i]) << 8) | quint8(bytes[i + 1])));
    if (i < bytes.size())
        m_odd = quint8(bytes[i]);
    decoded.remove(QChar(0xFEFF)); // a byte order mark, as some senders start each message
    m_text += decoded;
    return take();
}

QStringList FrameReader::take()
{
    QStringList messages;
    for (;;) {
        if (m_depth == 0) {
            // Nothing open: whatever stands before the next start is noise.
            const qsizetype start = m_text.indexOf(kOpen, m_scan);
            if (start < 0) {
                // Keep a tail that may be the start of "<mos>" cut in two.
                const qsizetype keep = std::min<qsizetype>(m_text.size(), kOpen.size() - 1);
                m_text = m_text.right(keep);
                m_scan = 0;
                break;
            }
            m_text.remove(0, start);
            m_scan = kOpen.size();
            m_depth = 1;
        }
        const qsizetype lt = m_text.indexOf(QLatin1Char('<'), m_scan);
        if (lt < 0 || lt + kClose.size() > m_text.size()) {
            m_scan = lt < 0 ? m_text.size() : lt;
            if (m_text.size() > m_max) {
                ++m_dropped;
                m_text.clear();
                m_scan = 0;
                m_depth = 0;
            }
            break;
        }
        const QStringView at = QStringView(m_text).mid(lt);
        if (at.startsWith(kOpen)) {
            ++m_depth;
            m_scan = lt + kOpen.size();
        } else if (at.startsWith(kClose)) {
            m_scan = lt + kClose.size();
            if (--m_depth == 0) {
                if (m_scan <= m_max)
                    messages << m_text.left(m_scan);
                else
                    ++m_dropped; // finished in the same read that took it past the limit
                m_text.remove(0, m_scan);
                m_scan = 0;
            }
        } else {
            m_scan = lt + 1;
        }
    }
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
