#include "model/SwimResult.h"

namespace natarix {

SwimResult ResultList::Flat(const ListedSwim& swim) const
{
    const ResultEvent& event = events.at(swim.event);
    SwimResult flat;
    flat.swimmer = swimmers.at(swim.swimmer);
    flat.distance = event.distance;
    flat.technique = event.technique;
    flat.exercise = event.exercise;
    flat.poolLength = poolLength;
    flat.hundredths = swim.hundredths;
    flat.date = event.date;
    flat.meet = meet;
    flat.town = town;
    flat.eventNumber = event.eventNumber;
    flat.round = event.round;
    flat.handTimed = HandTimed();
    flat.firstLeg = event.firstLeg;
    return flat;
}

std::vector<SwimResult> ResultList::FlatSwims() const
{
    std::vector<SwimResult> flat;
    flat.reserve(swims.size());
    for (const ListedSwim& swim : swims)
        flat.push_back(Flat(swim));
    return flat;
}

}  // namespace natarix
