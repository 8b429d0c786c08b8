#include "Outcome.h"

namespace kelmora {

Message MessageFor(const Problem& problem)
{
    const QString error = QStringLiteral("Error!");
    const QString saveFailed = QStringLiteral("Error! - Save failed");
    const QString restoreFailed = QStringLiteral("Error! - Restore failed");
    switch (problem.failure) {
    case Failure::DataFileRead:
        return {QStringLiteral("Could not read from data file '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::DataFileWrite:
        return {QStringLiteral("Could not write to data file '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::DataFolderCreate:
        return {QStringLiteral("Could not create the program data folder '%1' [%2]").arg(problem.path, problem.reason),
                error, MessageIcon::Exclamation};
    case Failure::SaveDataFileUnreadable:
        return {QStringLiteral("Could not read in program data file '%1' properly").arg(problem.path), saveFailed,
                MessageIcon::Exclamation};
    case Failure::SelectionRule:
        return {QStringLiteral("Could not successfully manipulate mission selection data array"), saveFailed,
                MessageIcon::Exclamation};
    case Failure::FactoryWrite:
        return {QStringLiteral("Could not write to factory driver file '%1' [%2]").arg(problem.path, problem.reason),
                QStringLiteral("Error! - Write failed"), MessageIcon::Exclamation};
    case Failure::TemplateVanished:
        return {QStringLiteral("Could not find driver file at ") + problem.path, QStringLiteral("Fatal Error!"),
                MessageIcon::Critical};
    case Failure::TemplateRead:
        return {QStringLiteral("Could not read in template driver file [%1]").arg(problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::TemplateNotFound:
        return {QStringLiteral("Could not find template driver file '%1'").arg(problem.path), error,
                MessageIcon::Exclamation};
    case Failure::MakeFactory:
        return {QStringLiteral("Could not make factory driver file from template driver file [%1]").arg(problem.reason),
                error, MessageIcon::Exclamation};
    case Failure::FactoryTemplateRefused:
        return {QStringLiteral("You can't select the factory driver file as your template file!"),
                QStringLiteral("Error! - Select New Template Driver failed"), MessageIcon::Information};
    case Failure::SettingsRead:
        return {QStringLiteral("Could not read the settings from '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::SettingsWrite:
        return {QStringLiteral("Could not store the settings in '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::NoTemplate:
        return {QStringLiteral("The settings name no usable template driver ('%1'). Choose a template driver first.")
                    .arg(problem.path),
                saveFailed, MessageIcon::Exclamation};
    case Failure::UnusablePath:
        return {QStringLiteral("Could not use '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::Busy:
        return {QStringLiteral("Another Kelmora is saving or choosing a template driver right now. Try again when it "
                               "has finished."),
                QStringLiteral("Error! - Busy"), MessageIcon::Exclamation};
    case Failure::LockFailed:
        return {QStringLiteral("Could not lock '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    case Failure::BackupFailed:
        return {QStringLiteral("Could not back up '%1' before changing it [%2]").arg(problem.path, problem.reason),
                error, MessageIcon::Exclamation};
    case Failure::BackupUnknown:
        return {QStringLiteral("There is no backup '%1'").arg(problem.path), restoreFailed, MessageIcon::Exclamation};
    case Failure::RestoreFailed:
        return {QStringLiteral("Could not restore '%1' [%2]").arg(problem.path, problem.reason), restoreFailed,
                MessageIcon::Exclamation};
    case Failure::TemplateChanged:
        return {QStringLiteral("Another Kelmora has chosen '%1' as the template driver since this one started; nothing "
                               "was saved. Start Kelmora again to save for that template driver.")
                    .arg(problem.path),
                saveFailed, MessageIcon::Exclamation};
    case Failure::DataFileNotTheTemplates:
        return {QStringLiteral("Nothing was saved: the program data file '%1' does not hold the progress of the "
                               "current template driver [%2]. Choose the template driver again to fix this.")
                    .arg(problem.path, problem.reason),
                saveFailed, MessageIcon::Exclamation};
    case Failure::RestoreMixesDrivers:
        return {QStringLiteral("Restoring '%1' puts back a savegame that saves may give another driver's progress "
                               "[%2]. The next save would write the current template driver's progress into it.")
                    .arg(problem.path, problem.reason),
                QStringLiteral("Restore Factory Driver"), MessageIcon::Exclamation};
    case Failure::BackupsUnreadable:
        return {QStringLiteral("Could not read the backups in '%1' [%2]").arg(problem.path, problem.reason), error,
                MessageIcon::Exclamation};
    }
    Q_UNREACHABLE();
}

} // namespace kelmora
