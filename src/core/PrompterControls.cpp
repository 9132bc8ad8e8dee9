// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PrompterControls.h"

#include "documents/Cues.h"
#include "editor/ScriptFile.h"
#include "editor/ScriptOpener.h"
#include "markers/Marking.h"
#include "settings/dlgOptions.h" // the look as the script view and the line show it
#include "ui/Colors.h"
#include "ui/Dialogs.h"
#include "ui/RichTextView.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QLabel>

#include <algorithm>

PrompterControls::PrompterControls(Dialogs &dialogs, Controls controls, Hooks hooks)
    : QObject(controls.window), m_dialogs(dialogs), m_c(controls)
{
    Marking::Controls mc{m_c.rtDoc,   m_c.rtMirror, m_c.picBack,  m_c.picLine,
                         m_c.picMark, m_c.picPanel, m_c.txtFocus, m_c.lblHeightFinder};
    Marking::Hooks mh;
    mh.lineMoved = std::move(hooks.lineMoved);
    mh.fullScreen = std::move(hooks.fullScreen);
    mh.toReadingLine = std::move(hooks.toReadingLine);
    mh.scriptColor = std::move(hooks.scriptColor);
    m_marking = new Marking(dialogs, mc, std::move(mh), m_c.window);
    connect(m_marking, &Marking::markModeChanged, this, [this](bool on) { m_heard.markModeChanged(on); });
    connect(m_marking, &Marking::markersChanged, this, [this] { m_heard.markersChanged(); });
    connect(m_marking, &Marking::jumped, this, [this] { m_heard.jumped(); });

    m_opener = new ScriptOpener(dialogs, {m_c.window, m_c.picBack, m_c.lblWords}, [this] {
        if (markMode())
            return QStringLiteral("marking a passage");
        return modalWindowOpen() ? QStringLiteral("a window is open") : QString();
    });
    connect(m_opener, &ScriptOpener::opening, this, [this] { m_heard.opening(); });
    connect(m_opener, &ScriptOpener::scriptRead, this,
            [this](const QString &text) { m_heard.scriptRead(text); });
}

PrompterControls::~PrompterControls() = default;

void PrompterControls::hear(Heard heard)
{
    m_heard = std::move(heard);
}

const QTextDocument &PrompterControls::script() const
{
    m_c.rtDoc->ensureLayout();
    return *m_c.rtDoc->document();
}

void PrompterControls::setScript(const QString &text, const std::function<void(QTextDocument &)> &dress)
{
    scriptfile::apply(*m_c.rtDoc, m_c.lblWords, text);
    if (dress)
        dress(*m_c.rtDoc->document());
}

void PrompterControls::markCues(bool hidden)
{
    cues::mark(*m_c.rtDoc->document(), hidden);
}

QByteArray PrompterControls::scriptRtf() const
{
    return m_c.rtDoc->TextRTF();
}

std::optional<QString> PrompterControls::takeRichScript(const QByteArray &rtf)
{
    const RichTextView::LoadResult r = m_c.rtDoc->loadTextRTF(rtf);
    if (!r.ok)
        return r.error;
    scriptfile::showWords(m_c.lblWords, m_c.rtDoc->Text());
    return std::nullopt;
}

appearance::Appearance PrompterControls::shownAppearance(qint32 scriptColor) const
{
    return appearance::of(*m_c.rtDoc, *m_c.picLine, scriptColor);
}

void PrompterControls::applyAppearance(const appearance::Appearance &a)
{
    appearance::apply(a, *m_c.rtDoc, *m_c.picLine);
    // The viewport shows below the end of the script: one background, not two.
    colors::setBackColor(m_c.picBack, m_c.rtDoc->BackColor());
}

void PrompterControls::showAppearance(const appearance::Appearance &a)
{
    m_c.rtDoc->setTag(QString::number(a.lForeColor));
    m_c.rtDoc->setBackColor(a.lBackColor);
    colors::setBackColor(m_c.picBack, a.lBackColor);
    colors::setBackColor(m_c.picLine, a.lLineColor);
}

bool PrompterControls::modalWindowOpen() const
{
    if (QApplication::activeModalWidget())
        return true;
    const QList<QWidget *> children = m_c.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(),
                       [](const QWidget *w) { return w->isWindow() && w->isVisible(); });
}

void PrompterControls::warn(const QString &text)
{
    m_dialogs.warning(m_c.window, m_c.window->windowTitle(), text);
}

bool PrompterControls::markMode() const
{
    return m_marking->markMode();
}

const CMarkers &PrompterControls::markers() const
{
    return m_marking->markers();
}

void PrompterControls::markModeAction(const QString &sAction)
{
    m_marking->MarkModeAction(sAction);
}

void PrompterControls::enterMarkMode()
{
    m_marking->EnterMarkMode();
}

void PrompterControls::jumpToMarker()
{
    m_marking->JumpToMarker();
}

void PrompterControls::unmarkText()
{
    m_marking->UnmarkText();
}

void PrompterControls::clearAllMarkers()
{
    m_marking->ClearAllMarkers();
}

int PrompterControls::pickMarker(const QString &caption)
{
    return m_marking->PickMarker(caption);
}

bool PrompterControls::jumpTo(int index)
{
    return m_marking->JumpTo(index);
}

bool PrompterControls::markPassage(int start, int length)
{
    return m_marking->MarkPassage(start, length);
}

bool PrompterControls::unmark(int index)
{
    return m_marking->Unmark(index);
}

void PrompterControls::replaceMarkers(const CMarkers &markers)
{
    m_marking->ReplaceMarkers(markers);
}

void PrompterControls::reapplyMarkerHighlights()
{
    m_marking->ReapplyMarkerHighlights();
}

void PrompterControls::showMirrorAt(float top)
{
    twips::setTop(m_c.rtMirror, top);
}

void PrompterControls::openScript(const QString &path)
{
    m_opener->OpenScript(path);
}

void PrompterControls::cancelOpening()
{
    m_opener->CancelOpening();
}
