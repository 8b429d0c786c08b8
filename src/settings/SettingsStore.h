#pragma once

#include "Outcome.h"
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

    bool operator==(const SettingsKey&) const = default;
};

const SettingsKey& KelmoraSettingsKey();

inline const QString SavedataFolderValue = QStringLiteral("Path to Vantor Savedata Folder");
inline const QString TemplateDriverFileValue = QStringLiteral("Template Driver File");

// The factory driver file is named after the template's first character: Alex.sav gives AFactMS.sav.
QString FactoryDriverFileFor(const QString& templateDriverFile);

// Fills the run's settings from the store. SettingsValid says whether the store held them at all;
// what the values hold, or whether their files exist, is not checked. A store that exists but cannot
// be read gives a problem; the window stays silent about it and starts as on a first run.
std::optional<Problem> LoadSettings(RunState& state, const SettingsKey& key = KelmoraSettingsKey());

// The settings' folders are those QStandardPaths names, as QSettings takes them, looked up once per
// process and format. A process that moves them with QSettings::setPath (the tests do) must say so
// here before it reads or writes the settings: from then on they are asked of QSettings itself.
void SettingsFoldersMoved();

// Makes sure the store can take values: on Windows the registry key is made with its first value,
// elsewhere the settings file needs its folder.
std::optional<Problem> CreateSettingsKey(const SettingsKey& key);

// Whether values can be stored now (a settings file of another user, a read-only folder), without
// storing any.
std::optional<Problem> CheckSettingsWritable(const SettingsKey& key);

struct SettingValue
{
    QString name;
    QString text;
};

// Stores the values together and checks that they reached the store. Only under the store's lock.
std::optional<Problem> WriteSettingValues(const SettingsKey& key, const QList<SettingValue>& values);

} // namespace kelmora
