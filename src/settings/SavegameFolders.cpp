#include "SavegameFolders.h"
#include "store/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <utility>

namespace kelmora {
namespace {

const char* const DocumentsPlace = QT_TRANSLATE_NOOP("kelmora::SavegameFolders", "Documents");

// A launcher's file lists a few folders or games; anything far larger is not one.
constexpr qint64 MaxConfigFileSize = 4 * 1024 * 1024;

// Valve's key/value text: quoted or bare tokens, braces for nesting, // comments.
class VdfReader
{
public:
    explicit VdfReader(const QByteArray& text)
        : m_text(text)
    { }

    enum class Kind
    {
        End,
        Open,
        Close,
        String,
    };

    Kind Next(QString& token)
    {
        SkipBlanks();
        if (m_pos >= m_text.size())
            return Kind::End;
        const char c = m_text[m_pos];
        if (c == '{' || c == '}') {
            ++m_pos;
            return c == '{' ? Kind::Open : Kind::Close;
        }
        QByteArray bytes;
        if (c == '"') {
            ++m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != '"') {
                char ch = m_text[m_pos++];
                if (ch == '\\' && m_pos < m_text.size()) {
                    ch = m_text[m_pos++];
                    ch = ch == 'n' ? '\n' : ch == 't' ? '\t' : ch;
                }
                bytes += ch;
            }
            ++m_pos; // the closing quote, or past the end of a cut-off text
        } else {
            while (m_pos < m_text.size() && !IsBlank(m_text[m_pos]) && m_text[m_pos] != '"' && m_text[m_pos] != '{' &&
                   m_text[m_pos] != '}')
                bytes += m_text[m_pos++];
        }
        token = QString::fromUtf8(bytes);
        return Kind::String;
    }

private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; }

    void SkipBlanks()
    {
        while (m_pos < m_text.size()) {
            if (IsBlank(m_text[m_pos])) {
                ++m_pos;
            } else if (m_text.mid(m_pos, 2) == "//") {
                while (m_pos < m_text.size() && m_text[m_pos] != '\n')
                    ++m_pos;
            } else {
                break;
            }
        }
    }

    const QByteArray& m_text;
    qsizetype m_pos = 0;
};

// Each key with its value, and how deep in braces the pair stands; a key followed by a block has
// no value of its own.
template<typename Visit>
void ForEachValue(const QByteArray& text, Visit visit)
{
    VdfReader reader(text);
    int depth = 0;
    QString key;
    bool haveKey = false;
    for (;;) {
        QString token;
        const VdfReader::Kind kind = reader.Next(token);
        if (kind == VdfReader::Kind::End)
            return;
        if (kind == VdfReader::Kind::Open || kind == VdfReader::Kind::Close) {
            depth = kind == VdfReader::Kind::Open ? depth + 1 : qMax(0, depth - 1);
            haveKey = false;
        } else if (!haveKey) {
            key = token;
            haveKey = true;
        } else {
            visit(depth, key, token);
            haveKey = false;
        }
    }
}

bool IsNumber(const QString& text)
{
    bool ok = false;
    text.toUInt(&ok);
    return ok;
}

// A small text file a launcher keeps, whole; nothing for a file far larger than any such file, or
// anything that is not a plain file (opening a named pipe left in its place would wait for a writer
// for ever).
QByteArray ReadConfigFile(const QString& path)
{
    QByteArray content;
    if (!ReadRegularFile(path, content, MaxConfigFileSize).isEmpty())
        return {};
    return content;
}

