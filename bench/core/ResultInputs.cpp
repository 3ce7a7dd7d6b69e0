#include "ResultInputs.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <tuple>

namespace natarix::bench {

namespace {

constexpr int kClubs = 60;
constexpr int kClubSize = 200;
constexpr int kClubsPerList = 7;
constexpr int kSwimsPerSwimmer = 4;  // real lists have 3 to 5
constexpr int kFirstYear = 2006;
constexpr int kYears = 12;

// The swims of a list, each for women (odd event numbers) and men.
struct Swim {
    int distance;
    std::string_view stroke;
    std::string_view exercise;
    std::string_view name;
    int hundredthsPer50;
};
constexpr std::array<Swim, 20> kSwims = {{
    {50, "F", "GL", "Freistil", 3100},
    {100, "F", "GL", "Freistil", 3300},
    {200, "F", "GL", "Freistil", 3500},
    {400, "F", "GL", "Freistil", 3700},
    {800, "F", "GL", "Freistil", 3800},
    {1500, "F", "GL", "Freistil", 3900},
    {50, "R", "GL",
     "R\xc3\xbc"
     "cken",
     3600},
    {100, "R", "GL",
     "R\xc3\xbc"
     "cken",
     3800},
    {200, "R", "GL",
     "R\xc3\xbc"
     "cken",
     4000},
    {50, "B", "GL", "Brust", 4000},
    {100, "B", "GL", "Brust", 4200},
    {200, "B", "GL", "Brust", 4400},
    {50, "S", "GL", "Schmetterling", 3400},
    {100, "S", "GL", "Schmetterling", 3700},
    {200, "S", "GL", "Schmetterling", 4000},
    {100, "L", "GL", "Lagen", 3800},
    {200, "L", "GL", "Lagen", 3900},
    {400, "L", "GL", "Lagen", 4100},
    {50, "B", "BE", "Brust-Beine", 5000},
    {50, "R", "BE",
     "R\xc3\xbc"
     "cken-Beine",
     4600},
}};

constexpr std::array<std::string_view, 50> kSurnames = {"M\xc3\xbcller",
                                                        "Schmidt",
                                                        "Schneider",
                                                        "Fischer",
                                                        "Weber",
                                                        "Meyer",
                                                        "Wagner",
                                                        "Becker",
                                                        "Schulz",
                                                        "Hoffmann",
                                                        "Sch\xc3\xa4"
                                                        "fer",
                                                        "Koch",
                                                        "Bauer",
                                                        "Richter",
                                                        "Klein",
                                                        "Wolf",
                                                        "Schr\xc3\xb6"
                                                        "der",
                                                        "Neumann",
                                                        "Schwarz",
                                                        "Zimmermann",
                                                        "Braun",
                                                        "Kr\xc3\xbcger",
                                                        "Hofmann",
                                                        "Hartmann",
                                                        "Lange",
                                                        "Schmitt",
                                                        "Werner",
                                                        "Schmitz",
                                                        "Krause",
                                                        "Meier",
                                                        "Lehmann",
                                                        "Schmid",
                                                        "Schulze-Berndt",
                                                        "Maier",
                                                        "K\xc3\xb6hler",
                                                        "Herrmann",
                                                        "K\xc3\xb6nig",
                                                        "Walter",
                                                        "Mayer",
                                                        "Huber",
                                                        "Kaiser",
                                                        "Fuchs",
                                                        "Peters",
                                                        "Lang",
                                                        "Scholz",
                                                        "M\xc3\xb6ller",
                                                        "Wei\xc3\x9f",
                                                        "Jung",
                                                        "Hahn",
                                                        "Schubert"};
constexpr std::array<std::string_view, 25> kWomen = {
    "Emma",   "Mia",        "Hannah",    "Emilia", "Sophia",
    "Lina",   "Marie",      "Mila",      "Ella",   "Lea",
    "Clara",  "Lena",       "Anna-Lena", "Luisa",  "Ida",
    "Frieda", "Greta",      "Lotte",     "Nele",   "Paula",
    "Maja",   "Zo\xc3\xab", "Jana",      "Finja",  "Am\xc3\xa9lie Sophie"};
constexpr std::array<std::string_view, 25> kMen = {
    "Noah",  "Ben",   "Matteo", "Finn",  "Leon",   "Elias",       "Paul",        "Henry",     "Luis",
    "Felix", "Jonas", "Lukas",  "Emil",  "Theo",   "Jakob",       "Anton",       "Karl Otto", "Moritz",
    "Linus", "Jan",   "Ole",    "Malte", "Niklas", "J\xc3\xb6rn", "S\xc3\xb6ren"};
constexpr std::array<std::string_view, 6> kClubKinds = {"SV", "SC", "SG", "TV", "SSV", "DJK"};
constexpr std::array<std::string_view, 20> kTowns = {"Musterstadt",
                                                     "K\xc3\xbchlenbr\xc3\xbc"
                                                     "ck",
                                                     "Neustadt",
                                                     "Altdorf",
                                                     "Bergheim",
                                                     "Lindenau",
                                                     "Rosenfeld",
                                                     "Hohenwald",
                                                     "Birkenfeld",
                                                     "Wiesental",
                                                     "Steinbach",
                                                     "Tannhausen",
                                                     "Seeburg",
                                                     "Waldkirch",
                                                     "Gr\xc3\xbcnau",
                                                     "M\xc3\xbchlheim",
                                                     "Ostheim",
                                                     "Westerholt",
                                                     "Sonnenberg",
                                                     "Eichenau"};
constexpr std::array<std::string_view, 8> kMeets = {"Herbstpokal",
                                                    "Bezirksmeisterschaften",
                                                    "Nikolausschwimmen",
                                                    "Sprintpokal",
                                                    "Kreisjahrgangsmeisterschaften",
                                                    "Fr\xc3\xbchjahrsschwimmfest",
                                                    "Lange Strecken",
                                                    "Talentcup"};
constexpr std::array<std::string_view, 3> kFaults = {"Wechselbeinschlag nach der Wende", "Fehlstart",
                                                     "Zielanschlag nicht beidh\xc3\xa4ndig"};

std::string Padded(std::int64_t value, int width)
{
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

std::string TimeText(std::int64_t hundredths)
{
    const std::int64_t seconds = hundredths / 100;
    return Padded(seconds / 3600, 2) + ":" + Padded(seconds / 60 % 60, 2) + ":" + Padded(seconds % 60, 2) + "," +
           Padded(hundredths % 100, 2);
}

// One swimmer of the pool, the same in every list and in the club.
struct PoolSwimmer {
    std::string_view surname;
    std::string_view firstName;
    int year;
    bool female;
    std::string dsvId;  // "000000": unknown
    int club;
};

PoolSwimmer SwimmerOfPool(int index)
{
    const bool female = index % 2 == 0;
    const auto& firstNames = female ? kWomen : kMen;
    return {kSurnames[static_cast<std::size_t>(index * 7 + index / 50) % kSurnames.size()],
            firstNames[static_cast<std::size_t>(index / 2 + index / 100 * 3) % firstNames.size()],
            kFirstYear + (index * 5 + index / 12) % kYears,
            female,
            index % 10 == 3 ? "000000" : Padded(100000 + (index * 7919LL + 12345) % 900000, 6),
            index / kClubSize};
}

std::string ClubName(int club)
{
    return std::string(kClubKinds[static_cast<std::size_t>(club) % kClubKinds.size()]) + " " +
           std::string(kTowns[static_cast<std::size_t>(club) % kTowns.size()]);
}

std::string ClubNumber(int club)
{
    return Padded(3000 + club * 17, 4);
}

// Counted back from the meet: five weekends a month from October down to
// January, of 2026 and then of 2025, so that the newest lists (and the
// small sets) lie in the meet's window.
std::string ListDay(int list, int day)
{
    const int week = list % 50;
    return Padded(25 - week % 5 * 6 + day, 2) + "." + Padded(10 - week / 5, 2) + "." + std::to_string(2026 - list / 50);
}

const Swim& SwimOfEvent(int event)
{
    return kSwims[static_cast<std::size_t>(event - 1) / 2 % kSwims.size()];
}

std::string EventInWords(int event)
{
    const Swim& swim = SwimOfEvent(event);
    return std::to_string(swim.distance) + "m " + std::string(swim.name) +
           (event % 2 == 1 ? " weiblich" : " m\xc3\xa4nnlich");
}

// One PNERGEBNIS line before it is written.
struct ResultLine {
    int event;
    int wertung;  // 0: the open one, else the year's
    int participant;
    bool unranked;
    std::int64_t hundredths;
    int swim;
    bool repeat;
};

std::string ResultListOf(int list, int results)
{
    // The clubs at this meet: SV Musterstadt at every other one.
    std::vector<int> clubs;
    for (int k = 0; static_cast<int>(clubs.size()) < kClubsPerList; ++k)
        clubs.push_back(k == 0 && list % 2 == 0 ? 0 : 1 + (list * 7 + k * 11) % (kClubs - 1));
    const int wanted = std::max(kClubsPerList, results / kSwimsPerSwimmer);
    const int perClub = std::min(kClubSize, (wanted + kClubsPerList - 1) / kClubsPerList);
    std::vector<PoolSwimmer> swimmers;
    for (const int club : clubs)
        for (int j = 0; j < perClub; ++j)
            swimmers.push_back(SwimmerOfPool(club * kClubSize + (list * 37 + j) % kClubSize));
    const auto participants = static_cast<int>(swimmers.size());

    // Every eighth or ninth swim is listed once more under the open Wertung.
    const int swims = (results * 8 + 8) / 9;
    const int repeats = results - swims;
    std::vector<ResultLine> lines;
    lines.reserve(static_cast<std::size_t>(results));
    for (int s = 0; s < swims; ++s) {
        const int p = s % participants;
        const PoolSwimmer& who = swimmers[static_cast<std::size_t>(p)];
        const int kind = (p * 3 + s / participants * 7) % static_cast<int>(kSwims.size());
        const int event = kind * 2 + (who.female ? 1 : 2);
        const Swim& swim = SwimOfEvent(event);
        const bool unranked = s % 37 == 5 || s % 53 == 9;
        const std::int64_t hundredths = std::int64_t{swim.distance} / 50 * swim.hundredthsPer50 *
                                        (100 + (who.year - kFirstYear) * 2 + (p * 13 + list * 7 + event) % 25) / 100;
        lines.push_back({event, who.year - kFirstYear + 1, p, unranked, unranked ? 0 : hundredths, s, false});
        if (static_cast<std::int64_t>(s) * repeats / swims != (s + 1LL) * repeats / swims) {
            ResultLine open = lines.back();
            open.wertung = 0;
            open.repeat = true;
            lines.push_back(open);
        }
    }
    // As the programs print them: event by event, Wertung by Wertung, the
    // ranked ones by time, then the others.
    std::sort(lines.begin(), lines.end(), [](const ResultLine& a, const ResultLine& b) {
        return std::tie(a.event, a.wertung, a.unranked, a.hundredths, a.participant) <
               std::tie(b.event, b.wertung, b.unranked, b.hundredths, b.participant);
    });

    const std::string town(kTowns[static_cast<std::size_t>(list * 3 + 1) % kTowns.size()]);
    const std::string host = ClubName(clubs[1]);
    std::string text;
    text.reserve(static_cast<std::size_t>(results) * 230 + 64 * 1024);
    text += "(* erzeugt mit einem Wettkampfprogramm, Version 5.27 *)\r\n";
    text += "(* erzeugt am " + ListDay(list, 1) + " um 18:04 Uhr *)\r\n";
    text += "FORMAT: Wettkampfergebnisliste;7;\r\n";
    text += "ERZEUGER: Wettkampfprogramm;5.27;info@wettkampfprogramm.example.org;\r\n";
    text += "VERANSTALTUNG: " + std::string(kMeets[static_cast<std::size_t>(list) % kMeets.size()]) + " " +
            ListDay(list, 0).substr(6) + ";" + town + ";25;AUTOMATISCH;\r\n";
    text += "VERANSTALTER: Bezirk " + town + ";\r\n";
    text += "AUSRICHTER: " + host +
            ";Wei\xc3\x9f, J\xc3\xb6rg;Badstra\xc3\x9f"
            "e 1;12345;" +
            town + ";GER;0123 45678;;meldung@" + std::to_string(list) + ".example.org;\r\n";
    text += "ABSCHNITT: 1;" + ListDay(list, 0) + ";09:00;;\r\n";
    text += "ABSCHNITT: 2;" + ListDay(list, 0) + ";15:00;;\r\n";
    text += "ABSCHNITT: 3;" + ListDay(list, 1) + ";09:00;;\r\n";
    text += "ABSCHNITT: 4;" + ListDay(list, 1) + ";00:30;J; (* Uhrzeiten relativ nach vorherigem Abschnitt *)\r\n";
    constexpr int kEvents = 2 * static_cast<int>(kSwims.size());
    for (int event = 1; event <= kEvents; ++event) {
        const Swim& swim = SwimOfEvent(event);
        text += "WETTKAMPF: " + std::to_string(event) + ";E;" + std::to_string(1 + (event - 1) * 4 / kEvents) + ";1;" +
                std::to_string(swim.distance) + ";" + std::string(swim.stroke) + ";" + std::string(swim.exercise) +
                ";" + (event % 2 == 1 ? "W" : "M") + ";SW;;; (* " + EventInWords(event) + " *)\r\n";
    }
    for (int event = 1; event <= kEvents; ++event) {
        const std::string head = "WERTUNG: " + std::to_string(event) + ";E;" + std::to_string(event);
        const char* sex = event % 2 == 1 ? "W" : "M";
        text += head + "00;JG;0;0;" + sex + ";Offene Wertung;\r\n";
        for (int k = 1; k <= kYears; ++k) {
            const std::string year = std::to_string(kFirstYear + k - 1);
            text += head + Padded(k, 2) + ";JG;" + year + ";" + year + ";" + sex + ";Jahrgang " + year + ";\r\n";
        }
    }
    for (const int club : clubs)
        text +=
            "VEREIN: " + ClubName(club) + ";" + ClubNumber(club) + ";" + std::to_string(1 + club % 18) + ";GER;\r\n";

    int place = 0;
    std::pair<int, int> placed{-1, -1};
    for (const ResultLine& line : lines) {
        const PoolSwimmer& who = swimmers[static_cast<std::size_t>(line.participant)];
        if (placed != std::pair{line.event, line.wertung}) {
            placed = {line.event, line.wertung};
            place = 0;
        }
        const std::string meetId = std::to_string(line.participant + 1);
        const std::string event = std::to_string(line.event);
        text += "PNERGEBNIS: " + event + ";E;" + event + Padded(line.wertung, 2) + ";";
        if (!line.unranked)
            text += std::to_string(++place) + ";;";
        else
            text += line.swim % 37 == 5 ? "0;DS;" : "0;NA;";
        text.append(who.surname).append(", ").append(who.firstName);
        text += ";" + who.dsvId + ";" + meetId + ";" + (who.female ? "W" : "M") + ";" + std::to_string(who.year) +
                ";;" + ClubName(who.club) + ";" + ClubNumber(who.club) + ";" + TimeText(line.hundredths) + ";";
        if (line.unranked && line.swim % 37 == 5)
            text += kFaults[static_cast<std::size_t>(line.swim) % kFaults.size()];
        text += ";;GER;;; (* ";
        text += line.wertung == 0 ? std::string("Offene Wertung")
                                  : "Jahrgang " + std::to_string(kFirstYear + line.wertung - 1);
        text += " *)\r\n";
        const int distance = SwimOfEvent(line.event).distance;
        if (!line.unranked && !line.repeat && distance >= 100)
            text += "PNZWISCHENZEIT: " + meetId + ";" + event + ";E;" + std::to_string(distance / 2) + ";" +
                    TimeText(line.hundredths * 48 / 100) + ";\r\n";
    }
    text += "DATEIENDE\r\n";
    return text;
}

}  // namespace

std::vector<std::string> MakeResultLists(int lists, int results)
{
    std::vector<std::string> made;
    made.reserve(static_cast<std::size_t>(lists));
    for (int list = 0; list < lists; ++list)
        made.push_back(ResultListOf(list, results));
    return made;
}

std::string ResultListName(int list)
{
    const std::string day = ListDay(list, 1);
    return day.substr(6, 4) + "-" + day.substr(3, 2) + "-" + day.substr(0, 2) + "-" +
           std::string(kTowns[static_cast<std::size_t>(list * 3 + 1) % kTowns.size()]) + "-Pr.dsv7";
}

MeetDefinition MakeBestTimeMeet(int events)
{
    MeetDefinition meet;
    meet.title = "Jahrgangsmeisterschaften 2027";
    meet.place = "Musterstadt";
    meet.poolLength = "25";
    meet.timing = "AUTOMATISCH";
    meet.formatVersion = 7;
    for (int section = 1; section <= 4; ++section) {
        Section added;
        added.number = std::to_string(section);
        added.date = section <= 2 ? "16.01.2027" : "17.01.2027";
        added.startTime = section % 2 == 1 ? "09:00" : "15:00";
        meet.AddSection(std::move(added));
    }
    for (int number = 1; number <= events; ++number) {
        const Swim& swim = SwimOfEvent(number);
        Event event;
        event.number = std::to_string(number);
        event.sectionNumber = std::to_string(1 + (number - 1) * 4 / events);
        event.distance = std::to_string(swim.distance);
        event.swimmerCount = "1";
        event.technique = swim.stroke;
        event.sex = number % 2 == 1 ? "W" : "M";
        event.round = Round::Decider;
        event.exercise = swim.exercise;
        event.listPosition = static_cast<std::size_t>(number - 1);
        event.AddScoringClass({});
        meet.AddEvent(std::move(event));
    }
    return meet;
}

ClubEntries MakeBestTimeClub(int swimmers)
{
    ClubEntries entries;
    entries.club.clubName = ClubName(0);
    entries.club.clubId = ClubNumber(0);
    entries.club.nation = "GER";
    for (int index = 0; index < std::min(swimmers, kClubSize); ++index) {
        const PoolSwimmer pooled = SwimmerOfPool(index);
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname = pooled.surname;
        swimmer->firstName = pooled.firstName;
        swimmer->yearOfBirth = pooled.year;
        swimmer->sex = pooled.female ? Sex::Female : Sex::Male;
        swimmer->registrationNumber = index % 10 == 7 ? "000000" : pooled.dsvId;
        entries.AddSwimmer(std::move(swimmer));
    }
    return entries;
}

}  // namespace natarix::bench
