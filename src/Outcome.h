#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace kelmora {

// Everything that can go wrong in the program's flows. The core returns these; the window shows each
// one as a message box and kelmora-cli prints it, both worded by MessageFor.
enum class Failure
{
    DataFileRead, // path: the program data file
    DataFileWrite,
    DataFolderCreate, // path: the folder the program data file is to live in
    SaveDataFileUnreadable, // follows DataFileRead when a save stops because of it
    SelectionRule,
    FactoryWrite, // path: the factory driver file
    TemplateVanished, // path: the template; the program ends after this one
    TemplateRead,
    TemplateNotFound, // path: the template, missing before the copy
    MakeFactory,
    FactoryTemplateRefused,
    SettingsRead, // path: the settings store
    SettingsWrite,
    NoTemplate, // the stored settings name no usable template; path: what they hold
    UnusablePath, // a path the file system cannot store
    Busy, // another save or template choice holds the lock; path: the lock file
    LockFailed,
    BackupFailed, // path: the file that was to change; reason: why no backup of it could be kept
    BackupUnknown, // path: the id asked for
    RestoreFailed, // path: where the backup was to go back to
    TemplateChanged, // another run chose a new template since this one loaded its settings; path: it
    DataFileNotTheTemplates, // the program data file was not written for the stored template; path: it
    RestoreMixesDrivers, // asks before a restore whose next save would mix two drivers; path: the target
    BackupsUnreadable, // path: the backup folder
};

struct Problem
{
    Failure failure;
    QString path; // native separators; empty where the message names no file
    QString reason; // the system's own description of what went wrong

    friend bool operator==(const Problem&, const Problem&) = default;
};

// In the order the player is to see them.
using Problems = QList<Problem>;

enum class MessageIcon
{
    Critical,
    Exclamation,
    Information,
};

struct Message
{
    QString text;
    QString title;
    MessageIcon icon;

    friend bool operator==(const Message&, const Message&) = default;
};

// The one place that words a problem for the player: the window and kelmora-cli show the same text,
// title and icon.
Message MessageFor(const Problem& problem);

} // namespace kelmora
