#include "settings/modSettings.h"

#include "common/ProgramFiles.h"
#include "settings/IniFile.h"
#include "settings/NumericText.h"
#include "settings/StoreFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>

namespace modSettings {

namespace {

const QString kGeneral = QStringLiteral("General");

const QString kBackColor = QStringLiteral("&HC0FFFF");
const QString kForeColor = QStringLiteral("&H80000012&");
const QString kFontName = QStringLiteral("MS Sans Serif");
const QString kFalse = QStringLiteral("False");
constexpr qint16 kDefaultFontSize = 28;
const QString kFontSize = QString::number(kDefaultFontSize);
const QString kLineColor = QStringLiteral("&H0000C000&");

QString &iniPathOverride()
{
    static QString path;
    return path;
}

QString &storePathOverride()
{
    static QString path;
    return path;
}

// The reason the last change could not be kept, until one is kept again; told to the operator once.
struct StoreProblem
{
    QString reason;
    bool told = false;
};

StoreProblem &storeProblem()
{
    static StoreProblem problem;
    return problem;
}

void changeNotKept(const QString &reason)
{
    if (storeProblem().reason.isEmpty())
        storeProblem().reason = reason;
}

} // namespace

QString storeFilePath()
{
    const QString &path = storePathOverride();
    if (!path.isEmpty())
        return path;
    // Where earlier versions kept it, so that an upgrade keeps the operator's appearance.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/Cuescroll/Cuescroll.ini");
}

void setStoreFilePath(const QString &path)
{
    storePathOverride() = path;
}

namespace {

qint32 colour(const QString &key, const QString &defaultText)
{
    return numtext::toInt32(ReadSetting(kGeneral, key, defaultText))
        .value_or(numtext::toInt32(defaultText).value_or(0));
}

bool flag(const QString &key)
{
    return numtext::toBool(ReadSetting(kGeneral, key, kFalse)).value_or(false);
}

// Studio options and the script folder are read without storing defaults: a store nobody set them
// in stays as it was.
QString studioSetting(const QString &key)
{
    const std::optional<QByteArray> file = storefile::load(storeFilePath());
    return file ? storefile::findValue(*file, kGeneral, key).value_or(QString()) : QString();
}

bool studioFlag(const QString &key, bool defaultValue)
{
    return numtext::toBool(studioSetting(key)).value_or(defaultValue);
}

} // namespace

QString ReadSetting(const QString &section, const QString &key, const QString &defaultText)
{
    // The file is read afresh each time: another copy of the program may have saved in between.
    const storefile::Loaded file = storefile::open(storeFilePath());
    if (!file.text)
        return defaultText;
    const QString value = storefile::findValue(*file.text, section, key).value_or(QString());
    if (!value.isEmpty())
        return value;
    // A default that cannot be stored is no loss: it is read again next time.
    storefile::save(storeFilePath(), storefile::setValue(*file.text, section, key, defaultText),
                    file.encoding);
    return defaultText;
}

void WriteSetting(const QString &section, const QString &key, const QString &value)
{
    const storefile::Loaded file = storefile::open(storeFilePath());
    if (!file.text) {
        changeNotKept(file.problem); // not ours to overwrite: the operator's file is kept as it is
        return;
    }
    const QByteArray changed = storefile::setValue(*file.text, section, key, value);
    if (changed == *file.text)
        return;
    const FileWrite written = storefile::save(storeFilePath(), changed, file.encoding);
    if (written.ok())
        storeProblem() = {};
    else
        changeNotKept(written.detail);
}

std::optional<QString> takeStoreProblem()
{
    StoreProblem &problem = storeProblem();
    if (problem.reason.isEmpty() || problem.told)
        return std::nullopt;
    problem.told = true;
    return QCoreApplication::translate("modSettings",
                                       "The settings could not be kept in “%1”: %2. They apply until "
                                       "Cuescroll ends.")
        .arg(QDir::toNativeSeparators(storeFilePath()), problem.reason);
}

QString ReadIniValue(const QString &section, const QString &key)
{
    return inifile::readValue(iniFilePath(), section, key, 255);
}

QString GetAppName()
{
    return ReadIniValue(kGeneral, QStringLiteral("AppName"));
}

QString GetHelpLink()
{
    return ReadIniValue(kGeneral, QStringLiteral("HelpLink"));
}

qint32 GetBackColor()
{
    return colour(QStringLiteral("BackColor"), kBackColor);
}

qint32 GetForeColor()
{
    return colour(QStringLiteral("ForeColor"), kForeColor);
}

qint32 GetLineColor()
{
    return colour(QStringLiteral("LineColor"), kLineColor);
}

bool GetFrameSync()
{
    return numtext::toBool(ReadSetting(kGeneral, QStringLiteral("FrameSync"), QStringLiteral("True")))
        .value_or(true);
}

QString GetFontName()
{
    return ReadSetting(kGeneral, QStringLiteral("FontName"), kFontName);
}

bool GetFontBold()
{
    return flag(QStringLiteral("FontBold"));
}

bool GetFontItalic()
{
    return flag(QStringLiteral("FontItalic"));
}

bool GetFontStrikethrough()
{
    return flag(QStringLiteral("FontStrikethrough"));
}

bool GetFontUnderline()
{
    return flag(QStringLiteral("FontUnderline"));
}

qint16 GetFontSize()
{
    return numtext::toInt16(ReadSetting(kGeneral, QStringLiteral("FontSize"), kFontSize))
        .value_or(kDefaultFontSize);
}

void SetBackColor(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("BackColor"), value);
}

