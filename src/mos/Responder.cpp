// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mos/Responder.h"

#include "mos/Log.h"

#include <QDateTime>
#include <QXmlStreamWriter>

namespace mos {

namespace {

const QString kOK = QStringLiteral("OK");

QString now()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

// Formatting within a paragraph: its words are read as written.
bool isInline(const QString &name)
{
    static const QStringList inlineNames{QStringLiteral("b"), QStringLiteral("i"), QStringLiteral("u"),
                                         QStringLiteral("em"), QStringLiteral("strong")};
    return inlineNames.contains(name);
}

void readParagraph(const Node &p, QString &text, QList<Paragraph> &out)
{
    auto flush = [&] {
        const QString t = text.simplified();
        if (!t.isEmpty())
            out << Paragraph{t, false};
        text.clear();
    };
    for (const Node &n : p.children) {
        if (n.isText()) {
            text += n.text;
        } else if (n.name == QLatin1String("pi")) {
            flush();
            const QString instruction = n.allText().simplified();
            if (!instruction.isEmpty())
                out << Paragraph{instruction, true};
        } else if (n.name == QLatin1String("tab")) {
            text += QLatin1Char(' ');
        } else if (isInline(n.name)) {
            readParagraph(n, text, out);
        }
    }
    if (p.name == QLatin1String("p"))
        flush();
}

Story storyOf(const Node &story)
{
    Story s;
    s.id = story.value(u"storyID");
    s.slug = story.value(u"storySlug");
    if (const Node *body = story.child(u"storyBody"))
        s.body = bodyOf(*body);
    return s;
}

QList<Story> storiesOf(const Node &parent)
{
    QList<Story> stories;
    for (const Node *n : parent.all(u"story"))
        stories << storyOf(*n);
    return stories;
}

RunningOrder orderOf(const Node &ro)
{
    RunningOrder o;
    o.id = ro.value(u"roID");
    o.slug = ro.value(u"roSlug");
    o.stories = storiesOf(ro);
    return o;
}

QStringList storyIdsOf(const Node *parent)
{
    QStringList ids;
    if (parent)
        for (const Node *n : parent->all(u"storyID"))
            ids << n->allText().trimmed();
    return ids;
}

} // namespace

QList<Paragraph> bodyOf(const Node &storyBody)
{
    QList<Paragraph> out;
    QString loose;
    for (const Node &n : storyBody.children) {
        if (n.isText() || isInline(n.name) || n.name == QLatin1String("pi")) {
            Node one;
            one.children.push_back(n);
            readParagraph(one, loose, out);
        } else if (n.name == QLatin1String("p")) {
            if (!loose.simplified().isEmpty())
                out << Paragraph{loose.simplified(), false};
            loose.clear();
            QString text;
            readParagraph(n, text, out);
        }
    }
    if (!loose.simplified().isEmpty())
        out << Paragraph{loose.simplified(), false};
    return out;
}

Header Responder::header(qint64 messageID) const
{
    return {m_identity.mosID, m_lastNcs.isEmpty() ? m_identity.ncsID : m_lastNcs, messageID};
}

QByteArray Responder::ack(const Node &message, const QString &orderId, const QString &status)
{
    return write(header(message.value(u"messageID").toLongLong()), [&](QXmlStreamWriter &w) {
        w.writeStartElement(QStringLiteral("roAck"));
        w.writeTextElement(QStringLiteral("roID"), orderId);
        w.writeTextElement(QStringLiteral("roStatus"), status);
        w.writeEndElement();
    });
}

namespace {

const Node *bodyElement(const Node &message)
{
    for (const Node &n : message.children)
        if (!n.isText() && n.name != QLatin1String("ncsID") && n.name != QLatin1String("mosID") &&
            n.name != QLatin1String("messageID"))
            return &n;
    return nullptr;
}

} // namespace

QString kindOf(const Node &message)
{
    const Node *body = bodyElement(message);
    return body ? body->name : QString();
}

QByteArray Responder::answer(const Node &message)
{
    const QString ncs = message.value(u"ncsID");
    const QString mos = message.value(u"mosID");
    // The message's one element past the header says what it is.
    const Node *body = bodyElement(message);
    if (!body)
        return {};
    const QString kind = body->name;
    const QString orderId = body->value(u"roID");
    if (mos != m_identity.mosID || (!m_identity.ncsID.isEmpty() && ncs != m_identity.ncsID)) {
        qCInfo(lcMos) << "not for this device:" << mos << "from" << ncs;
        return ack(message, orderId, QStringLiteral("Not this device's newsroom or MOS ID"));
    }
    m_lastNcs = ncs;
    const qint64 id = message.value(u"messageID").toLongLong();
    if (kind == QLatin1String("heartbeat"))
        return write(header(id), [](QXmlStreamWriter &w) {
            w.writeStartElement(QStringLiteral("heartbeat"));
            w.writeTextElement(QStringLiteral("time"), now());
            w.writeEndElement();
        });
    if (kind == QLatin1String("reqMachInfo"))
        return write(header(id), [this](QXmlStreamWriter &w) {
            w.writeStartElement(QStringLiteral("listMachInfo"));
            w.writeTextElement(QStringLiteral("manufacturer"), QStringLiteral("The Cuescroll developers"));
            w.writeTextElement(QStringLiteral("model"), QStringLiteral("Cuescroll"));
            w.writeTextElement(QStringLiteral("hwRev"), QString());
            w.writeTextElement(QStringLiteral("swRev"), m_identity.version);
            w.writeTextElement(QStringLiteral("DOM"), QString());
            w.writeTextElement(QStringLiteral("SN"), QString());
            w.writeTextElement(QStringLiteral("ID"), m_identity.mosID);
            w.writeTextElement(QStringLiteral("time"), now());
            w.writeTextElement(QStringLiteral("mosRev"), QStringLiteral("2.8.5"));
            w.writeStartElement(QStringLiteral("supportedProfiles"));
            w.writeAttribute(QStringLiteral("deviceType"), QStringLiteral("MOS"));
            for (int p = 0; p < 8; ++p) {
                w.writeStartElement(QStringLiteral("mosProfile"));
                w.writeAttribute(QStringLiteral("number"), QString::number(p));
                w.writeCharacters(p == 0 || p == 2 || p == 4 ? QStringLiteral("YES") : QStringLiteral("NO"));
                w.writeEndElement();
            }
            w.writeEndElement();
            w.writeEndElement();
        });
    if (kind == QLatin1String("roAck"))
        return {}; // the newsroom took what we sent
    if (kind == QLatin1String("roListAll")) {
        for (const Node *ro : body->all(u"ro"))
            if (const QString roId = ro->value(u"roID"); !roId.isEmpty())
                m_requests << requestOrder(roId);
        return {};
    }
    if (kind == QLatin1String("roList")) {
        if (!m_orders.replace(orderOf(*body)))
            qCWarning(lcMos) << "running order not taken:" << orderId;
        return {};
    }
    return ack(message, orderId, carryOut(kind, *body));
}

QString Responder::carryOut(const QString &kind, const Node &body)
{
    const QString orderId = body.value(u"roID");
    const QString unknown = QStringLiteral("Unknown running order or story");
    auto status = [&](bool done) { return done ? kOK : unknown; };
    if (kind == QLatin1String("roCreate"))
        return m_orders.create(orderOf(body)) ? kOK : QStringLiteral("Running order not taken");
    if (kind == QLatin1String("roReplace"))
        return m_orders.replace(orderOf(body)) ? kOK : QStringLiteral("Running order not taken");
    if (kind == QLatin1String("roDelete"))
        return status(m_orders.remove(orderId));
    if (kind == QLatin1String("roMetadataReplace"))
        return status(m_orders.setSlug(orderId, body.value(u"roSlug")));
    if (kind == QLatin1String("roReadyToAir"))
        return status(m_orders.setReadyToAir(
            orderId, body.value(u"roAir").compare(u"READY", Qt::CaseInsensitive) == 0));
    if (kind == QLatin1String("roStorySend")) {
        const Node *storyBody = body.child(u"storyBody");
        return status(m_orders.setBody(orderId, body.value(u"storyID"),
                                       storyBody ? bodyOf(*storyBody) : QList<Paragraph>{},
                                       body.value(u"storySlug")));
    }
    if (kind == QLatin1String("roElementAction")) {
        const QString op = body.attribute(u"operation").toUpper();
        const Node *target = body.child(u"element_target");
        const Node *source = body.child(u"element_source");
        // Items within a story are for the machines playing them, not for the presenter.
        if ((target && !target->value(u"itemID").isEmpty()) || (source && source->child(u"item")))
            return kOK;
        const QString targetStory = target ? target->value(u"storyID") : QString();
        const QStringList ids = storyIdsOf(source);
        if (op == QLatin1String("INSERT"))
            return status(source && m_orders.insert(orderId, targetStory, storiesOf(*source)));
        if (op == QLatin1String("REPLACE"))
            return status(source && m_orders.replaceStory(orderId, targetStory, storiesOf(*source)));
        if (op == QLatin1String("MOVE"))
            return status(m_orders.move(orderId, targetStory, ids));
        if (op == QLatin1String("DELETE"))
            return status(m_orders.removeStories(orderId, ids));
        if (op == QLatin1String("SWAP"))
            return status(ids.size() == 2 && m_orders.swap(orderId, ids[0], ids[1]));
        return QStringLiteral("Unknown operation");
    }
    if (kind == QLatin1String("roReq") || kind == QLatin1String("roReqAll"))
        return QStringLiteral("Running orders are the newsroom's to list");
    return QStringLiteral("Not supported");
}

QList<QByteArray> Responder::takeRequests()
{
    return std::exchange(m_requests, {});
}

QByteArray Responder::heartbeat() const
{
    return write(header(0), [](QXmlStreamWriter &w) {
        w.writeStartElement(QStringLiteral("heartbeat"));
        w.writeTextElement(QStringLiteral("time"), now());
        w.writeEndElement();
    });
}

QByteArray Responder::storyOnAir(const QString &orderId, const QString &storyId)
{
    return write(header(m_nextID++), [&](QXmlStreamWriter &w) {
        w.writeStartElement(QStringLiteral("roElementStat"));
        w.writeAttribute(QStringLiteral("element"), QStringLiteral("STORY"));
        w.writeTextElement(QStringLiteral("roID"), orderId);
        w.writeTextElement(QStringLiteral("storyID"), storyId);
        w.writeTextElement(QStringLiteral("status"), QStringLiteral("PLAY"));
        w.writeTextElement(QStringLiteral("time"), now());
        w.writeEndElement();
    });
}

QByteArray Responder::requestOrder(const QString &orderId)
{
    return write(header(m_nextID++), [&](QXmlStreamWriter &w) {
        w.writeStartElement(QStringLiteral("roReq"));
        w.writeTextElement(QStringLiteral("roID"), orderId);
        w.writeEndElement();
    });
}

QByteArray Responder::requestAll()
{
    return write(header(m_nextID++),
                 [](QXmlStreamWriter &w) { w.writeEmptyElement(QStringLiteral("roReqAll")); });
}

} // namespace mos
