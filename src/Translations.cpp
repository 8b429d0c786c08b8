#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace kelmora {
namespace {

const QString ResourceFolder = QStringLiteral(":/i18n");
const QString FilePrefix = QStringLiteral("kelmora_");

bool IsEnglish(const QString& uiLanguage)
{
    // "C" and "POSIX" are what a system without a language of its own answers.
    if (uiLanguage == QStringLiteral("C") || uiLanguage == QStringLiteral("POSIX"))
        return true;
    return QLocale(uiLanguage).language() == QLocale::English;
}

} // namespace

QStringList TranslatedLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(ResourceFolder).entryList({FilePrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(FilePrefix.size()).chopped(3);
    return languages;
}

bool LoadTranslation(QTranslator& translator, const QStringList& uiLanguages)
{
    for (const QString& wanted : uiLanguages) {
        if (IsEnglish(wanted))
            return false;
        // "de-AT" finds kelmora_de, "pt-BR" kelmora_pt_BR; "pt-PT" finds nothing and the next language is tried.
        if (translator.load(QLocale(wanted), QStringLiteral("kelmora"), QStringLiteral("_"), ResourceFolder))
            return true;
    }
    return false;
}

bool LoadQtTranslation(QTranslator& translator, const QString& language)
{
    // Qt's own folder on Linux (Debian's qt6-translations-l10n); beside the program in a portable copy,
    // where Qt's folder is the same one unless a qt.conf says otherwise.
    const QString folders[] = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString& folder : folders) {
        if (translator.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
            return true;
    }
    return false;
}

void InstallTranslations(QCoreApplication& application)
{
    auto program = std::make_unique<QTranslator>();
    if (!LoadTranslation(*program, QLocale::system().uiLanguages()))
        return;
    // Qt's texts only with a translation of the program's own, so that a window never mixes two languages.
    auto qt = std::make_unique<QTranslator>();
    if (LoadQtTranslation(*qt, program->language())) {
        qt->setParent(&application);
        QCoreApplication::installTranslator(qt.release());
    }
    program->setParent(&application);
    QCoreApplication::installTranslator(program.release());
}

QLocale TranslationLocale()
{
    // Each translation names its own locale in this one entry.
    //: The locale of this translation, as its file is named (de, pt_BR). Dates and goal times are written
    //: the way this locale writes them.
    return QLocale(QCoreApplication::translate("kelmora::Translations", "en"));
}

} // namespace kelmora
