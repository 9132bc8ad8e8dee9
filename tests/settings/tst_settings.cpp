// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/StoreFile.h"
#include "settings/modSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace modSettings;

struct Key
{
    QString name;
    QString defaultText;
    QVariant defaultValue;
    std::function<QVariant(const Settings &)> get;
};

// Each read is a fresh start's: whatever reached the file since is seen.
QVariant read(const Key &k)
{
    return k.get(Settings());
}

// As an earlier version or another editor may have left it: any text.
void write(const Key &k, const QString &text)
{
    WriteSetting(QStringLiteral("General"), k.name, text);
}

const QList<Key> keys = {
    {"BackColor", "&HC0FFFF", 12648447, [](const Settings &s) { return QVariant(s.GetBackColor()); }},
    {"ForeColor", "&H80000012&", -2147483630, [](const Settings &s) { return QVariant(s.GetForeColor()); }},
    {"FontName", "MS Sans Serif", "MS Sans Serif",
     [](const Settings &s) { return QVariant(s.GetFontName()); }},
    {"FontBold", "False", false, [](const Settings &s) { return QVariant(s.GetFontBold()); }},
    {"FontItalic", "False", false, [](const Settings &s) { return QVariant(s.GetFontItalic()); }},
    {"FontSize", "28", 28, [](const Settings &s) { return QVariant(int(s.GetFontSize())); }},
    {"FontStrikethrough", "False", false,
     [](const Settings &s) { return QVariant(s.GetFontStrikethrough()); }},
    {"FontUnderline", "False", false, [](const Settings &s) { return QVariant(s.GetFontUnderline()); }},
    {"LineColor", "&H0000C000&", 49152, [](const Settings &s) { return QVariant(s.GetLineColor()); }},
};

const QString general = QStringLiteral("General");

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class tst_Settings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstRunStoresDefaults();
    void typedGetters_data();
    void typedGetters();
    void settersRoundTrip_data();
    void settersRoundTrip();
    void unusableStore_data();
    void unusableStore();
    void siteValues();
    void siteFileEncodings_data();
    void siteFileEncodings();
    void hostileStore_data();
    void hostileStore();
    void keepsEveryOtherLine_data();
    void keepsEveryOtherLine();
    void earlierVersionsStore_data();
    void earlierVersionsStore();
    void failedWriteKeepsOldFile();
    void storeForms_data();
    void storeForms();
    void typedSetters_data();
    void typedSetters();
    void tokenIsKeptPrivate_data();
    void tokenIsKeptPrivate();
    void everyKey_data();
    void everyKey();

