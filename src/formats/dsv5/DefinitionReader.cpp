#include "dsv5/DefinitionReader.h"

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

void ReadAddress(DsvScanner& scanner, Address& address)
{
    for (std::string* field : AddressFields(address))
        *field = scanner.ReadText();
}

void ReadClass(DsvScanner& scanner, ScoringClass& scoringClass)
{
    if (scanner.NextFieldStartsWith("JG:")) {
        scanner.EatFixString("JG:");
        const std::string years = scanner.ReadText();
        scoringClass.kind = ScoringClass::Kind::YearRange;
        const auto dash = years.find('-');
        if (dash != std::string::npos) {
            scoringClass.yearFrom = NumberValue(TrimRight(years.substr(0, dash)));
            scoringClass.yearTo = NumberValue(TrimRight(years.substr(dash + 1)));
        } else {
            scoringClass.yearFrom = scoringClass.yearTo = NumberValue(TrimRight(years));
        }
    } else if (scanner.NextFieldStartsWith("AK:")) {
        scanner.EatFixString("AK:");
        const std::string value = TrimRight(scanner.ReadText());
        if (value == "J" || value == "A" || value == "B" || value == "C" || value == "D" || value == "E") {
            scoringClass.kind = ScoringClass::Kind::YouthClass;
            scoringClass.classLetter = value;
        } else {
            scoringClass.kind = ScoringClass::Kind::AgeBand;
            const auto plus = value.find('+');
            scoringClass.orOlder = plus != std::string::npos;
            scoringClass.age = NumberValue(scoringClass.orOlder ? TrimRight(value.substr(0, plus)) : value);
        }
    }
}

// The event of the previous scoring line: a list gives all lines of one event
// together, so most lines need no lookup.
struct ScoredEvent {
    std::string number;
    Event* event = nullptr;
    std::int32_t competitionYear = 0;
};

void ReadScoringLine(DsvScanner& scanner, MeetDefinition& meet, ScoredEvent& previous)
{
    scanner.EatFixString(scanner.NextFieldStartsWith("Wertung:") ? "Wertung:" : "WERTUNG:");
    ScoringClass scoringClass;
    const std::string eventNumber = scanner.ReadText();
    ReadClass(scanner, scoringClass);
    if (scanner.NextFieldStartsWith("PFLICHTZEIT:")) {
        scanner.EatFixString("PFLICHTZEIT:");
        scoringClass.mandatoryTime = scanner.ReadText();
    }
    if (previous.event == nullptr || eventNumber != previous.number) {
        Event& event = EventOf(meet, eventNumber);
        previous = {eventNumber, &event, SectionOf(meet, event.sectionNumber).date.Year()};
    }
    scoringClass.competitionYear = previous.competitionYear;
    previous.event->AddScoringClass(std::move(scoringClass));
}

// An optional fee line "KEYWORD:amount;".
void ReadOptionalFee(DsvScanner& scanner, std::string_view keyword, std::int32_t& fee)
{
    if (scanner.NextFieldStartsWith(keyword)) {
        scanner.EatFixString(keyword);
        fee = ParseAmount(scanner.ReadText());
    }
}

}  // namespace

Message DefinitionFileFailure(ReadStatus status)
{
    return Message::Warning(std::string(status == ReadStatus::OpenFailed
                                            ? "Die Wettkampfdefinitionsdatei konnte nicht geöffnet werden!"
                                            : "Die Wettkampfdefinitionsdatei konnte nicht gelesen werden!"));
}

DefinitionRead DefinitionReader::Read() const
{
    FileContent content = ReadWholeFile(path_);
    if (content.status != ReadStatus::Ok)
        return DefinitionRead::Failed(DefinitionFileFailure(content.status));
    return Parse(std::move(content.bytes), FileNameForMessage(path_));
}

DefinitionRead DefinitionReader::Parse(std::string bytes, std::string fileName)
{
    DsvScanner scanner(std::move(bytes));
    try {
        return ParseList(scanner);
    } catch (const DsvError& error) {
        return DefinitionRead::Failed(
            Message::ReadFailure(error.message(), {std::move(fileName), scanner.LineOfLastItem()}));
    }
}

std::unique_ptr<MeetDefinition> DefinitionReader::ParseList(DsvScanner& scanner)
{
    auto meet = std::make_unique<MeetDefinition>();

    scanner.EatFixString("WETTKAMPFDEFINITIONSLISTE:");
    scanner.EatFixString("FORMAT:");
    if (scanner.ReadText() != "5")
        throw DsvError(std::string(kWrongFormatMessage));

    scanner.EatFixString("VERANSTALTUNG:");
    meet->title = scanner.ReadText();
    meet->place = scanner.ReadText();
    meet->poolLength = scanner.ReadText();
    const std::string timing = scanner.ReadText();
    if (timing == "HANDZEIT")
        meet->timing = "h";
    else if (timing == "AUTOMATISCH")
        meet->timing = "a";
    else
        throw DsvError(std::string("Ungültige Zeitnahme"));

    scanner.EatFixString("VERANSTALTUNGSORT:");
    ReadAddress(scanner, meet->venue);
    if (scanner.NextFieldStartsWith("AUSSCHREIBUNGIMNETZ:")) {
        scanner.EatFixString("AUSSCHREIBUNGIMNETZ:");
        meet->onlineInvitation = scanner.ReadText();
    }
    scanner.EatFixString("MELDEADRESSE:");
    ReadAddress(scanner, meet->entryAddress);
    scanner.EatFixString("MELDESCHLUSS:");
    meet->entryDeadlineDate = Date(scanner.ReadText());
    meet->entryDeadlineTime = scanner.ReadText();
    if (scanner.NextFieldStartsWith("BESONDERES:")) {
        scanner.EatFixString("BESONDERES:");
        meet->remarks = scanner.ReadText();
    }

    do
        ReadSection(scanner, *meet);
    while (scanner.NextFieldStartsWith("ABSCHNITT:"));
    do
        ReadEvent(scanner, *meet);
    while (scanner.NextFieldStartsWith("WETTKAMPF:"));
    ScoredEvent previous;
    do
        ReadScoringLine(scanner, *meet, previous);
    while (scanner.NextFieldStartsWith("WERTUNG:") || scanner.NextFieldStartsWith("Wertung:"));

    ReadOptionalFee(scanner, "MELDEGELDPAUSCHALE:", meet->flatFee);
    ReadOptionalFee(scanner, "EINZELMELDEGELD:", meet->individualFee);
    ReadOptionalFee(scanner, "STAFFELMELDEGELD:", meet->relayFee);
    while (scanner.NextFieldStartsWith("WKMELDEGELD:")) {
        scanner.EatFixString("WKMELDEGELD:");
        const std::string eventNumber = scanner.ReadText();
        const std::string amount = scanner.ReadText();
        Event& event = EventOf(*meet, eventNumber);
        event.hasOwnFee = true;
        event.ownFee = ParseAmount(amount);
    }
    scanner.EatFixString("DATEIENDE");
    return meet;
}

}  // namespace natarix
