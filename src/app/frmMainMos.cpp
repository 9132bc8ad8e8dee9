// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of the newsroom link: what kept it from starting, and its window.
#include "app/frmMain.h"
#include "core/PrompterCore.h"
#include "mos/MosControl.h"
#include "mos/gui/dlgMos.h"
#include "ui/Dialogs.h"

#include <QTimer>

void frmMain::BindMos()
{
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