private:
    void useStore(std::unique_ptr<QTemporaryDir> dir);
    QString storeFile() const { return m_dir->filePath(QStringLiteral("Cuescroll/Cuescroll.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Settings::useStore(std::unique_ptr<QTemporaryDir> dir)
{
    m_dir = std::move(dir);
    setStoreFilePath(storeFile());
}

void tst_Settings::init()
{
    useStore(std::make_unique<QTemporaryDir>());
    setIniFilePath(QString());
}

void tst_Settings::firstRunStoresDefaults()
{
    for (int run = 0; run < 2; ++run) {
        for (const Key &k : keys)
            QCOMPARE(read(k), k.defaultValue);
    }
    // Exactly as written, in a plain [General] section that any INI reader finds.
    for (const Key &k : keys)
        QCOMPARE(inifile::readValue(storeFile(), general, k.name), k.defaultText);
}

void tst_Settings::typedGetters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("stored"); // as written in the file by hand
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("back colour decimal") << "BackColor" << QByteArray("12648447") << QVariant(12648447);
    QTest::newRow("back colour hex") << "BackColor" << QByteArray("&HC0FFFF") << QVariant(12648447);
    QTest::newRow("back colour no number") << "BackColor" << QByteArray("abc") << QVariant(0);
    QTest::newRow("back colour too large") << "BackColor" << QByteArray("4294967296") << QVariant(12648447);
    QTest::newRow("fore colour decimal") << "ForeColor" << QByteArray("-2147483630") << QVariant(-2147483630);
    QTest::newRow("fore colour hex") << "ForeColor" << QByteArray("&H80000012&") << QVariant(-2147483630);
    QTest::newRow("line colour too wide") << "LineColor" << QByteArray("&H10000C000") << QVariant(49152);
    QTest::newRow("font name empty") << "FontName" << QByteArray("") << QVariant("MS Sans Serif");
    QTest::newRow("font name quoted") << "FontName" << QByteArray("\" Arial \"") << QVariant(" Arial ");
    QTest::newRow("font name comma") << "FontName" << QByteArray("Times,Roman") << QVariant("Times,Roman");
    QTest::newRow("bold true") << "FontBold" << QByteArray("true") << QVariant(true);
    QTest::newRow("bold TRUE") << "FontBold" << QByteArray("TRUE") << QVariant(true);
    QTest::newRow("bold blanks") << "FontBold" << QByteArray("\" True \"") << QVariant(true);
    QTest::newRow("bold zero") << "FontBold" << QByteArray("0") << QVariant(false);
    QTest::newRow("bold minus one") << "FontBold" << QByteArray("-1") << QVariant(true);
    QTest::newRow("bold yes") << "FontBold" << QByteArray("yes") << QVariant(false);
    QTest::newRow("italic") << "FontItalic" << QByteArray("True") << QVariant(true);
    QTest::newRow("strikethrough") << "FontStrikethrough" << QByteArray("1") << QVariant(true);
    QTest::newRow("underline") << "FontUnderline" << QByteArray("true") << QVariant(true);
    QTest::newRow("size tie down") << "FontSize" << QByteArray("28.5") << QVariant(28);
    QTest::newRow("size tie up") << "FontSize" << QByteArray("29.5") << QVariant(30);
    QTest::newRow("size no number") << "FontSize" << QByteArray("abc") << QVariant(0);
    QTest::newRow("size too large") << "FontSize" << QByteArray("40000") << QVariant(28);
    QTest::newRow("size negative") << "FontSize" << QByteArray("-5") << QVariant(-5);
}

void tst_Settings::typedGetters()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, stored);
    QFETCH(QVariant, expected);

    const QByteArray content = "[General]\n" + name.toLatin1() + '=' + stored + '\n';
    writeFile(storeFile(), content);
    const Key &k = *std::find_if(keys.begin(), keys.end(), [&](const Key &key) { return key.name == name; });
    QCOMPARE(read(k), expected);
    // Only an empty value is replaced, never one that is there but unusable.
    if (stored.isEmpty()) {
        QCOMPARE(inifile::readValue(storeFile(), general, name), k.defaultText);
    } else {
        QFile file(storeFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

void tst_Settings::settersRoundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("comma") << "a, b,c";
    QTest::newRow("semicolon") << "x;y";
    QTest::newRow("quotes") << "\"double\" 'single'";
    QTest::newRow("outer blanks") << "  lead and trail  ";
    QTest::newRow("non-ASCII") << "Prüfer – 字幕 😀";
    QTest::newRow("equals") << "a=b";
    QTest::newRow("at sign") << "@Invalid()";
    QTest::newRow("backslash") << "C:\\Fonts\\x";
    QTest::newRow("hash and brackets") << "#[General]";
    QTest::newRow("control characters") << "tab\there\nnew line";
}

void tst_Settings::settersRoundTrip()
{
    QFETCH(QString, text);

    for (const Key &k : keys)
        write(k, text + k.name);
    WriteSetting(QStringLiteral("Other"), QStringLiteral("Key"), text);

    // Read a copy in a fresh place, so that what comes back is what reached the disk.
    auto copy = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(copy->path()).mkdir(QStringLiteral("Cuescroll")));
    QVERIFY(QFile::copy(storeFile(), copy->filePath(QStringLiteral("Cuescroll/Cuescroll.ini"))));
    useStore(std::move(copy));

    for (const Key &k : keys)
        QCOMPARE(ReadSetting(general, k.name, QString()), text + k.name);
    QCOMPARE(ReadSetting(QStringLiteral("Other"), QStringLiteral("Key"), QString()), text);
}

void tst_Settings::unusableStore_data()
{
    QTest::addColumn<QString>("blocker"); // a file where the store needs a directory

    QTest::newRow("configuration directory is a file") << "Cuescroll";
    QTest::newRow("store file is a directory") << "Cuescroll/Cuescroll.ini/x";
}

void tst_Settings::unusableStore()
{
    QFETCH(QString, blocker);

    writeFile(m_dir->filePath(blocker), "1");
    for (int run = 0; run < 2; ++run) {
        for (const Key &k : keys) {
            QCOMPARE(read(k), k.defaultValue);
            write(k, QStringLiteral("1"));
        }
    }
}

void tst_Settings::siteValues()
{
    const QString path = m_dir->filePath(QStringLiteral("Settings.ini"));
    setIniFilePath(path);
    QCOMPARE(GetAppName(), QString());
    QCOMPARE(GetHelpLink(), QString());

    writeFile(path, "[General]\r\nAppName=\"Studio, B\"\r\nHelpLink=file:///help.html#top\r\n");
    QCOMPARE(GetAppName(), QStringLiteral("Studio, B"));
    QCOMPARE(GetHelpLink(), QStringLiteral("file:///help.html#top"));

    setIniFilePath(QString());
    QCOMPARE(iniFilePath(), QCoreApplication::applicationDirPath() + u"/Settings.ini");
}

void tst_Settings::siteFileEncodings_data()
{
    QTest::addColumn<QByteArray>("content");

    const QString name = QStringLiteral("Café – Studio €");
    const QString text = "[General]\r\nAppName=" + name + "\r\n";
    QByteArray le(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QTest::newRow("UTF-8") << text.toUtf8();
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + text.toUtf8();
    QTest::newRow("UTF-16 LE with BOM") << "\xFF\xFE" + le;
    QByteArray be = le;
    for (qsizetype i = 0; i + 1 < be.size(); i += 2)
        std::swap(be[i], be[i + 1]);
    QTest::newRow("UTF-16 BE with BOM") << "\xFE\xFF" + be;
    QTest::newRow("Windows-1252") << QByteArray("[General]\r\nAppName=Caf\xE9 \x96 Studio \x80\r\n");
}

void tst_Settings::siteFileEncodings()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir->filePath(QStringLiteral("Settings.ini"));
    writeFile(path, content);
    setIniFilePath(path);
    QCOMPARE(GetAppName(), QStringLiteral("Café – Studio €"));
}

void tst_Settings::hostileStore_data()
{
    // What lies at or beside the store's path; each must leave the program on its defaults at once.
    QTest::addColumn<QString>("what");
    QTest::newRow("lock directory beside the store") << "lockdir";
    QTest::newRow("read-only directory with a leftover lock") << "readonly";
    QTest::newRow("FIFO in place of the store") << "fifo";
    QTest::newRow("device in place of the store") << "device";
    QTest::newRow("directory in place of the store") << "directory";
    QTest::newRow("store beyond the size limit") << "huge";
}

void tst_Settings::hostileStore()
{
    QFETCH(QString, what);
    const QString dir = m_dir->filePath(QStringLiteral("Cuescroll"));
    QVERIFY(QDir().mkpath(dir));
    QByteArray before;
    if (what == u"lockdir") {
        QVERIFY(QDir().mkpath(storeFile() + u".lock"));
        writeFile(storeFile(), "[General]\nFontSize=40\n");
    } else if (what == u"readonly") {
        if (::geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        writeFile(storeFile(), "[General]\nFontSize=40\n");
        writeFile(storeFile() + u".lock", "12345\n");
        QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
    } else if (what == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(storeFile()).constData(), 0600), 0);
    } else if (what == u"device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), storeFile()));
    } else if (what == u"directory") {
        QVERIFY(QDir().mkpath(storeFile()));
    } else if (what == u"huge") {
        before = "[General]\n; padding\n" + QByteArray(storefile::kMaxStoreBytes, 'x') + '\n';
        writeFile(storeFile(), before);
    }

    QElapsedTimer timer;
    timer.start();
    for (const Key &k : keys) {
        const QVariant expected = what == u"lockdir" || what == u"readonly"
                                      ? (k.name == u"FontSize" ? QVariant(40) : k.defaultValue)
                                      : k.defaultValue;
        QCOMPARE(read(k), expected);
        write(k, QStringLiteral("1"));
    }
    // Generous for a loaded machine; a blocking open or lock wait would never return at all.
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    if (what == u"huge") {
        QFile file(storeFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    } else if (what == u"readonly") {
        QFile file(storeFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[General]\nFontSize=40\n"));
    } else if (what == u"fifo") {
        QVERIFY(QFileInfo(storeFile()).exists() && !QFileInfo(storeFile()).isFile());
    }
}

void tst_Settings::keepsEveryOtherLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after"); // once FontSize is set to 30 and every default read

    const QByteArray defaults = "BackColor=&HC0FFFF\nForeColor=&H80000012&\nFontName=MS Sans Serif\n"
                                "FontBold=False\nFontItalic=False\nFontStrikethrough=False\n"
                                "FontUnderline=False\nLineColor=&H0000C000&\n";
    QTest::newRow("comments, other sections, order, backslashes")
        << QByteArray("; written by hand\n[Paths]\nPath=C:\\temp\\x\nzeta = 1\nalpha=2\n\n"
                      "[General]\n# mine\n  FontSize = 40  \n\n[Later]\nk=v")
        << QByteArray("; written by hand\n[Paths]\nPath=C:\\temp\\x\nzeta = 1\nalpha=2\n\n"
                      "[General]\n# mine\n  FontSize = 30\n") +
               defaults + QByteArray("\n[Later]\nk=v");
    QTest::newRow("names in another case")
        << QByteArray("[general]\nfontsize=40\n") << QByteArray("[general]\nfontsize=30\n") + defaults;
    QTest::newRow("CR LF and no final line end")
        << QByteArray("[Other]\r\nx=1")
        << QByteArray("[Other]\r\nx=1\r\n[General]\r\nFontSize=30\r\n") +
               QByteArray(defaults).replace("\n", "\r\n");
    QTest::newRow("garbage kept") << QByteArray("\x01\xFF\xFE garbage [ no section\n")
                                  << QByteArray(
                                         "\x01\xFF\xFE garbage [ no section\n[General]\nFontSize=30\n") +
                                         defaults;
    // A key line above every section header belongs to the general section.
    QTest::newRow("garbage key at the top")
        << QByteArray("\x01\xFF\xFE garbage [ no = section\n")
        << QByteArray("\x01\xFF\xFE garbage [ no = section\nFontSize=30\n") + defaults;
}

void tst_Settings::keepsEveryOtherLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    writeFile(storeFile(), before);
    WriteSetting(general, QStringLiteral("FontSize"), QStringLiteral("30"));
    for (const Key &k : keys)
        read(k);
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);
}