// The places found so far, each folder once however it was reached, each name once.
class PlaceList
{
public:
    // Adds `folder` when it is a folder not listed yet. A name already taken gets a number.
    bool Add(const QString& name, const QString& folder, SavegamePlace::Kind kind)
    {
        const QFileInfo info(folder);
        if (!info.isDir() || m_folders.contains(info.canonicalFilePath()))
            return false;
        m_folders.insert(info.canonicalFilePath());
        QString unique = name;
        for (int number = 2; m_names.contains(unique); ++number)
            unique = name + QStringLiteral(" (%1)").arg(number);
        m_names.insert(unique);
        m_places.append({unique, QDir::cleanPath(folder), kind});
        return true;
    }
    // A prefix: the folder that holds drive_c (or, as Proton and Heroic's Proton keep it, pfx/drive_c).
    void AddPrefix(const QString& name, const QString& prefix)
    {
        const QDir dir(prefix);
        if (!Add(name, dir.filePath(QStringLiteral("drive_c")), SavegamePlace::Kind::WindowsDrive))
            Add(name, dir.filePath(QStringLiteral("pfx/drive_c")), SavegamePlace::Kind::WindowsDrive);
    }
    const QList<SavegamePlace>& places() const { return m_places; }

private:
    QList<SavegamePlace> m_places;
    QSet<QString> m_folders;
    QSet<QString> m_names;
};

// A Steam installation's library folders, its own first.
struct SteamLibrary
{
    QString folder;
    bool flatpak = false;
};

