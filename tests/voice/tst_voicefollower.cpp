// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "voice/AudioInput.h"
#include "voice/Model.h"
#include "voice/VoiceFollower.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

// Speech synthesised for the test; the suite needs flite and fails without it.
QString synthesise(const QTemporaryDir &dir, const QString &name, const QString &text)
{
    const QString path = dir.filePath(name + QStringLiteral(".wav"));
    QProcess flite;
    flite.start(QStringLiteral("flite"), {QStringLiteral("-voice"), QStringLiteral("slt"),
                                          QStringLiteral("-t"), text, QStringLiteral("-o"), path});
    if (!flite.waitForFinished(60000) || flite.exitCode() != 0)
        return {};
    return path;
}

const QString kNews = QStringLiteral(
    "Good evening and welcome to the news. The council voted this afternoon to lease the old grain store "
    "to the Quizzleborn cooperative. The footbridge at Alder Point will close for three weeks while "
    "engineers replace its wooden deck. Schools across the district are looking for volunteer readers.");

} // namespace

// The voice's follower on its own, with no prompter: a recording heard through to its end.
class tst_VoiceFollower : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakePlatform m_platform;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_dir.isValid(), "no temporary folder"); }

    // Speech synthesised from the script, with a word no dictionary has, is followed through the
    // recogniser's thread to its last words, forward only, as the recording plays by the clock.
    void followsARecording()
    {
        const QString wav = synthesise(m_dir, QStringLiteral("news"), kNews);
        QVERIFY2(!wav.isEmpty(), "flite is needed to synthesise speech");
        QVERIFY(voice::buildModel(kNews).guessed >= 1);
        voice::VoiceFollower f;
        QSignalSpy ready(&f, &voice::VoiceFollower::modelReady);
        QSignalSpy heard(&f, &voice::VoiceFollower::heard);
        QSignalSpy levels(&f, &voice::VoiceFollower::level);
        auto *input = new voice::RecordingInput(m_platform, wav);
        f.setInput(input);
        f.setScript(kNews);
        f.setListening(true);
        QVERIFY(ready.wait(30000));
        QVERIFY(input->timer->isActive());
        while (input->timer->isActive()) {
            m_platform.now += 100;
            input->tick();
        }
        const int nearEnd = int(kNews.indexOf(QStringLiteral("looking for")));
        QTRY_VERIFY_WITH_TIMEOUT(!heard.isEmpty() && heard.last().first().toInt() >= nearEnd, 60000);
        for (qsizetype i = 1; i < heard.size(); ++i)
            QVERIFY(heard[i].first().toInt() > heard[i - 1].first().toInt());
        QVERIFY(std::any_of(levels.cbegin(), levels.cend(),
                            [](const auto &l) { return l.first().toFloat() > 0.3f; }));
    }
};

QTEST_GUILESS_MAIN(tst_VoiceFollower)
#include "tst_voicefollower.moc"
