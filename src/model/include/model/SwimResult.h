#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Date.h"
#include "model/Round.h"

namespace natarix {

// The swimmer of a result, as the result list names them.
struct ResultSwimmer {
    std::string surname;
    std::string firstName;
    std::int32_t yearOfBirth = 0;
    std::string sex;         // "M", "W" or "D"
    std::string dsvId;       // as written; empty, "0" or "000000" when unknown
    std::string club;        // the Vereinsbezeichnung
    std::string clubNumber;  // the Vereinskennzahl as written

    bool operator==(const ResultSwimmer&) const = default;
};

// One swim of a result list that gave a valid time: an individual swim, or
// the first leg of a relay at the leg's distance.
struct SwimResult {
    ResultSwimmer swimmer;
    std::int32_t distance = 0;  // metres
    std::string technique;      // "F", "R", "B", "S", "L", "X"
    std::string exercise;       // Ausübung: "GL", "BE", ...
    std::string poolLength;     // the list's Bahnlänge: "25", "50", "16", "20", "33", "FW", "X"
    std::int64_t hundredths = 0;
    Date date;  // the day of the swim's section, TT.MM.JJJJ
    std::string meet;
    std::string town;
    std::string eventNumber;
    Round round = Round::None;
    bool handTimed = false;  // the list's Zeitmessung is HANDZEIT
    bool firstLeg = false;   // the first leg of a relay

    bool operator==(const SwimResult&) const = default;
};

// What a result list (Wettkampfergebnisliste or Vereinsergebnisliste) holds
// for entry times.
struct ResultList {
    int version = 0;
    bool clubList = false;  // a Vereinsergebnisliste
    std::string producer;
    std::string meet;
    std::string town;
    std::string poolLength;
    std::string timing;
    std::vector<SwimResult> results;
    // Swims the list holds that give no time: disqualified, not started,
    // withdrawn, given up, or over time.
    std::size_t swimsWithoutTime = 0;
};

}  // namespace natarix
