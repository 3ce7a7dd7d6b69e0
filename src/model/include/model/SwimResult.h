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

// An event of a result list as its swims were swum. A relay's first legs
// make an event of their own: the leg's distance, and backstroke for a
// medley relay.
struct ResultEvent {
    std::int32_t distance = 0;  // metres
    std::string technique;
    std::string exercise;
    Date date;  // the day of the event's section
    std::string eventNumber;
    Round round = Round::None;
    bool firstLeg = false;

    bool operator==(const ResultEvent&) const = default;
};

// A swim of a result list that gave a valid time: indices into the list's
// swimmers and events.
struct ListedSwim {
    std::uint32_t swimmer = 0;
    std::uint32_t event = 0;
    std::int64_t hundredths = 0;

    bool operator==(const ListedSwim&) const = default;
};

// What a result list (Wettkampfergebnisliste or Vereinsergebnisliste) holds
// for entry times. Swimmers and events are kept once and the swims point to
// them, as in the results database: a list names the same few again and
// again.
struct ResultList {
    int version = 0;
    bool clubList = false;  // a Vereinsergebnisliste
    std::string producer;
    std::string meet;
    std::string town;
    std::string poolLength;
    std::string timing;
    std::vector<ResultSwimmer> swimmers;
    std::vector<ResultEvent> events;
    std::vector<ListedSwim> swims;
    // Swims the list holds that give no time: disqualified, not started,
    // withdrawn, given up, or over time.
    std::size_t swimsWithoutTime = 0;

    bool HandTimed() const { return timing == "HANDZEIT"; }
    // A swim with everything it shares with others written out.
    SwimResult Flat(const ListedSwim& swim) const;
    std::vector<SwimResult> FlatSwims() const;
};

}  // namespace natarix