void tst_Settings::earlierVersionsStore_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("fontName");

    QTest::newRow("keys above any section") << QByteArray("FontName=Arial\n[Other]\nFontName=x\n") << "Arial";
    QTest::newRow("written with escapes and quotes")
        << QByteArray("[General]\nFontName=\"a, \\\"b\\\" C:\\\\x\\ty\"\n") << "a, \"b\" C:\\x\ty";
    QTest::newRow("doubled at sign") << QByteArray("[General]\nFontName=@@x\n") << "@x";
    QTest::newRow("non-ASCII") << QByteArray("[General]\nFontName=Prüfer \\x263a\n") << "Prüfer ☺";
}

void tst_Settings::earlierVersionsStore()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, fontName);
    writeFile(storeFile(), content);
    QCOMPARE(Settings().GetFontName(), fontName);
    // Written back in a form that reads the same.
    WriteSetting(general, QStringLiteral("FontName"), fontName);
    QCOMPARE(Settings().GetFontName(), fontName);
    QCOMPARE(storefile::decodeValue(storefile::encodeValue(u"\uFEFF\uFEFF")), u"\uFEFF\uFEFF");
}

void tst_Settings::failedWriteKeepsOldFile()
{
    if (::geteuid() == 0)
        QSKIP("permissions do not bind the superuser");
    writeFile(storeFile(), "[General]\nFontSize=40\n");
    const QString dir = m_dir->filePath(QStringLiteral("Cuescroll"));
    QVERIFY(QFile::setPermissions(storeFile(), QFile::ReadOwner));
    WriteSetting(general, QStringLiteral("FontSize"),
                 QStringLiteral("12")); // a read-only store is the operator's choice
    QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(QFile::setPermissions(storeFile(), QFile::ReadOwner | QFile::WriteOwner));
    WriteSetting(general, QStringLiteral("FontSize"),
                 QStringLiteral("12")); // no room for the new copy beside it
    QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(Settings().GetFontSize(), qint16(40));
    QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("Cuescroll.ini")});
}

