// The baseline of `kelmora-cli save N`: a minimal QtCore program doing the same durable work as a save,
// with the fewest calls (DurableWork.h), from process start to exit.
//
//     kelmora_bench_durable_save SETTINGS DATAFILE SAVEGAME BACKUPFOLDER NUMBER
#include "DurableWork.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <string>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 6) {
        std::fprintf(stderr, "Usage: %s SETTINGS DATAFILE SAVEGAME BACKUPFOLDER NUMBER\n", argv[0]);
        return 2;
    }
    kelmora::bench::RawSavePaths paths;
    paths.settings = argv[1];
    paths.dataFile = argv[2];
    paths.savegame = argv[3];
    paths.folder = QFileInfo(QString::fromLocal8Bit(argv[3])).absolutePath().toStdString();
    paths.backupFolder = argv[4];
    // A name of its own for each run, as a real backup has.
    paths.backupPrefix = std::to_string(QCoreApplication::applicationPid()) + '-';
    kelmora::bench::RawSave(paths, std::atoi(argv[5]) - 1, size_t(kelmora::MaximumSavegameSize));
    return 0;
}
