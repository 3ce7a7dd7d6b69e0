#include "BenchInputs.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

#include "dsv5/DefinitionReader.h"

namespace natarix::bench {

namespace {

constexpr int kEventsPerSection = 24;

// Descriptions in the order a meet lists them; relays and mixed events included.
constexpr std::array<std::string_view, 16> kDescriptions = {
    "100 F W",  "100 F M",  "200 L W", "200 L M", "50 R W", "50 R M",    "400 F W", "400 F M",
    "4x50 F W", "4x50 F M", "100 B W", "100 B M", "50 S X", "4x100 L X", "200 R W", "1500 F M",
};

// The scoring classes of an individual event, as "WERTUNG:" lines carry them
// after the event number.
constexpr std::array<std::string_view, 6> kIndividualClasses = {
    "AK:C;", "JG:2010-2013;", "JG:2009;", "", "AK:20;", "AK:40+;",
};

std::string Format(const char* pattern, int a, int b = 0)
{
    std::array<char, 64> text{};
    const int length = std::snprintf(text.data(), text.size(), pattern, a, b);
    return std::string(text.data(), static_cast<std::size_t>(std::max(length, 0)));
}

std::string DefinitionListOfEvents(int events)
{
    const int sections = (events + kEventsPerSection - 1) / kEventsPerSection;
    std::string text;
    text.reserve(static_cast<std::size_t>(events) * 170 + 2048);
    text += "WETTKAMPFDEFINITIONSLISTE:\r\n";
    text +=
        "(* Bezirksmeisterschaften 2027 des Bezirks S\xfc"
        "dh\xf6he, Kurzbahn *)\r\n";
    text += "FORMAT:5;\r\n";
    text +=
        "VERANSTALTUNG:Bezirksmeisterschaften 2027;K\xfchlenbr\xfc"
        "ck;25;AUTOMATISCH;\r\n";
    text +=
        "VERANSTALTUNGSORT:Stadtbad K\xfchlenbr\xfc"
        "ck;Am Schwanenteich 7;09876;K\xfchlenbr\xfc"
        "ck;GER;09876 54321-0;09876 54321-9;stadtbad@kuehlenbrueck.example.org;\r\n";
    text += "AUSSCHREIBUNGIMNETZ:https://www.sv-kuehlenbrueck.example.org/bm2027/ausschreibung.pdf;\r\n";
    text +=
        "MELDEADRESSE:J\xf6rg Wei\xdfhaupt;M\xfchlenweg 12;09876;K\xfchlenbr\xfc"
        "ck;GER;09876 11223;09876 11224;meldung@bezirk-suedhoehe.example.org;\r\n";
    text += "MELDESCHLUSS:01.03.2027;18:00;\r\n";
    text +=
        "BESONDERES:Nachmeldungen sind nicht m\xf6glich. F\xfcr 400 m und 1500 m Freistil gelten "
        "Pflichtzeiten.;\r\n";
    text += "(* Abschnitte *)\r\n";
    for (int section = 1; section <= sections; ++section) {
        // Two sections a day over the days of the year's months.
        const int day = (section - 1) / 2;
        text +=
            "ABSCHNITT:" + std::to_string(section) + ";" + Format("%02d.%02d.2027;", 1 + day % 28, 1 + day / 28 % 12);
        text += section % 2 == 1 ? "09:00;EINLASS:08:00;\r\n" : "15:00;\r\n";
    }
    for (int event = 1; event <= events; ++event) {
        const int section = (event - 1) / kEventsPerSection + 1;
        if ((event - 1) % kEventsPerSection == 0)
            text += "(* Wettk\xe4mpfe " + std::to_string(section) + ". Abschnitt *)\r\n";
        text += "WETTKAMPF:" + std::to_string(event) + ";" + std::to_string(section) + ";";
        text += kDescriptions[static_cast<std::size_t>(event - 1) % kDescriptions.size()];
        text += ";\r\n";
    }
    text += "(* Wertungen *)\r\n";
    for (int event = 1; event <= events; ++event) {
        const std::string_view description = kDescriptions[static_cast<std::size_t>(event - 1) % kDescriptions.size()];
        // Some organisers spell the keyword in mixed case.
        const std::string keyword = (event % 7 == 0 ? "Wertung:" : "WERTUNG:") + std::to_string(event) + ";";
        if (description.find('x') != std::string_view::npos) {
            text += keyword + "\r\n";
            text += keyword + "AK:J;\r\n";
        } else if (description.starts_with("400") || description.starts_with("1500")) {
            text += keyword + "JG:2010-2013;PFLICHTZEIT:06:30,00;\r\n";
            text += keyword + "PFLICHTZEIT:06:00,00;\r\n";
        } else {
            for (const std::string_view scoringClass : kIndividualClasses)
                text.append(keyword).append(scoringClass).append("\r\n");
        }
    }
    text += "(* Meldegelder in Euro *)\r\n";
    text += "MELDEGELDPAUSCHALE:15,00;\r\nEINZELMELDEGELD:4,50;\r\nSTAFFELMELDEGELD:8,00;\r\n";
    for (int event = 16; event <= events; event += 50)
        text += "WKMELDEGELD:" + std::to_string(event) + ";7,50;\r\n";
    text += "DATEIENDE\r\n";
    return text;
}

// The strokes of format 7 with their names, as the producers' comments spell them.
struct Stroke {
    std::string_view code;
    std::string_view name;
};
constexpr std::array<Stroke, 5> kStrokes = {Stroke{"F", "Freistil"},
                                            {"R",
                                             "R\xc3\xbc"
                                             "cken"},
                                            {"B", "Brust"},
                                            {"S", "Schmetterling"},
                                            {"L", "Lagen"}};
constexpr std::array<int, 5> kDistances = {50, 100, 200, 400, 1500};

std::string Format7ListOfEvents(int events)
{
    const int sections = (events + kEventsPerSection - 1) / kEventsPerSection;
    std::string text;
    text.reserve(static_cast<std::size_t>(events) * 560 + 2048);
    text += "(* erzeugt mit einem Meldeprogramm, Version 5.32 *)\r\n";
    text +=
        "(* KONTOINHABER: SV K\xc3\xbchlenbr\xc3\xbc"
        "ck 1921 e. V.; *)\r\n";
    text += "FORMAT:Wettkampfdefinitionsliste;7;\r\n";
    text += "ERZEUGER:Meldeprogramm;5.32;info@meldeprogramm.example.org;\r\n";
    text +=
        "VERANSTALTUNG:Bezirksmeisterschaften 2027;K\xc3\xbchlenbr\xc3\xbc"
        "ck;25;AUTOMATISCH;\r\n";
    text +=
        "VERANSTALTUNGSORT: Stadtbad K\xc3\xbchlenbr\xc3\xbc"
        "ck;Am Schwanenteich 7;09876;K\xc3\xbchlenbr\xc3\xbc"
        "ck;GER;09876 54321-0;;stadtbad@kuehlenbrueck.example.org;\r\n";
    text += "AUSSCHREIBUNGIMNETZ: https://www.sv-kuehlenbrueck.example.org/bm2027/ausschreibung.pdf;\r\n";
    text +=
        "VERANSTALTER:Bezirk S\xc3\xbc"
        "dh\xc3\xb6he;\r\n";
    text +=
        "AUSRICHTER:SV K\xc3\xbchlenbr\xc3\xbc"
        "ck 1921;J\xc3\xb6rg Wei\xc3\x9fhaupt;M\xc3\xbchlenweg 12;09876;K\xc3\xbc"
        "hlenbr\xc3\xbc"
        "ck;GER;09876 11223;;meldung@bezirk-suedhoehe.example.org;\r\n";
    text +=
        "MELDEADRESSE:J\xc3\xb6rg Wei\xc3\x9fhaupt;M\xc3\xbchlenweg 12;09876;K\xc3\xbchlenbr\xc3\xbc"
        "ck;GER;09876 11223;;meldung@bezirk-suedhoehe.example.org;\r\n";
    text += "MELDESCHLUSS:01.03.2027;18:00;\r\n";
    text +=
        "BANKVERBINDUNG:Sparkasse S\xc3\xbc"
        "dh\xc3\xb6he;DE02120300000000202051;BYLADEM1001;\r\n";
    text += "BESONDERES:Nachmeldungen sind nicht m\xc3\xb6glich.;\r\n";
    for (int section = 1; section <= sections; ++section) {
        // Two sections a day, the second one relative to the first.
        const int day = (section - 1) / 2;
        const std::string date = Format("%02d.%02d.2027", 1 + day % 28, 1 + day / 28 % 12);
        text += "ABSCHNITT: " + std::to_string(section) + ";" + date +
                (section % 2 == 1 ? ";07:30;08:15;08:45;;\r\n"
                                  : ";00:00;00:00;00:30;J; (* Uhrzeiten relativ nach vorherigem Abschnitt *)\r\n");
    }
    // Every eighth event is a heat with its final, numbered 100000 higher.
    const auto isHeat = [](int event) { return event % 8 == 1; };
    for (int event = 1; event <= events; ++event) {
        const int section = (event - 1) / kEventsPerSection + 1;
        const Stroke& stroke = kStrokes[static_cast<std::size_t>(event / 2) % kStrokes.size()];
        const int distance = kDistances[static_cast<std::size_t>(event / 10) % kDistances.size()];
        const bool female = event % 2 == 1;
        const std::string what =
            std::to_string(distance) + "m " + std::string(stroke.name) + (female ? " weiblich" : " m\xc3\xa4nnlich");
        const std::string shape =
            std::to_string(distance) + ";" + std::string(stroke.code) + ";GL;" + (female ? "W" : "M") + ";SW;";
        text += "WETTKAMPF: " + std::to_string(event) + (isHeat(event) ? ";V;" : ";E;") + std::to_string(section) +
                ";1;" + shape + ";; (* " + what + " *)\r\n";
        if (isHeat(event))
            text += "WETTKAMPF: " + std::to_string(100000 + event) + ";F;" + std::to_string(section) + ";1;" + shape +
                    std::to_string(event) + ";V; (* " + what + " (Finale) *)\r\n";
    }
    for (int event = 1; event <= events; ++event) {
        const std::string number = std::to_string(event);
        const std::string head = "WERTUNG: " + number + (isHeat(event) ? ";V;" : ";E;");
        const char* sex = event % 2 == 1 ? "W" : "M";
        // WertungsIDs ascend through the file, the event's number first.
        text += head + number + "00;JG;0;9999;" + sex + ";Offene Wertung;\r\n";
        for (int year = 2010; year <= 2017; ++year)
            text += head + number + Format("%02d", year - 2009) + ";JG;" + std::to_string(year) + ";" +
                    std::to_string(year) + ";" + sex + ";Jahrgang " + std::to_string(year) + ";\r\n";
        if (isHeat(event))
            text +=
                "WERTUNG: " + std::to_string(100000 + event) + ";F;" + number + "99;JG;0;9999;" + sex + ";Finale;\r\n";
    }
    for (int event = 10; event <= events; event += 10)
        text += "PFLICHTZEIT: " + std::to_string(event) + ";E;JG;2010;2013;00:06:30,00;;\r\n";
    text += "MELDEGELD: Einzelmeldegeld;4,50;;\r\nMELDEGELD: Staffelmeldegeld;8,00;;\r\n";
    for (int event = 16; event <= events; event += 50)
        text += "MELDEGELD: Wkmeldegeld;7,50;" + std::to_string(event) + ";\r\n";
    text += "DATEIENDE\r\n";
    return text;
}

// The list of about `targetBytes` bytes that `ofEvents` makes. The size grows
// about linearly with the events (numbers get longer): estimate from a trial,
// then correct once from the first result.
std::string OfAboutBytes(std::size_t targetBytes, std::string (*ofEvents)(int))
{
    const std::size_t fixed = ofEvents(0).size();
    const auto eventsFor = [targetBytes, fixed](int events, std::size_t bytes) {
        const double wanted = static_cast<double>(targetBytes > fixed ? targetBytes - fixed : 0);
        return std::max(1, static_cast<int>(wanted * events / static_cast<double>(bytes - fixed) + 0.5));
    };
    constexpr int kTrialEvents = 480;
    const int estimate = eventsFor(kTrialEvents, ofEvents(kTrialEvents).size());
    return ofEvents(eventsFor(estimate, ofEvents(estimate).size()));
}

}  // namespace

std::string MakeDefinitionList(std::size_t targetBytes)
{
    return OfAboutBytes(targetBytes, DefinitionListOfEvents);
}

std::string MakeFormat7DefinitionList(std::size_t targetBytes)
{
    return OfAboutBytes(targetBytes, Format7ListOfEvents);
}

ClubShape ClubOfSwimmers(int swimmers)
{
    const int tenths = std::max(1, swimmers / 10);
    return ClubShape{swimmers, 5, tenths, 2, tenths};
}

ClubShape ClubOfEntries(int entries, int officials)
{
    const int teams = entries / 100;
    return ClubShape{(entries - teams * 5) / 5, 5, teams, 5, officials};
}

const std::string& ClubDefinitionList()
{
    static const std::string bytes = MakeDefinitionList(10 * 1024);
    return bytes;
}

const MeetDefinition& ClubMeet()
{
    static const auto meet = DefinitionReader::Parse(ClubDefinitionList()).value();
    return *meet;
}

ClubEntries MakeClubEntries(const ClubShape& shape)
{
    const MeetDefinition& meet = ClubMeet();
    ClubEntries entries;
    Club& club = entries.club;
    club.clubName = "SV Musterstadt 1921 e. V.";
    club.clubId = "4711";
    club.lsv = "04: Landesschwimmverband Brandenburg";
    club.nation = "GER";
    club.contact = {"Erika M\xfcller",
                    "Badstra\xdf"
                    "e 1",
                    "12345",
                    "Musterstadt",
                    "GER",
                    "0123 45678",
                    "",
                    "meldung@sv-musterstadt.example.org"};

    std::vector<std::string> womenEvents;
    std::vector<std::string> menEvents;
    std::vector<std::string> relayEvents;
    for (const auto& [number, event] : meet.events()) {
        if (event.IsRelay())
            relayEvents.push_back(event.number);
        if (!event.IsRelay() && event.sex != "M")
            womenEvents.push_back(event.number);
        if (!event.IsRelay() && event.sex != "W")
            menEvents.push_back(event.number);
    }
    const auto entryTime = [](int index) {
        return Format("%02d:%02d,", 1 + index % 4, index * 7 % 60) + Format("%02d", index * 13 % 100);
    };

    static constexpr std::array<std::string_view, 8> kSurnames = {"M\xfcller",
                                                                  "Schmidt",
                                                                  "Schneider",
                                                                  "Fischer",
                                                                  "Wei\xdf",
                                                                  "Becker",
                                                                  "Sch\xe4"
                                                                  "fer",
                                                                  "Koch"};
    static constexpr std::array<std::string_view, 6> kFirstNames = {"Anna", "J\xf6rg", "Lena",
                                                                    "Paul", "Marie",   "Lukas"};
    for (int i = 0; i < shape.swimmers; ++i) {
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname =
            std::string(kSurnames[static_cast<std::size_t>(i) % kSurnames.size()]) + "-" + std::to_string(i);
        swimmer->firstName = kFirstNames[static_cast<std::size_t>(i) % kFirstNames.size()];
        swimmer->yearOfBirth = 2006 + i % 10;
        swimmer->registrationNumber = Format("%06d", 100000 + i);
        swimmer->sex = i % 2 == 0 ? Sex::Female : Sex::Male;
        const std::vector<std::string>& pool = i % 2 == 0 ? womenEvents : menEvents;
        for (int j = 0; j < shape.entriesPerSwimmer; ++j)
            swimmer->SetEntry(pool[static_cast<std::size_t>(i + j * 3) % pool.size()], entryTime(i + j));
        entries.AddSwimmer(std::move(swimmer));
    }
    for (int i = 0; i < shape.teams; ++i) {
        auto team = std::make_unique<Team>();
        team->teamNumber = std::to_string(i + 1);
        team->teamName = "Staffel " + std::to_string(i + 1);
        team->classLabel = "offen";
        for (int j = 0; j < shape.entriesPerTeam; ++j)
            team->SetEntry(relayEvents[static_cast<std::size_t>(i + j) % relayEvents.size()], entryTime(i + j));
        entries.AddTeam(std::move(team));
    }
    const auto sections = static_cast<int>(meet.sections().size());
    for (int i = 0; i < shape.officials; ++i) {
        auto official = std::make_unique<Official>();
        official->surname = std::string(kSurnames[static_cast<std::size_t>(i + 3) % kSurnames.size()]);
        official->firstName = kFirstNames[static_cast<std::size_t>(i) % kFirstNames.size()];
        official->group = 1 + i % 3;
        official->sectionNumbers = {std::to_string(1 + i % sections), std::to_string(1 + (i + 1) % sections)};
        official->wish = i % 2 == 0 ? "Zeitnehmer" : "";
        entries.AddOfficial(std::move(official));
    }
    return entries;
}

}  // namespace natarix::bench