void tst_Settings::storeForms_data()
{
    // The store as another editor or an older version left it; the program changes FontSize and adds
    // FontName. `after` empty: bytes not compared; `problem`: the change cannot be kept and is told once.
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("fontSize"); // read back afterwards
    QTest::addColumn<bool>("problem");

    const auto utf16 = [](const QString &text, bool le) {
        QStringEncoder encoder(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::WriteBom);
        return QByteArray(encoder(text));
    };
    QTest::newRow("CR-only line ends")
        << QByteArray("[General]\rFontSize=40\r[Other]\rk=v\r")
        << QByteArray("[General]\rFontSize=30\rFontName=Arial\r[Other]\rk=v\r") << 30 << false;
    const QString text = QStringLiteral("[General]\r\nFontSize=40\r\n[Other]\r\nk=Café\r\n");
    const QString changed =
        QStringLiteral("[General]\r\nFontSize=30\r\nFontName=Arial\r\n[Other]\r\nk=Café\r\n");
    QTest::newRow("UTF-16 LE") << utf16(text, true) << utf16(changed, true) << 30 << false;
    QTest::newRow("UTF-16 BE") << utf16(text, false) << utf16(changed, false) << 30 << false;
    QByteArray broken = utf16(text, true);
    broken.append("\x00\xD8", 2); // a lone surrogate cannot be written back unchanged
    QTest::newRow("broken UTF-16") << broken << broken << 28 << true;
    QTest::newRow("UTF-16 without byte order mark")
        << utf16(text, true).sliced(2) << utf16(text, true).sliced(2) << 28 << true;
    // Just under the megabyte: the program's own keys still fit, and the store is still read.
    QByteArray big = "[General]\n; " + QByteArray(storefile::kForeignStoreBytes - 14, 'x') + '\n';
    QTest::newRow("just under 1 MB") << big << QByteArray() << 30 << false;
    QTest::newRow("read-only") << QByteArray("[General]\nFontSize=40\n")
                               << QByteArray("[General]\nFontSize=40\n") << 40 << true;
}

