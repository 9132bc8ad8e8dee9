// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Body text of .docx and .odt packages, unpacked in memory with libzip.
#include "documents/Documents.h"
#include "documents/Log.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <memory>
#include <zip.h>

namespace documents {

namespace {

struct ZipCloser
{
    void operator()(zip_t *z) const { zip_discard(z); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

struct EntryCloser
{
    void operator()(zip_file_t *f) const { zip_fclose(f); }
};

// One member of the package, refused before unpacking when it says it is too large, and cut off
// while unpacking when it lied about its size.
TextResult unpack(zip_t *zip, const char *name, QByteArray *out)
{
    TextResult r;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(zip, name, 0, &st) != 0) {
        r.error = Error::Damaged;
        r.detail = QCoreApplication::translate("documents", "%1 is missing").arg(QLatin1String(name));
        return r;
    }
    if ((st.valid & ZIP_STAT_SIZE) && st.size > static_cast<zip_uint64_t>(kMaxUnpackedBytes)) {
        r.error = Error::UnpackedTooLarge;
        return r;
    }
    std::unique_ptr<zip_file_t, EntryCloser> file(zip_fopen_index(zip, st.index, 0));
    if (!file) {
        r.error = Error::Damaged;
        r.detail = QString::fromUtf8(zip_strerror(zip));
        return r;
    }
    out->clear();
    out->reserve(static_cast<qsizetype>(st.valid & ZIP_STAT_SIZE ? st.size : 0));
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), buffer, sizeof buffer);
        if (n < 0) {
            r.error = Error::Damaged;
            r.detail = QString::fromUtf8(zip_file_strerror(file.get()));
            return r;
        }
        if (n == 0)
            break;
        if (out->size() + n > kMaxUnpackedBytes) {
            r.error = Error::UnpackedTooLarge;
            out->clear();
            return r;
        }
        out->append(buffer, static_cast<qsizetype>(n));
    }
    return r;
}

bool hasEntry(zip_t *zip, const char *name)
{
    return zip_name_locate(zip, name, 0) >= 0;
}

void damagedXml(TextResult &r, const QXmlStreamReader &xml)
{
    r.error = Error::Damaged;
    r.detail = QCoreApplication::translate("documents", "XML error at line %1: %2")
                   .arg(xml.lineNumber())
                   .arg(xml.errorString());
    r.text.clear();
}

// Skips the element the reader stands on, with everything inside it.
void skip(QXmlStreamReader &xml)
{
    xml.skipCurrentElement();
}

// The text as it is read, refused at the first character or paragraph over the limits: a package of a
// few kB can unpack to millions of paragraphs or repeat a run of spaces without end.
class Output
{
public:
    explicit Output(TextResult &r) : m_r(r) {}

    bool add(QStringView text)
    {
        if (!m_limit.add(text))
            return refuse();
        m_r.text += text;
        return true;
    }
    bool add(QChar c, qsizetype count = 1)
    {
        if (!m_limit.add(c, count))
            return refuse();
        m_r.text += QString(count, c);
        return true;
    }

private:
    bool refuse()
    {
        m_r.error = m_limit.error();
        m_r.text.clear();
        return false;
    }

    TextResult &m_r;
    TextLimit m_limit;
};

// WordprocessingML: w:t is text, w:tab a tab (inside a run; the one in paragraph properties is a tab
// stop), w:br and w:cr line breaks. Field codes sit between a field's begin and separate marks.
void readDocx(QXmlStreamReader &xml, TextResult &r)
{
    Output out(r);
    QList<bool> inFieldCode; // per open field: still before its separate mark
    auto inCode = [&] { return inFieldCode.contains(true); };
    bool inText = false; // inside w:t, whose characters may be millions
    bool more = true;
    while (more && !xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            if (inText)
                more = out.add(xml.text());
            continue;
        }
        if (token == QXmlStreamReader::EndElement) {
            if (xml.prefix() == QLatin1String("w") && xml.name() == QLatin1String("p"))
                more = out.add(QLatin1Char('\n'));
            else if (xml.prefix() == QLatin1String("w") && xml.name() == QLatin1String("t"))
                inText = false;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        const QStringView prefix = xml.prefix();
        if (prefix == QLatin1String("mc") && name == QLatin1String("Fallback")) {
            skip(xml); // the same content as the Choice before it
            continue;
        }
        if (prefix != QLatin1String("w"))
            continue;
        if (name == QLatin1String("pPr") || name == QLatin1String("rPr") || name == QLatin1String("del") ||
            name == QLatin1String("moveFrom") || name == QLatin1String("instrText") ||
            name == QLatin1String("delText") || name == QLatin1String("sectPr") ||
            name == QLatin1String("tblPr") || name == QLatin1String("trPr") ||
            name == QLatin1String("tcPr") || name == QLatin1String("fldData")) {
            skip(xml);
        } else if (name == QLatin1String("fldChar")) {
            const QStringView type = xml.attributes().value(QLatin1String("w:fldCharType"));
            if (type == QLatin1String("begin")) {
                inFieldCode.append(true);
            } else if (type == QLatin1String("separate") && !inFieldCode.isEmpty()) {
                inFieldCode.last() = false;
            } else if (type == QLatin1String("end") && !inFieldCode.isEmpty()) {
                inFieldCode.removeLast();
            }
        } else if (inCode()) {
            if (name == QLatin1String("t"))
                skip(xml);
        } else if (name == QLatin1String("t")) {
            inText = true;
        } else if (name == QLatin1String("tab")) {
            more = out.add(QLatin1Char('\t'));
        } else if (name == QLatin1String("br")) {
            const QStringView type = xml.attributes().value(QLatin1String("w:type"));
            if (type.isEmpty() || type == QLatin1String("textWrapping"))
                more = out.add(QLatin1Char('\n'));
        } else if (name == QLatin1String("cr")) {
            more = out.add(QLatin1Char('\n'));
        } else if (name == QLatin1String("noBreakHyphen")) {
            more = out.add(QLatin1Char('-'));
        }
    }
    if (more && xml.hasError())
        damagedXml(r, xml);
}

