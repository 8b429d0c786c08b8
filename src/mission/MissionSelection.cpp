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
    // A save at `index` leaves the template's records before it and zeros from it on; a save at the
    // last mission leaves the template's whole block.
    int same = 0; // the missions from the first that hold the template's records
    while (same < MISSION_COUNT && factoryBlock[same] == templateBlock[same])
        ++same;
    int zeros = MISSION_COUNT; // where the zeros start that run to the end
    while (zeros > 0 && factoryBlock[zeros - 1] == MissionStatusRecord{})
        --zeros;
    MissionChoice choice;
    for (int index = zeros; index <= same && index < MISSION_COUNT - 1; ++index)
        choice.indexes << index;
    if (same == MISSION_COUNT)
        choice.indexes << MISSION_COUNT - 1;
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
        return word(QT_TRANSLATE_NOOP("kelmora::MissionSelection", "as the template"));
    if (choice.kind == MissionChoice::Kind::Set && !choice.indexes.isEmpty())
        return word(QT_TRANSLATE_NOOP("kelmora::MissionSelection", "Mission %1")).arg(choice.indexes.constFirst() + 1);
    return word(QT_TRANSLATE_NOOP("kelmora::MissionSelection", "unknown"));
}

QString SaveStatusText(int index, const QString& timeText)
{
    return QCoreApplication::translate("kelmora::MissionSelection", "Saved [Mission #%1] @ %2")
        .arg(QString::number(index + 1), timeText);
}

} // namespace kelmora
