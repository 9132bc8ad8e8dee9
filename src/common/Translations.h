// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's own catalogues (cuescroll_<language>.qm) and Qt's for its standard dialogs.
namespace translations {

// The shipped catalogue ("de", "pt_BR") for the first of the desktop's languages ("de-AT") that has
// one. When English comes first or none is shipped the source texts show, with "en" (its plural forms
// alone) when that catalogue is shipped, else empty.
QString chooseLanguage(const QStringList &uiLanguages, const QStringList &shipped);

// The languages whose catalogues lie in the folder.
QStringList shippedLanguages(const QString &folder);

// Loads the catalogues for the locale from the folder where the program's files are, and Qt's own
// from its translations folder; returns the language installed, empty when none is.
QString install(QCoreApplication &app, const QLocale &locale = QLocale(), const QString &folder = QString());

// The language install() chose, "de", "pt_BR" or "en"; empty when no catalogue is installed.
QString language();

// The file's sibling in the chosen language, "name_<language>.ext", when there is one; else the path.
QString localizedPath(const QString &path);

} // namespace translations
