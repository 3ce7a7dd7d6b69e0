#include "TestSupport.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace natarix::test {

std::string Lines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    bool first = true;
    for (const std::string_view line : lines) {
        if (!first)
            text += "\r\n";
        text += line;
        first = false;
    }
    return text;
}

std::string Replaced(std::string text, std::string_view from, std::string_view to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "not in the test text: " << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::string Describe(const ScoringClass& k)
{
    std::ostringstream out;
    out << k.kind;
    if (k.kind == ScoringClass::YearRange)
        out << " JG " << k.yearFrom << '-' << k.yearTo;
    else if (k.kind == ScoringClass::AgeBand)
        out << " AK " << k.age << (k.orOlder ? "+" : "");
    else if (k.kind == ScoringClass::YouthClass)
        out << " AK " << k.classLetter;
    out << " [" << k.mandatoryTime << "] " << k.competitionYear;
    return out.str();
}

std::string Dump(const Competition& c)
{
    std::ostringstream out;
    const auto address = [&](const char* name, const Address& a) {
        out << name << ':';
        for (const std::string& field : a.fields)
            out << '[' << field << ']';
        out << '\n';
    };
    const auto entries = [&](const Participant& p) {
        for (const auto& [number, time] : p.entries)
            out << " [" << number << '=' << time << ']';
        out << '\n';
    };
    out << "title[" << c.title << "] place[" << c.place << "] field3[" << c.veranstaltungField3 << "] timing["
        << c.timing << "] online[" << c.onlineInvitation << "] deadline[" << c.entryDeadline[0] << "]["
        << c.entryDeadline[1] << "] remarks[" << c.remarks << "] fees " << c.flatFee << ' ' << c.individualFee << ' '
        << c.relayFee << '\n';
    address("venue", c.venue);
    address("entryAddress", c.entryAddress);
    for (const auto& [key, s] : c.sections())
        out << "section[" << s.number << "][" << s.date << "][" << s.startTime << "][" << s.admission << "]\n";
    for (const auto& [key, e] : c.events()) {
        out << "event[" << e.number << "][" << e.sectionNumber << "][" << e.swimmerCount << "][" << e.distance << "]["
            << e.technique << "][" << e.sex << "] fee " << e.hasOwnFee << ' ' << e.ownFee << '\n';
        for (const ScoringClass& k : e.scoringClasses)
            out << "  class " << Describe(k) << '\n';
    }
    out << "club[" << c.club.clubName << "][" << c.club.clubId << "][" << c.club.lsv << "][" << c.club.nation << "]\n";
    address("contact", c.club.contact);
    for (const auto& o : c.officials())
        out << "official[" << o->surname << "][" << o->firstName << "] " << o->group << " [" << o->sectionNumbers
            << "][" << o->wish << "]\n";
    for (const auto& s : c.swimmers()) {
        out << "swimmer[" << s->surname << "][" << s->firstName << "] " << s->yearOfBirth << " ["
            << s->registrationNumber << "][" << s->sex << "] " << s->isTeam;
        entries(*s);
    }
    for (const auto& t : c.teams()) {
        out << "team[" << t->teamNumber << "][" << t->teamName << "][" << t->classLabel << "] " << t->isTeam;
        entries(*t);
    }
    return out.str();
}

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
    c.club.contact.fields = {"Petra Muster", "Hauptstr. 1", "12345", "Beispielstadt", "", "01234 5678", "", ""};
    auto official = std::make_unique<Official>();
    official->surname = "Muster";
    official->firstName = "Paul";
    official->group = 2;
    official->wish = "Zeitnehmer";
    official->sectionNumbers = "1;2";
    c.AddOfficial(std::move(official));
    auto swimmer = std::make_unique<Swimmer>();
    swimmer->surname = "Muster";
    swimmer->firstName = "Anna";
    swimmer->sex = "w";
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

TempDir::TempDir()
{
    namespace fs = std::filesystem;
    std::random_device random;
    do
        path_ = (fs::temp_directory_path() / ("natarix-dsv-" + std::to_string(random()))).string();
    while (!fs::create_directory(path_));
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Path(std::string_view name) const
{
    return (std::filesystem::path(path_) / name).string();
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace natarix::test
