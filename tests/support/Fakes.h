#pragma once

#include "mission/Services.h"

#include <QList>
#include <QString>

namespace kelmora::test {

struct ShownMessage
{
    QString text;
    QString title;
    MessageIcon icon;

    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class FakeMessages final : public MessageService
{
public:
    void ShowMessage(const QString& text, const QString& title, MessageIcon icon) override
    {
        shown.append({text, title, icon});
    }
    QList<ShownMessage> shown;
};

class FakeExit final : public ProgramExit
{
public:
    void EndProgram() override { ++endCount; }
    int endCount = 0;
};

class FixedClock final : public Clock
{
public:
    QString LongTimeText() const override { return time; }
    QString time = QStringLiteral("9:41:07 PM");
};

// Fakes for everything outside the files, bundled for one test.
struct FakeServices
{
    explicit FakeServices(QString programFolder)
        : services{messages, exit, clock, std::move(programFolder)}
    { }

    FakeMessages messages;
    FakeExit exit;
    FixedClock clock;
    Services services;
};

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
