// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of the newsroom link: started as the settings say, and its window.
#include "app/frmMain.h"
#include "common/Platform.h"
#include "core/PrompterCore.h"
#include "mos/MosControl.h"
#include "mos/MosShow.h"
#include "mos/gui/dlgMos.h"
#include "remote/gui/RemoteControl.h"
#include "ui/Dialogs.h"

#include <QTimer>

void frmMain::CreateMos()
{
    m_mos = new mos::MosControl(
        m_settings, [this] { return m_platform.timeGetTime(); }, this);
    // The running order the operator picks becomes the show; one no longer shown is no longer picked.
    auto *shown = new mos::MosShow(m_mos->orders(), m_mos->device(), *m_showRun, this);
    connect(m_mos, &mos::MosControl::shownOrderChanged, shown, &mos::MosShow::show);
    connect(shown, &mos::MosShow::orderDropped, m_mos, &mos::MosControl::dropShownOrder);
    // Picked from anywhere, through the one command path: the window, the remote API.
    m_core->setRunningOrderPicker([this](const QString &orderId) {
        if (!orderId.isEmpty() && !m_mos->orders().order(orderId))
            return run::Answer::refused(run::Answer::Reason::NoSuchRunningOrder,
                                        tr("The newsroom has sent no running order \"%1\".").arg(orderId));
        m_mos->setShownOrder(orderId);
        return run::Answer::done();
    });
    m_remote->setMosState([this] { return m_mos->stateJson(); });
    connect(m_mos, &mos::MosControl::stateChanged, m_remote, &remote::RemoteControl::mosChanged);
    m_mos->applySettings();
    if (!m_mos->error().isEmpty()) {
        // Once the window is up, so that the message stands over it.
        QTimer::singleShot(0, this, [this] {
            m_dialogs.warning(
                this, windowTitle(),
                tr("The newsroom system link is turned on but cannot listen:\n%1").arg(m_mos->error()));
        });
    }
}

void frmMain::ShowMosWindow()
{
    mos::dlgMos window(m_settings, *m_mos, m_mos->shownOrder(), this);
    connect(&window, &mos::dlgMos::orderChosen, this, [this](const QString &orderId) {
        m_core->command({run::Verb::RunningOrder, 0, 0, 0, orderId});
    });
    m_dialogs.showModal(window);
    m_core->reportStoreProblem();
}
