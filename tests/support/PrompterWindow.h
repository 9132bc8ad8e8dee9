#pragma once

#include "FakePlatform.h"
#include "app/frmMain.h"
#include "ui/RichTextView.h"

#include <QSize>
#include <QTest>

#include <memory>

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
