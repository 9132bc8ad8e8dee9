// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

#include <zip.h>

// Builds a zip package in memory: documents for tests and benchmarks without committing big files.
inline QByteArray makeZip(const QList<QPair<QByteArray, QByteArray>> &entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *zip = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_source_keep(buffer);
    for (const auto &[name, data] : entries) {
        zip_source_t *s = zip_source_buffer(zip, data.constData(), zip_uint64_t(data.size()), 0);
        zip_file_add(zip, name.constData(), s, ZIP_FL_OVERWRITE);
    }
    zip_close(zip); // compresses now, while the entries' data are still alive
    QByteArray out;
    zip_stat_t st;
    if (zip_source_stat(buffer, &st) == 0 && zip_source_open(buffer) == 0) {
        out.resize(qsizetype(st.size));
        zip_source_read(buffer, out.data(), st.size);
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    zip_error_fini(&error);
    return out;
}

// A .docx whose body is the given WordprocessingML (the inside of w:body).
inline QByteArray makeDocx(const QByteArray &body)
{
    const QByteArray document =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
        "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"><w:body>" +
        body + "</w:body></w:document>";
    return makeZip(
        {{"[Content_Types].xml", "<?xml version=\"1.0\"?><Types/>"}, {"word/document.xml", document}});
}

// An .odt whose body is the given OpenDocument markup (the inside of office:text).
inline QByteArray makeOdt(const QByteArray &body)
{
    const QByteArray content =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:text>" +
        body + "</office:text></office:body></office:document-content>";
    return makeZip({{"mimetype", "application/vnd.oasis.opendocument.text"}, {"content.xml", content}});
}
