#include "MissionSelection.h"

#include <QCoreApplication>

namespace kelmora {

bool ApplyMissionSelection(MissionStatusTable& table, int index)
{
    if (index < 0 || index >= MISSION_COUNT)
        return false;
    if (index == MISSION_COUNT - 1)
        return true;
    for (int mission = index; mission < MISSION_COUNT; ++mission)
        table[mission].fill(0);
    return true;
}

MissionChoice MatchMissionChoice(const MissionStatusTable& templateBlock, const MissionStatusTable& factoryBlock)
{
    MissionChoice choice;
    for (int index = 0; index < MISSION_COUNT; ++index) {
        MissionStatusTable saved = templateBlock;
        ApplyMissionSelection(saved, index);
        if (saved == factoryBlock)
            choice.indexes << index;
    }
    choice.kind = choice.indexes.isEmpty() ? MissionChoice::Kind::PlayedOn : MissionChoice::Kind::Set;
    return choice;
}

QString MissionChoiceText(const MissionChoice& choice, Wording wording)
{
    const auto word = [wording](const char* text) {
        return wording == Wording::English ? QString::fromLatin1(text)
                                           : QCoreApplication::translate("kelmora::MissionSelection", text);
    };
    if (choice.kind == MissionChoice::Kind::PlayedOn)
        return word(QT_TRANSLATE_NOOP("kelmora::MissionSelection", "played on since a save"));
    if (choice.kind == MissionChoice::Kind::AsTemplate)
        return word(QT_TRANSLATE_NOOP("kelmora::MissionSelection", "as the template (not saved yet)"));
    if (choice.kind == MissionChoice::Kind::Set && !choice.indexes.isEmpty())
        return word(QT_TRANSLATE_NOOP("kelmora::MissionSelection", "Mission %1")).arg(choice.indexes.constFirst() + 1);
    return word(QT_TRANSLATE_NOOP("kelmora::MissionSelection", "unknown"));
}

QString SaveStatusText(int index, const QString& timeText)
{
    return QCoreApplication::translate("kelmora::MissionSelection", "Saved [Mission #%1] @ %2")
        .arg(index + 1)
        .arg(timeText);
}

} // namespace kelmora