void SetForeColor(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("ForeColor"), value);
}

void SetFontName(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("FontName"), value);
}

void SetFontBold(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("FontBold"), value);
}

void SetFontItalic(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("FontItalic"), value);
}

void SetFontSize(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("FontSize"), value);
}

void SetFontStrikethrough(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("FontStrikethrough"), value);
}

void SetFontUnderline(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("FontUnderline"), value);
}

void SetLineColor(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("LineColor"), value);
}

QString GetTalentScreen()
{
    return studioSetting(QStringLiteral("TalentScreen"));
}

bool GetMirrorTalent()
{
    return studioFlag(QStringLiteral("MirrorTalent"), true);
}

bool GetFlipTalent()
{
    return studioFlag(QStringLiteral("FlipTalent"), false);
}

bool GetMirrorPrompter()
{
    return studioFlag(QStringLiteral("MirrorPrompter"), false);
}

qint32 GetCountdownSeconds()
{
    return std::max(0, numtext::toInt32(studioSetting(QStringLiteral("CountdownSeconds"))).value_or(0));
}

bool GetJumpToReadingLine()
{
    return studioFlag(QStringLiteral("JumpToReadingLine"), false);
}

void SetTalentScreen(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("TalentScreen"), value);
}

void SetMirrorTalent(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("MirrorTalent"), value);
}

void SetFlipTalent(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("FlipTalent"), value);
}

void SetMirrorPrompter(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("MirrorPrompter"), value);
}

void SetCountdownSeconds(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("CountdownSeconds"), value);
}

void SetJumpToReadingLine(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("JumpToReadingLine"), value);
}

QString GetLastScriptFolder()
{
    return studioSetting(QStringLiteral("LastScriptFolder"));
}

void SetLastScriptFolder(const QString &value)
{
    WriteSetting(kGeneral, QStringLiteral("LastScriptFolder"), value);
}

QString iniFilePath()
{
    const QString &path = iniPathOverride();
    if (!path.isEmpty())
        return path;
    return programfiles::locate(QStringLiteral("Settings.ini"));
}

void setIniFilePath(const QString &path)
{
    iniPathOverride() = path;
}

} // namespace modSettings
