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

}  // namespace

std::string MakeDefinitionList(std::size_t targetBytes)
{
    // The size grows about linearly with the events (numbers get longer):
    // estimate from a trial, then correct once from the first result.
    const std::size_t fixed = DefinitionListOfEvents(0).size();
    const auto eventsFor = [targetBytes, fixed](int events, std::size_t bytes) {
        const double wanted = static_cast<double>(targetBytes > fixed ? targetBytes - fixed : 0);
        return std::max(1, static_cast<int>(wanted * events / static_cast<double>(bytes - fixed) + 0.5));
    };
    constexpr int kTrialEvents = 480;
    const int estimate = eventsFor(kTrialEvents, DefinitionListOfEvents(kTrialEvents).size());
    return DefinitionListOfEvents(eventsFor(estimate, DefinitionListOfEvents(estimate).size()));
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
