#include "review/MeetGlance.h"

#include "model/EntryFees.h"

namespace natarix {

namespace {

std::string Euros(std::int64_t cents)
{
    return FormatAmount(cents) + " €";
}

std::string FeeLabel(const Fee& fee)
{
    switch (fee.kind) {
        case Fee::Kind::Flat:
            return "Meldegeldpauschale";
        case Fee::Kind::Individual:
            return "Einzelmeldegeld";
        case Fee::Kind::Relay:
            return "Staffelmeldegeld";
        case Fee::Kind::Event:
            return "Wettkampf " + fee.eventNumber;
        case Fee::Kind::Team:
            return "je Mannschaft";
        case Fee::Kind::PerParticipant:
            return "je Teilnehmer";
        case Fee::Kind::PerSection:
            return "je Abschnitt";
        case Fee::Kind::Unknown:
            break;
    }
    return fee.typeText;
}

// Format 5 gives its fees as three amounts and an event's own fee.
std::vector<GlanceFee> FormatFiveFees(const MeetDefinition& meet)
{
    std::vector<GlanceFee> fees;
    if (meet.flatFee > 0)
        fees.push_back({"Kampfrichtergebühr / Teilnehmergrundbetrag", Euros(meet.flatFee)});
    if (meet.individualFee > 0)
        fees.push_back({"Einzelmeldegeld", Euros(meet.individualFee)});
    if (meet.relayFee > 0)
        fees.push_back({"Staffelmeldegeld", Euros(meet.relayFee)});
    for (const Event* event : meet.EventsInListOrder())
        if (event->hasOwnFee)
            fees.push_back({"Wettkampf " + event->number, Euros(event->ownFee)});
    return fees;
}

std::vector<std::string> AddressLines(const Address& address)
{
    std::vector<std::string> lines;
    const std::string town = address.postcode.empty() || address.town.empty() ? address.postcode + address.town
                                                                              : address.postcode + " " + address.town;
    for (const std::string* line : {&address.name, &address.street, &town, &address.country})
        if (!line->empty())
            lines.push_back(*line);
    return lines;
}

}  // namespace

std::optional<std::int64_t> DaysToDeadline(const MeetDefinition& meet, const Date& today)
{
    const auto last = meet.entryDeadlineDate.DayNumber();
    const auto now = today.DayNumber();
    if (!last || !now)
        return std::nullopt;
    return *last - *now;
}

std::string DeadlineNote(std::int64_t daysLeft)
{
    if (daysLeft == 0)
        return "heute";
    if (daysLeft == 1)
        return "noch 1 Tag";
    if (daysLeft > 1)
        return "noch " + std::to_string(daysLeft) + " Tage";
    if (daysLeft == -1)
        return "seit einem Tag vorbei";
    return "seit " + std::to_string(-daysLeft) + " Tagen vorbei";
}

MeetGlance GlanceAt(const MeetDefinition& meet, const ClubEntries& entries, const Date& today)
{
    MeetGlance glance;
    glance.deadline = meet.entryDeadlineDate.text();
    if (!meet.entryDeadlineTime.empty())
        glance.deadline += ", " + meet.entryDeadlineTime + " Uhr";
    glance.daysLeft = DaysToDeadline(meet, today);
    if (glance.daysLeft)
        glance.deadlineNote = DeadlineNote(*glance.daysLeft);
    glance.remarks = meet.remarks;
    glance.entryAddress = AddressLines(meet.entryAddress);
    glance.entryEmail = meet.entryAddress.email;
    glance.invitationLink = meet.onlineInvitation;
    if (meet.formatVersion == 5) {
        glance.fees = FormatFiveFees(meet);
    } else {
        for (const Fee& fee : meet.fees)
            glance.fees.push_back({FeeLabel(fee), Euros(fee.cents)});
    }
    glance.individualEntries = entries.CountIndividualEntries();
    glance.relayEntries = entries.CountRelayEntries();
    const EntryFees fees = ComputeEntryFees(meet, entries);
    glance.feeTotal = Euros(fees.total) + (fees.perTeam ? " ohne Mannschaftmeldegeld" : "");
    return glance;
}

}  // namespace natarix
