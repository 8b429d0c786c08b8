#pragma once

#include "Services.h"

#include <QLocale>
#include <QString>

namespace kelmora {

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
