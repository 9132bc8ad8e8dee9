// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/Translations.h"

#include "common/Log.h"
#include "common/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace translations {

namespace {

QString g_language; // chosen by install(); empty while the texts are English

// "pt-BR" as the locale names it, "pt_BR" as the files do.
QString fileLanguage(QString uiLanguage)
{
    return uiLanguage.replace(QLatin1Char('-'), QLatin1Char('_'));
}

} // namespace

QString chooseLanguage(const QStringList &uiLanguages, const QStringList &shipped)
{
    // English is the source; its catalogue, when shipped, holds only the plural forms.
    const QString english = shipped.contains(QLatin1String("en")) ? QStringLiteral("en") : QString();
    for (const QString &wanted : uiLanguages) {
        const QString name = fileLanguage(wanted);
        // A later language in the list must not take English's place.
        if (name == u"C" || name == u"en" || name.startsWith(QLatin1String("en_")))
            return english;
        for (QString candidate = name; !candidate.isEmpty();) {
            if (shipped.contains(candidate))
                return candidate;
            const qsizetype cut = candidate.lastIndexOf(QLatin1Char('_'));
            candidate = cut > 0 ? candidate.left(cut) : QString();
        }
    }
    return english;
}

QStringList shippedLanguages(const QString &folder)
{
    QStringList languages;
    const QStringList files = QDir(folder).entryList({QStringLiteral("cuescroll_*.qm")}, QDir::Files);
    for (const QString &file : files)
        languages << file.mid(10, file.size() - 13); // between "cuescroll_" and ".qm"
    return languages;
}

QString install(QCoreApplication &app, const QLocale &locale, const QString &folder)
{
    // The catalogues lie where the help page does: beside the program in a build, in share/cuescroll
    // once installed.
    const QString from =
        folder.isEmpty()
            ? QFileInfo(programfiles::locate(QStringLiteral("cuescroll-help.html"))).absolutePath()
            : folder;
    g_language = chooseLanguage(locale.uiLanguages(), shippedLanguages(from));
    if (g_language.isEmpty())
        return {};
    auto *own = new QTranslator(&app);
    if (!own->load(QStringLiteral("cuescroll_") + g_language, from)) {
        qCWarning(lcCommon).noquote() << "catalogue for" << g_language << "not loaded from" << from;
        delete own;
        g_language.clear();
        return {};
    }
    app.installTranslator(own);
    // Qt's standard dialogs and the command line's own options.
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + g_language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
    qCDebug(lcCommon).noquote() << "texts in" << g_language;
    return g_language;
}

QString language()
{
    return g_language;
}

QString localizedPath(const QString &path)
{
    if (g_language.isEmpty())
        return path;
    const QFileInfo file(path);
    QString name = file.completeBaseName() + QLatin1Char('_') + g_language;
    if (!file.suffix().isEmpty())
        name += QLatin1Char('.') + file.suffix();
    const QString localized = file.dir().filePath(name);
    return QFileInfo::exists(localized) ? localized : path;
}

} // namespace translations
