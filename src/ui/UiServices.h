#pragma once

#include "Outcome.h"
#include "SystemServices.h"
#include "settings/SavegameFolders.h"
#include "store/SavegameStore.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QFileDialog;
class QObject;
class QWidget;

namespace kelmora {

// Modal message boxes: each call returns once the player has acknowledged the message.
class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual void ShowMessage(const Message& message) = 0;
    // Shows the message with a question and the choice to go on or not; true to go on.
    virtual bool AskToGoOn(const Message& message, const QString& question) = 0;
};

class ProgramExit
{
public:
    virtual ~ProgramExit() = default;
    // Ends the run. Callers return straight afterwards and do nothing more.
    virtual void EndProgram() = 0;
};

// The open dialog, behind a seam so that tests can hand in a choice.
class OpenFileDialog
{
public:
    virtual ~OpenFileDialog() = default;
    // The chosen existing file's full path, or an empty text when the player cancelled.
    // `places` are offered beside the standard places, one click away, under their own names.
    virtual QString GetOpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                                    const QList<SavegamePlace>& places) = 0;
};

// Starts another program without waiting for it; false when it could not be started. Where it starts
// but then ends with a failure, `failed` hears why, in the player's words, unless `context` is gone.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    virtual bool Start(const QString& program, const QString& argument, QObject* context,
                       std::function<void(const QString& reason)> failed) = 0;
};

// Everything the windows reach outside themselves.
// The busy pointer while the store works, which may wait a few seconds for another run's lock:
// from its making to the end of its scope, which must close before any message box opens.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

struct UiServices
{
    MessageService& messages;
    ProgramExit& programExit;
    const Clock& clock;
    OpenFileDialog& openDialog;
    ProgramLauncher& launcher;
    QString programFolder; // where the program and its readme are
    QString dataFolder; // where the program data file is
    QString userFolder; // per-user: the lock, the backups
    PlaceInputs places; // where the open dialog's side bar and Find Savegames look

    SavegameStore store() const { return SavegameStore({dataFolder, userFolder}); }
    // Shows each problem as its message box, in order.
    void Present(const Problems& problems) const;
};

// The real ones: a message box, QFileDialog, QProcess, and the end of the event loop.
class MessageBoxService final : public MessageService
{
public:
    void ShowMessage(const Message& message) override;
    bool AskToGoOn(const Message& message, const QString& question) override;
};

class FileDialogService final : public OpenFileDialog
{
public:
    QString GetOpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                            const QList<SavegamePlace>& places) override;
};

// Adds the `places` that exist to the side bar of Qt's own file dialog, each shown under its name
// rather than its folder's (every prefix's is "drive_c"), and widens the side bar to show the names
// whole. Returns the side bar's other places, without the prefixes that earlier runs left in it.
QList<QUrl> OfferPlaces(QFileDialog& dialog, const QList<SavegamePlace>& places);

class ProcessLauncher final : public ProgramLauncher
{
public:
    bool Start(const QString& program, const QString& argument, QObject* context,
               std::function<void(const QString& reason)> failed) override;
};

class ApplicationExit final : public ProgramExit
{
public:
    void EndProgram() override;
};

} // namespace kelmora
