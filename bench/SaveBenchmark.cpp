// The store's goals, each against a baseline that does the stated work and no more, the two taking
// turns so that the machine's noise falls on both alike; the ratio of the medians is printed with
// its goal. Run it by hand on a quiet machine, once on tmpfs and once on a disk; it is not a test.
//
//     kelmora_bench [--goals 1,2,4,5,6,7] [folder]
//
// The files go to a temporary folder inside `folder` (default the system's). The goals:
//   1  SavegameStore::Save, with its settings re-read under the lock, against RawSave (DurableWork.h),
//      which reads the settings' file too
//   2  `kelmora-cli save N` against kelmora_bench_durable_save, process start to exit: both find the
//      savegame through the stored settings; beside them each program started for no work, which
//      tells how much of each save is its start-up
//   4  a template choice in a folder of 100,000 files against a listing of it and a durable copy;
//      kelmora-cli's peak memory for that choice against the same choice in a folder of 10 files
//   5  a save with 1,000 other originals in the Backups folder against the same save with one
//   6  `kelmora-cli backups` with 5,000 backups against `ls -lR` of the Backups folder
//   7  kelmora-cli's peak memory for a save of a 64 MiB savegame against the savegame's size plus its
//      peak memory for a 64 KiB one
// Goal 3 (start-up) is bench/startup_bench.sh, and the restore dialog's is kelmora_restore_bench.
// Every line with a ratio starts with "Goal N |", for bench/run_all.sh to gather.

#include "DurableWork.h"
#include "mission/MissionDataFile.h"
#include "mission/MissionSelection.h"
#include "store/BackupFolder.h"
#include "store/SavegameStore.h"
#include "support/Fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

extern char** environ;

using namespace kelmora;

