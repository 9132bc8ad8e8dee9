// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keys/KeyMap.h"

#include <QDialog>

#include <array>
#include <optional>

class QKeySequenceEdit;
class QLabel;
class QPushButton;
class QTableWidget;

// The Keys page: every command with its keys, up to three each. A key another command holds is
// refused and the page says by whom; only OK hands the keys over, as `chosen`.
class dlgKeys : public QDialog
{
    Q_OBJECT

public:
    explicit dlgKeys(const keys::KeyMap &map, QWidget *parent = nullptr);

    QTableWidget *tblKeys = nullptr;
    std::array<QKeySequenceEdit *, keys::KeyMap::kMostKeys> txtKey{};
    QLabel *lblRefused = nullptr;
    QPushButton *cmdDefaults = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

    std::optional<keys::KeyMap> chosen;

    // The selected command takes the keys the fields now hold; when refused, the fields show its
    // keys as they were and lblRefused says why.
    bool takeKeys();

private:
    void fillTable();
    void showRow(int row);
    void showSelected();

    keys::KeyMap m_map;
    bool m_filling = false;
};