// OpenDocument text: paragraphs and headings, text:s for runs of spaces, text:tab, text:line-break.
// Notes (footnotes and endnotes), annotations and the record of tracked changes are left out;
// headers and footers live in styles.xml, which is never read.
void readOdt(QXmlStreamReader &xml, TextResult &r)
{
    Output out(r);
    int paragraphDepth = 0;
    bool inBody = false;
    bool more = true;
    while (more && !xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            if (paragraphDepth > 0)
                more = out.add(xml.text());
            continue;
        }
        if (token == QXmlStreamReader::EndElement) {
            if (xml.prefix() == QLatin1String("text") &&
                (xml.name() == QLatin1String("p") || xml.name() == QLatin1String("h"))) {
                --paragraphDepth;
                more = out.add(QLatin1Char('\n'));
            }
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        const QStringView prefix = xml.prefix();
        if (prefix == QLatin1String("office")) {
            if (name == QLatin1String("body"))
                inBody = true;
            else if (name == QLatin1String("annotation") || name == QLatin1String("annotation-end") ||
                     name == QLatin1String("automatic-styles") || name == QLatin1String("font-face-decls") ||
                     name == QLatin1String("scripts"))
                skip(xml);
            continue;
        }
        if (!inBody || prefix != QLatin1String("text"))
            continue;
        if (name == QLatin1String("p") || name == QLatin1String("h")) {
            ++paragraphDepth;
        } else if (name == QLatin1String("note") || name == QLatin1String("tracked-changes") ||
                   name == QLatin1String("sequence-decls") || name == QLatin1String("variable-decls") ||
                   name == QLatin1String("user-field-decls") || name == QLatin1String("deletion")) {
            skip(xml);
        } else if (name == QLatin1String("s")) {
            // The count is the document's word; the limit is ours, checked before any space is made.
            bool ok = false;
            const int n = xml.attributes().value(QLatin1String("text:c")).toInt(&ok);
            more = out.add(QLatin1Char(' '), ok && n > 0 ? std::min(n, 10000) : 1);
        } else if (name == QLatin1String("tab")) {
            more = out.add(QLatin1Char('\t'));
        } else if (name == QLatin1String("line-break")) {
            more = out.add(QLatin1Char('\n'));
        }
    }
    if (more && xml.hasError())
        damagedXml(r, xml);
}

// The main part of a .docx as the package relationships name it.
QString docxMainPart(zip_t *zip)
{
    QByteArray rels;
    if (hasEntry(zip, "_rels/.rels") && unpack(zip, "_rels/.rels", &rels).ok()) {
        QXmlStreamReader xml(rels);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement &&
                xml.name() == QLatin1String("Relationship") &&
                xml.attributes().value(QLatin1String("Type")).endsWith(QLatin1String("/officeDocument"))) {
                QString target = xml.attributes().value(QLatin1String("Target")).toString();
                while (target.startsWith(QLatin1Char('/')))
                    target.remove(0, 1);
                return target;
            }
        }
    }
    return QStringLiteral("word/document.xml");
}

} // namespace

namespace {

TextResult packageText(QByteArrayView zipData)
{
    TextResult r;
    zip_error_t error;
    zip_error_init(&error);
    // libzip keeps a pointer into the data and never frees it.
    zip_source_t *source =
        zip_source_buffer_create(zipData.data(), static_cast<zip_uint64_t>(zipData.size()), 0, &error);
    if (!source) {
        r.error = Error::Damaged;
        r.detail = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return r;
    }
    ZipPtr zip(zip_open_from_source(source, ZIP_RDONLY, &error));
    if (!zip) {
        zip_source_free(source);
        r.error = Error::Damaged;
        r.detail = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return r;
    }
    zip_error_fini(&error);

    const bool isOdt = hasEntry(zip.get(), "content.xml");
    QByteArray part;
    if (isOdt) {
        QByteArray mime;
        if (hasEntry(zip.get(), "mimetype") && unpack(zip.get(), "mimetype", &mime).ok() &&
            !mime.startsWith("application/vnd.oasis.opendocument.text")) {
            r.error = Error::NotATextDocument;
            return r;
        }
        static_cast<Result &>(r) = unpack(zip.get(), "content.xml", &part);
    } else if (hasEntry(zip.get(), "[Content_Types].xml")) {
        const QByteArray main = docxMainPart(zip.get()).toUtf8();
        if (!main.endsWith(".xml") || !main.contains("document")) {
            r.error = Error::NotATextDocument;
            return r;
        }
        static_cast<Result &>(r) = unpack(zip.get(), main.constData(), &part);
    } else {
        r.error = Error::NotATextDocument;
        return r;
    }
    if (!r.ok())
        return r;

    QXmlStreamReader xml(part);
    r.text.reserve(std::min<qsizetype>(part.size() / 4, kMaxTextBytes));
    if (isOdt)
        readOdt(xml, r);
    else
        readDocx(xml, r);
    if (r.ok() && r.text.endsWith(QLatin1Char('\n')))
        r.text.chop(1);
    return r;
}

} // namespace

TextResult readPackageText(QByteArrayView zipData)
{
    TextResult r = packageText(zipData);
    if (r.ok())
        qCDebug(lcDocuments) << "package text:" << r.text.size() << "characters";
    else
        qCInfo(lcDocuments).noquote() << "package refused -" << describe(r);
    return r;
}

} // namespace documents
