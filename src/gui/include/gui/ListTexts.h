#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/Event.h"
#include "model/MeetDefinition.h"
#include "model/Participant.h"

namespace natarix {

// What the main form shows of the model, in UTF-8, one text per column.

// The second header line: "am <date> in <place>" for one day, otherwise
// "vom <earliest> bis <latest> in <place>".
std::string DateAndPlaceLine(const MeetDefinition& meet);

// "Nachname", "Vorname", "Jg.", "Geschl.", "Reg." for a swimmer; a team fills
// the first column only: "<number>. Mannschaft[, <name>][, <class label>]".
std::array<std::string, 5> ParticipantRow(const Swimmer& swimmer);
std::array<std::string, 5> ParticipantRow(const Team& team);

// Relays like 4x100m F, individual events like 200m B; from formats 6 to 8
// with exercise and round where they matter: "100m F Vorlauf", "50m S KB".
std::string DistanceText(const Event& event);

// "WK", "Strecke", "Geschl.", "Zeit" (empty while the participant is not
// entered).
std::array<std::string, 4> EntryRow(const Entrant& participant, const Event& event);

// "Nachname", "Vorname", "Gr.", "Abschnitte"; the group of a modern meet is
// its code ("WKR", "AUS", "SCH", "SPR").
std::array<std::string, 4> OfficialRow(const Official& official, bool modern = false);

// The events the participant may be entered in or is entered in, in the order
// of their numbers' values (2 before 10).
std::vector<const Event*> EventsShownFor(const MeetDefinition& meet, ParticipantRef participant);

// What an entry row says about an impossible entry: "Nicht zulässig:
// Geschlecht"; empty for an entry the participant may make.
std::string EntryBarNote(ParticipantRef participant, const Event& event);

}  // namespace natarix
