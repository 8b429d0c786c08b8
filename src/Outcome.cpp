#include "Outcome.h"

#include <QCoreApplication>

namespace kelmora {
namespace {

// The context of the messages' translations.
struct Outcome
{
    Q_DECLARE_TR_FUNCTIONS(kelmora::Outcome)
};

} // namespace

Message MessageFor(const Problem& problem)
{
    const QString error = Outcome::tr("Error!");
    const QString saveFailed = Outcome::tr("Error! - Save failed");
    const QString restoreFailed = Outcome::tr("Error! - Restore failed");
    switch (problem.failure) {
    case Failure::DataFileRead:
        return {Outcome::tr("Could not read from data file '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::DataFileWrite:
        return {Outcome::tr("Could not write to data file '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::DataFolderCreate:
        return {Outcome::tr("Could not create the program data folder '%1' [%2]").arg(problem.path, problem.reason),
                error, MessageIcon::Exclamation};
    case Failure::SaveDataFileUnreadable:
        return {Outcome::tr("Could not read in program data file '%1' properly").arg(problem.path), saveFailed,
                MessageIcon::Exclamation};
    case Failure::SelectionRule:
        return {Outcome::tr("Could not successfully manipulate mission selection data array"), saveFailed,
                MessageIcon::Exclamation};
    case Failure::FactoryWrite:
        return {Outcome::tr("Could not write to factory driver file '%1' [%2]").arg(problem.path, problem.reason),
                Outcome::tr("Error! - Write failed"), MessageIcon::Exclamation};
    case Failure::TemplateVanished:
        return {Outcome::tr("Could not find driver file at %1").arg(problem.path), Outcome::tr("Fatal Error!"),
                MessageIcon::Critical};
    case Failure::TemplateRead:
        return {Outcome::tr("Could not read in template driver file [%1]").arg(problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::TemplateNotFound:
        return {Outcome::tr("Could not find template driver file '%1'").arg(problem.path), error,
                MessageIcon::Exclamation};
    case Failure::MakeFactory:
        return {Outcome::tr("Could not make factory driver file from template driver file [%1]").arg(problem.reason),
                error, MessageIcon::Exclamation};
    case Failure::FactoryTemplateRefused:
        return {Outcome::tr("You can't select the factory driver file as your template file!"),
                Outcome::tr("Error! - Select New Template Driver failed"), MessageIcon::Information};
    case Failure::SettingsRead:
        return {Outcome::tr("Could not read the settings from '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::SettingsWrite:
        return {Outcome::tr("Could not store the settings in '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::NoTemplate:
        // Settings that name nothing at all (none stored, or emptied by hand) are said to, rather
        // than to name an empty path.
        return {problem.path.isEmpty()
                    ? Outcome::tr("The settings name no template driver. Choose a template driver first.")
                    : Outcome::tr("The settings name no usable template driver ('%1'). Choose a template driver first.")
                          .arg(problem.path),
                saveFailed, MessageIcon::Exclamation};
    case Failure::UnusablePath:
        return {Outcome::tr("Could not use '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::Busy:
        return {Outcome::tr("Another Kelmora is saving or choosing a template driver right now. Try again when it "
                            "has finished."),
                Outcome::tr("Error! - Busy"), MessageIcon::Exclamation};
    case Failure::LockFailed:
        return {Outcome::tr("Could not lock '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::BackupFailed:
        return {Outcome::tr("Could not back up '%1' before changing it [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::BackupUnknown:
        return {Outcome::tr("There is no backup '%1'").arg(problem.path), restoreFailed, MessageIcon::Exclamation};
    case Failure::RestoreFailed:
        return {Outcome::tr("Could not restore '%1' [%2]").arg(problem.path, problem.reason), restoreFailed,
                MessageIcon::Exclamation};
    case Failure::TemplateChanged:
        // Another Kelmora's choice, mostly; a hand edit of the settings reads the same.
        return {Outcome::tr("The settings have named '%1' as the template driver since this Kelmora started; "
                            "nothing was saved. Start Kelmora again to save for that template driver.")
                    .arg(problem.path),
                saveFailed, MessageIcon::Exclamation};
    case Failure::DataFileNotTheTemplates:
        return {Outcome::tr("Nothing was saved: the program data file '%1' does not hold the progress of the "
                            "current template driver [%2]. Choose the template driver again to fix this.")
                    .arg(problem.path, problem.reason),
                saveFailed, MessageIcon::Exclamation};
    case Failure::RestoreMixesDrivers:
        return {Outcome::tr("Restoring '%1' puts back a savegame that saves may give another driver's progress "
                            "[%2]. The next save would write the current template driver's progress into it.")
                    .arg(problem.path, problem.reason),
                Outcome::tr("Restore Factory Driver"), MessageIcon::Exclamation};
    case Failure::BackupsUnreadable:
        return {Outcome::tr("Could not read the backups in '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    }
    Q_UNREACHABLE();
}

} // namespace kelmora
