// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Platform.h"
#include "documents/Documents.h"
#include "settings/StoreFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum Target { File, ReadOnly, PlantedLink, OwnLink };

// Runs the writer in a child whose files may grow to `limit` bytes (-1: no limit), as on a full disk;
// with SIGXFSZ ignored a write past it fails with EFBIG part-way. The reason of a failure, if any.
std::optional<QString> writeInChild(const std::function<std::optional<QString>()> &writer, qint64 limit)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("no pipe");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit < 0 ? RLIM_INFINITY : rlim_t(limit), limit < 0 ? RLIM_INFINITY : rlim_t(limit)};
        ::setrlimit(RLIMIT_FSIZE, &rl);
        const std::optional<QString> failure = writer();
        const QByteArray reason = failure.value_or(QString()).toUtf8();
        (void)!::write(fds[1], reason.constData(), size_t(reason.size()));
        ::_exit(failure ? 1 : 0);
    }
    ::close(fds[1]);
    QFile pipe;
    pipe.open(fds[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QString reason = QString::fromUtf8(pipe.readAll());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? std::nullopt : std::optional(reason);
}

} // namespace

class tst_SafeWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Both writers, the editor's and the settings store's, against what may go wrong before the
    // rename: the old file keeps its bytes and mode and the reason comes back; a followed link saves.
    void writeFailures_data()
    {
        QTest::addColumn<bool>("store");
        QTest::addColumn<int>("target");
        QTest::addColumn<qint64>("limit");   // how far files may grow; -1: no limit
        QTest::addColumn<QString>("reason"); // empty: saved

        const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
        QTest::newRow("script, disk full at the first byte") << false << int(File) << 0ll << tooLarge;
        QTest::newRow("script, disk full after 4 KB of 12 KB") << false << int(File) << 4096ll << tooLarge;
        QTest::newRow("store, disk full after 4 KB of 12 KB") << true << int(File) << 4096ll << tooLarge;
        QTest::newRow("script, read-only 0444") << false << int(ReadOnly) << -1ll << "read-only";
        QTest::newRow("store, read-only 0444") << true << int(ReadOnly) << -1ll << "read-only";
        QTest::newRow("script, another user's link in /tmp") << false << int(PlantedLink) << -1ll << "link";
        QTest::newRow("store, another user's link in /tmp") << true << int(PlantedLink) << -1ll << "link";
        QTest::newRow("script, own link in /tmp is followed") << false << int(OwnLink) << -1ll << "";
    }

    void writeFailures()
    {
        QFETCH(bool, store);
        QFETCH(int, target);
        QFETCH(qint64, limit);
        QFETCH(QString, reason);
        if (target == PlantedLink && ::geteuid() != 0)
            QSKIP("only the superuser can give a link to another user");

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("script.txt"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(2300, 'o')) == 2300);
        f.close();
        const mode_t mode = target == ReadOnly ? 0444 : 0640;
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode), 0);
        QString path = file;
        if (target >= PlantedLink) { // a link in a sticky folder anyone may write to, like /tmp
            const QByteArray shared = QFile::encodeName(dir.filePath(QStringLiteral("shared")));
            QVERIFY(::mkdir(shared.constData(), 0700) == 0 && ::chmod(shared.constData(), 01777) == 0);
            path = dir.filePath(QStringLiteral("shared/script.txt"));
            QVERIFY(QFile::link(file, path));
            const uid_t owner = target == PlantedLink ? 4242 : ::geteuid();
            QCOMPARE(::lchown(QFile::encodeName(path).constData(), owner, gid_t(-1)), 0);
        }

        const QString text(12 * 1024, u'n');
        const std::optional<QString> failure = writeInChild(
            [&]() -> std::optional<QString> {
                if (store) {
                    const FileWrite w = storefile::save(path, text.toUtf8());
                    return w.ok() ? std::nullopt : std::optional(w.detail);
                }
                const documents::Result r = documents::WriteTextFile(path, text);
                return r.ok() ? std::nullopt : std::optional(r.detail);
            },
            limit);

        struct stat st = {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode);
        QVERIFY(f.open(QIODevice::ReadOnly));
        if (reason.isEmpty()) {
            QCOMPARE(failure, std::nullopt);
            QCOMPARE(f.readAll(), text.toUtf8() + "\r\n");
        } else {
            QVERIFY2(failure && failure->contains(reason), qPrintable(failure.value_or("saved")));
            QCOMPARE(f.readAll(), QByteArray(2300, 'o'));
        }
        QCOMPARE(QFileInfo(path).isSymLink(), target >= PlantedLink);
        // No half-written copy is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"script.txt"});
    }
};

QTEST_GUILESS_MAIN(tst_SafeWrite)
#include "tst_safewrite.moc"
