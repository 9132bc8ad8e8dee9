// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studio/Studio.h"

#include "common/Platform.h"
#include "line/gui/frmLine.h"
#include "settings/Settings.h"
#include "studio/Log.h"
#include "studio/ScreenIdentity.h"
#include "studio/ScriptPicture.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int kCountdownChoices[] = {0, 3, 5, 10};

// A name from the system shows as it is in a menu, its "&" no accelerator.
QString escapedForMenu(QString name)
{
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

Studio::Studio(Platform &platform, Settings &settings, Prompter prompter, QObject *parent)
    : QObject(parent), m_platform(platform), m_settings(settings), m_prompter(std::move(prompter))
{
    m_countdownTimer = new QTimer(this);
    m_countdownTimer->setObjectName(QStringLiteral("m_countdownTimer"));
    m_countdownTimer->setSingleShot(true);
    m_countdownTimer->setTimerType(Qt::PreciseTimer);
    connect(m_countdownTimer, &QTimer::timeout, this, &Studio::countdownTick);

    m_overlay = new CountdownOverlay(m_prompter.picBack, m_prompter.band);
    m_prompter.picBack->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &Studio::screenRemoved);
    setOptions(storedOptions(m_settings));
}

Studio::~Studio()
{
    delete m_talent;
}

StudioOptions Studio::storedOptions(const Settings &settings)
{
    StudioOptions o;
    o.talentScreen = settings.talentScreen();
    o.mirrorTalent = settings.mirrorTalent();
    o.flipTalent = settings.flipTalent();
    o.mirrorPrompter = settings.mirrorPrompter();
    o.countdownSeconds = settings.countdownSeconds();
    o.jumpToReadingLine = settings.jumpToReadingLine();
    o.messageBelow = settings.talentMessageBelow();
    return o;
}

void Studio::setOptions(const StudioOptions &options, bool store)
{
    const StudioOptions old = m_options;
    m_options = options;
    if (store) {
        // Only what changed: a store never set up for a studio gains no keys it does not need.
        if (options.talentScreen != old.talentScreen)
            m_settings.setTalentScreen(options.talentScreen);
        if (options.mirrorTalent != old.mirrorTalent)
            m_settings.setMirrorTalent(options.mirrorTalent);
        if (options.flipTalent != old.flipTalent)
            m_settings.setFlipTalent(options.flipTalent);
        if (options.mirrorPrompter != old.mirrorPrompter)
            m_settings.setMirrorPrompter(options.mirrorPrompter);
        if (options.countdownSeconds != old.countdownSeconds)
            m_settings.setCountdownSeconds(options.countdownSeconds);
        if (options.jumpToReadingLine != old.jumpToReadingLine)
            m_settings.setJumpToReadingLine(options.jumpToReadingLine);
        if (options.messageBelow != old.messageBelow)
            m_settings.setTalentMessageBelow(options.messageBelow);
        if (m_prompter.stored)
            m_prompter.stored();
    }
    if (options.countdownSeconds <= 0)
        cancelCountdown();
    applyTalent();
    applyMirror();
}

QScreen *Studio::findScreen(const QString &stored)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QList<studio::ScreenIdentity> ids;
    for (qsizetype i = 0; i < screens.size(); ++i)
        ids.append(studio::ScreenIdentity::of(screens.at(i), int(i + 1)));
    const qsizetype i = studio::matchScreen(stored, ids);
    return i >= 0 ? screens.at(i) : nullptr;
}

QString Studio::screenKey(const QScreen *screen)
{
    return studio::ScreenIdentity::of(screen, int(QGuiApplication::screens().indexOf(screen) + 1)).key();
}

QScreen *Studio::prompterScreen() const
{
    return m_prompter.picBack->screen();
}

void Studio::prompterPlaced()
{
    if (m_placed)
        return;
    m_placed = true;
    QScreen *talent = findScreen(m_options.talentScreen);
    if (talent && talent == prompterScreen() && QGuiApplication::screens().size() > 1 && m_prompter.moveOff) {
        qCDebug(lcStudio).noquote() << "prompter opened on the talent screen" << talent->name()
                                    << ": moved off";
        // The talent window opens once the prompter window has left (its screen change).
        m_prompter.moveOff(talent);
    }
    applyTalent();
}

