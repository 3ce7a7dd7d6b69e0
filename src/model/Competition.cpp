#include "model/Competition.h"

#include <algorithm>

namespace natarix {

namespace {

template <typename T>
T* AddMember(std::vector<std::unique_ptr<T>>& set, std::unique_ptr<T> member)
{
    // Ownership passes in, so the object cannot be a member already.
    T* added = member.get();
    if (added != nullptr)
        set.push_back(std::move(member));
    return added;
}

template <typename T>
void RemoveMember(std::vector<std::unique_ptr<T>>& set, const T* member)
{
    const auto found = std::find_if(set.begin(), set.end(), [&](const auto& m) { return m.get() == member; });
    if (found != set.end())
        set.erase(found);
}

template <typename T>
std::int64_t CountEntries(const std::vector<std::unique_ptr<T>>& set)
{
    std::int64_t count = 0;
    for (const auto& member : set)
        count += static_cast<std::int64_t>(member->entries.size());
    return count;
}

}  // namespace

void Competition::AddSection(Section section)
{
    NumberKey key(section.number);
    // Lists give the numbers in ascending order: the end is then the place.
    sections_.try_emplace(sections_.end(), std::move(key), std::move(section));
}

void Competition::AddEvent(Event event)
{
    EventKey key{NumberKey(event.number), event.round};
    events_.try_emplace(events_.end(), std::move(key), std::move(event));
}

const Section* Competition::FindSection(std::string_view number) const
{
    // As a key, the number's value is worked out once, not at every comparison.
    const auto found = sections_.find(NumberKey(std::string(number)));
    return found == sections_.end() ? nullptr : &found->second;
}

Event* Competition::FindEvent(std::string_view number)
{
    // The rounds of one number stand together, from the lowest round on.
    const NumberKey key{std::string(number)};
    for (auto it = events_.lower_bound(EventKey{key, Round::None});
         it != events_.end() && it->first.number.value() == key.value(); ++it)
        if (TakesEntries(it->first.round))
            return &it->second;
    return nullptr;
}

const Event* Competition::FindEvent(std::string_view number) const
{
    return const_cast<Competition*>(this)->FindEvent(number);
}

Event* Competition::FindEvent(std::string_view number, Round round)
{
    const auto found = events_.find(EventKey{NumberKey(std::string(number)), round});
    return found == events_.end() ? nullptr : &found->second;
}

const Event* Competition::FindEvent(std::string_view number, Round round) const
{
    return const_cast<Competition*>(this)->FindEvent(number, round);
}

std::optional<Date> Competition::EarliestSectionDate() const
{
    std::optional<Date> earliest;
    for (const auto& [number, section] : sections_)
        if (!earliest || section.date.IsEarlierThan(*earliest))
            earliest = section.date;
    return earliest;
}

std::optional<Date> Competition::LatestSectionDate() const
{
    std::optional<Date> latest;
    for (const auto& [number, section] : sections_)
        if (!latest || latest->IsEarlierThan(section.date))
            latest = section.date;
    return latest;
}

Swimmer* Competition::AddSwimmer(std::unique_ptr<Swimmer> swimmer)
{
    return AddMember(swimmers_, std::move(swimmer));
}
Team* Competition::AddTeam(std::unique_ptr<Team> team)
{
    return AddMember(teams_, std::move(team));
}
Official* Competition::AddOfficial(std::unique_ptr<Official> official)
{
    return AddMember(officials_, std::move(official));
}
void Competition::RemoveSwimmer(const Swimmer* swimmer)
{
    RemoveMember(swimmers_, swimmer);
}
void Competition::RemoveTeam(const Team* team)
{
    RemoveMember(teams_, team);
}
void Competition::RemoveOfficial(const Official* official)
{
    RemoveMember(officials_, official);
}
std::int64_t Competition::CountIndividualEntries() const
{
    return CountEntries(swimmers_);
}
std::int64_t Competition::CountRelayEntries() const
{
    return CountEntries(teams_);
}

}  // namespace natarix
