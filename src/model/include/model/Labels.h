#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Date.h"
#include "model/Event.h"
#include "model/Participant.h"

namespace natarix {

// The texts that the lists, dialogs, forms and files all show of the model,
// each built in one place.

// "M" or "W"; "D" (formats 6 to 8 only).
std::string_view SexLetter(Sex sex);

// "2. Mannschaft"
std::string TeamLabel(const Team& team);

// "Wettkampf 3 (100 F W)"
std::string EventLabel(const Event& event);

// "Krüger, Lena (2011)"
std::string SwimmerLabel(const Swimmer& swimmer);

// A team's own class of formats 6 to 8, "AK 80+" or "JG 2010–2012"; empty
// for a team without one.
std::string TeamClassLabel(const Team& team);

// "4x100m F", or "100m F" without the swimmer count.
std::string DistanceLabel(const Event& event, bool withSwimmerCount);

// What formats 6 to 8 add to an event's description, where it matters:
// the exercise unless it is the whole stroke ("GL") and the round unless it
// is the one decider, as in "KB", "Vorlauf" or "BE Finale"; empty for a
// format-5 event.
std::string ExerciseAndRound(const Event& event);

// The sections joined by ";", as in "1;3".
std::string SectionNumbersText(const Official& official);

// The first and last day as the forms, file names and lists print them: a
// competition without sections, or with dates beyond these, shows
// "31.12.9999" as its first and "01.01.0000" as its last day.
std::string FirstDayText(const std::optional<Date>& earliest);
std::string LastDayText(const std::optional<Date>& latest);

}  // namespace natarix
