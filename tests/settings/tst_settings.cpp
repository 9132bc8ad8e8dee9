#include "settings/IniFile.h"
#include "settings/modSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using namespace modSettings;

struct Key
{
    QString name;
    QString defaultText;
    QVariant defaultValue;
    std::function<QVariant()> get;
    std::function<void(const QString &)> set;
};

const QList<Key> keys = {
    {"BackColor", "&HC0FFFF", 12648447, [] { return QVariant(GetBackColor()); }, SetBackColor},
    {"ForeColor", "&H80000012&", -2147483630, [] { return QVariant(GetForeColor()); }, SetForeColor},
    {"FontName", "MS Sans Serif", "MS Sans Serif", [] { return QVariant(GetFontName()); }, SetFontName},
    {"FontBold", "False", false, [] { return QVariant(GetFontBold()); }, SetFontBold},
    {"FontItalic", "False", false, [] { return QVariant(GetFontItalic()); }, SetFontItalic},
    {"FontSize", "28", 28, [] { return QVariant(int(GetFontSize())); }, SetFontSize},
    {"FontStrikethrough", "False", false, [] { return QVariant(GetFontStrikethrough()); },
     SetFontStrikethrough},
    {"FontUnderline", "False", false, [] { return QVariant(GetFontUnderline()); }, SetFontUnderline},
    {"LineColor", "&H0000C000&", 49152, [] { return QVariant(GetLineColor()); }, SetLineColor},
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
            QCOMPARE(k.get(), k.defaultValue);
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
    QCOMPARE(k.get(), expected);
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
        k.set(text + k.name);
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
            QCOMPARE(k.get(), k.defaultValue);
            k.set(QStringLiteral("1"));
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

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
