// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ScriptWindow.h"
#include "documents/Cues.h"
#include "documents/ScriptLines.h"
#include "scroll/ScriptView.h"
#include "scroll/ScrollEngine.h"
#include "scroll/TwipUnits.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QTextDocument>

// A prompter window without a window: the script is a document laid out at a width, the viewport a
// height, the reading line a third of the way down it, one line tall, the type large.
class FakeScriptWindow final : public ScriptView, public ScriptWindow
{
public:
    FakeScriptWindow(int width, int height)
    {
        doc.setDocumentMargin(0);
        QFont large = doc.defaultFont(); // read from across a studio
        large.setPointSize(28);
        doc.setDefaultFont(large);
        resize(width, height);
    }
    void resize(int width, int height)
    {
        doc.setTextWidth(width);
        viewport = twips::fromPixels(height);
    }

    QTextDocument doc;
    float viewport = 0;
    float top = 0;
    int shownY = 0;
    float presented = 0; // pixels down the viewport, with the fraction each frame shows
    Heard heard;
    bool marking = false;
    CMarkers marks;

    float scriptTop() const override { return top; }
    void setScriptTop(float t) override
    {
        top = t;
        shownY = twips::toPixels(t);
    }
    float scriptHeight() const override
    {
        const ScriptLines lines(script());
        return scroll::measure(fontLineHeight(), lines.lineOf(lines.textLength()), viewport).viewHeight;
    }
    float viewportHeight() const override { return viewport; }
    float readingLineTop() const override { return viewport / 3; }
    float readingLineHeight() const override { return fontLineHeight(); }
    // The pitch the document lays its lines out at, as the window measures its font's.
    float fontLineHeight() const override
    {
        const ScriptLines lines(script());
        const QRectF first = lines.lineRect(0);
        const int second = lines.lineSpan(0).next;
        const double pitch =
            second < lines.textLength() ? lines.lineRect(second).top() - first.top() : first.height();
        return float(pitch) * twips::kPerPixel;
    }
    void keepScriptTop(float t) override { top = t; }
    int shownScriptY() const override { return shownY; }
    void showScriptAt(int y) override { shownY = y; }
    void presentScript(int y, float fraction) override
    {
        presented = float(y) + fraction;
        ScriptView::presentScript(y, fraction);
    }
    double refreshRate() const override { return 60; }

    void hear(Heard h) override { heard = std::move(h); }
    const QTextDocument &script() const override
    {
        doc.documentLayout()->documentSize(); // the layout is lazy, and line numbers count every line
        return doc;
    }
    void setScript(const QString &text, const std::function<void(QTextDocument &)> &dress) override
    {
        doc.setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        if (dress)
            dress(doc);
    }
    void markCues(bool hidden) override { cues::mark(doc, hidden); }
    QByteArray scriptRtf() const override { return {}; }
    std::optional<QString> takeRichScript(const QByteArray &) override
    {
        return QStringLiteral("no RTF here");
    }
    appearance::Appearance shownAppearance(qint32 scriptColor) const override
    {
        appearance::Appearance a;
        a.lForeColor = scriptColor;
        return a;
    }
    void applyAppearance(const appearance::Appearance &) override {}
    void showAppearance(const appearance::Appearance &) override {}
    void warn(const QString &) override {}
    bool markMode() const override { return marking; }
    const CMarkers &markers() const override { return marks; }
    void markModeAction(const QString &) override {}
    void enterMarkMode() override
    {
        marking = true;
        heard.markModeChanged(true);
    }
    void jumpToMarker() override {}
    void unmarkText() override {}
    void clearAllMarkers() override {}
    int pickMarker(const QString &) override { return -1; }
    bool jumpTo(int index) override { return bool(marks.Item(index)); }
    bool markPassage(int, int) override { return false; }
    bool unmark(int) override { return false; }
    void replaceMarkers(const CMarkers &) override {}
    void reapplyMarkerHighlights() override {}
    void showMirrorAt(float) override {}
    void openScript(const QString &) override {}
    void cancelOpening() override {}
};
