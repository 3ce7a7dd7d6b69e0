#pragma once

#include <map>

#include "model/Event.h"
#include "model/Round.h"
#include "model/ValueTexts.h"

namespace natarix {

// An event is named by its number and its round: formats 6 to 8 may give one
// number as heats and as final. Format-5 events all have Round::None, so
// for them the number alone decides, as it always has.
struct EventKey {
    NumberKey number;
    Round round = Round::None;
};

// By the number's value, then by round.
struct EventKeyLess {
    bool operator()(const EventKey& a, const EventKey& b) const
    {
        if (a.number.value() != b.number.value())
            return a.number.value() < b.number.value();
        return a.round < b.round;
    }
};

using EventMap = std::map<EventKey, Event, EventKeyLess>;

}  // namespace natarix
