// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "voice/VoiceEngine.h"

#include <QObject>

#include <memory>

namespace voice {

// The voice module's follower as the program sees it: its events as signals.
class Follower : public QObject
{
    Q_OBJECT

public:
    // Null, with the reason in `error`, when the module cannot be loaded.
    static Follower *load(QObject *parent, QString *error);
    // The capture devices there are; empty when the module cannot be loaded.
    static QList<Engine::Input> inputs();
    ~Follower() override;

    Engine &engine() const { return *m_engine; }
    int place() const { return m_engine->place(); }

Q_SIGNALS:
    void heard(int character);
    void leapt(int character);
    void silence();
    void level(float level);
    void failed(const QString &reason);

private:
    explicit Follower(QObject *parent);

    std::unique_ptr<Engine> m_engine;
};

} // namespace voice
