#pragma once

#include "mission/MissionData.h"
#include "store/SavegameStore.h"

#include <QString>

namespace kelmora {

// Where the open dialog starts: the savegame folder of the last choice while it still holds a file,
// otherwise empty (the dialog's own choice).
QString InitialDialogFolder(const RunState& state);

// Turns the player's chosen savegame into the current template through the store, and words the two
// file labels the window then shows.
SelectionOutcome SelectNewTemplateDriver(RunState& state, const SavegameStore& store, const ChosenFile& choice);

QString TemplateDriverText(const QString& templateDriverFile);
QString FactoryDriverText(const QString& factoryDriverFile);

} // namespace kelmora
