#pragma once

#include <optional>
#include <string>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

// How the records of an earlier entry list meet those of the current meet:
// what counts as the same, how a record is named, and what keeps it out.
namespace natarix::roster {

// The record of `to` that is the same as the earlier one; nullptr when none.
// A team is the same with the same number, name and class.
Swimmer* SameSwimmer(const ClubEntries& to, const Swimmer& earlier);
Team* SameTeam(const ClubEntries& to, const Team& earlier);
Official* SameOfficial(const ClubEntries& to, const Official& earlier);

std::string SwimmerRecord(const Swimmer& swimmer);
std::string TeamRecord(const Team& team);  // with its class where it has one of its own
std::string OfficialRecord(const Official& official);
std::string ClubRecord(const Club& club);

// Why no event of the meet admits the participant; empty when one does.
std::string CannotTakePart(const MeetDefinition& meet, const Swimmer& swimmer);
std::string CannotTakePart(const MeetDefinition& meet, const Team& team);

// Why the meet's entry list could not carry the record as it stands.
std::optional<std::string> Refusal(const MeetDefinition& meet, const Club& club);
std::optional<std::string> Refusal(const MeetDefinition& meet, const Swimmer& swimmer);
std::optional<std::string> Refusal(const MeetDefinition& meet, const Team& team);
std::optional<std::string> Refusal(const MeetDefinition& meet, const Official& official);

}  // namespace natarix::roster
