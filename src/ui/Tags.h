// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// Free text kept beside a control's visible content.
namespace tags {
QString tag(const QWidget *w);
void setTag(QWidget *w, const QString &text);
} // namespace tags
