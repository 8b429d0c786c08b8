// The baselines' work: what a save and a template choice must do at the least to be durable, in
// plain POSIX calls, the fewest of them, with nothing checked and no error worded. Shared by the
// in-process benchmark (kelmora_bench) and the whole-process baseline (kelmora_bench_durable_save).
#pragma once

#include "mission/MissionData.h"
#include "mission/MissionSelection.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace kelmora::bench {

[[noreturn]] inline void RawFailure(const char* what)
{
    std::fprintf(stderr, "Baseline %s failed: %s\n", what, std::strerror(errno));
    std::exit(3);
}

// A file's bytes: room for one byte more than the file may hold, so that one read takes it whole.
// The room is left as it is, untouched until read into.
struct RawBuffer
{
    explicit RawBuffer(size_t maximum)
        : room(new char[maximum + 1])
        , capacity(maximum + 1)
    { }
    std::unique_ptr<char[]> room;
    size_t capacity;
    size_t size = 0;
    char* data() { return room.get(); }
};

inline void RawRead(const char* path, RawBuffer& bytes)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        RawFailure(path);
    const ssize_t got = ::read(fd, bytes.data(), bytes.capacity);
    if (got < 0)
        RawFailure(path);
    bytes.size = size_t(got);
    ::close(fd);
}

inline void RawFlushFolder(const char* folder)
{
    const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0)
        RawFailure("folder flush");
    ::close(fd);
}

// A new file at `path` holding `bytes`, flushed; its folder is the caller's to flush.
inline void RawWriteNew(const char* path, const char* bytes, size_t size, int extraFlags)
{
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_CLOEXEC | extraFlags, 0644);
    if (fd < 0 || ::write(fd, bytes, size) != ssize_t(size))
        RawFailure(path);
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        RawFailure("file flush");
}

// `bytes` at `path` in one flushed step: beside it, flushed, renamed over it, the folder flushed.
inline void RawReplace(const std::string& folder, const std::string& path, const char* bytes, size_t size)
{
    const std::string pending = path + ".new";
    RawWriteNew(pending.c_str(), bytes, size, O_TRUNC);
    if (::rename(pending.c_str(), path.c_str()) != 0)
        RawFailure("rename");
    RawFlushFolder(folder.c_str());
}

struct RawSavePaths
{
    std::string settings; // the stored settings' file, read again as a save does; none when empty
    std::string dataFile; // the template's 170 bytes
    std::string folder; // the savegame's folder
    std::string savegame;
    std::string backupFolder;
    std::string backupPrefix; // the backups' names start with it; a number follows
};

// A save: read the stored settings (unless the caller has just read them), the program data file and the savegame; keep
// the savegame's bytes as a new backup, flushed with its folder; put the new version in place, flushed, renamed, the
// folder flushed.
inline void RawSave(const RawSavePaths& paths, int index, size_t maximumSize)
{
    static RawBuffer settings(64 * 1024), records(sizeof(MissionStatusTable)), savegame(maximumSize);
    static unsigned long long backups = 0;
    if (!paths.settings.empty())
        RawRead(paths.settings.c_str(), settings);
    RawRead(paths.dataFile.c_str(), records);
    if (records.size != sizeof(MissionStatusTable))
        RawFailure("data file size");
    MissionStatusTable table;
    std::memcpy(table.data(), records.data(), sizeof table);
    ApplyMissionSelection(table, index);

    RawRead(paths.savegame.c_str(), savegame);
    if (savegame.size < size_t(MinimumSavegameSize))
        RawFailure("savegame size");
    const std::string backup = paths.backupFolder + '/' + paths.backupPrefix + std::to_string(++backups) + ".sav";
    RawWriteNew(backup.c_str(), savegame.data(), savegame.size, O_EXCL);
    RawFlushFolder(paths.backupFolder.c_str());

    for (int mission = 0; mission < MISSION_COUNT; ++mission)
        std::memcpy(savegame.data() + MissionByteOffset(mission, 0), table[mission].data(), MissionRecordSize);
    RawReplace(paths.folder, paths.savegame, savegame.data(), savegame.size);
}

// A template choice at its least: the folder listed once, the template copied to the factory driver
// file in one flushed step. Returns how many entries the folder holds, so that the listing is used.
inline size_t RawListAndCopy(const std::string& folder, const std::string& templatePath, const std::string& factoryPath,
                             size_t maximumSize)
{
    static RawBuffer bytes(maximumSize);
    DIR* const dir = ::opendir(folder.c_str());
    if (!dir)
        RawFailure("folder listing");
    size_t entries = 0;
    while (::readdir(dir))
        ++entries;
    ::closedir(dir);
    RawRead(templatePath.c_str(), bytes);
    RawReplace(folder, factoryPath, bytes.data(), bytes.size);
    return entries;
}

} // namespace kelmora::bench
