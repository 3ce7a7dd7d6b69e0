#include "dsv5/EntryListReader.h"

#include "AddressFields.h"
#include "FormatTexts.h"
#include "Lookups.h"
#include "MeetLines.h"
#include "dsv5/DsvScanner.h"
#include "model/DsvError.h"
#include "model/ReadLocation.h"
#include "platform/FileIo.h"

namespace natarix {

namespace {

[[noreturn]] void Fail(std::string_view message)
{
    throw DsvError(std::string(message));
}

// "Surname,First name"; without a comma both names are the whole field.
void SplitName(const std::string& field, std::string& surname, std::string& firstName)
{
    const auto comma = field.find(',');
    if (comma == std::string::npos) {
        surname = firstName = field;
        return;
    }
    surname = TrimRight(std::string_view(field).substr(0, comma));
    firstName = TrimRight(std::string_view(field).substr(comma + 1));
}

class Parser {
public:
    Parser(std::string bytes, const MeetDefinition& meet, ClubEntries& entries)
        : scanner_(std::move(bytes)), meet_(meet), entries_(entries)
    {
    }

    ReadCompleteness Parse()
    {
        scanner_.EatFixString("VEREINSMELDELISTE:");
        scanner_.EatFixString("FORMAT:");
        if (scanner_.ReadText() != "5")
            Fail(kWrongFormatMessage);
        scanner_.EatFixString("VERANSTALTUNG:");
        if (scanner_.ReadText() != meet_.title)
            Fail("Veranstaltungsbezeichnung abweichend!");
        if (scanner_.ReadText() != meet_.place)
            Fail("Veranstaltungsort abweichend!");
        do
            ReadSection();
        while (scanner_.NextFieldStartsWith("ABSCHNITT:"));
        do
            ReadEvent();
        while (scanner_.NextFieldStartsWith("WETTKAMPF:"));
        ReadClub();
        while (scanner_.NextFieldStartsWith("KARIMELDUNG:"))
            ReadOfficial();
        while (true) {
            if (scanner_.NextFieldStartsWith("PNMELDUNG:"))
                ReadSwimmer();
            else if (scanner_.NextFieldStartsWith("STMELDUNG:"))
                ReadTeam();
            else
                break;
        }
        // Anything but the end mark here means records were left unread.
        try {
            scanner_.EatFixString("DATEIENDE");
        } catch (const DsvError&) {
            return ReadCompleteness::Incomplete;
        }
        return ReadCompleteness::Complete;
    }

    std::size_t LineOfLastItem() const { return scanner_.LineOfLastItem(); }

private:
    void ReadSection()
    {
        scanner_.EatFixString("ABSCHNITT:");
        const std::string number = scanner_.ReadText();
        const std::string date = scanner_.ReadText();
        const std::string startTime = scanner_.ReadText();
        const Section& section = SectionOf(meet_, number);
        if (date != section.date.text())
            Fail("Ungültiges Abschnittsdatum gefunden!");
        if (startTime != section.startTime)
            Fail("Ungültige Abschnittszeit gefunden!");
    }

    void ReadEvent()
    {
        scanner_.EatFixString("WETTKAMPF:");
        const std::string number = scanner_.ReadText();
        const std::string sectionNumber = scanner_.ReadText();
        const EventDescription parts = SplitEventDescription(scanner_.ReadText());
        const Event& event = EventOf(meet_, number);
        if (sectionNumber != event.sectionNumber)
            Fail("Ungültige Abschnittsnummer gefunden!");
        if (parts.swimmerCount != event.swimmerCount)
            Fail("Ungültige Wettkampfanzahl gefunden!");
        if (parts.distance != event.distance)
            Fail("Ungültige Wettkampfstrecke gefunden!");
        if (parts.technique != event.technique)
            Fail("Ungültige Wettkampftechnik gefunden!");
        if (parts.sex != event.sex)
            Fail("Ungültiges Wettkampfgeschlecht gefunden!");
    }

    void ReadClub()
    {
        Club& club = entries_.club;
        scanner_.EatFixString("VEREIN:");
        club.clubName = scanner_.ReadText();
        scanner_.EatFixString("VNKENNZAHL:");
        club.clubId = scanner_.ReadText();
        scanner_.EatFixString("LSV:");
        club.lsv = scanner_.ReadText();
        scanner_.EatFixString("NATION:");
        club.nation = scanner_.ReadText();
        scanner_.EatFixString("ANSPRECHPARTNER:");
        for (std::string* field : AddressFields(club.contact))
            *field = scanner_.ReadText();
    }

