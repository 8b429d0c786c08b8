#pragma once

#include "Outcome.h"
#include "SystemServices.h"
#include "settings/SettingsStore.h"

#include <QList>
#include <QRegularExpression>
#include <QSettings>
#include <QString>

namespace kelmora::test {

// What the player is shown: the message of each problem, in order.
using ShownMessage = Message;

inline QList<ShownMessage> Shown(const Problems& problems)
{
    QList<ShownMessage> shown;
    for (const Problem& problem : problems)
        shown << MessageFor(problem);
    return shown;
}

class FixedClock final : public Clock
{
public:
    QString LongTimeText() const override { return time; }
    QString time = QStringLiteral("9:41:07 PM");
};

// Sends every settings store of this process to an INI file in `folder`, on Windows too, where the
// native store would be the player's registry.
inline void RedirectSettings(const QString& folder)
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    SettingsFoldersMoved();
}

inline void ClearSettings()
{
    QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Quorrick"), QStringLiteral("Kelmora"))
        .clear();
}

// `shown`, with every text that matches the expected one at its place replaced by that one, so that
// QCOMPARE(Matched(shown, expected), expected) passes or shows what differs. A "*" in an expected
// text stands for any non-empty words, where the system's description of an error varies.
inline QList<ShownMessage> Matched(QList<ShownMessage> shown, const QList<ShownMessage>& expected)
{
    for (qsizetype i = 0; i < qMin(shown.size(), expected.size()); ++i) {
        const QString pattern = QRegularExpression::escape(expected[i].text).replace(QStringLiteral("\\*"), ".+");
        if (QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(shown[i].text).hasMatch())
            shown[i].text = expected[i].text;
    }
    return shown;
}

} // namespace kelmora::test

// Lets QCOMPARE print what was shown when a message list differs.
inline char* toString(const kelmora::test::ShownMessage& message)
{
    return qstrdup(QStringLiteral("{\"%1\", \"%2\", %3}")
                       .arg(message.text, message.title)
                       .arg(static_cast<int>(message.icon))
                       .toUtf8()
                       .constData());
}
