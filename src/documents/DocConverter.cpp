#include "documents/DocConverter.h"

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
    m_process = new QProcess(this);
    connect(m_process, &QProcess::finished, this, &DocConverter::processFinished);
    connect(m_process, &QProcess::errorOccurred, this, &DocConverter::processError);
    m_process->setProgram(m_program);
    // -w 0: one line per paragraph, however long; -m UTF-8.txt: every character survives.
    m_process->setArguments({QStringLiteral("-w"), QStringLiteral("0"), QStringLiteral("-m"),
                             QStringLiteral("UTF-8.txt"), QFileInfo(path).absoluteFilePath()});
    m_timeLimit.start();
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
    if (status == QProcess::CrashExit) {
        r.error = Error::ConverterCrashed;
    } else if (exitCode != 0) {
        r.error = Error::ConverterFailed;
        // antiword names the file and then says what is wrong with it; keep the saying.
        QString said = QString::fromLocal8Bit(m_process->readAllStandardError()).trimmed();
        said = said.section(QLatin1Char('\n'), 0, 0);
        const QString path = m_process->arguments().constLast();
        if (said.startsWith(path))
            said = said.mid(path.size()).trimmed();
        r.detail = said.left(300);
    } else {
        r.text = QString::fromUtf8(m_process->readAllStandardOutput());
        // antiword starts with an empty line and ends with one or more.
        if (r.text.startsWith(QLatin1Char('\n')))
            r.text.remove(0, 1);
        while (r.text.endsWith(QLatin1Char('\n')))
            r.text.chop(1);
    }
    report(r);
}

void DocConverter::report(TextResult result)
{
    m_timeLimit.stop();
    m_running = false;
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
    Q_EMIT finished(result);
}
