#include "model/MeetDefinition.h"

#include <algorithm>

namespace natarix {

void MeetDefinition::AddSection(Section section)
{
    NumberKey key(section.number);
    // Lists give the numbers in ascending order: the end is then the place.
    sections_.try_emplace(sections_.end(), std::move(key), std::move(section));
}

void MeetDefinition::AddEvent(Event event)
{
    EventKey key{NumberKey(event.number), event.round};
    events_.try_emplace(events_.end(), std::move(key), std::move(event));
}

const Section* MeetDefinition::FindSection(std::string_view number) const
{
    // As a key, the number's value is worked out once, not at every comparison.
    const auto found = sections_.find(NumberKey(std::string(number)));
    return found == sections_.end() ? nullptr : &found->second;
}

Event* MeetDefinition::FindEvent(std::string_view number)
{
    // The rounds of one number stand together, from the lowest round on.
    const NumberKey key{std::string(number)};
    for (auto it = events_.lower_bound(EventKey{key, Round::None});
         it != events_.end() && it->first.number.value() == key.value(); ++it)
        if (TakesEntries(it->first.round))
            return &it->second;
    return nullptr;
}

const Event* MeetDefinition::FindEvent(std::string_view number) const
{
    return const_cast<MeetDefinition*>(this)->FindEvent(number);
}

Event* MeetDefinition::FindEvent(std::string_view number, Round round)
{
    const auto found = events_.find(EventKey{NumberKey(std::string(number)), round});
    return found == events_.end() ? nullptr : &found->second;
}

const Event* MeetDefinition::FindEvent(std::string_view number, Round round) const
{
    return const_cast<MeetDefinition*>(this)->FindEvent(number, round);
}

std::optional<Date> MeetDefinition::EarliestSectionDate() const
{
    std::optional<Date> earliest;
    for (const auto& [number, section] : sections_)
        if (!earliest || section.date.IsEarlierThan(*earliest))
            earliest = section.date;
    return earliest;
}

std::optional<Date> MeetDefinition::LatestSectionDate() const
{
    std::optional<Date> latest;
    for (const auto& [number, section] : sections_)
        if (!latest || latest->IsEarlierThan(section.date))
            latest = section.date;
    return latest;
}

std::vector<const Event*> MeetDefinition::EventsInListOrder() const
{
    std::vector<const Event*> events;
    for (const auto& [key, event] : events_)
        events.push_back(&event);
    std::stable_sort(events.begin(), events.end(),
                     [](const Event* a, const Event* b) { return a->listPosition < b->listPosition; });
    return events;
}

}  // namespace natarix
