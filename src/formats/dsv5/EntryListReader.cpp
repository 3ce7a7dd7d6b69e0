#include "dsv5/EntryListReader.h"

#include "AddressFields.h"
#include "FormatTexts.h"
#include "codec/Cp1252Literal.h"
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
    Parser(std::string bytes, Competition& competition) : scanner_(std::move(bytes)), competition_(competition) {}

    ReadCompleteness Parse()
    {
        scanner_.EatFixString("VEREINSMELDELISTE:");
        scanner_.EatFixString("FORMAT:");
        if (scanner_.ReadField() != "5")
            Fail(kWrongFormatMessage);
        scanner_.EatFixString("VERANSTALTUNG:");
        if (scanner_.ReadField() != competition_.title)
            Fail("Veranstaltungsbezeichnung abweichend!"_w1252);
        if (scanner_.ReadField() != competition_.place)
            Fail("Veranstaltungsort abweichend!"_w1252);
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
        const std::string number = scanner_.ReadField();
        const std::string date = scanner_.ReadField();
        const std::string startTime = scanner_.ReadField();
        const Section& section = competition_.FindSection(number);
        if (date != section.date.text())
            Fail("Ungültiges Abschnittsdatum gefunden!"_w1252);
        if (startTime != section.startTime)
            Fail("Ungültige Abschnittszeit gefunden!"_w1252);
    }

    void ReadEvent()
    {
        scanner_.EatFixString("WETTKAMPF:");
        const std::string number = scanner_.ReadField();
        const std::string sectionNumber = scanner_.ReadField();
        const EventDescription parts = SplitEventDescription(scanner_.ReadField());
        const Event& event = competition_.FindEvent(number);
        if (sectionNumber != event.sectionNumber)
            Fail("Ungültige Abschnittsnummer gefunden!"_w1252);
        if (parts.swimmerCount != event.swimmerCount)
            Fail("Ungültige Wettkampfanzahl gefunden!"_w1252);
        if (parts.distance != event.distance)
            Fail("Ungültige Wettkampfstrecke gefunden!"_w1252);
        if (parts.technique != event.technique)
            Fail("Ungültige Wettkampftechnik gefunden!"_w1252);
        if (parts.sex != event.sex)
            Fail("Ungültiges Wettkampfgeschlecht gefunden!"_w1252);
    }

    void ReadClub()
    {
        Club& club = competition_.club;
        scanner_.EatFixString("VEREIN:");
        club.clubName = scanner_.ReadField();
        scanner_.EatFixString("VNKENNZAHL:");
        club.clubId = scanner_.ReadField();
        scanner_.EatFixString("LSV:");
        club.lsv = scanner_.ReadField();
        scanner_.EatFixString("NATION:");
        club.nation = scanner_.ReadField();
        scanner_.EatFixString("ANSPRECHPARTNER:");
        for (std::string* field : AddressFields(club.contact))
            *field = scanner_.ReadField();
    }

    void ReadOfficial()
    {
        auto official = std::make_unique<Official>();
        scanner_.EatFixString("KARIMELDUNG:");
        SplitName(scanner_.ReadField(), official->surname, official->firstName);
        official->group = NumberValue(scanner_.ReadField());
        if (scanner_.NextFieldStartsWith("EINSATZWUNSCH:")) {
            scanner_.EatFixString("EINSATZWUNSCH:");
            official->wish = TrimRight(scanner_.ReadField());
        }
        scanner_.EatFixString("ABSCHNITTE:");
        do
            official->sectionNumbers.push_back(scanner_.ReadField());
        while (NumberValue(scanner_.PeekField()) > 0);
        // "ABSCHNITTE:;" is how an official without sections is written.
        if (official->sectionNumbers == std::vector<std::string>{""})
            official->sectionNumbers.clear();
        competition_.AddOfficial(std::move(official));
    }

    void ReadSwimmer()
    {
        auto swimmer = std::make_unique<Swimmer>();
        scanner_.EatFixString("PNMELDUNG:");
        SplitName(scanner_.ReadField(), swimmer->surname, swimmer->firstName);
        swimmer->registrationNumber = scanner_.ReadField();
        const std::string sex = scanner_.ReadField();
        if (sex == "M")
            swimmer->sex = Sex::Male;
        else if (sex == "W")
            swimmer->sex = Sex::Female;
        else
            Fail("Falsche Geschlechtsangabe");
        swimmer->yearOfBirth = NumberValue(scanner_.ReadField());
        scanner_.ReadField();
        ReadEntries(*competition_.AddSwimmer(std::move(swimmer)));
    }

    void ReadTeam()
    {
        auto team = std::make_unique<Team>();
        scanner_.EatFixString("STMELDUNG:");
        team->teamNumber = TrimRight(scanner_.ReadField());
        scanner_.ReadField();
        Team& added = *competition_.AddTeam(std::move(team));
        // The working file keeps the user's labels of a team right here.
        if (scanner_.NextFieldStartsWith("STAFFELNAME:")) {
            scanner_.EatFixString("STAFFELNAME:");
            added.teamName = scanner_.ReadField();
            added.classLabel = scanner_.ReadField();
        }
        ReadEntries(added);
    }

    void ReadEntries(Entrant& participant)
    {
        scanner_.EatFixString("STARTS:");
        while (NumberValue(scanner_.PeekField()) > 0) {
            const std::string eventNumber = scanner_.ReadField();
            const std::string entryTime = scanner_.ReadField();
            participant.SetEntry(eventNumber, entryTime);
        }
    }

    DsvScanner scanner_;
    Competition& competition_;
};

}  // namespace

ReadCompleteness EntryListReader::Parse(std::string bytes, Competition& competition, MessageSink& messages,
                                        std::string fileName)
{
    Parser parser(std::move(bytes), competition);
    try {
        return parser.Parse();
    } catch (const DsvError& error) {
        messages.Show(Message::ReadFailure(error.message(), {std::move(fileName), parser.LineOfLastItem()}));
        return ReadCompleteness::Incomplete;
    }
}

ReadCompleteness EntryListReader::Read(Competition& competition, MessageSink& messages) const
{
    FileContent content = ReadWholeFile(filePath_);
    switch (content.status) {
        case ReadStatus::OpenFailed:
            messages.Show(Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geöffnet werden!"_w1252)));
            return ReadCompleteness::Incomplete;
        case ReadStatus::ReadFailed:
            messages.Show(Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht gelesen werden!"_w1252)));
            return ReadCompleteness::Incomplete;
        case ReadStatus::Ok:
            break;
    }
    return Parse(std::move(content.bytes), competition, messages, FileNameForMessage(filePath_));
}

}  // namespace natarix
