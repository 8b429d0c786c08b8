#pragma once

#include <QLocale>
#include <QString>

namespace kelmora {

class Clock
{
public:
    virtual ~Clock() = default;
    // The current time as the player's locale writes it in full: hours, minutes, seconds.
    virtual QString LongTimeText() const = 0;
};

// The locale's long time format without its time zone, which the save status has no room for.
QString LongTimeFormatWithoutZone(const QLocale& locale);

class SystemClock final : public Clock
{
public:
    QString LongTimeText() const override;
};

// The running program's folder in native form, without a trailing separator except at a root.
QString ApplicationFolder();

} // namespace kelmora
