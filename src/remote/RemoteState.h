// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

// The prompter as a remote control sees it, and its JSON form.
namespace remote {

struct Marker
{
    int start = 0;
    int length = 0;
    QString text;
};

struct State
{
    bool running = false;
    int speed = 1;
    bool up = true; // the text moves up the screen, forward through the script
    double top = 0; // twips, 0 at the beginning, negative further on
    qint32 range = 0;
    int progress = 0;
    QString timeToGo;
    qint32 words = 0;
    int charAtLine = 0;
    QString lineText; // the words at the reading line
    bool markMode = false;
    bool fullScreen = false;
    qint64 time = 0;         // when the state was taken, ms of the sender's clock
    QString message;         // shown to the presenter; empty: none
    bool leaderLost = false; // following another prompter that cannot be reached
    QJsonObject show;        // the story on air, the rundown and the timers
    QJsonValue mos;          // the newsroom link; null without one
    QStringList cueErrors;   // each cue destination failing, and why
};

struct Cue
{
    QString text;
    int start = 0; // in the current story's plain text
};

// Markers change seldom and may hold long passages: built once per change, sent with every state.
QJsonArray markersJson(const QList<Marker> &markers);
QJsonArray cuesJson(const QList<Cue> &cues);
QByteArray stateJson(const State &state, const QJsonArray &markers, const QJsonArray &cues = {});

// The text from `at` to the end of its line, at most about `most` characters, cut at a space.
QString lineFrom(const QString &text, int at, int most = 120);

} // namespace remote
