#pragma once

#include <QString>

// Reads one value of an INI file the way the site file "Settings.ini" has always been read: raw value
// text (commas, semicolons and inner quotes kept), section and key matched without regard to case,
// surrounding blanks and one pair of enclosing quotes removed, cut to maxChars characters.
// An absent file, section or key gives the empty text.
namespace inifile {

QString readValue(const QString &filePath, const QString &section, const QString &key, int maxChars = 255);

} // namespace inifile
