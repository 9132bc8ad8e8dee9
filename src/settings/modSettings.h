#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The settings store: the per-user appearance keys and the two site values of "Settings.ini".
// A store that cannot be read or written never stops the program: it then runs on the defaults, and
// changes it could not keep are told once (takeStoreProblem).
namespace modSettings {

QString ReadSetting(const QString &section, const QString &key, const QString &defaultText);
void WriteSetting(const QString &section, const QString &key, const QString &value);
QString ReadIniValue(const QString &section, const QString &key);

// Why changes given to WriteSetting were not kept, worded for the operator; said once: nothing more
// until a change has been kept again and a later one fails. Nothing when all were kept.
std::optional<QString> takeStoreProblem();

QString GetAppName();
QString GetHelpLink();
qint32 GetBackColor();
qint32 GetForeColor();
QString GetFontName();
bool GetFontBold();
bool GetFontItalic();
qint16 GetFontSize();
bool GetFontStrikethrough();
bool GetFontUnderline();
qint32 GetLineColor();
// Whether the moving script is shown once per display frame, between the clock's steps.
bool GetFrameSync();

void SetBackColor(const QString &value);
void SetForeColor(const QString &value);
void SetFontName(const QString &value);
void SetFontBold(const QString &value);
void SetFontItalic(const QString &value);
void SetFontSize(const QString &value);
void SetFontStrikethrough(const QString &value);
void SetFontUnderline(const QString &value);
void SetLineColor(const QString &value);

// Studio output, beyond the appearance: read without writing defaults, so that a store never set
// up for a studio stays exactly as it was.
QString GetTalentScreen(); // a screen's name; empty: no talent screen
bool GetMirrorTalent();    // default true
bool GetFlipTalent();
bool GetMirrorPrompter();
qint32 GetCountdownSeconds(); // 0: no countdown
bool GetJumpToReadingLine();
void SetTalentScreen(const QString &value);
void SetMirrorTalent(const QString &value);
void SetFlipTalent(const QString &value);
void SetMirrorPrompter(const QString &value);
void SetCountdownSeconds(const QString &value);
void SetJumpToReadingLine(const QString &value);

// The folder the file dialogs open in: where a script was last opened or saved. Empty: never set.
QString GetLastScriptFolder();
void SetLastScriptFolder(const QString &value);

// "Settings.ini" beside the executable unless a test points elsewhere; empty restores the default.
QString iniFilePath();
void setIniFilePath(const QString &path);

// The per-user store, $XDG_CONFIG_HOME/Cuescroll/Cuescroll.ini unless a test points elsewhere.
QString storeFilePath();
void setStoreFilePath(const QString &path);

} // namespace modSettings
