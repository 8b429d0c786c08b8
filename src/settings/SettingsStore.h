#pragma once

#include "mission/MissionData.h"

#include <QSettings>
#include <QString>

namespace kelmora {

// Where the two settings live: the per-user native store (on Windows the registry key
// HKEY_CURRENT_USER\Software\Quorrick\Kelmora, elsewhere the per-user file Qt chooses).
struct SettingsKey
{
    QSettings::Scope root;
    QString organization;
    QString application;
};

const SettingsKey& KelmoraSettingsKey();

inline const QString SavedataFolderValue = QStringLiteral("Path to Vantor Savedata Folder");
inline const QString TemplateDriverFileValue = QStringLiteral("Template Driver File");

// The factory driver file is named after the template's first character: Alex.sav gives AFactMS.sav.
QString FactoryDriverFileFor(const QString& templateDriverFile);

// Fills the run's settings from the store. SettingsValid says whether the store held them at all;
// what the values hold, or whether their files exist, is not checked. Silent on every failure.
void LoadSettings(RunState& state, const SettingsKey& key = KelmoraSettingsKey());

// Store operations that never report a failure: a value that did not stick shows at the next start.
void CreateSettingsKey(const SettingsKey& key);
void WriteSettingValue(const SettingsKey& key, const QString& name, const QString& text);

} // namespace kelmora
