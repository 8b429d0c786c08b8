// Writes the translations of translations/*.ts, as built into the program, into the desktop entry,
// the AppStream metadata and the savegame type, after their English texts:
//
//   kelmora_update_desktop_files DESKTOP-ENTRY METAINFO MIME-INFO
//
// `cmake --build build --target update_desktop_files` runs it on resources/desktop/. A text that a
// language has not translated is named on the error output (exit status 1) and left out for it.
#include "DesktopFiles.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QTranslator>

#include <memory>
#include <vector>

using namespace kelmora;

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList files = QCoreApplication::arguments().mid(1);
    if (files.size() != 3) {
        err << "Usage: kelmora_update_desktop_files DESKTOP-ENTRY METAINFO MIME-INFO" << Qt::endl;
        return 2;
    }
    std::vector<std::unique_ptr<QTranslator>> translators;
    QList<DesktopLanguage> languages;
    for (const QString& language : TranslatedLanguages()) {
        translators.push_back(std::make_unique<QTranslator>());
        if (!translators.back()->load(QStringLiteral(":/i18n/kelmora_%1.qm").arg(language))) {
            err << "could not load the translation " << language << Qt::endl;
            return 1;
        }
        languages.append({language, translators.back().get()});
    }

    using Translate = QString (*)(const QString&, const QList<DesktopLanguage>&, QStringList*);
    const Translate translate[] = {TranslatedDesktopEntry, TranslatedMetainfo, TranslatedMimeInfo};
    QStringList missing;
    for (int i = 0; i < 3; ++i) {
        QFile in(files.at(i));
        if (!in.open(QIODevice::ReadOnly)) {
            err << files.at(i) << ": " << in.errorString() << Qt::endl;
            return 1;
        }
        const QByteArray before = in.readAll();
        in.close();
        const QByteArray after = translate[i](QString::fromUtf8(before), languages, &missing).toUtf8();
        if (after == before)
            continue;
        QSaveFile out(files.at(i));
        if (!out.open(QIODevice::WriteOnly) || out.write(after) != after.size() || !out.commit()) {
            err << files.at(i) << ": " << out.errorString() << Qt::endl;
            return 1;
        }
    }
    for (const QString& text : missing)
        err << "not translated: " << text << Qt::endl;
    return missing.isEmpty() ? 0 : 1;
}
