// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "markers/CMarkers.h"
#include "markers/MarkerPlaces.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class Dialogs;
class QLabel;
class QLineEdit;
class QWidget;
class RichTextView;
class dlgSelectMarker;

// Mark mode and the marker procedures: marking a passage in a copy of the script view, unmarking,
// clearing and jumping to a marker.
class Marking : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        RichTextView *rtDoc = nullptr;
        RichTextView *rtMirror = nullptr;
        QWidget *picBack = nullptr;
        QWidget *picLine = nullptr;
        QWidget *picMark = nullptr;
        QWidget *picPanel = nullptr;
        QLineEdit *txtFocus = nullptr;
        QLabel *lblHeightFinder = nullptr;
    };
    struct Hooks
    {
        std::function<void()> lineMoved;     // the reading line's band must follow the view it lies on
        std::function<bool()> fullScreen;    // the window shows no panel
        std::function<bool()> toReadingLine; // Jump To puts the line on the reading line
        std::function<qint32()> scriptColor; // what unmarked text is coloured in
    };

    Marking(Dialogs &dialogs, Controls controls, Hooks hooks, QWidget *window);

    bool markMode() const { return bMarkMode; }
    const CMarkers &markers() const { return oMarkers; }

    // What mark mode does with an action while the mark panel is up.
    void MarkModeAction(const QString &sAction);
    void EnterMarkMode();
    void cmdMark_Click();
    void cmdCancel_Click();
    // Through the marker picker.
    void UnmarkText();
    // A passage marked, or marker `index` (1-based) removed, as another prompter's operator asked;
    // false when there is no such passage or marker.
    bool MarkPassage(qint32 start, qint32 length);
    bool Unmark(qint32 index);
    void ClearAllMarkers();
    void JumpToMarker();
    // Marker `index` (1-based) to the top of the view or the reading line; false when there is none.
    bool JumpTo(qint32 index);
    // Colours every marker still in the collection with the highlight again.
    void ReapplyMarkerHighlights();
    // Another prompter's markers instead of these, for the script it also sent.
    void ReplaceMarkers(const CMarkers &markers);
    // Shows the marker picker with sCaption on its select button: the chosen 1-based index, or -1.
    qint32 PickMarker(const QString &sCaption);

Q_SIGNALS:
    void markModeChanged(bool on);
    void markersChanged();
    // A jump moved the script view.
    void jumped();

private:
    struct PickedPassage
    {
        qint32 index = -1;
        markers::Passage passage;
    };
    std::optional<PickedPassage> passageOf(qint32 index) const;
    void setMarkMode(bool on);

    Dialogs &m_dialogs;
    Controls m_c;
    Hooks m_hooks;
    QWidget *m_window;
    bool bMarkMode = false;
    CMarkers oMarkers;
    QPointer<dlgSelectMarker> m_picker;
};