void tst_Settings::storeForms()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, fontSize);
    QFETCH(bool, problem);
    WriteSetting(general, QStringLiteral("FontSize"),
                 QStringLiteral("1")); // a change kept: whatever an earlier test left untold is over

    writeFile(storeFile(), before);
    if (QTest::currentDataTag() == QByteArrayLiteral("read-only"))
        QVERIFY(QFile::setPermissions(storeFile(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    for (int run = 0; run < 2; ++run) {
        WriteSetting(general, QStringLiteral("FontSize"), QStringLiteral("30"));
        WriteSetting(general, QStringLiteral("FontName"), QStringLiteral("Arial"));
        QCOMPARE(takeStoreProblem().has_value(), problem && run == 0);
    }
    QCOMPARE(Settings().GetFontSize(), qint16(fontSize));
    if (!after.isEmpty()) {
        QFile file(storeFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), after);
    }
    for (const Key &k : keys)
        read(k);
    QCOMPARE(Settings().GetFontSize(), qint16(fontSize));
}

using Setter = std::function<void(Settings &)>;

void tst_Settings::typedSetters_data()
{
    QTest::addColumn<Setter>("set");
    QTest::addColumn<Settings::Key>("key");
    QTest::addColumn<QString>("stored"); // the text an earlier version wrote for the same value

    QTest::newRow("system colour") << Setter([](Settings &s) { s.SetForeColor(qint32(0x80000012)); })
                                   << Settings::Key::ForeColor << "-2147483630";
    QTest::newRow("switch") << Setter([](Settings &s) { s.SetFontBold(true); }) << Settings::Key::FontBold
                            << "True";
    QTest::newRow("size") << Setter([](Settings &s) { s.SetFontSize(10); }) << Settings::Key::FontSize
                          << "10";
    QTest::newRow("studio switch off")
        << Setter([](Settings &s) { s.setMirrorTalent(false); }) << Settings::Key::MirrorTalent << "False";
    QTest::newRow("folder") << Setter([](Settings &s) { s.setLastScriptFolder(QStringLiteral("/a, b")); })
                            << Settings::Key::LastScriptFolder << "/a, b";
}

// A change reaches the file at once and is announced once; the same value again is no change.
void tst_Settings::typedSetters()
{
    QFETCH(Setter, set);
    QFETCH(Settings::Key, key);
    QFETCH(QString, stored);

    Settings settings;
    QSignalSpy changed(&settings, &Settings::changed);
    for (int run = 0; run < 2; ++run)
        set(settings);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<Settings::Key>(), key);
    QCOMPARE(ReadSetting(general, Settings::keyName(key), QString()), stored);
}

