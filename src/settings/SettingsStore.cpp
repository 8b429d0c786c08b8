#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace kelmora {
namespace {

QSettings OpenStore(const SettingsKey& key)
{
    // The native store, unless tests have sent the default format elsewhere.
    return QSettings(QSettings::defaultFormat(), key.root, key.organization, key.application);
}

QString ReadValue(const QSettings& settings, const QString& name)
{
    QString text = settings.value(name).toString();
    // Older stores may have kept the string's terminator; a real last character always stays.
    if (text.size() > 1 && text.endsWith(QChar(u'\0')))
        text.chop(1);
    return text;
}

} // namespace

const SettingsKey& KelmoraSettingsKey()
{
    static const SettingsKey key{QSettings::UserScope, QStringLiteral("Quorrick"), QStringLiteral("Kelmora")};
    return key;
}

QString FactoryDriverFileFor(const QString& templateDriverFile)
{
    return templateDriverFile.left(1) + QStringLiteral("FactMS.sav");
}

void LoadSettings(RunState& state, const SettingsKey& key)
{
    const QSettings settings = OpenStore(key);
    // The key exists as soon as either value has been stored.
    if (!settings.contains(SavedataFolderValue) && !settings.contains(TemplateDriverFileValue)) {
        state.SettingsValid = false;
        return;
    }
    state.SavedataFolder = ReadValue(settings, SavedataFolderValue);
    state.TemplateDriverFile = ReadValue(settings, TemplateDriverFileValue);
    if (!state.TemplateDriverFile.isEmpty())
        state.FactoryDriverFile = FactoryDriverFileFor(state.TemplateDriverFile);
    state.SettingsValid = true;
}

void CreateSettingsKey(const SettingsKey& key)
{
#ifdef Q_OS_WIN
    // The registry key is created together with its first value.
    Q_UNUSED(key);
#else
    // A settings file needs its folder before the first value can be stored.
    const QSettings settings = OpenStore(key);
    QDir().mkpath(QFileInfo(settings.fileName()).absolutePath());
#endif
}

void WriteSettingValue(const SettingsKey& key, const QString& name, const QString& text)
{
    QSettings settings = OpenStore(key);
    settings.setValue(name, text);
    settings.sync();
}

} // namespace kelmora
