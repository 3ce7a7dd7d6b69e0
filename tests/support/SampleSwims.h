#pragma once

#include <cstdint>

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

}  // namespace natarix::test