void Studio::applyTalent()
{
    QScreen *screen = findScreen(m_options.talentScreen);
    // Until the prompter's own screen is known, a talent window could open over it.
    if (!m_placed)
        return;
    const bool own = screen && screen == prompterScreen();
    if (m_prompter.notice)
        m_prompter.notice(own ? tr("Talent screen closed: the prompter window is on its screen, %1. "
                                   "It opens again on another.")
                                    .arg(screen->name())
                              : QString());
    // The choice stays: once the prompter is on another screen, the talent window opens there.
    if (!screen || own) {
        if (!m_options.talentScreen.isEmpty())
            qCDebug(lcStudio).noquote() << "no talent screen:" << m_options.talentScreen
                                        << (screen ? "is the prompter's screen" : "is not connected");
        delete m_talent;
        return;
    }
    if (!m_talent) {
        m_talent = new ScriptPicture(m_prompter.picBack, m_prompter.rtDoc, m_prompter.band);
        m_talent->setObjectName(QStringLiteral("frmTalent"));
        m_talent->setWindowTitle(tr("Talent screen"));
        m_talent->setAccessibleName(tr("Talent screen"));
        m_talent->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        m_talent->setAttribute(Qt::WA_ShowWithoutActivating);
        m_talent->setCursor(Qt::BlankCursor);
        m_talent->onKey = [this](QKeyEvent *event) { talentKey(event); };
        m_talent->installEventFilter(this);
    }
    m_talent->setMirror(m_options.mirrorTalent, m_options.flipTalent);
    m_talent->setCountdown(countdownShowing());
    m_talent->setMessage(m_message);
    m_talent->setMessageBelow(m_options.messageBelow);
    m_talent->setClock(m_clock, m_clockColor);
    if (m_talent->screen() != screen || !m_talent->isVisible()) {
        m_talent->hide();
        // The geometry first: a screen is also chosen by where a window lies.
        m_talent->setGeometry(screen->geometry());
        m_talent->setScreen(screen);
        qCDebug(lcStudio).noquote() << "talent screen on" << screen->name() << screen->geometry();
        m_talent->showFullScreen();
        if (QWindow *handle = m_talent->windowHandle(); handle && handle->screen() != screen)
            handle->setScreen(screen);
    }
}

void Studio::talentKey(QKeyEvent *event)
{
    // Keys on the talent screen drive the prompter (it may hold the focus), but Esc there only
    // closes it: whoever pressed it may not see the prompter to know the program would go.
    if (event->key() == Qt::Key_Escape)
        m_talent->close();
    else if (m_prompter.key)
        m_prompter.key(event);
}

// Closed by Esc or by the window manager: off for this run, while the stored choice stays.
void Studio::talentClosed()
{
    if (!m_talent || m_talent->isVisible())
        return;
    StudioOptions o = m_options;
    o.talentScreen.clear();
    setOptions(o);
}

void Studio::applyMirror()
{
    if (!m_options.mirrorPrompter) {
        delete m_mirror;
    } else if (!m_mirror) {
        // Opaque, in front of the script view: the view beneath is not painted while it is covered.
        m_mirror =
            new ScriptPicture(m_prompter.picBack, m_prompter.rtDoc, m_prompter.band, m_prompter.picBack);
        m_mirror->setObjectName(QStringLiteral("picMirror"));
        m_mirror->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_mirror->setMirror(true, false);
        m_mirror->setClock(m_clock, m_clockColor);
        placeOverPrompter();
        m_mirror->show();
    }
    m_overlay->setMirror(m_options.mirrorPrompter);
    m_overlay->setMessageBelow(m_options.messageBelow);
    m_overlay->raise();
}

void Studio::placeOverPrompter()
{
    const QRect r = studio::visibleRect(m_prompter.picBack);
    if (m_mirror) {
        m_mirror->setGeometry(r);
        m_mirror->raise();
    }
    if (m_overlay->isVisible()) {
        m_overlay->setGeometry(r);
        m_overlay->raise();
    }
}

bool Studio::holdStart(bool clockRunning)
{
    if (m_countdown.active())
        return true; // Start again while counting: the count goes on
    if (clockRunning || m_options.countdownSeconds <= 0)
        return false;
    m_countdown.begin(m_platform.timeGetTime(), m_options.countdownSeconds);
    qCDebug(lcStudio) << "countdown of" << m_options.countdownSeconds << "s begun";
    showNumber();
    m_countdownTimer->start(1000);
    return true;
}

void Studio::cancelCountdown()
{
    if (!m_countdown.active())
        return;
    m_countdown.cancel();
    m_countdownTimer->stop();
    qCDebug(lcStudio) << "countdown cancelled";
    showNumber();
}

int Studio::countdownShowing() const
{
    return m_countdown.showing(m_platform.timeGetTime());
}

void Studio::countdownTick()
{
    if (!m_countdown.active())
        return;
    const quint32 now = m_platform.timeGetTime();
    if (m_countdown.over(now)) {
        const quint32 end = m_countdown.end();
        m_countdown.cancel();
        m_countdownTimer->stop();
        qCDebug(lcStudio) << "countdown over: the clock starts";
        showNumber();
        if (m_prompter.startClock)
            m_prompter.startClock(end);
        return;
    }
    showNumber();
    // Wake once per shown second, at the moment the number changes.
    const quint32 intoSecond =
        (now - (m_countdown.end() - 1000u * quint32(m_countdown.showing(now)))) % 1000u;
    m_countdownTimer->start(int(1000u - intoSecond));
}

void Studio::showNumber()
{
    const int n = countdownShowing();
    m_overlay->setNumber(n);
    if (n > 0)
        placeOverPrompter();
    if (m_talent)
        m_talent->setCountdown(n);
}

