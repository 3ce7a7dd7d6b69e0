#include "TestSupport.h"

#include "dsv5/DefinitionReader.h"

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

std::unique_ptr<Competition> ExampleCompetition()
{
    auto c = std::make_unique<Competition>();
    c->title = "Kreismeisterschaften";
    c->place = "Musterstadt";
    c->AddSection(MakeSection("2", "12.03.2006", "09:30"));
    c->AddSection(MakeSection("1", "11.03.2006", "09:00"));
    c->AddEvent(MakeEvent("10", "2", "4", "100", "F", "X"));
    c->AddEvent(MakeEvent("1", "1", "1", "100", "B", "W"));
    c->AddEvent(MakeEvent("2", "1", "1", "50", "F", "W"));
    return c;
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

void AddExampleClubSide(Competition& c)
{
    c.club.clubName = "SV Beispielstadt";
    c.club.clubId = "4711";
    c.club.lsv = "04: Landesschwimmverband Brandenburg";
    c.club.contact = {"Petra Muster", "Hauptstr. 1", "12345", "Beispielstadt", "", "01234 5678", "", ""};
    auto official = std::make_unique<Official>();
    official->surname = "Muster";
    official->firstName = "Paul";
    official->group = 2;
    official->wish = "Zeitnehmer";
    official->sectionNumbers = {"1", "2"};
    c.AddOfficial(std::move(official));
    auto swimmer = std::make_unique<Swimmer>();
    swimmer->surname = "Muster";
    swimmer->firstName = "Anna";
    swimmer->sex = Sex::Female;
    swimmer->yearOfBirth = 1993;
    swimmer->SetEntry("2", "00:41,20");
    swimmer->SetEntry("1", "01:12,50");
    c.AddSwimmer(std::move(swimmer));
    auto team = std::make_unique<Team>();
    team->SetEntry("10", "02:30,00");
    c.AddTeam(std::move(team));
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

EntryListReadBack ReadIntoExample(const std::string& text)
{
    EntryListReadBack result{DefinitionReader::Parse(ExampleDefinition()).value(), ReadCompleteness::Incomplete, {}};
    const EntryListRead read = EntryListReader::Parse(text, *result.competition);
    if (read.ok())
        result.completeness = read.value();
    else
        result.messages.push_back(read.failure());
    return result;
}

}  // namespace natarix::test
