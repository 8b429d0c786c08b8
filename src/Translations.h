#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace kelmora {

// The player's language. Every text is written in English in the sources; translations/kelmora_<language>.ts
// translate them, and their .qm files are built into the program under :/i18n.

// The languages the program speaks besides English, as their files are named: "de", "pt_BR", ...
QStringList TranslatedLanguages();

// Loads into `translator` the program's translation for the first of `uiLanguages` (most wanted first,
// as QLocale::uiLanguages() lists them) that has one. False when English, or "C", comes first, or none
// of them has one: the program then speaks English, its own language.
bool LoadTranslation(QTranslator& translator, const QStringList& uiLanguages);

// Loads Qt's own texts (buttons, the file dialog, kelmora-cli's option help) in `language`: from Qt's
// translations folder, or from a `translations` folder beside the program, where a portable copy keeps
// them. False when neither has them.
bool LoadQtTranslation(QTranslator& translator, const QString& language);

// Speaks the desktop's language (QLocale::system().uiLanguages()) where the program has a translation
// for it, with Qt's own texts in the same language. The translators belong to `application`.
void InstallTranslations(QCoreApplication& application);

// The locale of the translation in use, for what is written in the player's language besides words:
// a date, the decimal separator of a goal time. English (en_US) while no translation is installed.
QLocale TranslationLocale();

} // namespace kelmora
