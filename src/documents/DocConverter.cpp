// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "documents/DocConverter.h"

#include "documents/Log.h"

#include <QFileInfo>

using documents::Error;
using documents::TextResult;

DocConverter::DocConverter(QObject *parent) : QObject(parent)
{
    m_timeLimit.setSingleShot(true);
    m_timeLimit.setInterval(kDefaultTimeLimitMs);
    connect(&m_timeLimit, &QTimer::timeout, this, &DocConverter::timeLimitReached);
}

DocConverter::~DocConverter()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

void DocConverter::start(const QString &path)
{
    if (m_running)
        cancel();
    if (m_process) {
        // A cancelled run that has not reported yet: it never will now.
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
        m_process->deleteLater();
    }
    m_running = true;
    m_stopReason = Error::None;
    m_decoder = QStringDecoder(QStringConverter::Utf8);
    m_limit = documents::TextLimit();
    m_text.clear();
    m_heldBreaks = 0;
    m_begun = false;
    m_errors.clear();
    m_process = new QProcess(this);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &DocConverter::readOutput);
    connect(m_process, &QProcess::readyReadStandardError, this, &DocConverter::readErrors);
    connect(m_process, &QProcess::finished, this, &DocConverter::processFinished);
    connect(m_process, &QProcess::errorOccurred, this, &DocConverter::processError);
    m_process->setProgram(m_program);
    // -w 0: one line per paragraph, however long; -m UTF-8.txt: every character survives.
    m_process->setArguments({QStringLiteral("-w"), QStringLiteral("0"), QStringLiteral("-m"),
                             QStringLiteral("UTF-8.txt"), QFileInfo(path).absoluteFilePath()});
    m_timeLimit.start();
    qCDebug(lcDocuments) << "converting with" << m_program << "within" << timeLimit() << "ms";
    m_process->start(QIODevice::ReadOnly);
}

void DocConverter::cancel()
{
    if (m_running)
        stop(Error::Cancelled);
}

void DocConverter::timeLimitReached()
{
    if (m_running)
        stop(Error::ConverterTimedOut);
}

void DocConverter::stop(Error why)
{
    if (m_stopReason == Error::None)
        m_stopReason = why;
    m_timeLimit.stop();
    if (m_process && m_process->state() != QProcess::NotRunning)
        m_process->kill(); // finished() follows and reports the reason
    else
        report({});
}

void DocConverter::readOutput()
{
    if (!m_running || m_stopReason != Error::None || !m_process)
        return;
    const QByteArray bytes = m_process->readAllStandardOutput();
    const QString piece = m_decoder.decode(bytes);
    take(piece);
}

void DocConverter::take(QStringView piece)
{
    if (!m_begun && !piece.isEmpty()) {
        m_begun = true;
        if (piece.front() == QLatin1Char('\n'))
            piece = piece.sliced(1);
    }
    // Line ends at the end wait for more text: only those before it belong to the document.
    qsizetype end = piece.size();
    while (end > 0 && piece[end - 1] == QLatin1Char('\n'))
        --end;
    if (end == 0) {
        m_heldBreaks += piece.size();
        return;
    }
    if (!m_limit.add(QLatin1Char('\n'), m_heldBreaks) || !m_limit.add(piece.first(end))) {
        stop(m_limit.error());
        return;
    }
    m_text += QString(m_heldBreaks, QLatin1Char('\n'));
    m_text += piece.first(end);
    m_heldBreaks = piece.size() - end;
}

void DocConverter::readErrors()
{
    if (!m_process)
        return;
    // Only the first line is shown; the rest is read and dropped, so the pipe never fills.
    const QByteArray said = m_process->readAllStandardError();
    m_errors += said.first(std::min(said.size(), std::max<qsizetype>(0, 4096 - m_errors.size())));
}

void DocConverter::processError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || !m_running)
        return; // the other errors end in finished()
    TextResult r;
    r.error = Error::ConverterMissing;
    report(r);
}

void DocConverter::processFinished(int exitCode, QProcess::ExitStatus status)
{
    if (!m_running)
        return;
    TextResult r;
    readOutput();
    readErrors();
    if (!m_running)
        return; // the output was over the limits: stop() has reported it
    if (status == QProcess::CrashExit) {
        r.error = Error::ConverterCrashed;
    } else if (exitCode != 0) {
        r.error = Error::ConverterFailed;
        // antiword names the file and then says what is wrong with it; keep the saying.
        QString said = QString::fromLocal8Bit(m_errors).trimmed();
        said = said.section(QLatin1Char('\n'), 0, 0);
        const QString path = m_process->arguments().constLast();
        if (said.startsWith(path))
            said = said.mid(path.size()).trimmed();
        r.detail = said.left(300);
    } else {
        r.text = std::move(m_text);
    }
    report(r);
}

void DocConverter::report(TextResult result)
{
    m_timeLimit.stop();
    m_running = false;
    m_text.clear();
    if (m_stopReason != Error::None) {
        result = {};
        result.error = m_stopReason;
        if (m_stopReason == Error::ConverterTimedOut)
            result.detail = tr("no result after %1 seconds").arg(timeLimit() / 1000.0);
    }
    if (m_process) {
        m_process->disconnect(this);
        m_process->deleteLater();
        m_process = nullptr;
    }
    if (result.ok())
        qCDebug(lcDocuments) << "converted:" << m_limit.bytes() << "bytes as saved," << m_limit.paragraphs()
                             << "paragraphs";
    else
        qCInfo(lcDocuments).noquote() << "conversion refused -" << documents::describe(result);
    Q_EMIT finished(result);
}
