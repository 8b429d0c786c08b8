#pragma once

#include "MissionData.h"

#include <QString>

#include <functional>

namespace kelmora {

struct WriteInterruption;

class Clock
{
public:
    virtual ~Clock() = default;
    // The current time as the player's locale writes it in full: hours, minutes, seconds.
    virtual QString LongTimeText() const = 0;
};

// What the core's flows need from outside the files they are given.
struct Services
{
    const Clock& clock;
    // Native separators, no trailing one except at a root: the program data file lives here.
    QString dataFolder;
    // The per-user folder: the lock that keeps two flows apart lives here.
    QString userFolder;
    // Tests only: stops the replacement of the factory driver file part way.
    const WriteInterruption* interruption = nullptr;
    // The settings as they are stored now. A save reads them once it holds the lock: another run may
    // have chosen a new template since, and the program data file then holds that template's bytes.
    // Unset: not checked.
    std::function<void(RunState&)> loadStoredSettings = {};
};

} // namespace kelmora
