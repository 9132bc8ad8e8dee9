// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keys/gui/dlgKeys.h"

#include "ui/Colors.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

dlgKeys::dlgKeys(const keys::KeyMap &map, QWidget *parent) : QDialog(parent), m_map(map)
{
    setObjectName(QStringLiteral("dlgKeys"));
    setWindowTitle(tr("Keys"));

    tblKeys = new QTableWidget(0, 1 + keys::KeyMap::kMostKeys, this);
    tblKeys->setObjectName(QStringLiteral("tblKeys"));
    tblKeys->setAccessibleName(tr("Commands and their keys"));
    tblKeys->setHorizontalHeaderLabels({tr("Command"), tr("Key"), tr("Key"), tr("Key")});
    tblKeys->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tblKeys->verticalHeader()->hide();
    tblKeys->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblKeys->setSelectionMode(QAbstractItemView::SingleSelection);
    tblKeys->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto *fields = new QFormLayout;
    for (std::size_t i = 0; i < txtKey.size(); ++i) {
        QKeySequenceEdit *edit = new QKeySequenceEdit(this);
        edit->setObjectName(QStringLiteral("txtKey%1").arg(i + 1));
        edit->setClearButtonEnabled(true);
        edit->setAccessibleName(tr("Key %1").arg(i + 1));
        // A key is one press: the first one recorded is taken at once.
        connect(edit, &QKeySequenceEdit::keySequenceChanged, this, [this, edit](const QKeySequence &keys) {
            if (m_filling)
                return;
            if (!keys.isEmpty()) {
                takeKeys();
                return;
            }
            // The field empties itself as it starts to record a press: the key it held is given up
            // only if no new key follows (the clear button), so that a refused key leaves it as it was.
            QTimer::singleShot(0, this, [this, edit] {
                if (edit->keySequence().isEmpty() && !m_filling)
                    takeKeys();
            });
        });
        connect(edit, &QKeySequenceEdit::editingFinished, this, &dlgKeys::showSelected);
        fields->addRow(tr("Key %1:").arg(i + 1), edit);
        txtKey[i] = edit;
    }

    lblRefused = new QLabel(this);
    lblRefused->setObjectName(QStringLiteral("lblRefused"));
    lblRefused->setWordWrap(true);
    colors::setForeColor(lblRefused, colors::rgb(0xC0, 0x00, 0x00));

    auto *buttons = new QDialogButtonBox(this);
    cmdDefaults = buttons->addButton(tr("&Defaults"), QDialogButtonBox::ResetRole);
    cmdDefaults->setObjectName(QStringLiteral("cmdDefaults"));
    cmdOk = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdDefaults, &QPushButton::clicked, this, [this] {
        m_map.restoreDefaults();
        lblRefused->clear();
        fillTable();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        chosen = m_map;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tblKeys, 1);
    layout->addLayout(fields);
    layout->addWidget(lblRefused);
    layout->addWidget(buttons);
    resize(560, 620);

    connect(tblKeys, &QTableWidget::itemSelectionChanged, this, [this] {
        lblRefused->clear();
        showSelected();
    });
    fillTable();
    tblKeys->selectRow(0);
}

void dlgKeys::fillTable()
{
    const QList<keys::Binding> &bindings = m_map.bindings();
    tblKeys->setRowCount(int(bindings.size()));
    for (int row = 0; row < int(bindings.size()); ++row) {
        for (int column = 0; column <= keys::KeyMap::kMostKeys; ++column) {
            if (!tblKeys->item(row, column))
                tblKeys->setItem(row, column, new QTableWidgetItem);
        }
        showRow(row);
    }
    tblKeys->resizeColumnsToContents();
    showSelected();
}

void dlgKeys::showRow(int row)
{
    const keys::Binding &b = m_map.bindings()[row];
    tblKeys->item(row, 0)->setText(keys::verbLabel(b.verb));
    for (int k = 0; k < keys::KeyMap::kMostKeys; ++k) {
        tblKeys->item(row, 1 + k)
            ->setText(k < b.keys.size() ? QKeySequence(b.keys[k]).toString(QKeySequence::NativeText)
                                        : QString());
    }
}

void dlgKeys::showSelected()
{
    const int row = tblKeys->currentRow();
    const QList<QKeyCombination> keys =
        row >= 0 && row < m_map.bindings().size() ? m_map.bindings()[row].keys : QList<QKeyCombination>{};
    m_filling = true;
    for (std::size_t i = 0; i < txtKey.size(); ++i) {
        txtKey[i]->setEnabled(row >= 0);
        txtKey[i]->setKeySequence(qsizetype(i) < keys.size() ? QKeySequence(keys[i]) : QKeySequence());
    }
    m_filling = false;
}

bool dlgKeys::takeKeys()
{
    const int row = tblKeys->currentRow();
    if (row < 0 || row >= m_map.bindings().size())
        return false;
    QList<QKeyCombination> keys;
    for (QKeySequenceEdit *edit : txtKey) {
        if (!edit->keySequence().isEmpty())
            keys << edit->keySequence()[0];
    }
    QString why;
    const bool taken = m_map.setKeys(m_map.bindings()[row].verb, keys, &why);
    lblRefused->setText(why);
    if (taken)
        showRow(row);
    else
        showSelected();
    return taken;
}
