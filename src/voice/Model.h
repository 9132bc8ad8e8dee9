// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "voice/ScriptWords.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryDir;

namespace voice {

// The recogniser's knowledge of one script: a trigram language model of its words and a dictionary
// of only those words, in files of a temporary folder that lives as long as the model.
struct Model
{
    std::shared_ptr<QTemporaryDir> dir;
    QString languageModel; // ARPA text
    QString dictionary;
    QString acousticModel; // the folder of the acoustic model
    int words = 0;         // distinct words in the dictionary
    int guessed = 0;       // of them, spelt out by letter-to-sound rules
    QString error;         // empty when the model is usable
};

// Where the English acoustic model and its pronouncing dictionary are installed.
QString modelFolder();

// An ARPA trigram model of the words, each sentence between <s> and </s>, with absolute
// discounting and back-off so that any order of the script's words stays possible.
QString arpaText(const QList<ScriptWord> &words);

// Each word's pronunciations from the model's dictionary, those it lacks from letter-to-sound
// rules; `guessed` counts the latter and `byRules` lists them. Words neither gives are left out.
QHash<QString, QStringList> pronunciations(const QStringList &words, const QString &dictionaryFile,
                                           int *guessed = nullptr, QSet<QString> *byRules = nullptr);

// Builds the files for a script. Slow for a long script: not on the window's thread.
Model buildModel(const QString &text, const QString &folder = modelFolder());

} // namespace voice
