#include "TemplateSelection.h"

#include <QCoreApplication>
#include <QDirIterator>

namespace kelmora {

QString TemplateDriverText(const QString& templateDriverFile)
{
    return templateDriverFile + QCoreApplication::translate("kelmora::TemplateSelection", "  [Never gets modified!]");
}

QString FactoryDriverText(const QString& factoryDriverFile)
{
    return factoryDriverFile +
           QCoreApplication::translate("kelmora::TemplateSelection", "  [Select mission for this driver]");
}

QString InitialDialogFolder(const RunState& state)
{
    if (state.SavedataFolder.isEmpty())
        return {};
    // Only whether the folder holds a file at all: the first one found answers that.
    QDirIterator files(state.SavedataFolder, QDir::Files);
    return files.hasNext() ? state.SavedataFolder : QString();
}

SelectionOutcome SelectNewTemplateDriver(RunState& state, const SavegameStore& store, const ChosenFile& choice)
{
    SelectionOutcome outcome = store.ChooseTemplate(state, choice);
    if (outcome.result == SelectionOutcome::Result::Selected) {
        outcome.templateText = TemplateDriverText(state.TemplateDriverFile);
        outcome.factoryText = FactoryDriverText(state.FactoryDriverFile);
    }
    return outcome;
}

} // namespace kelmora
