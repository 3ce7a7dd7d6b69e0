#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/SwimResult.h"

namespace natarix::test {

// A valid swim of "Brenner, Lotte" (2012, W): 100 B whole stroke in a 25-m
// pool at the Herbstpokal in Neustadt, event 3, heats.
inline SwimResult SampleSwim(std::int64_t hundredths, const char* date, const char* dsvId = "412233",
                             const char* surname = "Brenner")
{
    SwimResult swim;
    swim.swimmer = {surname, "Lotte", 2012, "W", dsvId, "SV Neustadt 08", "2468"};
    swim.distance = 100;
    swim.technique = "B";
    swim.exercise = "GL";
    swim.poolLength = "25";
    swim.hundredths = hundredths;
    swim.date = Date(date);
    swim.meet = "Herbstpokal";
    swim.town = "Neustadt";
    swim.eventNumber = "3";
    swim.round = Round::Heats;
    return swim;
}

// The swims as one result list of format 7, each swimmer and event kept
// once; the list's meet, town, pool and timing are the first swim's.
inline ResultList ListOf(const std::vector<SwimResult>& swims)
{
    ResultList list;
    list.version = 7;
    if (!swims.empty()) {
        list.meet = swims.front().meet;
        list.town = swims.front().town;
        list.poolLength = swims.front().poolLength;
        list.timing = swims.front().handTimed ? "HANDZEIT" : "AUTOMATISCH";
    }
    const auto indexOf = [](auto& kept, const auto& value) {
        const auto found = std::find(kept.begin(), kept.end(), value);
        if (found != kept.end())
            return static_cast<std::uint32_t>(found - kept.begin());
        kept.push_back(value);
        return static_cast<std::uint32_t>(kept.size() - 1);
    };
    for (const SwimResult& swim : swims) {
        const ResultEvent event{swim.distance,    swim.technique, swim.exercise, swim.date,
                                swim.eventNumber, swim.round,     swim.firstLeg};
        list.swims.push_back({indexOf(list.swimmers, swim.swimmer), indexOf(list.events, event), swim.hundredths});
    }
    return list;
}

}  // namespace natarix::test
