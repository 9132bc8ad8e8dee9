// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QXmlStreamWriter;

// Messages of the newsroom protocol: whole <mos>…</mos> documents in UTF-16 big-endian on the wire.
namespace mos {

// Beyond these a message is refused: nothing a newsroom sends comes near them.
inline constexpr qsizetype kMaxMessageChars = 2 * 1024 * 1024;
inline constexpr int kMaxDepth = 32;
inline constexpr int kMaxNodes = 200000;

// An element read from a message; a node with an empty name is a run of text, so that mixed
// content (a paragraph with an instruction in it) keeps its order.
struct Node
{
    QString name;
    QString text; // a text run's characters
    QList<QPair<QString, QString>> attributes;
    std::vector<Node> children;

    bool isText() const { return name.isEmpty(); }
    const Node *child(QStringView element) const;
    QList<const Node *> all(QStringView element) const;
    // The trimmed text of the child element, empty when there is none.
    QString value(QStringView element) const;
    QString attribute(QStringView attributeName) const;
    // Every character within, in order.
    QString allText() const;
};

// Cuts the bytes of a connection into whole messages: each from a "<mos>" to the first "</mos>"
// after it. Text before a message's start is dropped; a message that grows past the limit unfinished
// is dropped whole. A stray byte (an odd-length message, text in another encoding) throws the
// characters out of step; the next "<mos>" is found at either step, so the connection reads on from
// there, and a "<mos>" before the end of a message starts over.
class FrameReader
{
public:
    explicit FrameReader(qsizetype maxChars = kMaxMessageChars) : m_max(maxChars) {}

    // The messages the bytes complete, in order.
    QStringList feed(QByteArrayView bytes);
    // How many messages were dropped unread so far (too long, cut short, out of step).
    int dropped() const { return m_dropped; }
    // Characters held for what is not yet whole.
    qsizetype pending() const { return m_bytes.size() / 2; }
    // A message has begun and not ended.
    bool midMessage() const { return m_open; }

private:
    qsizetype m_max;
    QByteArray m_bytes;
    bool m_open = false;  // m_bytes begins with a message's start
    qsizetype m_scan = 0; // how far m_bytes was looked through
    int m_dropped = 0;
};

// Reads one message. No document type is taken, so no entity beyond the five of XML is expanded.
std::optional<Node> parse(const QString &message, QString *error = nullptr);

// A message to send: the header, then what `body` writes.
struct Header
{
    QString mosID;
    QString ncsID;
    qint64 messageID = 0; // 0: none (a heartbeat's or machine information's answer)
};
QByteArray write(const Header &header, const std::function<void(QXmlStreamWriter &)> &body);
// UTF-16 big-endian, as the wire has it.
QByteArray encode(const QString &text);

} // namespace mos
