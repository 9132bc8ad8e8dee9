// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/CueWatch.h"

#include "core/PrompterCore.h"
#include "scroll/ScriptView.h"
#include "scroll/TwipUnits.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <utility>

CueWatch::CueWatch(PrompterCore &core, ScriptView &view, QObject *parent)
    : QObject(parent), m_core(core), m_view(view), m_doc(nullptr)
{
    connect(&core, &PrompterCore::positionChanged, this, &CueWatch::moved);
    connect(&core, &PrompterCore::scriptChanged, this, &CueWatch::reload);
    connect(&core, &PrompterCore::relaid, this, &CueWatch::relaid);
    connect(&core, &PrompterCore::runningChanged, this, [this](bool on) {
        if (on)
            fireHead();
    });
    reload();
}

void CueWatch::watchDocument()
{
    if (m_doc)
        return;
    m_doc = m_core.document();
    // A new text is told after it was laid out and moved: until then the cues known are the old ones.
    connect(m_doc, &QTextDocument::contentsChanged, this, [this] { m_stale = true; });
    connect(m_doc, &QObject::destroyed, this, [this] {
        m_doc = nullptr;
        m_stale = true;
    });
}

int CueWatch::story() const
{
    return m_storyOf ? m_storyOf(m_block) : 1;
}

double CueWatch::readingY() const
{
    return double(m_view.readingLineTop() + m_view.readingLineHeight() / 2 - m_view.scriptTop()) /
           twips::kPerPixel;
}

int CueWatch::blockAt(double y)
{
    QAbstractTextDocumentLayout *layout = m_doc->documentLayout();
    const int hit = layout->hitTest(QPointF(0, std::max(0.0, y)), Qt::FuzzyHit);
    const QTextBlock block = m_doc->findBlock(std::max(0, hit));
    const QRectF r = layout->blockBoundingRect(block);
    m_top = r.top();
    // The last paragraph reaches on below the script: the line stays on it.
    m_bottom = block.next().isValid() ? r.bottom() : HUGE_VAL;
    return block.blockNumber();
}

void CueWatch::fireHead()
{
    if (!std::exchange(m_head, false))
        return;
    // The presenter reads what stands above the line at the top first: its cues go in order.
    for (qsizetype i = 0; i < m_cues.size(); ++i) {
        if (m_cues.at(i).block > m_block || m_fired[i])
            continue;
        m_fired[i] = true;
        if (!m_core.following())
            Q_EMIT fired(m_cues.at(i), m_storyOf ? m_storyOf(m_cues.at(i).block) : 1);
    }
}

void CueWatch::moved()
{
    if (m_stale || !m_doc)
        return reload();
    if (m_head && m_view.scriptTop() < 0) {
        // Moved off the top by hand: what stood above the line was skipped, as a jump skips.
        m_head = false;
        for (qsizetype i = 0; i < m_cues.size(); ++i)
            m_fired[i] = m_fired[i] || m_cues.at(i).block <= m_block;
    }
    const double y = readingY();
    const double from = std::exchange(m_lastY, y);
    if (y >= m_top && y < m_bottom)
        return;
    const int before = m_block;
    m_block = blockAt(y);
    if (m_block == before)
        return;
    const bool jump = std::abs(y - from) > m_view.viewportHeight() / twips::kPerPixel;
    const bool fires = !jump && !m_core.following();
    for (qsizetype i = 0; i < m_cues.size(); ++i) {
        const int at = m_cues.at(i).block;
        if (at > m_block) {
            m_fired[i] = false; // the line is above it again: the next pass fires it
        } else if (at > before && !m_fired[i]) {
            m_fired[i] = true;
            if (fires)
                Q_EMIT fired(m_cues.at(i), story());
        }
    }
    Q_EMIT blockChanged(m_block);
}

void CueWatch::reload()
{
    watchDocument();
    m_stale = false;
    m_cues = cues::list(*m_doc);
    m_fired.assign(m_cues.size(), false);
    // Where a new script stands is where its reading begins: what lies above the line is not passed,
    // unless it stands at its top, where the first Start reads it.
    m_lastY = readingY();
    m_block = blockAt(m_lastY);
    m_head = m_view.scriptTop() >= 0;
    for (qsizetype i = 0; i < m_cues.size(); ++i)
        m_fired[i] = !m_head && m_cues.at(i).block <= m_block;
    Q_EMIT blockChanged(m_block);
}

void CueWatch::relaid()
{
    if (m_stale || !m_doc)
        return reload();
    // Paragraphs lie elsewhere at a new width: where the line is now is no move of the script.
    m_lastY = readingY();
    const int before = std::exchange(m_block, blockAt(m_lastY));
    for (qsizetype i = 0; i < m_cues.size(); ++i) {
        if (m_cues.at(i).block > m_block)
            m_fired[i] = false;
        else if (m_cues.at(i).block > before && !m_head)
            m_fired[i] = true;
    }
    Q_EMIT blockChanged(m_block);
}
