// Times the file work behind a save against a raw baseline that does the same durable work with the
// fewest system calls, the two taking turns so that the machine's noise hits both alike; then times
// kelmora-cli's whole `save` against its own `--version`, process start to exit. Run it by hand on a
// quiet machine; it is deliberately not a test.
//
//     kelmora_bench [folder]    (the files go to a temporary folder inside `folder`, default the system's)

#include "mission/MissionDataFile.h"
#include "mission/MissionSelection.h"
#include "store/SavegameStore.h"
#include "support/Fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;
#endif

using namespace kelmora;

namespace {

// The baseline and the process timings are POSIX calls, and the rest serves only them: elsewhere
// the benchmark says so and does nothing.
#ifdef Q_OS_UNIX
constexpr int WarmUpIterations = 200;
constexpr int TimedIterations = 2000;
constexpr qsizetype SavegameSize = 64 * 1024;
constexpr double SaveGoalRatio = 1.5;
constexpr int ProcessRuns = 150; // of each command, after a few warm-up runs
constexpr double ProcessGoalRatio = 1.10;

// Timing an operation that failed would time its error path, so any problem ends the run.
void DieOn(const Problems& problems)
{
    for (const Problem& problem : problems) {
        const Message message = MessageFor(problem);
        qFatal("Failure during the benchmark: %s [%s]", qPrintable(message.title), qPrintable(message.text));
    }
}

struct Figures
{
    double medianUs = 0;
    double p95Us = 0;
};

Figures Summary(std::vector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto percentile = [&](double fraction) {
        return samples[static_cast<size_t>(std::ceil(fraction * samples.size())) - 1] / 1000.0;
    };
    return {percentile(0.50), percentile(0.95)};
}

struct Pair
{
    Figures core;
    Figures baseline;
};

// The core and the baseline take turns, each going first every other iteration, so that a burst of
// noise on the machine falls on both alike. Each gets the iteration number, so that a save can vary
// the mission it selects.
template<typename CoreOperation, typename BaselineOperation>
Pair MeasureInterleaved(CoreOperation core, BaselineOperation baseline)
{
    for (int i = 0; i < WarmUpIterations; ++i) {
        core(i);
        baseline(i);
    }
    std::vector<qint64> coreSamples(TimedIterations);
    std::vector<qint64> baselineSamples(TimedIterations);
    QElapsedTimer timer;
    const auto time = [&](auto& operation, int i) {
        timer.start();
        operation(i);
        return timer.nsecsElapsed();
    };
    for (int i = 0; i < TimedIterations; ++i) {
        if (i % 2 == 0) {
            coreSamples[i] = time(core, i);
            baselineSamples[i] = time(baseline, i);
        } else {
            baselineSamples[i] = time(baseline, i);
            coreSamples[i] = time(core, i);
        }
    }
    return {Summary(coreSamples), Summary(baselineSamples)};
}

// The baseline skips what the core adds around the bytes (the folder scan, size checks, seeks,
// error texts) and converts its paths once, beforehand.
struct RawPaths
{
    QByteArray dataFile;
    QByteArray factoryFile;
    QByteArray newFactoryFile;
};

[[noreturn]] void RawFailure(const char* what)
{
    qFatal("Baseline %s failed: %s", what, std::strerror(errno));
}

// The same durable work as the core's save with the fewest system calls: read the program data file
// and the factory driver file whole, write the new version beside it in one write, flush it to disk,
// rename it into place. Only its folder scan, checks, lock and error texts are missing.
void RawSave(const RawPaths& paths, int index)
{
    MissionStatusTable table;
    int fd = ::open(paths.dataFile.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::read(fd, table.data(), sizeof table) != qint64(sizeof table))
        RawFailure("data file read");
    ::close(fd);
    ApplyMissionSelection(table, index);

    // One byte more than the file holds: a read that fills less has met the end.
    static std::vector<char> savegame(SavegameSize + 1);
    fd = ::open(paths.factoryFile.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::read(fd, savegame.data(), savegame.size()) != SavegameSize)
        RawFailure("factory file read");
    ::close(fd);
    for (int mission = 0; mission < MISSION_COUNT; ++mission)
        std::memcpy(savegame.data() + MissionByteOffset(mission, 0), table[mission].data(), MissionRecordSize);

    fd = ::open(paths.newFactoryFile.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, savegame.data(), SavegameSize) != SavegameSize)
        RawFailure("new factory file write");
    if (::fsync(fd) != 0)
        RawFailure("new factory file fsync");
    if (::close(fd) != 0)
        RawFailure("new factory file close");
    if (::rename(paths.newFactoryFile.constData(), paths.factoryFile.constData()) != 0)
        RawFailure("rename");
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Milliseconds from starting `arguments` to its exit, its output thrown away.
double RunProcess(const std::vector<QByteArray>& arguments)
{
    std::vector<char*> argv;
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        RawFailure("process start");
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid)
        RawFailure("process wait");
    clock_gettime(CLOCK_MONOTONIC, &end);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("%s %s ended with status %d", argv[0], argv[1], status);
    return (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
}

void WriteFileOrDie(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        qFatal("Could not write %s: %s", qPrintable(path), qPrintable(file.errorString()));
}

// Figures for saves that wrote the wrong bytes would be worthless: check what the last one left.
void CheckLastSave(const QString& templatePath, const QString& factoryPath)
{
    QFile templateFile(templatePath), factoryFile(factoryPath);
    if (!templateFile.open(QIODevice::ReadOnly) || !factoryFile.open(QIODevice::ReadOnly))
        qFatal("Could not read the files the saves wrote");
    MissionStatusTable expected = MissionBlockIn(templateFile.readAll());
    ApplyMissionSelection(expected, (TimedIterations - 1) % MISSION_COUNT);
    if (MissionBlockIn(factoryFile.readAll()) != expected)
        qFatal("The factory driver file does not hold the expected mission block");
}

struct Row
{
    const char* operation;
    Pair figures;
};

// kelmora-cli's `save` against its own `--version`, both from process start to exit, taking turns.
// Its own copy in `root`, with settings and data there, so that nothing lands beside the build.
// `durableUs` is the raw baseline's save: no whole `save` can take less above `--version`.
void MeasureCommandLine(const QTemporaryDir& root, const QByteArray& savegame, double durableUs)
{
    const QString cli = root.filePath(QStringLiteral("cli/kelmora-cli"));
    const QString players = root.filePath(QStringLiteral("players"));
    if (!QDir().mkpath(root.filePath(QStringLiteral("cli"))) || !QDir().mkpath(players) ||
        !QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/kelmora-cli"), cli))
        qFatal("Could not copy kelmora-cli beside the benchmark's files");
    WriteFileOrDie(players + QStringLiteral("/Alex.sav"), savegame);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
    qputenv("HOME", QFile::encodeName(root.filePath(QStringLiteral("home"))));

    const QByteArray program = QFile::encodeName(cli);
    RunProcess({program, "template", QFile::encodeName(players + QStringLiteral("/Alex.sav"))});
    const auto save = [&](int i) { return RunProcess({program, "save", QByteArray::number(i % MISSION_COUNT + 1)}); };
    const auto version = [&] { return RunProcess({program, "--version"}); };
    for (int i = 0; i < 5; ++i) {
        save(i);
        version();
    }
    std::vector<double> saves, versions;
    for (int i = 0; i < ProcessRuns; ++i) {
        if (i % 2 == 0) {
            saves.push_back(save(i));
            versions.push_back(version());
        } else {
            versions.push_back(version());
            saves.push_back(save(i));
        }
    }
    const double saveMs = Median(saves);
    const double versionMs = Median(versions);
    const double ratio = saveMs / versionMs;
    std::printf("\nkelmora-cli, process start to exit, medians of %d runs each, taking turns:\n", ProcessRuns);
    std::printf("  save NUMBER %.2f ms, --version %.2f ms\n", saveMs, versionMs);
    std::printf("Goal: save within %.2fx of --version: %s (%.3fx)\n", ProcessGoalRatio,
                ratio <= ProcessGoalRatio ? "met" : "MISSED", ratio);
    // The goal leaves (ratio - 1) of --version for everything a save adds; the durable write alone
    // (the raw baseline above) may need more than that on this disk.
    std::printf("  save adds %.2f ms to --version; the goal leaves %.2f ms, the raw durable save alone takes %.2f ms\n",
                saveMs - versionMs, (ProcessGoalRatio - 1) * versionMs, durableUs / 1000);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QTemporaryDir root = arguments.size() > 1
                                   ? QTemporaryDir(QDir(arguments[1]).filePath(QStringLiteral("kelmora_bench-XXXXXX")))
                                   : QTemporaryDir();
    const QString savedataFolder = root.filePath(QStringLiteral("savedata"));
    const QString programFolder = root.filePath(QStringLiteral("program"));
    const QString userFolder = root.filePath(QStringLiteral("user"));
    if (!root.isValid() || !QDir().mkpath(savedataFolder) || !QDir().mkpath(programFolder))
        qFatal("Could not create the benchmark's folders: %s", qPrintable(root.errorString()));

    QByteArray savegame(SavegameSize, Qt::Uninitialized);
    QRandomGenerator(20240601).fillRange(reinterpret_cast<quint32*>(savegame.data()), SavegameSize / 4);
    const QString templateName = QStringLiteral("template.sav");
    const QString templatePath = QDir(savedataFolder).filePath(templateName);
    // The baseline has a file of its own: saving the same mission into one file in turns would leave
    // the second nothing to change, and the core skips a write that changes nothing.
    const QString rawFactoryPath = QDir(savedataFolder).filePath(QStringLiteral("raw-factory.sav"));
    WriteFileOrDie(templatePath, savegame);
    WriteFileOrDie(rawFactoryPath, savegame);

    test::FixedClock clock;
    test::RedirectSettings(root.filePath(QStringLiteral("settings")));
    const SavegameStore store({QDir::toNativeSeparators(programFolder), QDir::toNativeSeparators(userFolder)});
    RunState state;
    DieOn(store.ChooseTemplate(state, {QDir::toNativeSeparators(templatePath), templateName}).problems);
    const QString factoryPath = QDir(savedataFolder).filePath(state.FactoryDriverFile);

    const QString dataFilePath = store.DataFilePath();
    const RawPaths paths{QFile::encodeName(dataFilePath), QFile::encodeName(rawFactoryPath),
                         QFile::encodeName(rawFactoryPath + QStringLiteral(".new"))};
    std::vector<Row> rows;
    // Both save the same mission in turn, each into its own file.
    rows.push_back(
        {"save sequence",
         MeasureInterleaved([&](int i) { DieOn(store.Save(state, true, i % MISSION_COUNT, clock).problems); },
                            [&](int i) { RawSave(paths, i % MISSION_COUNT); })});
    CheckLastSave(templatePath, factoryPath);
    CheckLastSave(templatePath, rawFactoryPath);

    std::printf("Kelmora file work: %d iterations after %d warm-up, core and baseline taking turns, "
                "%lld-byte random savegame in %s\n\n",
                TimedIterations, WarmUpIterations, static_cast<long long>(SavegameSize), qPrintable(root.path()));
    std::printf("%-16s %10s %10s %14s %12s %7s\n", "operation", "median us", "p95 us", "baseline med", "baseline p95",
                "ratio");
    for (const Row& row : rows) {
        std::printf("%-16s %10.1f %10.1f %14.1f %12.1f %7.2f\n", row.operation, row.figures.core.medianUs,
                    row.figures.core.p95Us, row.figures.baseline.medianUs, row.figures.baseline.p95Us,
                    row.figures.core.medianUs / row.figures.baseline.medianUs);
    }
    const Pair& save = rows.back().figures;
    const double ratio = save.core.medianUs / save.baseline.medianUs;
    std::printf("\nGoal: save sequence within %.1fx of the baseline: %s (%.2fx)\n", SaveGoalRatio,
                ratio <= SaveGoalRatio ? "met" : "MISSED", ratio);

    MeasureCommandLine(root, savegame, save.baseline.medianUs);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
#ifdef Q_OS_DARWIN
    const long long peakKiB = usage.ru_maxrss / 1024; // bytes there, KiB elsewhere
#else
    const long long peakKiB = usage.ru_maxrss;
#endif
    std::printf("\nPeak memory of the benchmark (ru_maxrss): %lld KiB\n", peakKiB);
    return 0;
}
#else
} // namespace

int main()
{
    std::printf("The benchmark's baseline and process timings use POSIX calls; there are none here.\n");
    return 0;
}
#endif
