// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "voice/Decoder.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

namespace voice {

// The decoder on a thread of its own: models and audio come in as queued calls, what it heard goes
// out as signals. Each model has a number, which its results carry, so that words heard against an
// old script are recognised as such and dropped.
class Recognizer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Both are called through queued calls from the owner's thread.
    void load(const voice::Model &model, int generation);
    void feed(const QByteArray &samples); // 16 kHz mono 16-bit

Q_SIGNALS:
    void loaded(int generation, const QString &error);
    void recognised(int generation, const QStringList &words, bool speech, bool ended);
    void failed(int generation, const QString &error);

private:
    Decoder m_decoder;
    int m_generation = 0;
};

} // namespace voice
