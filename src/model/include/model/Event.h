#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Participant.h"
#include "model/Round.h"

namespace natarix {

// One "WERTUNG:" line: who falls into a scoring class of an event.
struct ScoringClass {
    // AgeRange and RelayTotalAge come from formats 6 to 8 only.
    enum class Kind { Everyone, YearRange, AgeBand, YouthClass, AgeRange, RelayTotalAge };

    Kind kind = Kind::Everyone;
    std::int32_t yearFrom = 0;
    std::int32_t yearTo = 0;
    std::int32_t age = 0;    // AgeBand; AgeRange and RelayTotalAge: the least age
    std::int32_t ageTo = 0;  // AgeRange and RelayTotalAge: the greatest age
    bool orOlder = false;
    std::string classLetter;
    std::string mandatoryTime;
    std::int32_t competitionYear = 0;

    // Formats 6 to 8: the WertungsID, the round it scores, the Wertungsklasse
    // Typ ("JG" or "AK") with the two JGAK texts as the list spells them, the
    // class's own sex ("M", "W", "X", "D"; empty: the event's) and its name.
    std::string id;
    Round round = Round::None;
    std::string type;
    std::string minimum;
    std::string maximum;
    std::string sex;
    std::string name;

    bool Matches(const Swimmer& swimmer) const;
};

// One "PFLICHTZEIT:" line (formats 6 to 8): the time a swimmer must have
// swum to be entered. It names its swimmers as a WERTUNG does (type, the two
// JGAK texts and a sex) but scores nobody.
struct MandatoryTime {
    Round round = Round::None;
    ScoringClass swimmers;  // type, minimum, maximum, sex and the limits they give
    std::string time;       // "HH:MM:SS,hh" as the list spells it
};

// The lower end of the two ages a youth class letter (J, A, B, C, D, E in
// capitals) stands for; 0 for any other text.
int YouthClassLowestAge(std::string_view letter);

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

    // Formats 6 to 8. The round is part of the event's identity: the same
    // number may come as heats and as final.
    Round round = Round::None;
    std::string exercise;  // Ausübung: "GL", "BE", "AR", "ST", "WE", "GB", "X", "KB", "KR"
    std::string bestList;  // Zuordnung Bestenliste, kept as written
    std::string qualifyingEventNumber;
    Round qualifyingRound = Round::None;
    std::vector<MandatoryTime> mandatoryTimes;
    // The place of the event's line among the events of the list: modern
    // lists give them in running order, not in number order.
    std::size_t listPosition = 0;

    void AddScoringClass(ScoringClass scoringClass) { scoringClasses.push_back(std::move(scoringClass)); }
    // The first of the event's mandatory times that applies to the swimmer;
    // none when no line names the swimmer's age and sex.
    const MandatoryTime* MandatoryTimeFor(const Swimmer& swimmer) const;
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
    bool round = false;       // a later round: clubs enter its first round

    bool Any() const { return sex || year || relay || individual || round; }
    bool operator==(const EntryBar&) const = default;
};

// The one eligibility rule: the entries list, the swimmer dialog and the
// export all ask it.
EntryBar WhyMayNotEnter(const Swimmer& swimmer, const Event& event);
EntryBar WhyMayNotEnter(const Team& team, const Event& event);
EntryBar WhyMayNotEnter(ParticipantRef participant, const Event& event);

// "Geschlecht", "Jahrgang", "Geschlecht, Jahrgang", "Staffel",
// "Einzelwettkampf" or "Runde"; empty when nothing bars the entry.
std::string EntryBarText(const EntryBar& bar);

// Whether a swimmer or team may be entered in the event at all.
template <typename P>
bool MayEnter(const P& participant, const Event& event)
{
    return !WhyMayNotEnter(participant, event).Any();
}

}  // namespace natarix
