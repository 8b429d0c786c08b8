#include "TemplateSelection.h"

#include "SettingsStore.h"
#include "mission/FileLookup.h"
#include "mission/MissionDataFile.h"
#include "mission/SavegameBlock.h"

#include <QDir>
#include <QFile>

namespace kelmora {
namespace {

const QString FactoryDriverSuffix = QStringLiteral("FactMS.sav");

// One character, then "FactMS.sav", in any case.
bool IsFactoryDriverFileName(const QString& name)
{
    return name.size() == FactoryDriverSuffix.size() + 1 && name.endsWith(FactoryDriverSuffix, Qt::CaseInsensitive);
}

// Removes every earlier factory driver file of the folder, then copies the template in their place.
QString ReplaceFactoryDriverFiles(const RunState& state)
{
    const QString templatePath = state.SavedataFolder + state.TemplateDriverFile;
    const QString factoryPath = state.SavedataFolder + state.FactoryDriverFile;

    const LookupResult earlier = LookUpFiles(state.SavedataFolder + u'?' + FactoryDriverSuffix);
    if (earlier.failed())
        return earlier.error;
    for (const QString& path : earlier.files) {
        QFile file(path);
        if (!file.remove())
            return file.errorString();
    }
    QFile source(templatePath);
    if (!source.copy(factoryPath))
        return source.errorString();
    // A template from a read-only medium would give a copy that no save could ever write.
    QFile copy(factoryPath);
    if (!copy.setPermissions(copy.permissions() | QFileDevice::WriteOwner))
        return copy.errorString();
    return {};
}

} // namespace

QString TemplateDriverText(const QString& templateDriverFile)
{
    return templateDriverFile + QStringLiteral("  [Never gets modified!]");
}

QString FactoryDriverText(const QString& factoryDriverFile)
{
    return factoryDriverFile + QStringLiteral("  [Select mission for this driver]");
}

void MakeFactoryDriverFile(const RunState& state, const Services& services)
{
    const QString templatePath = state.SavedataFolder + state.TemplateDriverFile;
    const LookupResult lookup = LookUpFiles(templatePath);
    QString error = lookup.error;
    if (!lookup.failed() && !lookup.found()) {
        services.messages.ShowMessage(
            QStringLiteral("Could not find template driver file '%1'").arg(QDir::toNativeSeparators(templatePath)),
            QStringLiteral("Error!"), MessageIcon::Exclamation);
        return;
    }
    if (error.isEmpty())
        error = ReplaceFactoryDriverFiles(state);
    if (!error.isEmpty()) {
        services.messages.ShowMessage(
            QStringLiteral("Could not make factory driver file from template driver file [%1]").arg(error),
            QStringLiteral("Error!"), MessageIcon::Exclamation);
    }
}

SelectionResult SelectNewTemplateDriver(RunState& state, const Services& services, TemplateSelectionView& view)
{
    view.HideMainWindow();

    // Start where the savegames were last time, if that folder still holds any. A folder that
    // cannot be looked at just leaves the dialog where it would start anyway.
    const LookupResult lastFolder = LookUpFiles(state.SavedataFolder);
    const QString initialFolder =
        !state.SavedataFolder.isEmpty() && lastFolder.found() ? state.SavedataFolder : QString();

    const std::optional<ChosenFile> choice = view.RunOpenDialog(initialFolder);
    if (!choice || choice->FileTitle.isEmpty()) {
        view.ShowMainWindow();
        return SelectionResult::Cancelled;
    }

    // Refuse the current factory driver file, and any file named like one: its own name would be
    // the new factory driver file's, and making that file would first delete the template.
    if (choice->FileTitle.compare(state.FactoryDriverFile, Qt::CaseInsensitive) == 0 ||
        IsFactoryDriverFileName(choice->FileTitle)) {
        services.messages.ShowMessage(QStringLiteral("You can't select the factory driver file as your template file!"),
                                      QStringLiteral("Error! - Select New Template Driver failed"),
                                      MessageIcon::Information);
        view.ShowMainWindow();
        return SelectionResult::Refused;
    }

    const SettingsKey& key = KelmoraSettingsKey();
    CreateSettingsKey(key);
    const QString fileName = QDir::toNativeSeparators(choice->FileName);
    state.SavedataFolder = fileName.left(fileName.size() - choice->FileTitle.size());
    state.TemplateDriverFile = choice->FileTitle;
    state.FactoryDriverFile = FactoryDriverFileFor(state.TemplateDriverFile);
    WriteSettingValue(key, SavedataFolderValue, state.SavedataFolder);
    WriteSettingValue(key, TemplateDriverFileValue, state.TemplateDriverFile);

    MakeFactoryDriverFile(state, services);
    switch (ReadTemplateMissionData(state, services)) {
    case TemplateReadResult::ProgramEnded:
        return SelectionResult::ProgramEnded;
    case TemplateReadResult::Failed:
        // MissionStatus still holds the previous template's bytes, or none. Kept, they would be
        // written into this template's copy by every save; without a data file a save says so.
        DiscardMissionDataFile(services);
        break;
    case TemplateReadResult::Read:
        WriteMissionDataFile(state, services);
        break;
    }

    view.SetTemplateDriverText(TemplateDriverText(state.TemplateDriverFile));
    view.SetFactoryDriverText(FactoryDriverText(state.FactoryDriverFile));
    view.EnableMissionList();
    view.EnableSavePanel();
    view.ShowMainWindow();
    return SelectionResult::Selected;
}

} // namespace kelmora
