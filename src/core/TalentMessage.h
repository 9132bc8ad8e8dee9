// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class Platform;
class QTimer;

// A short message from the operator to the presenter ("Wrap up"), shown until cleared or for a set
// time of the run's clock.
class TalentMessage : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxLength = 200;
    static constexpr int kMaxSeconds = 24 * 3600;

    TalentMessage(Platform &platform, QObject *parent = nullptr);

    // The text as it is shown: control characters gone, blanks trimmed, at most kMaxLength long.
    static QString clean(const QString &text);
    // `seconds` 0: until cleared. False when nothing is left of the text to show.
    bool show(const QString &text, int seconds);
    void clear();
    QString text() const { return m_text; }

    // The expiry timer's handler: clears the message once its time is up.
    void messageTimeout();
    QTimer *m_messageTimer = nullptr;

Q_SIGNALS:
    void changed(const QString &text); // empty: none shown

private:
    void set(const QString &text);

    Platform &m_platform;
    QString m_text;
    quint32 m_shown = 0;
    quint32 m_lasts = 0; // ms; 0: until cleared
};
