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
    // What framed the zone goes with it: "H:mm:ss (t)", "HH:mm:ss, t", "h:mm:ss AP t".
    result.remove(QStringLiteral("()"));
    result.remove(QStringLiteral("[]"));
    const auto dangling = [](QChar c) { return c.isSpace() || c == u','; };
    while (!result.isEmpty() && dangling(result.back()))
        result.chop(1);
    while (!result.isEmpty() && dangling(result.front()))
        result.remove(0, 1);
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
