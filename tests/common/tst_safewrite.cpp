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

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

mode_t modeOf(const QString &path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Runs the writer in a child process whose files may grow to `limit` bytes at most (-1: no limit),
// as a full disk allows; SIGXFSZ ignored, so that a write past it fails with EFBIG part-way instead
// of ending the process. The reason of a failure, or nothing when the writer reported success.
std::optional<QString> writeInChild(const std::function<FileWrite()> &writer, qint64 limit)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("no pipe");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit < 0 ? RLIM_INFINITY : rlim_t(limit), limit < 0 ? RLIM_INFINITY : rlim_t(limit)};
        ::setrlimit(RLIMIT_FSIZE, &rl);
        const FileWrite w = writer();
        const QByteArray reason = w.ok() ? QByteArray() : w.detail.toUtf8() + '\n';
        (void)!::write(fds[1], reason.constData(), size_t(reason.size()));
        ::_exit(w.ok() ? 0 : 1);
    }
    ::close(fds[1]);
    QByteArray reason;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return std::nullopt;
    return QString::fromUtf8(reason).trimmed();
}

} // namespace

class tst_SafeWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Both writers, the script editor's and the settings store's, against what may go wrong between
    // the first byte and the rename: the old file must keep its bytes and mode and the reason must
    // come back; where saving is right, the new bytes land and the old mode stays.
    void writeFailures_data()
    {
        QTest::addColumn<QString>("writer"); // "script" or "store"
        QTest::addColumn<QString>("target"); // "file", "read-only", "planted link", "own link"
        QTest::addColumn<qint64>("limit");   // how far files may grow, as on a full disk; -1: no limit
        QTest::addColumn<QString>("reason"); // empty: saved

        const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
        QTest::newRow("script, disk full before the first byte") << "script"
                                                                 << "file" << 0ll << tooLarge;
        QTest::newRow("script, disk full after 4 KB of 12 KB") << "script"
                                                               << "file" << 4096ll << tooLarge;
        QTest::newRow("store, disk full after 4 KB of 12 KB") << "store"
                                                              << "file" << 4096ll << tooLarge;
        QTest::newRow("script, read-only 0444") << "script"
                                                << "read-only" << -1ll << "read-only";
        QTest::newRow("store, read-only 0444") << "store"
                                               << "read-only" << -1ll << "read-only";
        QTest::newRow("script, another user's link in a sticky folder")
            << "script"
            << "planted link" << -1ll << "symbolic link";
        QTest::newRow("store, another user's link in a sticky folder")
            << "store"
            << "planted link" << -1ll << "symbolic link";
        QTest::newRow("script, own link in a sticky folder is followed") << "script"
                                                                         << "own link" << -1ll << "";
    }

    void writeFailures()
    {
        QFETCH(QString, writer);
        QFETCH(QString, target);
        QFETCH(qint64, limit);
        QFETCH(QString, reason);
        if (target == u"planted link" && ::geteuid() != 0)
            QSKIP("only the superuser can give a link to another user");

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("script.txt"));
        const QByteArray old = QByteArray(2300, 'o');
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        const mode_t mode = target == u"read-only" ? 0444 : 0640;
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode), 0);
        QString path = file;
        if (target.endsWith(u"link")) {
            const QString shared = dir.filePath(QStringLiteral("shared"));
            QVERIFY(QDir().mkpath(shared));
            QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
            path = shared + QStringLiteral("/script.txt");
            QVERIFY(QFile::link(file, path));
            const uid_t owner = target == u"planted link" ? 4242 : ::geteuid();
            QCOMPARE(::lchown(QFile::encodeName(path).constData(), owner, gid_t(-1)), 0);
        }

        const QString text(12 * 1024, u'n');
        const std::optional<QString> failure = writeInChild(
            [&] {
                if (writer == u"store")
                    return storefile::save(path, text.toUtf8());
                const documents::Result r = documents::WriteTextFile(path, text);
                FileWrite w;
                w.status = r.ok() ? FileWrite::Ok : FileWrite::Failed;
                w.detail = r.detail;
                return w;
            },
            limit);

        QCOMPARE(modeOf(file), mode);
        if (reason.isEmpty()) {
            QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
            QCOMPARE(readAll(file), text.toUtf8() + "\r\n");
        } else {
            QVERIFY(failure);
            QVERIFY2(failure->contains(reason), qPrintable(*failure));
            QCOMPARE(readAll(file), old);
        }
        if (path != file)
            QVERIFY(QFileInfo(path).isSymLink());
        // No half-written copy is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("script.txt")});
    }
};

QTEST_GUILESS_MAIN(tst_SafeWrite)
#include "tst_safewrite.moc"
