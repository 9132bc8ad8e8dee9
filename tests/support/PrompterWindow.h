// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "app/frmMain.h"
#include "settings/modSettings.h"
#include "ui/RichTextView.h"

#include <QColor>
#include <QFile>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

// Each prompter test starts from its own settings store, a fresh clock and dialogs, and no site file.
inline void startFresh(std::unique_ptr<IsolatedSettings> &settings, FakePlatform &platform,
                       FakeDialogs &dialogs, const QTemporaryDir &siteDir)
{
    settings = std::make_unique<IsolatedSettings>();
    platform = FakePlatform();
    dialogs = FakeDialogs();
    modSettings::setIniFilePath(siteDir.filePath(QStringLiteral("Settings.ini")));
    QFile::remove(modSettings::iniFilePath());
}

// The prompter as the operator first sees it: on screen at `size`, holding `script` (none when it is
// empty), laid out at that size.
inline std::unique_ptr<frmMain> showPrompter(Platform &platform, Dialogs &dialogs, const QString &script,
                                             QSize size = QSize(1000, 700))
{
    auto w = std::make_unique<frmMain>(platform, dialogs);
    if (!script.isEmpty())
        w->rtDoc->setText(script);
    w->resize(size);
    w->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(w.get());
    w->Form_Resize();
    return w;
}

// Colour of the character at a position as Text() counts it (line ends are two characters there).
inline QColor colourAt(const RichTextView *view, int textPos)
{
    const QTextDocument *doc = view->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const int textStart = b.position() + b.blockNumber();
        if (textPos < textStart + b.length() - 1) {
            QTextCursor c(const_cast<QTextDocument *>(doc));
            c.setPosition(b.position() + textPos - textStart + 1);
            return c.charFormat().foreground().color();
        }
    }
    return {};
}