namespace {

constexpr qsizetype SavegameSize = 64 * 1024;
constexpr qsizetype LargeSavegameSize = 64 * 1024 * 1024;

// Timing an operation that failed would time its error path, so any problem ends the run.
void DieOn(const Problems& problems)
{
    for (const Problem& problem : problems) {
        const Message message = MessageFor(problem);
        qFatal("Failure during the benchmark: %s [%s]", qPrintable(message.title), qPrintable(message.text));
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One goal's line: what, against what, the ratio and its limit.
void Report(int goal, const char* what, const char* baseline, double ratio, double limit)
{
    std::printf("Goal %d | %s | %s | %.3f | %.2f | %s\n", goal, what, baseline, ratio, limit,
                ratio <= limit ? "met" : "MISSED");
    std::fflush(stdout);
}

struct Medians
{
    double a = 0;
    double b = 0;
};

// Each of `runs` in turn, after `warmUp` rounds of all: what each returned, round by round.
std::vector<std::vector<double>> InterleavedRuns(int warmUp, int rounds,
                                                 const std::vector<std::function<double(int)>>& runs)
{
    const size_t count = runs.size();
    for (int i = 0; i < warmUp; ++i) {
        for (const auto& run : runs)
            run(i);
    }
    std::vector<std::vector<double>> figures(count);
    for (int i = 0; i < rounds; ++i) {
        // The order turns by one every two rounds, and every second round runs backward: each takes
        // every place in a round as often as the others, and comes as often before as after the next.
        const size_t turn = size_t(i / 2) % count;
        for (size_t k = 0; k < count; ++k) {
            const size_t which = (turn + (i % 2 ? count - 1 - k : k)) % count;
            figures[which].push_back(runs[which](warmUp + i));
        }
    }
    return figures;
}

// `a` and `b` take turns, after `warmUp` rounds of both: the medians of their times in microseconds.
// Each gets the round's number, so that a save can vary its mission.
Medians Interleaved(int warmUp, int rounds, const std::function<void(int)>& a, const std::function<void(int)>& b)
{
    const auto timed = [](const std::function<void(int)>& operation) {
        return [&operation](int i) {
            QElapsedTimer timer;
            timer.start();
            operation(i);
            return timer.nsecsElapsed() / 1000.0;
        };
    };
    const std::vector<std::vector<double>> times = InterleavedRuns(warmUp, rounds, {timed(a), timed(b)});
    return {Median(times[0]), Median(times[1])};
}

QByteArray RandomSavegame(qsizetype size, quint32 seed)
{
    QByteArray savegame(size, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32*>(savegame.data()), size / 4);
    return savegame;
}

void WriteFileOrDie(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        qFatal("Could not write %s: %s", qPrintable(path), qPrintable(file.errorString()));
}

void MakeFolderOrDie(const QString& path)
{
    if (!QDir().mkpath(path))
        qFatal("Could not make the folder %s", qPrintable(path));
}

// A folder holding `count` other files besides whatever the caller puts there.
void FillFolder(const QString& folder, int count)
{
    MakeFolderOrDie(folder);
    for (int i = 0; i < count; ++i) {
        const QByteArray name = QFile::encodeName(folder + QStringLiteral("/other-%1.bin").arg(i, 6, 10, QChar(u'0')));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            bench::RawFailure("filling the folder");
        ::close(fd);
    }
}

// A player of the in-process store: a savegame folder, a program folder, a user folder and settings
// of its own (each under its own application name, as the settings go to one folder per process).
struct Player
{
    Player(const QString& root, const QString& name, const QByteArray& savegame)
        : folder(root + u'/' + name)
        , savedata(folder + QStringLiteral("/savedata/"))
        , store({QDir::toNativeSeparators(folder + QStringLiteral("/program")),
                 QDir::toNativeSeparators(folder + QStringLiteral("/user")),
                 {QSettings::UserScope, QStringLiteral("KelmoraBench"), name}})
    {
        MakeFolderOrDie(savedata);
        MakeFolderOrDie(folder + QStringLiteral("/program"));
        WriteFileOrDie(savedata + QStringLiteral("Alex.sav"), savegame);
    }

    void Choose()
    {
        DieOn(store
                  .ChooseTemplate(state, {QDir::toNativeSeparators(savedata + QStringLiteral("Alex.sav")),
                                          QStringLiteral("Alex.sav")})
                  .problems);
    }

    void Save(int index, const Clock& clock) { DieOn(store.Save(state, true, index % MISSION_COUNT, clock).problems); }

    QString factoryPath() const { return savedata + state.FactoryDriverFile; }

    QString folder;
    QString savedata;
    SavegameStore store;
    RunState state;
};

// Figures for saves that wrote the wrong bytes would be worthless: check what the last one left.
void CheckSaved(const QString& templatePath, const QString& savedPath, int index)
{
    QFile templateFile(templatePath), savedFile(savedPath);
    if (!templateFile.open(QIODevice::ReadOnly) || !savedFile.open(QIODevice::ReadOnly))
        qFatal("Could not read the files the saves wrote");
    MissionStatusTable expected = MissionBlockIn(templateFile.readAll());
    ApplyMissionSelection(expected, index % MISSION_COUNT);
    if (MissionBlockIn(savedFile.readAll()) != expected)
        qFatal("%s does not hold the expected mission block", qPrintable(savedPath));
}

// The raw baseline's own copy of a player's files, so that both change a file in turns.
bench::RawSavePaths RawCopyOf(const Player& player, const QString& rawFolder)
{
    MakeFolderOrDie(rawFolder + QStringLiteral("/backups"));
    QFile::copy(player.store.DataFilePath(), rawFolder + QStringLiteral("/kelmora.dat"));
    QFile::copy(player.savedata + QStringLiteral("Alex.sav"), rawFolder + QStringLiteral("/RawFactMS.sav"));
    const QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("KelmoraBench"),
                             QFileInfo(player.folder).fileName());
    return {QFile::encodeName(settings.fileName()).toStdString(),
            QFile::encodeName(rawFolder + QStringLiteral("/kelmora.dat")).toStdString(),
            QFile::encodeName(rawFolder).toStdString(),
            QFile::encodeName(rawFolder + QStringLiteral("/RawFactMS.sav")).toStdString(),
            QFile::encodeName(rawFolder + QStringLiteral("/backups")).toStdString(),
            "backup-"};
}

void SaveGoal(const QString& root, const QByteArray& savegame, const Clock& clock)
{
    Player player(root, QStringLiteral("save"), savegame);
    player.Choose();
    const bench::RawSavePaths raw = RawCopyOf(player, root + QStringLiteral("/save-raw"));
    constexpr int rounds = 2000;
    const Medians m = Interleaved(
        200, rounds, [&](int i) { player.Save(i, clock); },
        [&](int i) { bench::RawSave(raw, i % MISSION_COUNT, size_t(MaximumSavegameSize)); });
    CheckSaved(player.savedata + QStringLiteral("Alex.sav"), player.factoryPath(), 200 + rounds - 1);
    CheckSaved(player.savedata + QStringLiteral("Alex.sav"), QFile::decodeName(raw.savegame.c_str()), 200 + rounds - 1);
    std::printf("  save: %.1f us, raw durable save with its backup: %.1f us (medians of %d)\n", m.a, m.b, rounds);
    Report(1, "save in-process, settings re-read", "raw C durable save with backup", m.a / m.b, 1.5);
}

void OriginalsGoal(const QString& root, const QByteArray& savegame, const Clock& clock)
{
    Player one(root, QStringLiteral("originals-1"), savegame);
    Player many(root, QStringLiteral("originals-1000"), savegame);
    one.Choose();
    many.Choose();
    // Other factory driver files, each with a backup of its own, as other folders' saves leave them.
    BackupFolder backups(many.store.BackupFolderPath());
    const QByteArray small = savegame.left(MinimumSavegameSize);
    for (int i = 0; i < 1000; ++i) {
        const QString original = QStringLiteral("/home/player/Save %1/BFactMS.sav").arg(i);
        if (const QString error = backups.Keep(original, small, {}, {}); !error.isEmpty())
            qFatal("Could not keep a backup: %s", qPrintable(error));
    }
    constexpr int rounds = 600;
    const Medians m = Interleaved(
        60, rounds, [&](int i) { many.Save(i, clock); }, [&](int i) { one.Save(i, clock); });
    std::printf("  save with 1,000 other originals: %.1f us, with none: %.1f us (medians of %d)\n", m.a, m.b, rounds);
    Report(5, "save, 1,000 other originals in Backups", "same save, 1 original", m.a / m.b, 1.10);
}

void ChoiceTimeGoal(const QString& root, const QByteArray& savegame)
{
    Player player(root, QStringLiteral("choice"), savegame);
    FillFolder(player.savedata, 100000);
    player.Choose();
    const std::string folder = QFile::encodeName(player.savedata).toStdString();
    const std::string templatePath = folder + "Alex.sav", copyPath = folder + "raw-copy.sav";
    size_t listed = 0;
    constexpr int rounds = 21;
    const Medians m = Interleaved(
        3, rounds, [&](int) { player.Choose(); },
        [&](int) { listed = bench::RawListAndCopy(folder, templatePath, copyPath, size_t(MaximumSavegameSize)); });
    std::printf("  template choice among %zu entries: %.1f ms, one listing and a durable copy: %.1f ms (medians of "
                "%d)\n",
                listed, m.a / 1000, m.b / 1000, rounds);
    Report(4, "template choice, 100,000 files in the folder", "one listing + durable copy", m.a / m.b, 2.0);
}

// Runs `arguments` with `environment`, its output thrown away: milliseconds from start to exit.
double RunProcess(const std::vector<QByteArray>& arguments, const std::vector<QByteArray>& environment)
{
    std::vector<char*> argv, envp;
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    for (const QByteArray& variable : environment)
        envp.push_back(const_cast<char*>(variable.constData()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        bench::RawFailure("process start");
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid)
        bench::RawFailure("process wait");
    clock_gettime(CLOCK_MONOTONIC, &end);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("%s %s ended with status %d", argv[0], argv[1], status);
    return (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
}

// The largest resident set that `arguments` had, in KiB. Not that of a process started from here:
// Linux counts into a started program's peak the memory it shared with this one until it became
// that program, and this one holds far more than a small save needs. kelmora_bench_peak, small
// itself, starts it and tells.
double PeakKiB(const std::vector<QByteArray>& arguments, const std::vector<QByteArray>& environment)
{
    const QTemporaryDir folder;
    const QString report = folder.filePath(QStringLiteral("peak"));
    std::vector<QByteArray> launched = {
        QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/kelmora_bench_peak")),
        QFile::encodeName(report)};
    launched.insert(launched.end(), arguments.begin(), arguments.end());
    RunProcess(launched, environment);
    QFile file(report);
    bool ok = file.open(QIODevice::ReadOnly);
    const double kib = ok ? file.readAll().trimmed().toDouble(&ok) : 0;
    if (!ok)
        qFatal("No peak memory reported for %s", arguments.front().constData());
    return kib;
}

// The median of `a`'s figures less `b`'s of the same round.
double MedianDifference(const std::vector<double>& a, const std::vector<double>& b)
{
    std::vector<double> differences;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        differences.push_back(a[i] - b[i]);
    return Median(differences);
}

// A player of kelmora-cli: its own copy of the program (so that kelmora.dat goes beside it, as for a
// portable copy), and its own home, settings and data folders.
struct CliPlayer
{
    CliPlayer(const QString& root, const QString& name, const QString& savedataFolder)
        : folder(root + u'/' + name)
        , program(QFile::encodeName(folder + QStringLiteral("/cli/kelmora-cli")))
        , savedata(savedataFolder)
    {
        MakeFolderOrDie(folder + QStringLiteral("/cli"));
        MakeFolderOrDie(savedata);
        if (!QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/kelmora-cli"),
                         QFile::decodeName(program)))
            qFatal("Could not copy kelmora-cli beside the benchmark's files");
        const QSet<QByteArray> own = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "HOME"};
        for (char** variable = environ; *variable; ++variable) {
            const QByteArray text(*variable);
            if (!own.contains(text.left(text.indexOf('='))))
                environment.push_back(text);
        }
        environment.push_back("XDG_CONFIG_HOME=" + QFile::encodeName(folder + QStringLiteral("/config")));
        environment.push_back("XDG_DATA_HOME=" + QFile::encodeName(folder + QStringLiteral("/data")));
        environment.push_back("HOME=" + QFile::encodeName(folder + QStringLiteral("/home")));
    }

    std::vector<QByteArray> Command(const std::vector<QByteArray>& words) const
    {
        std::vector<QByteArray> arguments{program};
        arguments.insert(arguments.end(), words.begin(), words.end());
        return arguments;
    }
    double Run(const std::vector<QByteArray>& words) const { return RunProcess(Command(words), environment); }
    double Peak(const std::vector<QByteArray>& words) const { return PeakKiB(Command(words), environment); }

    void Choose(const QString& templateName) const { Run({"template", QFile::encodeName(savedata + templateName)}); }

    QString dataFile() const { return folder + QStringLiteral("/cli/kelmora.dat"); }
    QString backupFolder() const { return folder + QStringLiteral("/data/Quorrick/Kelmora/Backups"); }

    QString folder;
    QByteArray program;
    QString savedata;
    std::vector<QByteArray> environment;
};

void CliSaveGoal(const QString& root, const QByteArray& savegame)
{
    CliPlayer cli(root, QStringLiteral("cli-save"), root + QStringLiteral("/cli-save/savedata/"));
    WriteFileOrDie(cli.savedata + QStringLiteral("Alex.sav"), savegame);
    cli.Choose(QStringLiteral("Alex.sav"));
    // The baseline changes the same savegame, found through the same settings, and keeps its own
    // backups beside the same kelmora.dat.
    MakeFolderOrDie(root + QStringLiteral("/cli-save/raw-backups"));
    const QByteArray baseline =
        QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/kelmora_bench_durable_save"));
    const std::vector<QByteArray> raw = {baseline, QFile::encodeName(cli.dataFile()),
                                         QFile::encodeName(root + QStringLiteral("/cli-save/raw-backups"))};
    constexpr int rounds = 150;
    // Beside the two saves, each program started for no work: kelmora-cli for its version (its names,
    // translations, the place of its data file, its command line), the baseline to end at once. The
    // work of a save after its start is told round by round: the difference of two medians would
    // carry the spread of both, as large as that work itself.
    const std::vector<std::vector<double>> m =
        InterleavedRuns(6, rounds,
                        {[&](int i) {
                             return cli.Run({"save", QByteArray::number(i % MISSION_COUNT + 1)});
                         },
                         [&](int i) {
                             std::vector<QByteArray> arguments = raw;
                             // Another mission than kelmora-cli's of this round and the last: the file it finds then
                             // always needs the change, and kelmora-cli does the whole save every time.
                             arguments.push_back(QByteArray::number((i + MISSION_COUNT / 2) % MISSION_COUNT + 1));
                             return RunProcess(arguments, cli.environment);
                         },
                         [&](int) { return cli.Run({"--version"}); },
                         [&](int) {
                             return RunProcess({baseline, "--start-only"}, cli.environment);
                         }});
    const double save = Median(m[0]), rawSave = Median(m[1]), start = Median(m[2]), rawStart = Median(m[3]);
    const double work = MedianDifference(m[0], m[2]), rawWork = MedianDifference(m[1], m[3]);
    std::printf("  kelmora-cli save: %.2f ms; QtCore durable save: %.2f ms (medians of %d)\n", save, rawSave, rounds);
    std::printf("  started for no work: kelmora-cli --version %.2f ms, the QtCore program %.2f ms (%.3fx); the "
                "saves' work after starting: %.2f ms against %.2f ms (%.3fx)\n",
                start, rawStart, start / rawStart, work, rawWork, work / rawWork);
    Report(2, "kelmora-cli save N, process", "QtCore program, same durable work", save / rawSave, 1.10);
}

void CliChoiceMemoryGoal(const QString& root, const QByteArray& savegame)
{
    CliPlayer few(root, QStringLiteral("cli-choice-10"), root + QStringLiteral("/cli-choice-10/savedata/"));
    CliPlayer many(root, QStringLiteral("cli-choice-100000"), root + QStringLiteral("/cli-choice-100000/savedata/"));
    FillFolder(few.savedata, 10);
    FillFolder(many.savedata, 100000);
    WriteFileOrDie(few.savedata + QStringLiteral("Alex.sav"), savegame);
    WriteFileOrDie(many.savedata + QStringLiteral("Alex.sav"), savegame);
    constexpr int rounds = 7;
    const std::vector<std::vector<double>> m = InterleavedRuns(
        1, rounds,
        {[&](int) {
             return many.Peak({"template", QFile::encodeName(many.savedata + QStringLiteral("Alex.sav"))});
         },
         [&](int) {
             return few.Peak({"template", QFile::encodeName(few.savedata + QStringLiteral("Alex.sav"))});
         }});
    const double manyKiB = Median(m[0]), fewKiB = Median(m[1]);
    std::printf(
        "  kelmora-cli template among 100,000 files: %.0f KiB at its peak; among 10: %.0f KiB (medians of %d)\n",
        manyKiB, fewKiB, rounds);
    Report(4, "template choice peak memory, 100,000 files", "same choice, 10 files", manyKiB / fewKiB, 1.2);
}

void CliBackupsGoal(const QString& root, const QByteArray& savegame)
{
    CliPlayer cli(root, QStringLiteral("cli-backups"), root + QStringLiteral("/cli-backups/savedata/"));
    WriteFileOrDie(cli.savedata + QStringLiteral("Alex.sav"), savegame);
    cli.Choose(QStringLiteral("Alex.sav"));
    // 100 factory driver files with 50 backups each, half of them copies of the current template.
    BackupFolder backups(cli.backupFolder());
    QByteArray content = savegame.left(MinimumSavegameSize);
    const QString templatePath = cli.savedata + QStringLiteral("Alex.sav");
    for (int i = 0; i < 5000; ++i) {
        content[0] = char(i);
        content[1] = char(i >> 8);
        const QString original = QStringLiteral("/home/player/Save %1/AFactMS.sav").arg(i % 100);
        const MissionChoice choice{MissionChoice::Kind::Set, {i % MISSION_COUNT}, {}};
        if (const QString error = backups.Keep(original, content, i % 2 ? templatePath : QString(), choice);
            !error.isEmpty())
            qFatal("Could not keep a backup: %s", qPrintable(error));
    }
    // Every backup is in a folder of its own original's: the listing must go down into them.
    const std::vector<QByteArray> ls = {"/bin/ls", "-lR", QFile::encodeName(cli.backupFolder())};
    constexpr int rounds = 40;
    const std::vector<std::vector<double>> m = InterleavedRuns(
        3, rounds, {[&](int) { return cli.Run({"backups"}); }, [&](int) { return RunProcess(ls, cli.environment); }});
    const double listed = Median(m[0]), listing = Median(m[1]);
    std::printf("  kelmora-cli backups: %.2f ms, ls -lR: %.2f ms (medians of %d)\n", listed, listing, rounds);
    Report(6, "kelmora-cli backups, 5,000 backups", "ls -lR of the Backups folder", listed / listing, 2.0);
}

void CliSaveMemoryGoal(const QString& root, const QByteArray& savegame)
{
    // The same save of a 64 KiB savegame first, for what the program needs besides the savegame.
    CliPlayer small(root, QStringLiteral("cli-small"), root + QStringLiteral("/cli-small/savedata/"));
    WriteFileOrDie(small.savedata + QStringLiteral("Alex.sav"), savegame);
    small.Choose(QStringLiteral("Alex.sav"));
    std::vector<double> smallPeaks;
    for (int i = 0; i < 5; ++i)
        smallPeaks.push_back(small.Peak({"save", QByteArray::number(i % MISSION_COUNT + 1)}));
    const double smallPeakKiB = Median(smallPeaks);

    CliPlayer cli(root, QStringLiteral("cli-large"), root + QStringLiteral("/cli-large/savedata/"));
    WriteFileOrDie(cli.savedata + QStringLiteral("Alex.sav"), RandomSavegame(LargeSavegameSize, 7));
    cli.Choose(QStringLiteral("Alex.sav"));
    // Few runs: each keeps a 64 MiB backup.
    std::vector<double> peaks;
    for (int i = 0; i < 5; ++i)
        peaks.push_back(cli.Peak({"save", QByteArray::number(i % MISSION_COUNT + 1)}));
    const double peak = Median(peaks);
    const double allowed = LargeSavegameSize / 1024.0 + smallPeakKiB;
    std::printf("  kelmora-cli save of 64 MiB: %.0f KiB at its peak; of 64 KiB: %.0f KiB\n", peak, smallPeakKiB);
    Report(7, "save peak memory, 64 MiB savegame", "64 MiB + peak of a 64 KiB save", peak / allowed, 1.3);
    QDir(cli.folder).removeRecursively();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QSet<int> goals = {1, 2, 4, 5, 6, 7};
    if (arguments.size() >= 2 && arguments.first() == QStringLiteral("--goals")) {
        goals.clear();
        for (const QString& goal : arguments.at(1).split(u','))
            goals.insert(goal.toInt());
        arguments = arguments.mid(2);
    }
    const QTemporaryDir temporary =
        arguments.isEmpty() ? QTemporaryDir()
                            : QTemporaryDir(QDir(arguments.first()).filePath(QStringLiteral("kelmora_bench-XXXXXX")));
    if (!temporary.isValid())
        qFatal("Could not make the benchmark's folder: %s", qPrintable(temporary.errorString()));
    const QString root = temporary.path();
    test::RedirectSettings(root + QStringLiteral("/settings"));
    const test::FixedClock clock;
    const QByteArray savegame = RandomSavegame(SavegameSize, 20240601);
    std::printf("Kelmora's store against its baselines, in %s; ratios of interleaved medians\n", qPrintable(root));
    std::fflush(stdout);

    if (goals.contains(1))
        SaveGoal(root, savegame, clock);
    if (goals.contains(5))
        OriginalsGoal(root, savegame, clock);
    if (goals.contains(4)) {
        ChoiceTimeGoal(root, savegame);
        CliChoiceMemoryGoal(root, savegame);
    }
    if (goals.contains(2))
        CliSaveGoal(root, savegame);
    if (goals.contains(6))
        CliBackupsGoal(root, savegame);
    if (goals.contains(7))
        CliSaveMemoryGoal(root, savegame);
    return 0;
}
