// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TalentMessage.h"

#include "common/Platform.h"

#include <QTimer>

#include <algorithm>

TalentMessage::TalentMessage(Platform &platform, QObject *parent) : QObject(parent), m_platform(platform)
{
    m_messageTimer = new QTimer(this);
    m_messageTimer->setObjectName(QStringLiteral("m_messageTimer"));
    m_messageTimer->setSingleShot(true);
    connect(m_messageTimer, &QTimer::timeout, this, &TalentMessage::messageTimeout);
}

QString TalentMessage::clean(const QString &text)
{
    QString out;
    out.reserve(std::min<qsizetype>(text.size(), kMaxLength));
    for (const QChar c : text) {
        // A line break would make a second line the presenter has to look for; tabs show as nothing.
        const QChar::Category cat = c.category();
        if (cat == QChar::Other_Control || cat == QChar::Other_Format || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            out += QLatin1Char(' ');
        else
            out += c;
    }
    out = out.simplified();
    if (out.size() > kMaxLength) {
        out.truncate(kMaxLength);
        if (out.back().isHighSurrogate())
            out.chop(1);
    }
    return out;
}

bool TalentMessage::show(const QString &text, int seconds)
{
    const QString shown = clean(text);
    if (shown.isEmpty())
        return false;
    m_shown = m_platform.timeGetTime();
    m_lasts = quint32(std::clamp(seconds, 0, kMaxSeconds)) * 1000u;
    if (m_lasts > 0)
        m_messageTimer->start(int(m_lasts));
    else
        m_messageTimer->stop();
    set(shown);
    return true;
}

void TalentMessage::clear()
{
    m_messageTimer->stop();
    set(QString());
}

void TalentMessage::messageTimeout()
{
    if (m_text.isEmpty() || m_lasts == 0)
        return;
    const quint32 gone = m_platform.timeGetTime() - m_shown;
    if (gone >= m_lasts)
        clear();
    else // woken early: the clock is the run's, not the timer's
        m_messageTimer->start(int(m_lasts - gone));
}

void TalentMessage::set(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    Q_EMIT changed(text);
}
