#include "RosterRecords.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "formats/FieldText.h"
#include "model/Labels.h"

namespace natarix::roster {

namespace {

struct NamedText {
    const std::string& text;
    std::string_view fieldName;
    FieldKind kind = FieldKind::Text;
};

std::optional<std::string> FirstRefusal(const MeetDefinition& meet, std::initializer_list<NamedText> texts)
{
    for (const NamedText& field : texts)
        if (auto refusal = CarryRefusal(field.text, field.fieldName, field.kind, meet.formatVersion))
            return refusal;
    return std::nullopt;
}

template <typename Record, typename Same>
Record* Find(const std::vector<std::unique_ptr<Record>>& records, Same same)
{
    const auto found = std::find_if(records.begin(), records.end(), [&](const auto& record) { return same(*record); });
    return found == records.end() ? nullptr : found->get();
}

}  // namespace

Swimmer* SameSwimmer(const ClubEntries& to, const Swimmer& earlier)
{
    return Find(to.swimmers(), [&](const Swimmer& swimmer) {
        if (IsKnownDsvId(swimmer.registrationNumber) && IsKnownDsvId(earlier.registrationNumber))
            return swimmer.registrationNumber == earlier.registrationNumber;
        return swimmer.surname == earlier.surname && swimmer.firstName == earlier.firstName &&
               swimmer.yearOfBirth == earlier.yearOfBirth;
    });
}

Team* SameTeam(const ClubEntries& to, const Team& earlier)
{
    return Find(to.teams(), [&](const Team& team) {
        // Real lists give each relay start a team of its own, all "1", told apart by their class.
        return team.teamNumber == earlier.teamNumber && team.teamName == earlier.teamName &&
               team.classType == earlier.classType && team.classMinimum == earlier.classMinimum &&
               team.classMaximum == earlier.classMaximum;
    });
}

Official* SameOfficial(const ClubEntries& to, const Official& earlier)
{
    return Find(to.officials(), [&](const Official& official) {
        return official.surname == earlier.surname && official.firstName == earlier.firstName;
    });
}

std::string SwimmerRecord(const Swimmer& swimmer)
{
    return SwimmerLabel(swimmer);
}

std::string TeamRecord(const Team& team)
{
    std::string record = TeamLabel(team) + (team.teamName.empty() ? "" : ", " + team.teamName);
    if (!team.classType.empty())
        record += " (" + TeamClassLabel(team) + ")";
    return record;
}

std::string OfficialRecord(const Official& official)
{
    return official.surname + ", " + official.firstName;
}

std::string ClubRecord(const Club& club)
{
    return "Vereinsdaten " + club.clubName;
}

std::string CannotTakePart(const MeetDefinition& meet, const Swimmer& swimmer)
{
    const bool admitted = std::any_of(meet.events().begin(), meet.events().end(),
                                      [&](const auto& event) { return MayEnter(swimmer, event.second); });
    return admitted ? std::string() : "kein Wettkampf dieser Veranstaltung lässt den Jahrgang und das Geschlecht zu";
}

std::string CannotTakePart(const MeetDefinition& meet, const Team& team)
{
    const bool admitted = std::any_of(meet.events().begin(), meet.events().end(),
                                      [&](const auto& event) { return MayEnter(team, event.second); });
    return admitted ? std::string() : "diese Veranstaltung hat keinen Staffelwettbewerb";
}

std::optional<std::string> Refusal(const MeetDefinition& meet, const Club& club)
{
    const Address& contact = club.contact;
    return FirstRefusal(meet, {{club.clubName, "Vereinsname"},
                               {club.clubId, "Vereins-ID"},
                               {contact.name, "Ansprechpartner"},
                               {contact.street, "Straße"},
                               {contact.postcode, "PLZ"},
                               {contact.town, "Ort"},
                               {contact.country, "Land"},
                               {contact.phone, "Telefon"},
                               {contact.fax, "FAX"},
                               {contact.email, "E-Mail"}});
}

std::optional<std::string> Refusal(const MeetDefinition& meet, const Swimmer& swimmer)
{
    if (meet.formatVersion == 5 && swimmer.sex == Sex::Diverse)
        return std::string("Das Geschlecht „divers“ kann diese Veranstaltung (Format 5) nicht melden.");
    return FirstRefusal(meet, {{swimmer.surname, "Nachname", FieldKind::Surname},
                               {swimmer.firstName, "Vorname"},
                               {swimmer.registrationNumber, "Registriernummer"}});
}

std::optional<std::string> Refusal(const MeetDefinition& meet, const Team& team)
{
    return FirstRefusal(
        meet, {{team.teamNumber, "Mannschaft"}, {team.teamName, "Name"}, {team.classLabel, "Wertungsklasse"}});
}

std::optional<std::string> Refusal(const MeetDefinition& meet, const Official& official)
{
    return FirstRefusal(meet, {{official.surname, "Nachname", FieldKind::Surname},
                               {official.firstName, "Vorname"},
                               {official.wish, "Einsatzwunsch"}});
}

}  // namespace natarix::roster
