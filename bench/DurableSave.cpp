// The baseline of `kelmora-cli save N`: a minimal QtCore program doing the same durable work as a save,
// from process start to exit. It learns which savegame to change from the stored settings, through
// QSettings as any QtCore program reads them, and then changes it with the fewest calls (DurableWork.h).
//
//     kelmora_bench_durable_save DATAFILE BACKUPFOLDER NUMBER
//     kelmora_bench_durable_save --start-only     (starts and ends, for the start-up's share)
#include "DurableWork.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <cstring>
#include <string>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--start-only") == 0)
        return 0;
    if (argc != 4) {
        std::fprintf(stderr, "Usage: %s DATAFILE BACKUPFOLDER NUMBER\n", argv[0]);
        return 2;
    }
    const kelmora::SettingsKey& key = kelmora::KelmoraSettingsKey();
    const QSettings settings(key.organization, key.application);
    const QString folder = settings.value(kelmora::SavedataFolderValue).toString();
    const QString templateFile = settings.value(kelmora::TemplateDriverFileValue).toString();
    if (folder.isEmpty() || templateFile.isEmpty()) {
        std::fprintf(stderr, "No template in the settings %s\n", qPrintable(settings.fileName()));
        return 3;
    }
    kelmora::bench::RawSavePaths paths;
    paths.dataFile = argv[1];
    paths.folder = QFile::encodeName(folder).toStdString();
    paths.savegame = QFile::encodeName(folder + kelmora::FactoryDriverFileFor(templateFile)).toStdString();
    paths.backupFolder = argv[2];
    // A name of its own for each run, as a real backup has.
    paths.backupPrefix = std::to_string(QCoreApplication::applicationPid()) + '-';
    kelmora::bench::RawSave(paths, std::atoi(argv[3]) - 1, size_t(kelmora::MaximumSavegameSize));
    return 0;
}
