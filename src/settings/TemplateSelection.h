#pragma once

#include "SettingsStore.h"
#include "mission/MissionData.h"
#include "mission/Outcome.h"
#include "mission/Services.h"

#include <QString>

namespace kelmora {

// The file the player picked in the open dialog.
struct ChosenFile
{
    QString FileName; // full path
    QString FileTitle; // bare name
};

// What choosing a template did, and what the window is to do about it.
struct SelectionOutcome
{
    enum class Result
    {
        Selected, // the template is now current: show the labels below and allow saving
        Refused, // nothing changed
        ProgramEnded, // the template vanished before it could be read: the program ends after the messages
    };
    Result result = Result::Refused;
    Problems problems; // in the order the player is to see them, whatever the result
    QString templateText; // Selected: the two file labels
    QString factoryText;
};

// Where the open dialog starts: the savegame folder of the last choice while it still holds a file,
// otherwise empty (the dialog's own choice).
QString InitialDialogFolder(const RunState& state);

// Turns the player's chosen savegame into the current template: settings stored, earlier factory
// driver files replaced by a fresh copy, the template's mission block kept in the program data file.
SelectionOutcome SelectNewTemplateDriver(RunState& state, const Services& services, const ChosenFile& choice,
                                         const SettingsKey& key = KelmoraSettingsKey());

QString TemplateDriverText(const QString& templateDriverFile);
QString FactoryDriverText(const QString& factoryDriverFile);

} // namespace kelmora
