// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "documents/Documents.h"

#include <QObject>
#include <QProcess>
#include <QStringDecoder>
#include <QTimer>

// Runs the Word 97-2003 converter (Debian's antiword) as a separate process, so that a damaged
// document can crash or hang it but never the prompter. Asynchronous: start() returns at once and
// finished() reports the text or the error, exactly once per start(). Its output is read as it comes
// and measured against the limits of a script: a converter that says too much is stopped.
class DocConverter : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultTimeLimitMs = 20000;

    explicit DocConverter(QObject *parent = nullptr);
    ~DocConverter() override;

    // The converter program: a name looked up in PATH or a path; tests put a stand-in here.
    void setProgram(const QString &program) { m_program = program; }
    QString program() const { return m_program; }
    void setTimeLimit(int ms) { m_timeLimit.setInterval(ms); }
    int timeLimit() const { return m_timeLimit.interval(); }

    void start(const QString &path);
    bool isRunning() const { return m_running; }
    void cancel();
    // The time limit has passed: stops the converter. Called by the limit's timer.
    void timeLimitReached();

Q_SIGNALS:
    void finished(const documents::TextResult &result);

private:
    void readOutput();
    void readErrors();
    void take(QStringView piece);
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void processError(QProcess::ProcessError error);
    void stop(documents::Error why);
    void report(documents::TextResult result);

    QString m_program = QStringLiteral("antiword");
    QProcess *m_process = nullptr;
    QTimer m_timeLimit;
    bool m_running = false;
    documents::Error m_stopReason = documents::Error::None;

    // The output as it arrives, within the limits of a script; the converter is stopped once over.
    QStringDecoder m_decoder;
    documents::TextLimit m_limit;
    QString m_text;
    qsizetype m_heldBreaks = 0; // line ends at the end so far: antiword ends with one or more
    bool m_begun = false;       // past the empty line antiword starts with
    QByteArray m_errors;        // the start of what it said on its error output
};