    void ReadOfficial()
    {
        auto official = std::make_unique<Official>();
        scanner_.EatFixString("KARIMELDUNG:");
        SplitName(scanner_.ReadText(), official->surname, official->firstName);
        official->group = NumberValue(scanner_.ReadText());
        if (scanner_.NextFieldStartsWith("EINSATZWUNSCH:")) {
            scanner_.EatFixString("EINSATZWUNSCH:");
            official->wish = TrimRight(scanner_.ReadText());
        }
        scanner_.EatFixString("ABSCHNITTE:");
        do
            official->sectionNumbers.push_back(scanner_.ReadText());
        while (NumberValue(scanner_.PeekField()) > 0);
        // "ABSCHNITTE:;" is how an official without sections is written.
        if (official->sectionNumbers == std::vector<std::string>{""})
            official->sectionNumbers.clear();
        entries_.AddOfficial(std::move(official));
    }

    void ReadSwimmer()
    {
        auto swimmer = std::make_unique<Swimmer>();
        scanner_.EatFixString("PNMELDUNG:");
        SplitName(scanner_.ReadText(), swimmer->surname, swimmer->firstName);
        swimmer->registrationNumber = scanner_.ReadText();
        const std::string sex = scanner_.ReadText();
        if (sex == "M")
            swimmer->sex = Sex::Male;
        else if (sex == "W")
            swimmer->sex = Sex::Female;
        else
            Fail("Falsche Geschlechtsangabe");
        swimmer->yearOfBirth = NumberValue(scanner_.ReadText());
        scanner_.ReadField();
        ReadEntries(*entries_.AddSwimmer(std::move(swimmer)));
    }

    void ReadTeam()
    {
        auto team = std::make_unique<Team>();
        scanner_.EatFixString("STMELDUNG:");
        team->teamNumber = TrimRight(scanner_.ReadText());
        scanner_.ReadField();
        Team& added = *entries_.AddTeam(std::move(team));
        // The working file keeps the user's labels of a team right here.
        if (scanner_.NextFieldStartsWith("STAFFELNAME:")) {
            scanner_.EatFixString("STAFFELNAME:");
            added.teamName = scanner_.ReadText();
            added.classLabel = scanner_.ReadText();
        }
        ReadEntries(added);
    }

    void ReadEntries(Entrant& participant)
    {
        scanner_.EatFixString("STARTS:");
        while (NumberValue(scanner_.PeekField()) > 0) {
            const std::string eventNumber = scanner_.ReadText();
            const std::string entryTime = scanner_.ReadText();
            participant.SetEntry(eventNumber, entryTime);
        }
    }

    DsvScanner scanner_;
    const MeetDefinition& meet_;
    ClubEntries& entries_;
};

// The head of an entry list as the meet it describes: what the club side is
// checked against when the list is read for its roster.
void ReadHead(DsvScanner& scanner, MeetDefinition& meet)
{
    scanner.EatFixString("VEREINSMELDELISTE:");
    scanner.EatFixString("FORMAT:");
    if (scanner.ReadText() != "5")
        Fail(kWrongFormatMessage);
    meet.formatVersion = 5;
    scanner.EatFixString("VERANSTALTUNG:");
    meet.title = scanner.ReadText();
    meet.place = scanner.ReadText();
    do
        ReadSection(scanner, meet);
    while (scanner.NextFieldStartsWith("ABSCHNITT:"));
    do
        ReadEvent(scanner, meet);
    while (scanner.NextFieldStartsWith("WETTKAMPF:"));
}

}  // namespace

EntryListRead EntryListReader::ParseWithItsOwnMeet(std::string bytes, MeetDefinition& meet, ClubEntries& entries,
                                                   std::string fileName)
{
    DsvScanner scanner(bytes);
    try {
        ReadHead(scanner, meet);
    } catch (const DsvError& error) {
        return EntryListRead::Failed(Message::ReadFailure(error.message(), {fileName, scanner.LineOfLastItem()}));
    }
    return Parse(std::move(bytes), meet, entries, std::move(fileName));
}

EntryListRead EntryListReader::Parse(std::string bytes, const MeetDefinition& meet, ClubEntries& entries,
                                     std::string fileName)
{
    Parser parser(std::move(bytes), meet, entries);
    try {
        return parser.Parse();
    } catch (const DsvError& error) {
        return EntryListRead::Failed(
            Message::ReadFailure(error.message(), {std::move(fileName), parser.LineOfLastItem()}));
    }
}

EntryListRead EntryListReader::Read(const MeetDefinition& meet, ClubEntries& entries) const
{
    FileContent content = ReadWholeFile(filePath_);
    switch (content.status) {
        case ReadStatus::OpenFailed:
            return EntryListRead::Failed(
                Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geöffnet werden!")));
        case ReadStatus::ReadFailed:
            return EntryListRead::Failed(
                Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht gelesen werden!")));
        case ReadStatus::Ok:
            break;
    }
    return Parse(std::move(content.bytes), meet, entries, FileNameForMessage(filePath_));
}

}  // namespace natarix
