// Times the file work behind a save against a raw baseline that does the same work with the fewest
// system calls. Run it by hand on a quiet machine; it is deliberately not a test.
//
//     kelmora_bench [folder]    (the files go to a temporary folder inside `folder`, default the system's)

#include "mission/MissionDataFile.h"
#include "mission/SaveSequence.h"
#include "mission/SavegameBlock.h"
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
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace kelmora;

namespace {

constexpr int WarmUpIterations = 200;
constexpr int TimedIterations = 2000;
constexpr qsizetype SavegameSize = 64 * 1024;
constexpr double SaveGoalMicroseconds = 1000.0;
constexpr double SaveGoalRatio = 3.0;

// Timing an operation that failed would time its error path, so any problem ends the run.
void DieOn(const Problems& problems)
{
    for (const Problem& problem : problems) {
        const Message message = MessageFor(problem);
        qFatal("Failure during the benchmark: %s [%s]", qPrintable(message.title), qPrintable(message.text));
    }
}

void DieOn(const std::optional<Problem>& problem)
{
    if (problem)
        DieOn(Problems{*problem});
}

struct Figures
{
    double medianUs = 0;
    double p95Us = 0;
};

// The operation gets the iteration number, so that a save can vary the mission it selects.
template<typename Operation>
Figures Measure(Operation operation)
{
    for (int i = 0; i < WarmUpIterations; ++i)
        operation(i);
    std::vector<qint64> samples(TimedIterations);
    QElapsedTimer timer;
    for (int i = 0; i < TimedIterations; ++i) {
        timer.start();
        operation(i);
        samples[i] = timer.nsecsElapsed();
    }
    std::sort(samples.begin(), samples.end());
    const auto percentile = [&](double fraction) {
        return samples[static_cast<size_t>(std::ceil(fraction * TimedIterations)) - 1] / 1000.0;
    };
    return {percentile(0.50), percentile(0.95)};
}

#ifdef Q_OS_UNIX
// The baseline skips what the core adds around the bytes (the folder scan, size checks, seeks,
// error texts) and converts its paths once, beforehand.
struct RawPaths
{
    QByteArray templateFile;
    QByteArray dataFile;
    QByteArray factoryFile;
};

[[noreturn]] void RawFailure(const char* what)
{
    qFatal("Baseline %s failed: %s", what, std::strerror(errno));
}

void RawTemplateRead(const RawPaths& paths, MissionStatusTable& table)
{
    std::array<char, MissionBlockEnd - MissionBlockOffset> span;
    const int fd = ::open(paths.templateFile.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        RawFailure("template open");
    if (::pread(fd, span.data(), span.size(), MissionBlockOffset) != qint64(span.size()))
        RawFailure("template read");
    ::close(fd);
    for (int mission = 0; mission < MISSION_COUNT; ++mission)
        std::memcpy(table[mission].data(), span.data() + MissionBlockStride * mission, MissionRecordSize);
}

void RawDataFileWrite(const RawPaths& paths, const MissionStatusTable& table)
{
    const int fd = ::open(paths.dataFile.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        RawFailure("data file open");
    if (::pwrite(fd, table.data(), sizeof table, 0) != qint64(sizeof table))
        RawFailure("data file write");
    if (::close(fd) != 0)
        RawFailure("data file close");
}

// The records lie 240 bytes apart, so one pwritev (which writes one contiguous range) cannot place
// them: 34 pwrite calls are the fewest.
void RawSave(const RawPaths& paths, int index)
{
    MissionStatusTable table;
    int fd = ::open(paths.dataFile.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::read(fd, table.data(), sizeof table) != qint64(sizeof table))
        RawFailure("data file read");
    ::close(fd);
    ApplyMissionSelection(table, index);
    fd = ::open(paths.factoryFile.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        RawFailure("factory file open");
    for (int mission = 0; mission < MISSION_COUNT; ++mission) {
        if (::pwrite(fd, table[mission].data(), MissionRecordSize, MissionByteOffset(mission, 0)) != MissionRecordSize)
            RawFailure("factory file write");
    }
    if (::close(fd) != 0)
        RawFailure("factory file close");
}
#endif

void WriteFileOrDie(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        qFatal("Could not write %s: %s", qPrintable(path), qPrintable(file.errorString()));
}

// Figures for saves that wrote the wrong bytes would be worthless: check what the last one left.
void CheckLastSave(const QString& templatePath, const QString& factoryPath)
{
    MissionStatusTable expected{};
    MissionStatusTable written{};
    ReadMissionBlock(templatePath, expected);
    ApplyMissionSelection(expected, (TimedIterations - 1) % MISSION_COUNT);
    const QString error = ReadMissionBlock(factoryPath, written);
    if (!error.isEmpty() || written != expected)
        qFatal("The factory driver file does not hold the expected mission block %s", qPrintable(error));
}

struct Row
{
    const char* operation;
    Figures core;
    std::optional<Figures> baseline;
};

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
    if (!root.isValid() || !QDir().mkpath(savedataFolder) || !QDir().mkpath(programFolder))
        qFatal("Could not create the benchmark's folders: %s", qPrintable(root.errorString()));

    QByteArray savegame(SavegameSize, Qt::Uninitialized);
    QRandomGenerator(20240601).fillRange(reinterpret_cast<quint32*>(savegame.data()), SavegameSize / 4);
    const QString templateName = QStringLiteral("template.sav");
    const QString factoryName = QStringLiteral("factory.sav");
    const QString templatePath = QDir(savedataFolder).filePath(templateName);
    const QString factoryPath = QDir(savedataFolder).filePath(factoryName);
    WriteFileOrDie(templatePath, savegame);
    WriteFileOrDie(factoryPath, savegame);

    test::FixedClock clock;
    const Services services{clock, QDir::toNativeSeparators(programFolder)};
    RunState state;
    state.SettingsValid = true;
    state.SavedataFolder = QDir::toNativeSeparators(savedataFolder) + QDir::separator();
    state.TemplateDriverFile = templateName;
    state.FactoryDriverFile = factoryName;

    std::vector<Row> rows(3);
    rows[0] = {"template read", Measure([&](int) { DieOn(ReadTemplateMissionData(state)); }), {}};
    rows[1] = {"data file write",
               Measure([&](int) { DieOn(WriteMissionDataFile(state.MissionStatus, services.dataFolder)); }),
               {}};
    rows[2] = {"save sequence",
               Measure([&](int i) { DieOn(RunSaveSequence(state, services, true, i % MISSION_COUNT).problems); }),
               {}};
    CheckLastSave(templatePath, factoryPath);

#ifdef Q_OS_UNIX
    const RawPaths paths{QFile::encodeName(templatePath), QFile::encodeName(MissionDataFilePath(services.dataFolder)),
                         QFile::encodeName(factoryPath)};
    MissionStatusTable rawTable{};
    rows[0].baseline = Measure([&](int) { RawTemplateRead(paths, rawTable); });
    rows[1].baseline = Measure([&](int) { RawDataFileWrite(paths, rawTable); });
    rows[2].baseline = Measure([&](int i) { RawSave(paths, i % MISSION_COUNT); });
    CheckLastSave(templatePath, factoryPath);
#endif

    std::printf("Kelmora file work: %d iterations after %d warm-up, %lld-byte random savegame in %s\n\n",
                TimedIterations, WarmUpIterations, static_cast<long long>(SavegameSize), qPrintable(root.path()));
    std::printf("%-16s %10s %10s %14s %12s %7s\n", "operation", "median us", "p95 us", "baseline med", "baseline p95",
                "ratio");
    for (const Row& row : rows) {
        std::printf("%-16s %10.1f %10.1f", row.operation, row.core.medianUs, row.core.p95Us);
        if (row.baseline)
            std::printf(" %14.1f %12.1f %7.2f\n", row.baseline->medianUs, row.baseline->p95Us,
                        row.core.medianUs / row.baseline->medianUs);
        else
            std::printf(" %14s %12s %7s\n", "-", "-", "-");
    }

    const Row& save = rows[2];
    const bool fastEnough = save.core.medianUs < SaveGoalMicroseconds;
    std::printf("\nGoal: save sequence under %.0f us median: %s (%.1f us)\n", SaveGoalMicroseconds,
                fastEnough ? "met" : "MISSED", save.core.medianUs);
    if (save.baseline) {
        const double ratio = save.core.medianUs / save.baseline->medianUs;
        std::printf("Goal: save sequence within %.0fx of the baseline: %s (%.2fx)\n", SaveGoalRatio,
                    ratio <= SaveGoalRatio ? "met" : "MISSED", ratio);
    } else {
        std::printf("Goal: within %.0fx of the baseline: not checked, the POSIX baseline is not available here\n",
                    SaveGoalRatio);
    }

#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
#ifdef Q_OS_DARWIN
    const long long peakKiB = usage.ru_maxrss / 1024; // bytes there, KiB elsewhere
#else
    const long long peakKiB = usage.ru_maxrss;
#endif
    std::printf("Peak memory (ru_maxrss): %lld KiB\n", peakKiB);
#else
    std::printf("Peak memory: not available, getrusage is POSIX only\n");
#endif
    return 0;
}
