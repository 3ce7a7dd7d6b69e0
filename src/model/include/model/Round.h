#pragma once

#include <optional>
#include <string_view>

namespace natarix {

// The Wettkampfart of an event in formats 6 to 8. The same event number may
// come in several rounds (heats and final); format-5 events have none.
enum class Round { None, Heats, SemiFinal, Final, Decider, SwimOff, ReSwim };

// "V", "Z", "F", "E", "A", "N"; empty for None.
std::string_view RoundLetter(Round round);
// "Vorlauf", "Zwischenlauf", "Finale", "Entscheidung", "Ausschwimmen",
// "Nachschwimmen"; empty for None.
std::string_view RoundName(Round round);
// The round of a letter in either case; nothing for any other text.
std::optional<Round> RoundFromLetter(std::string_view letter);
// Clubs enter the first round of an event: heats, a decider (the only
// round), or the one round of a format-5 event.
bool TakesEntries(Round round);

}  // namespace natarix