QList<SteamLibrary> SteamLibraries(const QString& homeFolder)
{
    QList<SteamLibrary> libraries;
    QSet<QString> seen;
    QSet<QString> seenRoots;
    const QDir home(homeFolder);
    const std::pair<QString, bool> roots[] = {
        {home.filePath(QStringLiteral(".steam/steam")), false},
        {home.filePath(QStringLiteral(".local/share/Steam")), false},
        {home.filePath(QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam")), true},
        {home.filePath(QStringLiteral(".var/app/com.valvesoftware.Steam/.steam/steam")), true},
    };
    for (const auto& [root, flatpak] : roots) {
        // ~/.steam/steam is usually a link to the other one.
        const QFileInfo rootInfo(root);
        if (!rootInfo.isDir() || seenRoots.contains(rootInfo.canonicalFilePath()))
            continue;
        seenRoots.insert(rootInfo.canonicalFilePath());
        QStringList candidates{root};
        candidates << SteamLibraryPaths(
            ReadConfigFile(QDir(root).filePath(QStringLiteral("steamapps/libraryfolders.vdf"))));
        for (const QString& library : candidates) {
            const QFileInfo info(library);
            if (info.isAbsolute() && info.isDir() && !seen.contains(info.canonicalFilePath())) {
                seen.insert(info.canonicalFilePath());
                libraries.append({library, flatpak});
            }
        }
    }
    return libraries;
}

// Proton's prefixes, each named by its app ID and, where the library says, its game; and the folder
// each of those games is installed in, where an old game keeps its savegames.
void AddSteamPlaces(const QString& homeFolder, PlaceList& prefixes, PlaceList* gameFolders)
{
    for (const SteamLibrary& library : SteamLibraries(homeFolder)) {
        const QDir steamapps(QDir(library.folder).filePath(QStringLiteral("steamapps")));
        const QDir compatdata(steamapps.filePath(QStringLiteral("compatdata")));
        QStringList ids = compatdata.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        // By number, as Steam counts its apps: 730 before 2450 before 1091500.
        std::stable_sort(ids.begin(), ids.end(), [](const QString& a, const QString& b) {
            return a.size() != b.size() && IsNumber(a) && IsNumber(b) ? a.size() < b.size() : a < b;
        });
        for (const QString& id : std::as_const(ids)) {
            const SteamApp app =
                SteamAppOf(ReadConfigFile(steamapps.filePath(QStringLiteral("appmanifest_%1.acf").arg(id))));
            QStringList notes;
            if (!app.name.isEmpty())
                notes << app.name;
            if (library.flatpak)
                notes << QStringLiteral("Flatpak");
            const QString name =
                QStringLiteral("Proton ") + id +
                (notes.isEmpty() ? QString() : QStringLiteral(" (") + notes.join(QStringLiteral(", ")) + u')');
            prefixes.Add(name, compatdata.filePath(id + QStringLiteral("/pfx/drive_c")),
                         SavegamePlace::Kind::WindowsDrive);
            // Only a plain folder name: the manifest must not lead out of the library.
            if (gameFolders && !app.installDir.isEmpty() && !app.installDir.contains(u'/') &&
                !app.installDir.contains(u'\\') && app.installDir != QStringLiteral("..")) {
                gameFolders->Add(QStringLiteral("Steam: ") + (app.name.isEmpty() ? app.installDir : app.name),
                                 steamapps.filePath(QStringLiteral("common/") + app.installDir),
                                 SavegamePlace::Kind::Folder);
            }
        }
    }
}

// The value of `key` in the top-level `section` of a small YAML file, as Lutris writes its game
// files: "game:" on a line of its own, then "  prefix: /home/p/Games/vantor".
QString YamlValue(const QByteArray& text, const QString& section, const QString& key)
{
    bool inSection = false;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        if (!line.front().isSpace()) {
            inSection = line.trimmed() == section + u':';
            continue;
        }
        const QString entry = line.trimmed();
        if (!inSection || !entry.startsWith(key + u':'))
            continue;
        QString value = entry.mid(key.size() + 1).trimmed();
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return {};
}

// "vantor-1699999999.yml" is Lutris's file for the game "vantor".
QString LutrisGameName(const QString& fileName)
{
    QString name = QFileInfo(fileName).completeBaseName();
    const qsizetype dash = name.lastIndexOf(u'-');
    if (dash > 0 && IsNumber(name.mid(dash + 1)))
        name.truncate(dash);
    return name;
}

QString ExpandHome(const QString& path, const QString& homeFolder)
{
    if (path == QStringLiteral("~") || path.startsWith(QStringLiteral("~/")))
        return homeFolder + path.mid(1);
    return path;
}

void AddLutrisPrefixes(const QString& homeFolder, PlaceList& places)
{
    const QDir home(homeFolder);
    for (const QString& games : {QStringLiteral(".config/lutris/games"), QStringLiteral(".local/share/lutris/games"),
                                 QStringLiteral(".var/app/net.lutris.Lutris/config/lutris/games"),
                                 QStringLiteral(".var/app/net.lutris.Lutris/data/lutris/games")}) {
        const QDir folder(home.filePath(games));
        for (const QString& file : folder.entryList({QStringLiteral("*.yml")}, QDir::Files, QDir::Name)) {
            const QString prefix = ExpandHome(
                YamlValue(ReadConfigFile(folder.filePath(file)), QStringLiteral("game"), QStringLiteral("prefix")),
                homeFolder);
            if (QDir::isAbsolutePath(prefix))
                places.AddPrefix(QStringLiteral("Lutris: ") + LutrisGameName(file), prefix);
        }
    }
    // Where Lutris makes a game's prefix unless told otherwise.
    const QDir games(home.filePath(QStringLiteral("Games")));
    for (const QString& game : games.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        places.AddPrefix(QStringLiteral("Lutris: ") + game, games.filePath(game));
}

void AddHeroicPrefixes(const QString& homeFolder, PlaceList& places)
{
    const QDir home(homeFolder);
    for (const QString& configs : {QStringLiteral(".config/heroic/GamesConfig"),
                                   QStringLiteral(".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig")}) {
        const QDir folder(home.filePath(configs));
        for (const QString& file : folder.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            const QJsonObject games = QJsonDocument::fromJson(ReadConfigFile(folder.filePath(file))).object();
            for (auto game = games.begin(); game != games.end(); ++game) {
                const QString prefix =
                    ExpandHome(game.value().toObject().value(QStringLiteral("winePrefix")).toString(), homeFolder);
                if (QDir::isAbsolutePath(prefix))
                    places.AddPrefix(QStringLiteral("Heroic: ") + QFileInfo(QDir::cleanPath(prefix)).fileName(),
                                     prefix);
            }
        }
    }
    // Heroic's own prefix folders, older and newer layout.
    for (const QString& prefixes :
         {QStringLiteral("Games/Heroic/Prefixes/default"), QStringLiteral("Games/Heroic/Prefixes")}) {
        const QDir folder(home.filePath(prefixes));
        for (const QString& prefix : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            places.AddPrefix(QStringLiteral("Heroic: ") + prefix, folder.filePath(prefix));
    }
}

void AddBottles(const QString& homeFolder, PlaceList& places)
{
    const QDir home(homeFolder);
    for (const QString& bottles : {QStringLiteral(".local/share/bottles/bottles"),
                                   QStringLiteral(".var/app/com.usebottles.bottles/data/bottles/bottles")}) {
        const QDir folder(home.filePath(bottles));
        for (const QString& bottle : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            places.AddPrefix(QStringLiteral("Bottles: ") + bottle, folder.filePath(bottle));
    }
}

PlaceList FindPrefixes(const PlaceInputs& inputs, PlaceList* gameFolders)
{
    PlaceList places;
    if (inputs.homeFolder.isEmpty())
        return places;
    places.AddPrefix(QStringLiteral("Wine"), QDir(inputs.homeFolder).filePath(QStringLiteral(".wine")));
    if (QDir::isAbsolutePath(inputs.winePrefix))
        places.AddPrefix(QStringLiteral("Wine: ") + QFileInfo(QDir::cleanPath(inputs.winePrefix)).fileName(),
                         inputs.winePrefix);
    AddSteamPlaces(inputs.homeFolder, places, gameFolders);
    AddLutrisPrefixes(inputs.homeFolder, places);
    AddHeroicPrefixes(inputs.homeFolder, places);
    AddBottles(inputs.homeFolder, places);
    return places;
}

} // namespace

QStringList SteamLibraryPaths(const QByteArray& vdfText)
{
    QStringList paths;
    ForEachValue(vdfText, [&](int depth, const QString& key, const QString& value) {
        // Inside the outer block: "1" "/path" in the old layout, "path" "/path" in a library's block.
        const bool isLibrary = (depth == 2 && key.compare(QStringLiteral("path"), Qt::CaseInsensitive) == 0) ||
                               (depth == 1 && IsNumber(key));
        if (isLibrary && !value.isEmpty())
            paths << value;
    });
    return paths;
}

SteamApp SteamAppOf(const QByteArray& acfText)
{
    SteamApp app;
    ForEachValue(acfText, [&](int depth, const QString& key, const QString& value) {
        // Inside "AppState" { ... } only, not in the blocks below it.
        if (depth == 1 && key.compare(QStringLiteral("name"), Qt::CaseInsensitive) == 0)
            app.name = value;
        else if (depth == 1 && key.compare(QStringLiteral("installdir"), Qt::CaseInsensitive) == 0)
            app.installDir = value;
    });
    return app;
}

QList<SavegamePlace> WindowsPrefixes(const PlaceInputs& inputs)
{
    return FindPrefixes(inputs, nullptr).places();
}

QList<SavegamePlace> SavegamePlaces(const PlaceInputs& inputs)
{
    QList<SavegamePlace> places;
    QSet<QString> folders;
    const auto add = [&](const SavegamePlace& place) {
        const QFileInfo info(place.folder);
        if (info.isDir() && !folders.contains(info.canonicalFilePath())) {
            folders.insert(info.canonicalFilePath());
            places << place;
        }
    };
    if (!inputs.documentsFolder.isEmpty())
        add({QString::fromLatin1(DocumentsPlace), QDir::cleanPath(inputs.documentsFolder),
             SavegamePlace::Kind::Folder});
    for (const SavegamePlace& place : inputs.systemFolders)
        add(place);
    PlaceList gameFolders;
    const PlaceList prefixes = FindPrefixes(inputs, &gameFolders);
    for (const SavegamePlace& place : prefixes.places())
        add(place);
    for (const SavegamePlace& place : gameFolders.places())
        add(place);
    return places;
}

QString ShownPlaceName(const QString& name)
{
    return name == QLatin1String(DocumentsPlace)
               ? QCoreApplication::translate("kelmora::SavegameFolders", DocumentsPlace)
               : name;
}

QStringList ShownPlaceNames(const QStringList& names)
{
    QStringList shown;
    for (const QString& name : names)
        shown << ShownPlaceName(name);
    return shown;
}

} // namespace kelmora
