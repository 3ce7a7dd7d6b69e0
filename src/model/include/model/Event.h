#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Participant.h"

namespace natarix {

// One "WERTUNG:" line: who falls into a scoring class of an event.
struct ScoringClass {
    enum class Kind { Everyone, YearRange, AgeBand, YouthClass };

    Kind kind = Kind::Everyone;
    std::int32_t yearFrom = 0;
    std::int32_t yearTo = 0;
    std::int32_t age = 0;
    bool orOlder = false;
    std::string classLetter;
    std::string mandatoryTime;
    std::int32_t competitionYear = 0;

    bool Matches(const Swimmer& swimmer) const;
};

// The parts of an event description such as "4x100 F X" or "100 B W".
struct EventDescription {
    std::string swimmerCount;
    std::string distance;
    std::string technique;
    std::string sex;
};

// Splits at the relay marker (the first "x", else the first "*") and then at
// the first and second space.
EventDescription SplitEventDescription(std::string_view description);

// One "WETTKAMPF:" line.
struct Event {
    std::string number;
    std::string sectionNumber;
    std::string distance;
    std::string swimmerCount;  // "1" for an individual event; as the list spells it
    std::string technique;
    std::string sex;  // as the list spells it: "M", "W", "X" for both, or anything
    bool hasOwnFee = false;
    std::int32_t ownFee = 0;
    std::vector<ScoringClass> scoringClasses;

    void AddScoringClass(ScoringClass scoringClass) { scoringClasses.push_back(std::move(scoringClass)); }
    // Whether the swimmer may start in this event as an individual.
    bool Admits(const Swimmer& swimmer) const;
    bool IsRelay() const { return swimmerCount != "1"; }
    // "X" takes both; a letter in either case takes its sex; anything else nobody.
    bool IsOpenTo(Sex swimmerSex) const;
    // The description as the club entry list writes it: count and "x" only for relays.
    std::string Description() const;
};

// Why a participant may not be entered in an event; nothing is set when it may.
struct EntryBar {
    bool sex = false;         // the event is for the other sex
    bool year = false;        // no scoring class takes the year of birth
    bool relay = false;       // a swimmer in a relay
    bool individual = false;  // a team in an individual event

    bool Any() const { return sex || year || relay || individual; }
    bool operator==(const EntryBar&) const = default;
};

// The one eligibility rule: the entries list, the swimmer dialog and the
// export all ask it.
EntryBar WhyMayNotEnter(const Swimmer& swimmer, const Event& event);
EntryBar WhyMayNotEnter(const Team& team, const Event& event);
EntryBar WhyMayNotEnter(ParticipantRef participant, const Event& event);

// "Geschlecht", "Jahrgang", "Geschlecht, Jahrgang", "Staffel" or
// "Einzelwettkampf"; empty when nothing bars the entry.
std::string EntryBarText(const EntryBar& bar);

// Whether a swimmer or team may be entered in the event at all.
template <typename P>
bool MayEnter(const P& participant, const Event& event)
{
    return !WhyMayNotEnter(participant, event).Any();
}

}  // namespace natarix
