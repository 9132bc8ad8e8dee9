// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/PageTexts.h"

#include "common/Translations.h"

#include <QCoreApplication>

namespace remote {
namespace {

// Written into the page as it is served, rather than fetched by the script, so that the page shows
// them before its script runs and asks for nothing more; the script takes the words it switches to
// from data-text-* attributes.
struct PageText
{
    const char *name;
    const char *text;
    bool unbroken = false; // the sign keeps to its word: a narrow button never leaves "−" alone
};
constexpr PageText kTexts[] = {
    {"title", QT_TRANSLATE_NOOP("remote::Page", "Cuescroll remote")},
    {"connecting", QT_TRANSLATE_NOOP("remote::Page", "Connecting…")},
    {"connected", QT_TRANSLATE_NOOP("remote::Page", "Connected")},
    {"offline", QT_TRANSLATE_NOOP("remote::Page", "Offline – reconnecting…")},
    {"scanAgain", QT_TRANSLATE_NOOP("remote::Page", "Cut off")},
    {"running", QT_TRANSLATE_NOOP("remote::Page", "Running")},
    {"stopped", QT_TRANSLATE_NOOP("remote::Page", "Stopped")},
    {"speed", QT_TRANSLATE_NOOP("remote::Page", "Speed")},
    {"toGo", QT_TRANSLATE_NOOP("remote::Page", "To go")},
    {"words", QT_TRANSLATE_NOOP("remote::Page", "Words")},
    {"start", QT_TRANSLATE_NOOP("remote::Page", "Start")},
    {"stop", QT_TRANSLATE_NOOP("remote::Page", "Stop")},
    {"pageBack", QT_TRANSLATE_NOOP("remote::Page", "Page back")},
    {"lineBack", QT_TRANSLATE_NOOP("remote::Page", "Line back")},
    {"reset", QT_TRANSLATE_NOOP("remote::Page", "Reset")},
    {"pageForward", QT_TRANSLATE_NOOP("remote::Page", "Page fwd")},
    {"lineForward", QT_TRANSLATE_NOOP("remote::Page", "Line fwd")},
    {"fullScreen", QT_TRANSLATE_NOOP("remote::Page", "Full screen")},
    {"slower", QT_TRANSLATE_NOOP("remote::Page", "− Slower"), true},
    {"faster", QT_TRANSLATE_NOOP("remote::Page", "+ Faster"), true},
    // The direction button names the way it turns the script to.
    {"reverse", QT_TRANSLATE_NOOP("remote::Page", "Reverse")},
    {"forward", QT_TRANSLATE_NOOP("remote::Page", "Forward")},
    {"markers", QT_TRANSLATE_NOOP("remote::Page", "Markers")},
    {"noMarkers", QT_TRANSLATE_NOOP("remote::Page", "No markers.")},
    {"message", QT_TRANSLATE_NOOP("remote::Page", "Message to the presenter")},
    {"messagePlaceholder", QT_TRANSLATE_NOOP("remote::Page", "Wrap up")},
    {"send", QT_TRANSLATE_NOOP("remote::Page", "Send")},
    {"clear", QT_TRANSLATE_NOOP("remote::Page", "Clear")},
    {"show", QT_TRANSLATE_NOOP("remote::Page", "Show")},
    {"storyToGo", QT_TRANSLATE_NOOP("remote::Page", "Story to go")},
    {"showToGo", QT_TRANSLATE_NOOP("remote::Page", "Show to go")},
    {"overUnder", QT_TRANSLATE_NOOP("remote::Page", "Under / over")},
    {"prevStory", QT_TRANSLATE_NOOP("remote::Page", "Prev story")},
    {"nextStory", QT_TRANSLATE_NOOP("remote::Page", "Next story")},
    {"tokenInvalid",
     QT_TRANSLATE_NOOP("remote::Page", "The page's token is not valid any more: scan the code again.")},
};

} // namespace

QByteArray localizePage(QByteArray html)
{
    for (const PageText &t : kTexts) {
        QString text = QCoreApplication::translate("remote::Page", t.text);
        if (const qsizetype blank = text.indexOf(QLatin1Char(' ')); t.unbroken && blank >= 0)
            text[blank] = QChar(QChar::Nbsp);
        const QByteArray placeholder = QByteArray("{{") + t.name + "}}";
        html.replace(placeholder, text.toHtmlEscaped().toUtf8());
    }
    const QString language = translations::language();
    html.replace("{{lang}}", language.isEmpty() ? QByteArray("en") : language.toLatin1().replace('_', '-'));
    return html;
}

} // namespace remote
