#include "SavegameFinder.h"
#include "Platform.h"

#include "mission/MissionData.h"
#include "mission/NextMission.h"
#include "store/FileLookup.h"
#include "store/FileSystem.h"
#include "store/SavegameStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <vector>

namespace kelmora {
namespace {

// Where Windows and the games on it keep savegames, relative to a user's folder and to drive C.
const QStringList UserSavegameFolders = {
    QStringLiteral("Documents"),        QStringLiteral("My Documents"),
    QStringLiteral("Saved Games"),      QStringLiteral("AppData/Roaming"),
    QStringLiteral("AppData/Local"),    QStringLiteral("AppData/LocalLow"),
    QStringLiteral("Application Data"), QStringLiteral("Local Settings/Application Data"),
};
const QStringList DriveSavegameFolders = {
    QStringLiteral("ProgramData"), QStringLiteral("Program Files"), QStringLiteral("Program Files (x86)"),
    QStringLiteral("GOG Games"),   QStringLiteral("Games"),
};

bool IsLink(const QFileInfo& info)
{
    return info.isSymLink() || info.isJunction();
}

// `root`/`relative` when every folder on the way below `root` is a real folder, not a link.
bool IsLinkFreeFolder(const QString& root, const QString& relative)
{
    QString path = root;
    for (const QString& part : relative.split(u'/', Qt::SkipEmptyParts)) {
        path += u'/' + part;
        const QFileInfo info(path);
        if (IsLink(info) || !info.isDir())
            return false;
    }
    return true;
}

// The folders a search of `place` starts in. Those on the way that the player may not list are added
// to `unreadable`: what they hold may be missed.
QStringList StartFolders(const SavegamePlace& place, QStringList& unreadable)
{
    if (place.kind == SavegamePlace::Kind::Folder)
        return {place.folder};
    const auto mayList = [&](const QString& folder) {
        if (MayListFolder(folder))
            return true;
        unreadable << QDir::toNativeSeparators(folder);
        return false;
    };
    QStringList starts;
    const QString drive = place.folder;
    mayList(drive);
    const QDir users(drive + QStringLiteral("/users"));
    if (IsLinkFreeFolder(drive, QStringLiteral("users")) && mayList(users.path())) {
        for (const QString& user : users.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name)) {
            mayList(users.filePath(user));
            for (const QString& folder : UserSavegameFolders) {
                const QString relative = QStringLiteral("users/") + user + u'/' + folder;
                if (IsLinkFreeFolder(drive, relative))
                    starts << drive + u'/' + relative;
            }
        }
    }
    for (const QString& folder : DriveSavegameFolders) {
        if (IsLinkFreeFolder(drive, folder))
            starts << drive + u'/' + folder;
    }
    return starts;
}

// The folder of `path` as the player knows it: below a Windows drive, with its letter.
QString FolderInPlace(const SavegamePlace& place, const QString& path)
{
    const QString relative = QDir(place.folder).relativeFilePath(QFileInfo(path).path());
    if (place.kind == SavegamePlace::Kind::WindowsDrive)
        return QStringLiteral("C:\\") + QString(relative).replace(u'/', u'\\');
    return relative == QStringLiteral(".") ? QString() : QDir::toNativeSeparators(relative);
}

bool IsDriverSavegame(const QFileInfo& file)
{
    return file.suffix().compare(QStringLiteral("sav"), Qt::CaseInsensitive) == 0 &&
           file.size() >= MinimumSavegameSize && !IsFactoryDriverFileName(file.fileName());
}

} // namespace

SavegameSearch FindSavegames(const QList<SavegamePlace>& places, const SearchLimits& limits)
{
    SavegameSearch search;
    QSet<QString> seen;
    int entries = 0;
    for (const SavegamePlace& place : places) {
        if (entries >= limits.entries) {
            search.cutShort << place.name;
            continue;
        }
        search.searched << place.name;
        int placeEntries = 0;
        bool cut = false;
        bool tooDeep = false;
        struct Pending
        {
            QString folder;
            int depth;
        };
        std::vector<Pending> pending;
        const QStringList starts = StartFolders(place, search.unreadable);
        for (auto start = starts.crbegin(); start != starts.crend(); ++start)
            pending.push_back({*start, 0});
        while (!pending.empty() && !cut) {
            const Pending folder = pending.back();
            pending.pop_back();
            // A listing that is refused looks empty: the player is told rather than left to think that
            // the folder holds no savegame.
            if (!MayListFolder(folder.folder)) {
                search.unreadable << QDir::toNativeSeparators(folder.folder);
                continue;
            }
            // No links, no hidden entries; the entries' kinds and sizes come with the listing.
            QDirIterator it(folder.folder, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::NoSymLinks);
            std::vector<Pending> below;
            while (it.hasNext()) {
                it.next();
                if (++placeEntries > limits.entriesPerPlace || ++entries > limits.entries) {
                    cut = true;
                    break;
                }
                const QFileInfo info = it.fileInfo();
                if (IsLink(info))
                    continue;
                if (info.isDir()) {
                    if (folder.depth < limits.depth)
                        below.push_back({info.filePath(), folder.depth + 1});
                    else
                        tooDeep = true; // what it holds goes unseen: the player is told
                } else if (info.isFile() && IsDriverSavegame(info)) {
                    const QString canonical = info.canonicalFilePath();
                    if (seen.contains(canonical))
                        continue;
                    seen.insert(canonical);
                    search.savegames.append({QDir::toNativeSeparators(info.absoluteFilePath()), place.name,
                                             FolderInPlace(place, info.absoluteFilePath()), info.lastModified(),
                                             std::nullopt, QString()});
                }
            }
            // Qt's listing leaves out names that are not text; the player is told of them.
            for (const QString& name : ListFolder(folder.folder, QStringLiteral(".sav")).undecodable) {
                if (!name.startsWith(u'.')) // hidden, as the listing has it
                    search.undecodable << QDir::toNativeSeparators(folder.folder + u'/' + name);
            }
            // Depth first, in the listing's order.
            pending.insert(pending.end(), below.rbegin(), below.rend());
        }
        if (cut || tooDeep)
            search.cutShort << place.name;
    }

    std::stable_sort(search.savegames.begin(), search.savegames.end(),
                     [](const FoundSavegame& a, const FoundSavegame& b) { return a.modified > b.modified; });
    if (search.savegames.size() > limits.savegames) {
        search.notListed = search.savegames.size() - limits.savegames;
        search.savegames.resize(limits.savegames);
    }
    for (FoundSavegame& found : search.savegames) {
        MissionStatusTable block{};
        const QString error = ReadMissionBlock(found.path, block);
        if (!error.isEmpty()) {
            found.progress = QCoreApplication::translate("kelmora::SavegameFinder", "cannot be read [%1]").arg(error);
            continue;
        }
        found.reached = MissionOfferedNext(block);
        found.progress = ProgressText(block);
    }
    return search;
}

} // namespace kelmora
