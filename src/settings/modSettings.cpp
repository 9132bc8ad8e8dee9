#include "settings/modSettings.h"

#include "common/ProgramFiles.h"
#include "settings/IniFile.h"
#include "settings/NumericText.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>

namespace modSettings {

namespace {

const QString kGeneral = QStringLiteral("General");

const QString kBackColor = QStringLiteral("&HC0FFFF");
const QString kForeColor = QStringLiteral("&H80000012&");
const QString kFontName = QStringLiteral("MS Sans Serif");
const QString kFalse = QStringLiteral("False");
const QString kFontSize = QStringLiteral("28");
const QString kLineColor = QStringLiteral("&H0000C000&");

QString &iniPathOverride()
{
    static QString path;
    return path;
}

// The per-user file only: a stray system-wide file must not stand in for a missing user value,
// or the defaults would never be written out.
class Store
{
public:
    explicit Store(const QString &section)
        : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Cuescroll"),
                     QStringLiteral("Cuescroll"))
    {
        m_settings.setFallbacksEnabled(false);
        // QSettings keeps top-level keys under [General] and would hide a group of that name as
        // [%General]; the top level gives the file the plain section.
        if (!section.isEmpty() && section.compare(kGeneral, Qt::CaseInsensitive) != 0)
            m_settings.beginGroup(section);
    }

    // A file that could not be opened; a file with stray lines still yields what it holds.
    bool usable() const { return m_settings.status() != QSettings::AccessError; }

    QString read(const QString &key) const
    {
        const QVariant v = m_settings.value(key);
        // An unquoted comma in a hand-edited file splits the value into a list.
        if (v.userType() == QMetaType::QStringList)
            return v.toStringList().join(u',');
        return v.toString();
    }

    void write(const QString &key, const QString &value)
    {
        m_settings.setValue(key, value);
        m_settings.sync();
    }

private:
    QSettings m_settings;
};

qint32 colour(const QString &key, const QString &defaultText)
{
    return numtext::toInt32(ReadSetting(kGeneral, key, defaultText))
        .value_or(numtext::toInt32(defaultText).value_or(0));
}

bool flag(const QString &key)
{
    return numtext::toBool(ReadSetting(kGeneral, key, kFalse)).value_or(false);
}

QString studioSetting(const QString &key)
{
    Store store(kGeneral);
    return store.usable() ? store.read(key) : QString();
}

bool studioFlag(const QString &key, bool defaultValue)
{
    return numtext::toBool(studioSetting(key)).value_or(defaultValue);
}

} // namespace

QString ReadSetting(const QString &section, const QString &key, const QString &defaultText)
{
    Store store(section);
    if (!store.usable())
        return defaultText;
    const QString value = store.read(key);
    if (!value.isEmpty())
        return value;
    store.write(key, defaultText);
    return defaultText;
}

void WriteSetting(const QString &section, const QString &key, const QString &value)
{
    Store store(section);
    if (store.usable())
        store.write(key, value);
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
        .value_or(qint16(28));
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
