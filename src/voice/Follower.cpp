// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice/Follower.h"

#include "common/Modules.h"

namespace voice {

Follower::Follower(QObject *parent) : QObject(parent) {}

Follower::~Follower() = default;

Follower *Follower::load(QObject *parent, QString *error)
{
    const auto make = modules::function<MakeEngine>(QLatin1String(kModule), kMakeEngine, error);
    if (!make)
        return nullptr;
    auto *f = new Follower(parent);
    f->m_engine.reset(make({[f](int c) { Q_EMIT f->heard(c); }, [f](int c) { Q_EMIT f->leapt(c); },
                            [f] { Q_EMIT f->silence(); }, [f](float l) { Q_EMIT f->level(l); },
                            [f](const QString &reason) { Q_EMIT f->failed(reason); }}));
    return f;
}

QList<Engine::Input> Follower::inputs()
{
    const auto list = modules::function<ListInputs>(QLatin1String(kModule), kListInputs, nullptr);
    return list ? list() : QList<Engine::Input>();
}

} // namespace voice
