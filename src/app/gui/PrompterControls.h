// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ScriptWindow.h"

#include <QObject>

class Dialogs;
class Marking;
class QLabel;
class QLineEdit;
class QWidget;
class RichTextView;
class ScriptOpener;

// The prompter window's controls as the run sees them: the script view and its mark-mode mirror, the
// reading line, the mark panel, the word count, and the window's dialogs.
class PrompterControls : public QObject, public ScriptWindow
{
    Q_OBJECT

public:
    struct Controls
    {
        QWidget *window = nullptr;
        RichTextView *rtDoc = nullptr;
        RichTextView *rtMirror = nullptr;
        QWidget *picBack = nullptr;
        QWidget *picLine = nullptr;
        QWidget *picMark = nullptr;
        QWidget *picPanel = nullptr;
        QLineEdit *txtFocus = nullptr;
        QLabel *lblWords = nullptr;
        QLabel *lblHeightFinder = nullptr;
    };
    struct Hooks
    {
        std::function<void()> lineMoved;     // the reading line's band must follow the script view
        std::function<bool()> fullScreen;    // the window shows no panel
        std::function<bool()> toReadingLine; // Jump To puts the line on the reading line
        std::function<qint32()> scriptColor; // what unmarked text is coloured in
    };

    PrompterControls(Dialogs &dialogs, Controls controls, Hooks hooks);
    ~PrompterControls() override;

    Marking &marking() const { return *m_marking; }
    ScriptOpener &opener() const { return *m_opener; }

    void hear(Heard heard) override;
    const QTextDocument &script() const override;
    int lineCount() const override;
    void setScript(const QString &text, const std::function<void(QTextDocument &)> &dress) override;
    void prepareScript(const QString &text, const std::function<void(QTextDocument &)> &dress, bool hideCues,
                       const std::function<void()> &showing, Shown shown) override;
    void prepareRichScript(const QByteArray &rtf, bool hideCues, Shown shown, Refused refused) override;
    // The program prepares scripts on a worker thread; tests, on their own, before prepareScript() returns.
    static void setPrepareAway(bool on);
    void markCues(bool hidden) override;
    QByteArray scriptRtf() const override;
    std::optional<QString> takeRichScript(const QByteArray &rtf) override;
    appearance::Appearance shownAppearance(qint32 scriptColor) const override;
    void applyAppearance(const appearance::Appearance &a) override;
    void showAppearance(const appearance::Appearance &a) override;
    void warn(const QString &text) override;
    bool markMode() const override;
    const CMarkers &markers() const override;
    void markModeAction(const QString &sAction) override;
    void enterMarkMode() override;
    void jumpToMarker() override;
    void unmarkText() override;
    void clearAllMarkers() override;
    int pickMarker(const QString &caption) override;
    bool jumpTo(int index) override;
    bool markPassage(int start, int length) override;
    bool unmark(int index) override;
    void replaceMarkers(const CMarkers &markers) override;
    void reapplyMarkerHighlights() override;
    void showMirrorAt(float top) override;
    void openScript(const QString &path) override;
    void cancelOpening() override;

Q_SIGNALS:
    // Opening a file has ended: its script shows, a message was shown, or it was cancelled.
    void openingEnded();

protected:
    void customEvent(QEvent *event) override;

private:
    struct Prepared;
    // Makes a document with `fill` (which says why it refuses one), lays it out at the view's shape and
    // shows it: on a worker, or here in tests.
    void prepare(std::function<QString(Prepared &)> fill, const std::function<void()> &showing, Shown shown,
                 Refused refused);
    void showPrepared(quint64 request, Prepared &prepared, const std::function<void()> &showing,
                      const Shown &shown, const Refused &refused);
    void newRequest(); // the script being prepared, if any, will not show

    Dialogs &m_dialogs;
    Controls m_c;
    Heard m_heard;
    Marking *m_marking;
    ScriptOpener *m_opener;
    quint64 m_request = 0;      // the latest script asked for; one prepared for an earlier one is dropped
    bool m_preparing = false;   // the latest is being prepared away from the window's thread
    bool m_endDeferred = false; // the opening ends when the script it read shows
};