void Studio::setMessage(const QString &text)
{
    m_message = text;
    m_overlay->setMessage(text);
    if (!text.isEmpty())
        placeOverPrompter();
    if (m_talent)
        m_talent->setMessage(text);
}

void Studio::setClock(const QString &text, const QColor &color)
{
    m_clock = text;
    m_clockColor = color;
    if (m_talent)
        m_talent->setClock(text, color);
    if (m_mirror)
        m_mirror->setClock(text, color);
}

void Studio::fillMenu(QMenu &menu)
{
    menu.clear();
    QMenu *screens = menu.addMenu(tr("&Talent screen"));
    screens->setObjectName(QStringLiteral("mnuTalentScreen"));
    auto *screenGroup = new QActionGroup(screens);
    auto addScreen = [&](const QString &text, const QString &value) {
        QAction *a = screens->addAction(text);
        a->setCheckable(true);
        a->setChecked(m_options.talentScreen == value ||
                      (!value.isEmpty() && findScreen(m_options.talentScreen) == findScreen(value)));
        a->setActionGroup(screenGroup);
        connect(a, &QAction::triggered, this, [this, value] {
            StudioOptions o = m_options;
            o.talentScreen = value;
            setOptions(o);
            // Stored even when only closed for this run: Off chosen after Esc must last.
            if (m_settings.talentScreen() != value)
                m_settings.setTalentScreen(value);
        });
        return a;
    };
    const QList<QScreen *> all = QGuiApplication::screens();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QSize size = all.at(i)->geometry().size();
        const bool own = all.at(i) == prompterScreen();
        const QString text =
            (own ? tr("&%1: %2 (%3 × %4) – the prompter's own screen") : tr("&%1: %2 (%3 × %4)"))
                .arg(i + 1)
                .arg(escapedForMenu(all.at(i)->name()))
                .arg(size.width())
                .arg(size.height());
        addScreen(text, screenKey(all.at(i)))->setEnabled(!own);
    }
    addScreen(tr("&Off", "no talent screen"), QString());

    auto addFlag = [&](const QString &text, bool StudioOptions::*member) {
        QAction *a = menu.addAction(text);
        a->setCheckable(true);
        a->setChecked(m_options.*member);
        connect(a, &QAction::triggered, this, [this, member](bool on) {
            StudioOptions o = m_options;
            o.*member = on;
            setOptions(o, true);
        });
    };
    addFlag(tr("&Mirror talent screen"), &StudioOptions::mirrorTalent);
    addFlag(tr("&Flip talent screen vertically"), &StudioOptions::flipTalent);
    addFlag(tr("Mirror &prompter"), &StudioOptions::mirrorPrompter);
    addFlag(tr("&Jump to the reading line"), &StudioOptions::jumpToReadingLine);
    addFlag(tr("Message &below the reading line"), &StudioOptions::messageBelow);

    QMenu *countdown = menu.addMenu(tr("&Countdown"));
    countdown->setObjectName(QStringLiteral("mnuCountdown"));
    auto *countGroup = new QActionGroup(countdown);
    for (int seconds : kCountdownChoices) {
        // The last digit is the accelerator: 3, 5 and 0 for ten.
        QString number = QString::number(seconds);
        number.insert(number.size() - 1, QLatin1Char('&'));
        QAction *a = countdown->addAction(seconds == 0 ? tr("&Off", "no countdown") : tr("%1 s").arg(number));
        a->setCheckable(true);
        a->setChecked(m_options.countdownSeconds == seconds);
        a->setActionGroup(countGroup);
        connect(a, &QAction::triggered, this, [this, seconds] {
            StudioOptions o = m_options;
            o.countdownSeconds = seconds;
            setOptions(o, true);
        });
    }
    if (m_prompter.moreItems)
        m_prompter.moreItems(menu);
}

void Studio::screenRemoved(QScreen *screen)
{
    if (m_talent && (m_talent->screen() == screen || findScreen(m_options.talentScreen) == screen))
        delete m_talent;
}

bool Studio::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_prompter.picBack) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Move:
            placeOverPrompter();
            break;
        case QEvent::ScreenChangeInternal:
            applyTalent(); // the prompter moved onto the talent screen, or away from it
            break;
        case QEvent::ContextMenu:
            popupMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        default:
            break;
        }
    } else if (qobject_cast<ScriptPicture *>(watched)) {
        // Asked of the object, not compared with m_talent: while the window is destroyed it is no
        // longer a ScriptPicture, and its pointer must not be read as one.
        if (event->type() == QEvent::ContextMenu) {
            popupMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        if (event->type() == QEvent::Close) // the window is still in its close: end it afterwards
            QMetaObject::invokeMethod(this, &Studio::talentClosed, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void Studio::popupMenu(const QPoint &globalPos)
{
    // Owned by the prompter, never by the talent window: a choice may close that window.
    auto *menu = new QMenu(m_prompter.picBack);
    menu->setObjectName(QStringLiteral("mnuStudio"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    fillMenu(*menu);
    menu->popup(globalPos);
}
