#include "SystemServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QTime>

namespace kelmora {

QString LongTimeFormatWithoutZone(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    result.reserve(format.size());
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            result += c;
    }
    // The zone usually stands apart from the time ("h:mm:ss AP t"); drop the blank that is left.
    result = result.trimmed();
    while (result.contains(QStringLiteral("  ")))
        result.replace(QStringLiteral("  "), QStringLiteral(" "));
    return result;
}

QString SystemClock::LongTimeText() const
{
    const QLocale locale = QLocale::system();
    return locale.toString(QTime::currentTime(), LongTimeFormatWithoutZone(locale));
}

QString ApplicationFolder()
{
    // applicationDirPath() never ends in a separator except at the root ("/" or "C:/").
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

} // namespace kelmora
