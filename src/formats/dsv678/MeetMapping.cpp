#include <algorithm>
#include <cstdint>
#include <limits>

#include "Mapping.h"
#include "TextTools.h"
#include "dsv678/Values.h"

namespace natarix::dsv678 {

// The model's date, not the grammar's parsed one.
using ModelDate = natarix::Date;

namespace {

// An address of eight texts from `first` on, in the order the lists give them.
Address AddressFrom(const Element& element, std::size_t first)
{
    const auto field = [&](std::size_t index) { return std::string(element.Field(first + index)); };
    return {field(0), field(1), field(2), field(3), field(4), field(5), field(6), field(7)};
}

std::string FieldOf(const Document& document, std::string_view name, std::size_t index)
{
    const Element* element = document.First(name);
    return element != nullptr ? std::string(element->Field(index)) : std::string();
}

std::int32_t ClampedCents(std::int64_t cents)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(cents, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

Fee::Kind FeeKindOf(std::string_view type)
{
    static constexpr std::pair<std::string_view, Fee::Kind> kKinds[] = {
        {"Meldegeldpauschale", Fee::Kind::Flat},        {"Einzelmeldegeld", Fee::Kind::Individual},
        {"Staffelmeldegeld", Fee::Kind::Relay},         {"Wkmeldegeld", Fee::Kind::Event},
        {"Mannschaftmeldegeld", Fee::Kind::Team},       {"Teilnehmermeldegeld", Fee::Kind::PerParticipant},
        {"Abschnittspauschale", Fee::Kind::PerSection},
    };
    for (const auto& [name, kind] : kKinds)
        if (EqualsIgnoringCase(name, type))
            return kind;
    return Fee::Kind::Unknown;
}

}  // namespace

void MapMeetElements(const Document& document, MeetDefinition& meet)
{
    meet.formatVersion = document.version;
    if (const Element* producer = document.First("ERZEUGER")) {
        meet.generator = std::string(producer->Field(0));
        if (!producer->Field(1).empty())
            meet.generator.append(meet.generator.empty() ? "" : " ").append(producer->Field(1));
    }
    meet.title = FieldOf(document, "VERANSTALTUNG", 0);
    meet.place = FieldOf(document, "VERANSTALTUNG", 1);
    meet.poolLength = FieldOf(document, "VERANSTALTUNG", 2);
    meet.timing = FieldOf(document, "VERANSTALTUNG", 3);
    if (const Element* venue = document.First("VERANSTALTUNGSORT"))
        meet.venue = AddressFrom(*venue, 0);
    meet.onlineInvitation = FieldOf(document, "AUSSCHREIBUNGIMNETZ", 0);
    meet.organizer = FieldOf(document, "VERANSTALTER", 0);
    if (const Element* host = document.First("AUSRICHTER"))
        meet.host = Host{std::string(host->Field(0)), AddressFrom(*host, 1)};
    if (const Element* address = document.First("MELDEADRESSE"))
        meet.entryAddress = AddressFrom(*address, 0);
    meet.entryDeadlineDate = ModelDate(FieldOf(document, "MELDESCHLUSS", 0));
    meet.entryDeadlineTime = FieldOf(document, "MELDESCHLUSS", 1);
    // Before format 8 the holder stands in a comment at best, which the
    // grammar drops: it stays empty then.
    if (const Element* bank = document.First("BANKVERBINDUNG"))
        meet.bank = BankAccount{std::string(bank->Field(0)), std::string(bank->Field(1)), std::string(bank->Field(2)),
                                std::string(bank->Field(3))};
    meet.directDebitOnly = ParseYesNo(FieldOf(document, "LASTSCHRIFT", 0)).value_or(false);
    meet.remarks = FieldOf(document, "BESONDERES", 0);
    if (const Element* proof = document.First("NACHWEIS"))
        meet.qualifyingWindow = QualifyingWindow{ModelDate(std::string(proof->Field(0))),
                                                 ModelDate(std::string(proof->Field(1))), std::string(proof->Field(2))};
}

void MapSections(const Document& document, MeetDefinition& meet)
{
    for (const Element* element : document.All("ABSCHNITT")) {
        Section section;
        section.number = std::string(element->Field(0));
        section.date = ModelDate(std::string(element->Field(1)));
        section.admission = std::string(element->Field(2));
        section.judgesMeeting = std::string(element->Field(3));
        section.startTime = std::string(element->Field(4));
        section.relative = ParseYesNo(element->Field(5)).value_or(false);
        meet.AddSection(std::move(section));
    }
}

void MapFees(const Document& document, MeetDefinition& meet)
{
    for (const Element* element : document.All("MELDEGELD")) {
        Fee fee;
        fee.typeText = std::string(element->Field(0));
        fee.kind = FeeKindOf(fee.typeText);
        // An amount the grammar could not read has been warned about; it counts nothing.
        fee.cents = ParseAmountCents(element->Field(1)).value_or(0);
        fee.eventNumber = std::string(element->Field(2));
        // The forms work with the three fees of format 5 and an event's own fee.
        const std::int32_t cents = ClampedCents(fee.cents);
        switch (fee.kind) {
            case Fee::Kind::Flat:
                meet.flatFee = cents;
                break;
            case Fee::Kind::Individual:
                meet.individualFee = cents;
                break;
            case Fee::Kind::Relay:
                meet.relayFee = cents;
                break;
            case Fee::Kind::Event:
                // Every round of the number that takes entries: the club pays where it enters.
                for (const Round round : {Round::Heats, Round::Decider})
                    if (Event* event = meet.FindEvent(fee.eventNumber, round)) {
                        event->hasOwnFee = true;
                        event->ownFee = cents;
                    }
                break;
            default:
                break;
        }
        meet.fees.push_back(std::move(fee));
    }
}

}  // namespace natarix::dsv678
