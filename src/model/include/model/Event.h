#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace natarix {

struct Participant;

// One "WERTUNG:" line: who falls into a scoring class of an event.
struct ScoringClass {
    enum Kind : std::int32_t { Everyone = 0, YearRange = 1, AgeBand = 2, YouthClass = 3 };

    std::int32_t kind = Everyone;
    std::int32_t yearFrom = 0;
    std::int32_t yearTo = 0;
    std::int32_t age = 0;
    bool orOlder = false;
    std::string classLetter;
    std::string mandatoryTime;
    std::int32_t competitionYear = 0;

    bool Matches(const Participant& swimmer) const;
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
    std::string swimmerCount;
    std::string technique;
    std::string sex;
    bool hasOwnFee = false;
    std::int32_t ownFee = 0;
    std::vector<ScoringClass> scoringClasses;

    void AddScoringClass(ScoringClass scoringClass) { scoringClasses.push_back(std::move(scoringClass)); }
    // Whether the swimmer may start in this event as an individual.
    bool Admits(const Participant& swimmer) const;
    bool IsRelay() const { return swimmerCount != "1"; }
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
EntryBar WhyMayNotEnter(const Participant& participant, const Event& event);

// "Geschlecht", "Jahrgang", "Geschlecht, Jahrgang", "Staffel" or
// "Einzelwettkampf"; empty when nothing bars the entry.
std::string EntryBarText(const EntryBar& bar);

// Whether a swimmer or team may be entered in the event at all.
bool MayEnter(const Participant& participant, const Event& event);

}  // namespace natarix
