#include "SavegameFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace kelmora {
namespace {

// A library file lists a few folders; anything far larger is not one.
constexpr qint64 MaxLibraryFileSize = 4 * 1024 * 1024;

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

bool IsNumber(const QString& text)
{
    bool ok = false;
    text.toUInt(&ok);
    return ok;
}

QStringList ExistingSteamRoots(const QString& homeFolder)
{
    QStringList roots;
    QSet<QString> seen;
    for (const QString& relative : {QStringLiteral(".steam/steam"), QStringLiteral(".local/share/Steam")}) {
        const QFileInfo root(QDir(homeFolder).filePath(relative));
        // ~/.steam/steam is usually a link to the other one.
        if (root.isDir() && !seen.contains(root.canonicalFilePath())) {
            seen.insert(root.canonicalFilePath());
            roots << root.filePath();
        }
    }
    return roots;
}

QByteArray ReadLibraryFile(const QString& path)
{
    // Only a plain file: opening a named pipe left in its place would wait for a writer for ever.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (file.size() > MaxLibraryFileSize || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(MaxLibraryFileSize);
}

} // namespace

QStringList SteamLibraryPaths(const QByteArray& vdfText)
{
    QStringList paths;
    VdfReader reader(vdfText);
    int depth = 0;
    QString key;
    bool haveKey = false;
    for (;;) {
        QString token;
        const VdfReader::Kind kind = reader.Next(token);
        if (kind == VdfReader::Kind::End)
            break;
        if (kind == VdfReader::Kind::Open) {
            ++depth;
            haveKey = false;
        } else if (kind == VdfReader::Kind::Close) {
            depth = qMax(0, depth - 1);
            haveKey = false;
        } else if (!haveKey) {
            key = token;
            haveKey = true;
        } else {
            // Inside the outer block: "1" "/path" in the old layout, "path" "/path" in a library's block.
            const bool isLibrary = (depth == 2 && key.compare(QStringLiteral("path"), Qt::CaseInsensitive) == 0) ||
                                   (depth == 1 && IsNumber(key));
            if (isLibrary && !token.isEmpty())
                paths << token;
            haveKey = false;
        }
    }
    return paths;
}

QStringList WindowsPrefixDriveFolders(const QString& homeFolder)
{
    QStringList folders;
    QSet<QString> seen;
    const auto add = [&](const QString& path) {
        const QFileInfo info(path);
        if (info.isDir() && !seen.contains(info.canonicalFilePath())) {
            seen.insert(info.canonicalFilePath());
            folders << QDir::cleanPath(path);
        }
    };

    add(QDir(homeFolder).filePath(QStringLiteral(".wine/drive_c")));

    QStringList libraries;
    QSet<QString> seenLibraries;
    for (const QString& root : ExistingSteamRoots(homeFolder)) {
        QStringList candidates{root};
        candidates << SteamLibraryPaths(
            ReadLibraryFile(QDir(root).filePath(QStringLiteral("steamapps/libraryfolders.vdf"))));
        for (const QString& library : candidates) {
            const QFileInfo info(library);
            if (info.isAbsolute() && info.isDir() && !seenLibraries.contains(info.canonicalFilePath())) {
                seenLibraries.insert(info.canonicalFilePath());
                libraries << library;
            }
        }
    }
    for (const QString& library : libraries) {
        const QDir compatdata(QDir(library).filePath(QStringLiteral("steamapps/compatdata")));
        for (const QString& prefix : compatdata.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            add(compatdata.filePath(prefix + QStringLiteral("/pfx/drive_c")));
    }
    return folders;
}

} // namespace kelmora
