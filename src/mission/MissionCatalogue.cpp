#include "MissionCatalogue.h"

#include "Translations.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <array>

namespace kelmora {
namespace {

struct CatalogueRow
{
    const char* car;
    const char* location;
    const char* mission;
    const char* goalTime;
};

constexpr const char* Ravello = "Ravello GT Coupe";
constexpr const char* Stanmore = "Stanmore V8 Roadster";
constexpr const char* Kestrel = "Kestrel 2.0 Turbo";
constexpr const char* Marlow = "Marlow Sprint 1600";
constexpr const char* Brisa = "Brisa Targa S";
constexpr const char* Halden = "Halden Interceptor";
constexpr const char* Voss = "Voss RS Hatchback";
constexpr const char* Corvan = "Corvan 440 Spyder";
constexpr const char* Alcott = "Alcott Grand Tourer";
constexpr const char* Tamsin = "Tamsin Mk II Rally";

constexpr const char* Circuit1 = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Port Aldane Circuit 1");
constexpr const char* Circuit2 = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Port Aldane Circuit 2");
constexpr const char* Circuit3 = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Port Aldane Circuit 3");
constexpr const char* Circuit4 = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Port Aldane Circuit 4");
constexpr const char* Docks = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Merrow Docks");
constexpr const char* Pass = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Calder Pass");
constexpr const char* Quarry = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Old Quarry Road");
constexpr const char* Airfield = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Linfield Airfield");
constexpr const char* Causeway = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Saltmarsh Causeway");
constexpr const char* Forest = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Brackwood Forest");
constexpr const char* Downtown = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Harrowgate Downtown");
constexpr const char* Canyon = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Sable Canyon");
constexpr const char* Industrial = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Eastbridge Industrial Park");
constexpr const char* Coast = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Tollan Coast Highway");

constexpr const char* HotLap = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Set a hot lap on a closed track");
constexpr const char* ConeSlalom = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Weave through the cone slalom");
constexpr const char* Handbrake = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Handbrake turn into the loading bay");
constexpr const char* Reverse = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Reverse the full course");
constexpr const char* Delivery =
    QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Deliver the car without a scratch - Traffic, Cops");
constexpr const char* Checkpoints = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Reach every checkpoint in order");
constexpr const char* Escort =
    QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Escort the convoy to the harbour - Traffic, Cops");
constexpr const char* Sprint = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Sprint from one end to the other");
constexpr const char* Getaway =
    QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Lose the pursuit before the bridge - Traffic, Cops");
constexpr const char* Jump = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Clear the jump and stick the landing");
constexpr const char* Pickup =
    QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Pick up the mechanic on the way - Traffic, Cops");
constexpr const char* Duel = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Beat the rival driver head to head");
constexpr const char* StreetRace =
    QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Win the street race - Traffic, Cops");
constexpr const char* Fuel = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Finish on a nearly empty tank");
constexpr const char* NightRun =
    QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Night run without headlights - Traffic, Cops");
constexpr const char* Gauntlet =
    QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Run the roadblock gauntlet - Traffic, Cops");
constexpr const char* Endurance =
    QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Survive ten laps of the endurance race");
constexpr const char* Drift = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Drift through the hairpins");
constexpr const char* Pack = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Win from the back of the pack");
constexpr const char* Wet = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Keep it on the road in the rain");
constexpr const char* Timed = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Make the ferry before it sails");
constexpr const char* Finale = QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Take the championship decider");

constexpr std::array<CatalogueRow, MISSION_COUNT> Catalogue{{
    {Marlow, Circuit1, HotLap, "00:27.00"},
    {Marlow, Circuit2, ConeSlalom, "00:26.00"},
    {Voss, Docks, Handbrake, "00:32.00"},
    {Voss, Circuit1, Reverse, "00:15.00"},
    {Kestrel, Quarry, Sprint, "00:28.00"},
    {Kestrel, Downtown, Delivery, "01:50.00"},
    {Brisa, Circuit3, Checkpoints, "00:50.00"},
    {Brisa, Airfield, ConeSlalom, "00:58.00"},
    {Halden, Docks, Escort, "03:00.00"},
    {Tamsin, Forest, Checkpoints, "04:00.00"},
    {Tamsin, Quarry, Jump, "00:36.00"},
    {Halden, Coast, Getaway, "04:00.00"},
    {Stanmore, Circuit2, HotLap, "00:59.00"},
    {Stanmore, Industrial, Pickup, "02:33.00"},
    {Ravello, Pass, Drift, "01:09.00"},
    {Ravello, Causeway, NightRun, "03:07.00"},
    {Corvan, Circuit4, Fuel, "00:39.00"},
    {Corvan, Downtown, StreetRace, QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Just Win, Baby")},
    {Voss, Airfield, Reverse, "00:39.00"},
    {Halden, Industrial, Gauntlet, QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Just Win, Baby")},
    {Alcott, Coast, Endurance, "06:25.00"},
    {Alcott, Circuit3, Wet, "00:43.00"},
    {Kestrel, Canyon, Duel, QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Just Win, Baby")},
    {Brisa, Circuit4, HotLap, "00:37.00"},
    {Stanmore, Causeway, Escort, "03:30.00"},
    {Tamsin, Canyon, Jump, "00:37.00"},
    {Corvan, Pass, Drift, "00:50.00"},
    {Ravello, Circuit1, ConeSlalom, "00:37.00"},
    {Marlow, Forest, Pack, QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Just Win, Baby")},
    {Alcott, Docks, Timed, "00:50.00"},
    {Stanmore, Canyon, Sprint, "03:40.00"},
    {Ravello, Circuit2, Duel, QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Just Win, Baby")},
    {Corvan, Pass, Wet, "02:30.00"},
    {Alcott, Circuit4, Finale, QT_TRANSLATE_NOOP("kelmora::MissionCatalogue", "Finish First, Finish Clean")},
}};

const CatalogueRow& Row(int index)
{
    Q_ASSERT_X(index >= 0 && index < MISSION_COUNT, "kelmora::Details", "mission index out of range");
    return Catalogue[static_cast<std::size_t>(index)];
}

} // namespace

QString ListText(int index)
{
    Q_ASSERT_X(index >= 0 && index < MISSION_COUNT, "kelmora::ListText", "mission index out of range");
    // Two blanks: the number is formatted with room for a sign, as the game's own list shows it.
    return QCoreApplication::translate("kelmora::MissionCatalogue", "Factory Driver  %1").arg(index + 1);
}

MissionDetails Details(int index)
{
    const CatalogueRow& row = Row(index);
    // The cars' names are the same in every language. A goal time keeps its digits and takes the
    // decimal separator of the player's language: 00:27.00 is 00:27,00 in German.
    const QString goal = PlainGoalTime(index);
    return {QString::fromUtf8(row.car), QCoreApplication::translate("kelmora::MissionCatalogue", row.location),
            QCoreApplication::translate("kelmora::MissionCatalogue", row.mission),
            goal.contains(u':') ? QString(goal).replace(u'.', TranslationLocale().decimalPoint()) : goal};
}

QString PlainGoalTime(int index)
{
    const CatalogueRow& row = Row(index);
    const QString goal = QString::fromUtf8(row.goalTime);
    return goal.contains(u':') ? goal : QCoreApplication::translate("kelmora::MissionCatalogue", row.goalTime);
}

} // namespace kelmora