void tst_Settings::tokenIsKeptPrivate_data()
{
    QTest::addColumn<int>("before"); // the file's mode; 0: there is none
    QTest::addColumn<int>("after");
    QTest::newRow("made new") << 0 << 0600;
    QTest::newRow("readable by all, as the user left it") << 0644 << 0644;
    QTest::newRow("the group's too") << 0640 << 0640;
}

// A settings file made to hold the remote control's token is the user's alone; one that exists
// keeps the permissions its owner gave it.
void tst_Settings::tokenIsKeptPrivate()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QFile::remove(storeFile());
    if (before != 0) {
        writeFile(storeFile(), "[General]\n");
        QCOMPARE(::chmod(QFile::encodeName(storeFile()).constData(), mode_t(before)), 0);
    }
    Settings().setRemoteToken(QStringLiteral("0123456789abcdef0123456789abcdef"));
    struct stat st
    {
    };
    QCOMPARE(::stat(QFile::encodeName(storeFile()).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), after);
}

void tst_Settings::everyKey_data()
{
    QTest::addColumn<Settings::Key>("key");
    QTest::addColumn<QVariant>("written");  // what a setter was given for the line in the file
    QTest::addColumn<QVariant>("value");    // what reading that file gives
    QTest::addColumn<QVariant>("fallback"); // what reading a store without the key gives

    using K = Settings::Key;
    int rows = 0;
    const auto row = [&rows](K key, const QVariant &written, const QVariant &value,
                             const QVariant &fallback) {
        ++rows;
        QTest::newRow(qPrintable(Settings::keyName(key))) << key << written << value << fallback;
    };
    const QString none;
    row(K::ForeColor, 1193046, 1193046, -2147483630);
    row(K::FontName, "DejaVu Sans, Book", "DejaVu Sans, Book", "MS Sans Serif");
    row(K::FontBold, true, true, false);
    row(K::FontItalic, false, false, false);
    row(K::FontSize, 36, 36, 28);
    row(K::FontStrikethrough, false, false, false);
    row(K::FontUnderline, true, true, false);
    row(K::BackColor, 255, 255, 12648447);
    row(K::LineColor, 65280, 65280, 49152);
    row(K::FrameSync, true, true, true);
    row(K::TalentScreen, "HDMI-1", "HDMI-1", none);
    row(K::MirrorTalent, false, false, true);
    row(K::FlipTalent, true, true, false);
    row(K::MirrorPrompter, true, true, false);
    row(K::CountdownSeconds, 5, 5, 0);
    row(K::JumpToReadingLine, true, true, false);
    row(K::LastScriptFolder, "/home/op/Scripts; news", "/home/op/Scripts; news", none);
    row(K::RemoteEnabled, true, true, false);
    row(K::RemotePort, 9000, 9000, 8777);
    row(K::RemoteToken, "0123456789abcdef0123456789abcdef", "0123456789abcdef0123456789abcdef", none);
    row(K::Osc, true, true, false);
    row(K::OscAllow, "192.168.1.0/24", "192.168.1.0/24", none);
    row(K::Midi, true, true, false);
    row(K::MidiMap, "60=Start; 62=Stop", "60=Start; 62=Stop", none);
    row(K::VoiceInput, "alsa_input.usb-mic", "alsa_input.usb-mic", none);
    row(K::OscFeedback, "10.0.0.2:9000 10.0.0.3:9001", "10.0.0.2:9000 10.0.0.3:9001", none);
    row(K::Keys, "Start=F5", "Start=F5", none);
    row(K::Gamepad, true, true, false);
    row(K::GamepadMap, "A=Start", "A=Start", none);
    row(K::MosEnabled, true, true, false);
    row(K::MosID, " studio.prompter ", "studio.prompter", "cuescroll.prompter.mos");
    row(K::MosNcsID, "ncs.main", "ncs.main", none);
    row(K::MosLowerPort, 11540, 11540, 10540);
    row(K::MosUpperPort, 11541, 11541, 10541);
    row(K::MosAllow, "10.0.0.9", "10.0.0.9", none);
    row(K::CueWebhook, "http://10.0.0.5/cue", "http://10.0.0.5/cue", none);
    row(K::CueOsc, "10.0.0.6:8000", "10.0.0.6:8000", none);
    row(K::CueMidi, "60=roll VT", "60=roll VT", none);
    row(K::HideCues, true, true, false);
    row(K::LookAhead, true, true, false);
    row(K::TalentCountdown, true, true, false);
    row(K::MosRunningOrder, "RO.EVENING ", "RO.EVENING", none);
    row(K::TalentMessageBelow, true, true, false);
    QCOMPARE(rows, QMetaEnum::fromType<Settings::Key>().keyCount());
}

// A store written before the keys came into one table reads as it did, and each key is written back
// in the same text.
void tst_Settings::everyKey()
{
    QFETCH(Settings::Key, key);
    QFETCH(QVariant, written);
    QFETCH(QVariant, value);
    QFETCH(QVariant, fallback);
    const QString name = Settings::keyName(key);

    QCOMPARE(Settings().get(key), fallback);
    QCOMPARE(Settings::defaultValue(key), fallback);

    QFile fixture(QStringLiteral(CUESCROLL_TEST_DATA "/store/every-key.ini"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const QByteArray earlier = fixture.readAll();
    QFile::remove(storeFile());
    writeFile(storeFile(), earlier);
    QCOMPARE(Settings().get(key), value);

    QFile::remove(storeFile());
    {
        Settings settings;
        QSignalSpy changed(&settings, &Settings::changed);
        settings.set(key, written);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().value<Settings::Key>(), key);
    }
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(storefile::findValue(file.readAll(), general, name),
             storefile::findValue(earlier, general, name));
    QCOMPARE(Settings().get(key), value);
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
