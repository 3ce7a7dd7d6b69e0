#include "TestModels.h"

#include "Lines.h"

namespace natarix::test {

Section MakeSection(std::string number, std::string date, std::string startTime)
{
    Section section;
    section.number = std::move(number);
    section.date = std::move(date);
    section.startTime = std::move(startTime);
    return section;
}

Event MakeEvent(std::string number, std::string sectionNumber, std::string swimmerCount, std::string distance,
                std::string technique, std::string sex)
{
    Event event;
    event.number = std::move(number);
    event.sectionNumber = std::move(sectionNumber);
    event.swimmerCount = std::move(swimmerCount);
    event.distance = std::move(distance);
    event.technique = std::move(technique);
    event.sex = std::move(sex);
    return event;
}

std::unique_ptr<MeetDefinition> ExampleMeet()
{
    auto meet = std::make_unique<MeetDefinition>();
    meet->title = "Kreismeisterschaften";
    meet->place = "Musterstadt";
    meet->AddSection(MakeSection("2", "12.03.2006", "09:30"));
    meet->AddSection(MakeSection("1", "11.03.2006", "09:00"));
    meet->AddEvent(MakeEvent("10", "2", "4", "100", "F", "X"));
    meet->AddEvent(MakeEvent("1", "1", "1", "100", "B", "W"));
    meet->AddEvent(MakeEvent("2", "1", "1", "50", "F", "W"));
    return meet;
}

std::string ExampleDefinition()
{
    return Lines(
        {"WETTKAMPFDEFINITIONSLISTE:", "FORMAT:5;", "VERANSTALTUNG:Kreismeisterschaften;Musterstadt;;HANDZEIT;",
         "VERANSTALTUNGSORT:Hallenbad;;;Musterstadt;;;;;",
         "MELDEADRESSE:Meldestelle;;;Musterstadt;;;;meldung@example.org;", "MELDESCHLUSS:01.03.2006;18:00;",
         "ABSCHNITT:1;11.03.2006;09:00;", "ABSCHNITT:2;12.03.2006;09:30;", "WETTKAMPF:1;1;100 B W;",
         "WETTKAMPF:2;1;50 F W;", "WETTKAMPF:10;2;4x100 F X;", "WERTUNG:1;", "WERTUNG:2;", "WERTUNG:10;", "DATEIENDE"});
}

ClubEntries ExampleClubEntries()
{
    ClubEntries entries;
    entries.club.clubName = "SV Beispielstadt";
    entries.club.clubId = "4711";
    entries.club.lsv = "04: Landesschwimmverband Brandenburg";
    entries.club.contact = {"Petra Muster", "Hauptstr. 1", "12345", "Beispielstadt", "", "01234 5678", "", ""};
    auto official = std::make_unique<Official>();
    official->surname = "Muster";
    official->firstName = "Paul";
    official->group = 2;
    official->wish = "Zeitnehmer";
    official->sectionNumbers = {"1", "2"};
    entries.AddOfficial(std::move(official));
    auto swimmer = std::make_unique<Swimmer>();
    swimmer->surname = "Muster";
    swimmer->firstName = "Anna";
    swimmer->sex = Sex::Female;
    swimmer->yearOfBirth = 1993;
    swimmer->SetEntry("2", "00:41,20");
    swimmer->SetEntry("1", "01:12,50");
    entries.AddSwimmer(std::move(swimmer));
    auto team = std::make_unique<Team>();
    team->SetEntry("10", "02:30,00");
    entries.AddTeam(std::move(team));
    return entries;
}

std::string ExampleEntryList()
{
    return Lines({"VEREINSMELDELISTE:",
                  "FORMAT:5;",
                  "VERANSTALTUNG:Kreismeisterschaften;Musterstadt;",
                  "ABSCHNITT:1;11.03.2006;09:00;",
                  "ABSCHNITT:2;12.03.2006;09:30;",
                  "WETTKAMPF:1;1;100 B W;",
                  "WETTKAMPF:2;1;50 F W;",
                  "WETTKAMPF:10;2;4x100 F X;",
                  "",
                  "VEREIN:SV Beispielstadt;VNKENNZAHL:4711;LSV:04: Landesschwimmverband Brandenburg;NATION:;",
                  "ANSPRECHPARTNER:Petra Muster;Hauptstr. 1;12345;Beispielstadt;;01234 5678;;;",
                  "",
                  "KARIMELDUNG:Muster,Paul;2;",
                  "EINSATZWUNSCH:Zeitnehmer;",
                  "ABSCHNITTE:1;2;",
                  "",
                  "PNMELDUNG:Muster,Anna;000000;W;1993;;",
                  "STARTS:1;01:12,50;",
                  "2;00:41,20;",
                  "STMELDUNG:1;;",
                  "STARTS:10;02:30,00;",
                  "",
                  "DATEIENDE"});
}

std::unique_ptr<MeetDefinition> FormsMeet()
{
    auto meet = std::make_unique<MeetDefinition>();
    meet->title = "Bezirksmeisterschaften";
    meet->place = "Musterstadt";
    meet->AddSection({"1", "13.03.2027", "09:00", ""});
    meet->AddSection({"2", "12.03.2027", "15:00", ""});
    static constexpr const char* kStrokes[] = {"F", "B", "R", "S", "L"};
    static constexpr const char* kDistances[] = {"50", "100", "200", "400"};
    for (int n = 1; n <= 60; ++n) {
        Event event;
        event.number = std::to_string(n);
        event.sectionNumber = "1";
        event.distance = kDistances[n % 4];
        event.swimmerCount = "1";
        event.technique = kStrokes[n % 5];
        event.sex = "M";
        meet->AddEvent(event);
    }
    for (int n = 101; n <= 110; ++n) {
        Event event;
        event.number = std::to_string(n);
        event.sectionNumber = "2";
        event.distance = kDistances[n % 2];
        event.swimmerCount = "4";
        event.technique = kStrokes[n % 5];
        event.sex = "X";
        meet->AddEvent(event);
    }
    return meet;
}

namespace {

void AddEntries(Entrant& participant, int entryCount, int firstEvent)
{
    for (int i = 0; i < entryCount; ++i)
        participant.SetEntry(std::to_string(firstEvent + i), "01:" + std::to_string(10 + i % 50) + ",00");
}

}  // namespace

Swimmer& AddSwimmer(ClubEntries& entries, const std::string& surname, int entryCount, int firstEvent)
{
    auto swimmer = std::make_unique<Swimmer>();
    swimmer->surname = surname;
    swimmer->firstName = "Anna";
    swimmer->registrationNumber = "123456";
    swimmer->sex = Sex::Female;
    swimmer->yearOfBirth = 2010;
    AddEntries(*swimmer, entryCount, firstEvent);
    return *entries.AddSwimmer(std::move(swimmer));
}

Team& AddTeam(ClubEntries& entries, const std::string& number, int entryCount, int firstEvent)
{
    auto team = std::make_unique<Team>();
    team->teamNumber = number;
    AddEntries(*team, entryCount, firstEvent);
    return *entries.AddTeam(std::move(team));
}

void AddOfficials(ClubEntries& entries, int count)
{
    for (int i = 1; i <= count; ++i) {
        auto official = std::make_unique<Official>();
        official->surname = "Richter" + std::to_string(i);
        official->firstName = "Kim";
        official->group = i % 4;
        official->wish = "Zeitnehmer";
        official->sectionNumbers = {"1", "2"};
        entries.AddOfficial(std::move(official));
    }
}

}  // namespace natarix::test
