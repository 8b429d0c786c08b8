#include "WindowArguments.h"

#include "Version.h"
#include "store/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace kelmora {
namespace {

// The context of the command line's texts.
struct WindowText
{
    Q_DECLARE_TR_FUNCTIONS(kelmora::WindowArguments)
};

} // namespace

WindowArguments ParseWindowArguments(const QStringList& arguments, const QStringList& undecodable)
{
    WindowArguments parsed;
    QStringList words;
    bool optionsEnded = false;
    for (const QString& word : arguments.mid(1)) {
        if (!optionsEnded && word == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (word == QStringLiteral("--help") || word == QStringLiteral("-h"))) {
            return {WindowArguments::Action::PrintHelp, {}, {}, {}};
        } else if (!optionsEnded && (word == QStringLiteral("--version") || word == QStringLiteral("-v"))) {
            parsed.action = WindowArguments::Action::PrintVersion;
        } else if (!optionsEnded && word.startsWith(u'-') && word.size() > 1) {
            if (parsed.action == WindowArguments::Action::Run)
                parsed = {WindowArguments::Action::Wrong, {}, WindowText::tr("unknown option '%1'").arg(word), {}};
        } else {
            words << word;
        }
    }
    if (parsed.action != WindowArguments::Action::Run)
        return parsed;
    if (words.size() > 1)
        return {WindowArguments::Action::Wrong, {}, WindowText::tr("unexpected argument '%1'").arg(words.at(1)), {}};
    if (words.isEmpty())
        return parsed;

    const QString& word = words.first();
    const QFileInfo file(word);
    const QString shown = QDir::toNativeSeparators(word);
    const EntryStamp entry = word.isEmpty() ? EntryStamp{} : StampAt(word, true);
    const auto unusable = [&](const QString& reason) { return Problem{Failure::UnusablePath, shown, reason}; };
    // Decoded, such a word names another file than the one meant, perhaps one that exists.
    if (undecodable.contains(word))
        parsed.unusable = unusable(WindowText::tr("The name holds bytes that are not text in this system's encoding"));
    else if (entry.kind == EntryKind::Folder)
        parsed.unusable = unusable(WindowText::tr("It is a folder, not a driver savegame"));
    else if (entry.kind == EntryKind::Other)
        parsed.unusable = unusable(NotAFileReason(entry.kind));
    else if (entry.kind == EntryKind::Missing && !entry.unreachable.isEmpty())
        parsed.unusable = unusable(entry.unreachable); // there may be a file, which cannot be reached
    else if (entry.kind == EntryKind::Missing)
        parsed.unusable = Problem{Failure::TemplateNotFound, shown, {}};
    if (parsed.unusable)
        return parsed;
    // Cleaning the text would take ".." from a folder link itself, not from where it leads.
    QString folder = file.absolutePath();
    if (QDir::fromNativeSeparators(file.path()).split(u'/').contains(QStringLiteral("..")))
        folder = QFileInfo(file.path()).canonicalFilePath();
    parsed.savegame = QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absoluteFilePath(file.fileName())));
    return parsed;
}

QString WindowVersionText()
{
    return QStringLiteral("kelmora %1").arg(QStringLiteral(KELMORA_VERSION));
}

int ReportWrongArguments(const WindowArguments& arguments)
{
    QTextStream(stderr) << "kelmora: "
                        << (arguments.unusable ? MessageFor(*arguments.unusable).text : arguments.problem) << '\n'
                        << WindowText::tr("Usage: kelmora [SAVEGAME]   (--help tells more)") << Qt::endl;
    return 2;
}

QString WindowHelpText()
{
    return WindowText::tr(
        "Usage: kelmora [SAVEGAME]\n"
        "Starts Kelmora's window, which sets the mission at which Vantor's factory driver mode starts.\n"
        "With SAVEGAME, that driver savegame becomes the template driver, as File, Select New Template\n"
        "Driver would make it.\n"
        "\n"
        "Options:\n"
        "  -h, --help     Shows this text.\n"
        "  -v, --version  Prints the version.\n"
        "\n"
        "kelmora-cli does the same work without a window; 'kelmora-cli help' tells more.\n");
}

} // namespace kelmora
