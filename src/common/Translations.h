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
// one; empty when English comes first or none is shipped, and the source texts show.
QString chooseLanguage(const QStringList &uiLanguages, const QStringList &shipped);

// The languages whose catalogues lie in the folder.
QStringList shippedLanguages(const QString &folder);

// Loads the catalogues for the locale from the folder where the program's files are, and Qt's own
// from its translations folder; returns the language installed, empty for English.
QString install(QCoreApplication &app, const QLocale &locale = QLocale(), const QString &folder = QString());

// The language install() chose, "de" or "pt_BR"; empty while the texts are English.
QString language();

// The file's sibling in the chosen language, "name_<language>.ext", when there is one; else the path.
QString localizedPath(const QString &path);

} // namespace translations
