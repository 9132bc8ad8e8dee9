// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"

#include "common/Platform.h"
#include "core/PrompterCore.h"
#include "core/ShowRun.h"
#include "editor/gui/ScriptFile.h"
#include "follow/FollowSession.h"
#include "follow/LeaderFeed.h"
#include "mos/MosControl.h"
#include "mos/MosShow.h"
#include "net/Session.h"
#include "remote/RemoteServer.h"
#include "remote/gui/RemoteControl.h"

#include <QCoreApplication>
#include <QWebSocket>

namespace app {

namespace {

ShowRun::Files storyFiles()
{
    ShowRun::Files files;
    files.read = [](show::Story &s) {
        const scriptfile::OpenedText read = scriptfile::openText(s.path);
        s.missing = read.opened.state != scriptfile::Opened::State::Loaded;
        s.problem = read.opened.message;
        if (read.opened.state == scriptfile::Opened::State::NeedsConverter)
            s.problem = ShowRun::tr("A Word 97-2003 document is opened in the script editor only.");
        s.text = s.missing ? QString() : read.text;
    };
    files.failure = &scriptfile::failureMessage;
    files.shown = &scriptfile::shownPath;
    return files;
}

} // namespace

Application::Application(Platform &platform, Dialogs &dialogs, Settings &settings, QObject *parent)
    : QObject(parent), m_platform(platform), m_dialogs(dialogs), m_settings(settings),
      m_core(new PrompterCore(platform, settings, this)),
      m_showRun(new ShowRun(platform, *m_core, storyFiles())),
      m_remote(new remote::RemoteControl(platform, settings, *m_core, *m_showRun, this)),
      m_mos(new mos::MosControl(
          settings, [&platform] { return platform.timeGetTime(); }, this)),
      m_mosShow(new mos::MosShow(m_mos->orders(), m_mos->device(), *m_showRun, this)),
      m_follow(new FollowSession(platform, *m_core, this))
{
    m_core->setStories(m_showRun);
    // The running order the operator picks becomes the show; one no longer shown is no longer picked.
    connect(m_mos, &mos::MosControl::shownOrderChanged, m_mosShow, &mos::MosShow::show);
    connect(m_mosShow, &mos::MosShow::orderDropped, m_mos, &mos::MosControl::dropShownOrder);
    // Picked from anywhere, through the one command path: the window, the remote API.
    m_core->setRunningOrderPicker([this](const QString &orderId) {
        if (!orderId.isEmpty() && !m_mos->orders().order(orderId))
            return run::Answer::refused(
                run::Answer::Reason::NoSuchRunningOrder,
                QCoreApplication::translate("frmMain", "The newsroom has sent no running order \"%1\".")
                    .arg(orderId));
        m_mos->setShownOrder(orderId);
        return run::Answer::done();
    });
    m_remote->setMosState([this] { return m_mos->stateJson(); });
    connect(m_mos, &mos::MosControl::stateChanged, m_remote, &remote::RemoteControl::mosChanged);

    m_follow->setShow(m_showRun);
    // With the remote control on, other prompters may follow this one on its port, with its token.
    m_remote->server().setFollowerTaker([this](net::Session *socket) {
        if (m_follow->leading()) {
            m_follow->feed().addFollower(socket);
            return;
        }
        // Not leading (any more): nothing to follow here.
        socket->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("404 Not Found"));
    });
    connect(m_follow, &FollowSession::leaderLostChanged, m_remote, &remote::RemoteControl::setLeaderLost);
    connect(m_follow, &FollowSession::leaderRunningChanged, m_remote,
            &remote::RemoteControl::setLeaderRunning);
}

Application::~Application()
{
    // Before the run it steers.
    delete m_follow;
}

void Application::startServices()
{
    m_remoteTrouble = !m_remote->applySettings();
    m_mos->applySettings();
}

void Application::windowGone()
{
    m_follow->release();
    m_core->detach();
}

void Application::release()
{
    m_showRun->release();
    m_remote->shutDown();
    // The show let go as the program closes is no choice of the operator's: the one kept stays.
    m_mosShow->disconnect(m_mos);
    m_mos->device().stop();
}

} // namespace app
