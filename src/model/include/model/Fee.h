#pragma once

#include <cstdint>
#include <string>

namespace natarix {

// One "MELDEGELD" line of formats 6 to 8.
struct Fee {
    enum class Kind {
        Flat,            // Meldegeldpauschale: format 7 per entry file, format 8 per club
        Individual,      // Einzelmeldegeld: per individual entry
        Relay,           // Staffelmeldegeld: per relay entry
        Event,           // Wkmeldegeld: per entry in `eventNumber`, instead of the two above
        Team,            // Mannschaftmeldegeld: per team of a team competition
        PerParticipant,  // Teilnehmermeldegeld (format 8): per swimmer with an individual entry
        PerSection,      // Abschnittspauschale (format 8): per club and entered section
        Unknown,         // a type the reader does not know; `typeText` says which
    };

    Kind kind = Kind::Unknown;
    std::string typeText;  // as the list spells it
    std::int64_t cents = 0;
    std::string eventNumber;  // for Event; as the list spells it
};

}  // namespace natarix
