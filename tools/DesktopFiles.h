#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTranslator;

namespace kelmora {

// What the desktop shows of Kelmora before it runs, in the player's language: the desktop entry
// (GenericName, Comment, Keywords), the AppStream metadata (summary, description, captions) and the
// savegame type's comment. Their English is written by hand in resources/desktop/; their translations
// live in translations/*.ts with the program's own, and are written into the files from there, after
// each English text, one line or paragraph a language.

struct DesktopLanguage
{
    QString name; // as the desktop writes it: "de", "pt_BR"
    const QTranslator* translator;
};

// The file with the translations of `languages` after each of its English texts, in that order, and
// none of those it held before. `missing` gets every text a language has no translation for.
QString TranslatedDesktopEntry(const QString& entry, const QList<DesktopLanguage>& languages, QStringList* missing);
// For the AppStream metadata: <summary>, <p> and <caption>; for the savegame type: <comment>.
QString TranslatedMetainfo(const QString& metainfo, const QList<DesktopLanguage>& languages, QStringList* missing);
QString TranslatedMimeInfo(const QString& mimeInfo, const QList<DesktopLanguage>& languages, QStringList* missing);

} // namespace kelmora
