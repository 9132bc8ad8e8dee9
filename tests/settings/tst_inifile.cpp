// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_IniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readValue_data();
    void readValue();
    void missingOrUnreadable();

private:
    QTemporaryDir m_dir;
};

// Every row looks up [General] AppName.
void tst_IniFile::readValue_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    const QByteArray x300(300, 'x');
    QTest::newRow("plain") << QByteArray("[General]\nAppName=Cuescroll\n") << "Cuescroll";
    QTest::newRow("absent section") << QByteArray("[Other]\nAppName=X\n") << "";
    QTest::newRow("absent key") << QByteArray("[General]\nName=X\n") << "";
    QTest::newRow("case and blanks") << QByteArray("  [ gEnErAl ]\n  appNAME\t= \tX \t\n") << "X";
    QTest::newRow("key before any section") << QByteArray("AppName=X\n[General]\n") << "";
    QTest::newRow("key of the next section") << QByteArray("[General]\n[Other]\nAppName=X\n") << "";
    QTest::newRow("only the first section") << QByteArray("[General]\n[General]\nAppName=X\n") << "";
    QTest::newRow("duplicate key") << QByteArray("[General]\nAppName=First\nAppName=Second\n") << "First";
    QTest::newRow("comments") << QByteArray("[General]\n;AppName=A\n  ; AppName=B\nAppName=C\n") << "C";
    QTest::newRow("'=' inside") << QByteArray("[General]\nAppName = a=b?c=d\n") << "a=b?c=d";
    QTest::newRow("commas, semicolons") << QByteArray("[General]\nAppName=a, b; c ;d\n") << "a, b; c ;d";
    QTest::newRow("inner quotes") << QByteArray("[General]\nAppName=say \"hi\" 'x'\n") << "say \"hi\" 'x'";
    QTest::newRow("double quotes") << QByteArray("[General]\nAppName= \" padded \" \n") << " padded ";
    QTest::newRow("single quotes") << QByteArray("[General]\nAppName='a \"b\"'\n") << "a \"b\"";
    QTest::newRow("one pair removed") << QByteArray("[General]\nAppName=\"\"x\"\"\n") << "\"x\"";
    QTest::newRow("unmatched quotes") << QByteArray("[General]\nAppName=\"x'\n") << "\"x'";
    QTest::newRow("lone quote") << QByteArray("[General]\nAppName=\"\n") << "\"";
    QTest::newRow("blank value") << QByteArray("[General]\nAppName=   \nHelpLink=x\n") << "";
    QTest::newRow("CR LF") << QByteArray("[Other]\r\nA=1\r\n[General]\r\nAppName=X\r\n") << "X";
    QTest::newRow("lone CR") << QByteArray("[Other]\rA=1\r[General]\rAppName=X") << "X";
    QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF[General]\nAppName=X\n") << "X";
    QTest::newRow("UTF-8") << QByteArray("[General]\nAppName=\xC3\xBC\n") << QString::fromUtf8("\xC3\xBC");
    QTest::newRow("Latin-1") << QByteArray("[General]\nAppName=\xFC\n") << QString::fromLatin1("\xFC");
    QTest::newRow("cut to 255") << QByteArray("[General]\nAppName=" + x300) << QString(255, u'x');
    QTest::newRow("cut keeps whole characters")
        << QByteArray("[General]\nAppName=" + x300.left(254) + "\xF0\x9F\x98\x80") << QString(254, u'x');
}

void tst_IniFile::readValue()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);

    const QString path = m_dir.filePath(QStringLiteral("Settings.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();

    QCOMPARE(inifile::readValue(path, QStringLiteral("General"), QStringLiteral("AppName")), expected);
}

void tst_IniFile::missingOrUnreadable()
{
    const QString section = QStringLiteral("General"), key = QStringLiteral("AppName");
    QCOMPARE(inifile::readValue(m_dir.filePath(QStringLiteral("absent.ini")), section, key), QString());
    QCOMPARE(inifile::readValue(m_dir.path(), section, key), QString());
}

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_inifile.moc"
