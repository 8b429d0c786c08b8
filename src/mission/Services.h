#pragma once

#include <QString>

namespace kelmora {

// The message box icons, numbered as the classic message box styles.
enum class MessageIcon
{
    Critical = 16,
    Exclamation = 48,
    Information = 64,
};

// What the program needs from the world outside its files. The windows provide the real thing;
// tests and the command line provide their own.
class MessageService
{
public:
    virtual ~MessageService() = default;
    // Modal: returns once the player has acknowledged the message.
    virtual void ShowMessage(const QString& text, const QString& title, MessageIcon icon) = 0;
};

class ProgramExit
{
public:
    virtual ~ProgramExit() = default;
    // Ends the run. Callers return straight afterwards and do nothing more.
    virtual void EndProgram() = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    // The current time as the player's locale writes it in full: hours, minutes, seconds.
    virtual QString LongTimeText() const = 0;
};

struct Services
{
    MessageService& messages;
    ProgramExit& programExit;
    const Clock& clock;
    // Native separators, no trailing one except at a root: the program data file lives here.
    QString programFolder;
};

} // namespace kelmora
