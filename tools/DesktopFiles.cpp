#include "DesktopFiles.h"

#include <QCoreApplication>
#include <QTranslator>

#include <optional>

namespace kelmora {
namespace {

const char* const Context = "kelmora::Desktop";

// For lupdate only: the English texts of the three files that are translated.
[[maybe_unused]] const char* const Texts[] = {
    //: The desktop entry's generic name, which menus show beside the program's name.
    QT_TRANSLATE_NOOP("kelmora::Desktop", "Mission Selector"),
    //: The desktop entry's comment and the summary of the software centres.
    QT_TRANSLATE_NOOP("kelmora::Desktop", "Start the factory driver mode of Vantor at any mission"),
    //: Words a menu's search finds the program by, each one followed by a semicolon.
    QT_TRANSLATE_NOOP("kelmora::Desktop", "racing;mission;savegame;factory;driver;"),
    //: The description of the software centres, first paragraph.
    QT_TRANSLATE_NOOP("kelmora::Desktop", "The factory driver mode of the racing game Vantor has 34 missions and lets "
                                          "you play them only in order. Kelmora lets you start it at any mission."),
    QT_TRANSLATE_NOOP(
        "kelmora::Desktop",
        "You pick one of your driver savegames as the template. Kelmora copies it, in the same folder, to "
        "the factory driver savegame and, each time you save a mission choice, rewrites that copy's "
        "mission progress: the chosen mission and every later one are reset, the earlier ones keep the "
        "template's progress. The template itself is never written to."),
    QT_TRANSLATE_NOOP("kelmora::Desktop",
                      "The command kelmora-cli does the same without a window, for launchers and scripts."),
    //: The caption of the screenshot in the software centres.
    QT_TRANSLATE_NOOP("kelmora::Desktop", "The mission list with the chosen mission's car, location and goal time"),
    //: What release 1.0.0 brought, in the software centres.
    QT_TRANSLATE_NOOP("kelmora::Desktop", "First release: the window and kelmora-cli, installed as a desktop program."),
    //: The file type of the game's savegames, as file managers name it.
    QT_TRANSLATE_NOOP("kelmora::Desktop", "Vantor driver savegame"),
};

// A language's translation of `english`, or nothing, noted in `missing`: the file then goes without it.
std::optional<QString> Translation(const DesktopLanguage& language, const QString& english, QStringList* missing)
{
    const QString text = language.translator->translate(Context, english.toUtf8().constData());
    if (text.isEmpty()) {
        missing->append(language.name + QStringLiteral(": ") + english);
        return std::nullopt;
    }
    return text;
}

QString Escaped(const QString& text)
{
    return QString(text)
        .replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"));
}

QString Unescaped(const QString& text)
{
    return QString(text)
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// A paragraph in lines of at most `width` columns, each starting with `indent`, as the English ones are.
QStringList Wrapped(const QString& text, const QString& indent, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent.size() + line.size() + 1 + word.size() > width) {
            lines << indent + line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << indent + line;
    return lines;
}

// The XML file with a translation of each element named in `tags` after it, one element a language,
// on one line where the English is on one line and as a wrapped paragraph where it is not. Works on
// the lines of a file written by hand, which keep their look; translations it held are dropped.
QString TranslatedXml(const QString& xml, const QStringList& tags, const QList<DesktopLanguage>& languages,
                      QStringList* missing)
{
    const QStringList in = xml.split(u'\n');
    QStringList out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QString& line = in.at(i);
        const QString trimmed = line.trimmed();
        QString tag;
        for (const QString& candidate : tags) {
            if (trimmed.startsWith(u'<' + candidate + u'>') || trimmed.startsWith(u'<' + candidate + u' '))
                tag = candidate;
        }
        if (tag.isEmpty()) {
            out << line;
            continue;
        }
        const QString end = QStringLiteral("</") + tag + u'>';
        qsizetype last = i;
        while (last + 1 < in.size() && !in.at(last).contains(end))
            ++last;
        const QStringList element = in.mid(i, last - i + 1);
        i = last;
        if (trimmed.startsWith(u'<' + tag + QStringLiteral(" xml:lang=")))
            continue;
        out << element;

        QString english = element.join(u' ').simplified();
        english = english.mid(english.indexOf(u'>') + 1);
        english = Unescaped(english.left(english.lastIndexOf(end)).trimmed());
        const QString indent = line.left(line.indexOf(u'<'));
        for (const DesktopLanguage& language : languages) {
            const std::optional<QString> text = Translation(language, english, missing);
            if (!text)
                continue;
            const QString start = u'<' + tag + QStringLiteral(" xml:lang=\"") + language.name + QStringLiteral("\">");
            if (element.size() == 1) {
                out << indent + start + Escaped(*text) + end;
            } else {
                out << indent + start;
                out << Wrapped(Escaped(*text), indent + QStringLiteral("  "), 100);
                out << indent + end;
            }
        }
    }
    return out.join(u'\n');
}

} // namespace

QString TranslatedDesktopEntry(const QString& entry, const QList<DesktopLanguage>& languages, QStringList* missing)
{
    // The program's name is the same in every language.
    const QStringList keys = {QStringLiteral("GenericName"), QStringLiteral("Comment"), QStringLiteral("Keywords")};
    QStringList out;
    for (const QString& line : entry.split(u'\n')) {
        const QString key = line.section(u'=', 0, 0);
        if (key.contains(u'[') && keys.contains(key.section(u'[', 0, 0)))
            continue;
        out << line;
        if (!keys.contains(key))
            continue;
        for (const DesktopLanguage& language : languages) {
            if (const std::optional<QString> text = Translation(language, line.section(u'=', 1), missing))
                out << key + u'[' + language.name + QStringLiteral("]=") + *text;
        }
    }
    return out.join(u'\n');
}

QString TranslatedMetainfo(const QString& metainfo, const QList<DesktopLanguage>& languages, QStringList* missing)
{
    return TranslatedXml(metainfo, {QStringLiteral("summary"), QStringLiteral("p"), QStringLiteral("caption")},
                         languages, missing);
}

QString TranslatedMimeInfo(const QString& mimeInfo, const QList<DesktopLanguage>& languages, QStringList* missing)
{
    return TranslatedXml(mimeInfo, {QStringLiteral("comment")}, languages, missing);
}

} // namespace kelmora
