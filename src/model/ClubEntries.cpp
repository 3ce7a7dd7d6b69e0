#include "model/ClubEntries.h"

#include <algorithm>
#include <limits>

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

// Veranstaltungs-IDs are unique per kind within a file and never handed out
// twice, so that no line-up comes to name another swimmer.
void GiveMeetId(std::int32_t& meetId, ClubEntries::MeetIds& ids)
{
    if (meetId <= 0 || ids.used.count(meetId) != 0) {
        if (ids.highest < std::numeric_limits<std::int32_t>::max()) {
            meetId = ids.highest + 1;
        } else {
            // A file gave the largest number there is: the lowest free one.
            meetId = 1;
            while (ids.used.count(meetId) != 0)
                ++meetId;
        }
    }
    ids.used.insert(meetId);
    ids.highest = std::max(ids.highest, meetId);
}

// The member taken out of the set, or nullptr when it is none of its members.
template <typename T>
std::unique_ptr<T> RemoveMember(std::vector<std::unique_ptr<T>>& set, const T* member)
{
    const auto found = std::find_if(set.begin(), set.end(), [&](const auto& m) { return m.get() == member; });
    if (found == set.end())
        return nullptr;
    std::unique_ptr<T> removed = std::move(*found);
    set.erase(found);
    return removed;
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

Swimmer* ClubEntries::AddSwimmer(std::unique_ptr<Swimmer> swimmer)
{
    if (swimmer != nullptr)
        GiveMeetId(swimmer->meetId, swimmerIds_);
    return AddMember(swimmers_, std::move(swimmer));
}
Team* ClubEntries::AddTeam(std::unique_ptr<Team> team)
{
    if (team != nullptr)
        GiveMeetId(team->meetId, teamIds_);
    return AddMember(teams_, std::move(team));
}
Official* ClubEntries::AddOfficial(std::unique_ptr<Official> official)
{
    return AddMember(officials_, std::move(official));
}
void ClubEntries::RemoveSwimmer(const Swimmer* swimmer)
{
    const std::unique_ptr<Swimmer> removed = RemoveMember(swimmers_, swimmer);
    if (removed == nullptr)
        return;
    for (const auto& team : teams_)
        for (auto& [number, legs] : team->lineUps)
            std::replace(legs.begin(), legs.end(), removed->meetId, std::int32_t{0});
    swimmerIds_.used.erase(removed->meetId);
}
void ClubEntries::RemoveTeam(const Team* team)
{
    if (const std::unique_ptr<Team> removed = RemoveMember(teams_, team))
        teamIds_.used.erase(removed->meetId);
}
void ClubEntries::RemoveOfficial(const Official* official)
{
    RemoveMember(officials_, official);
}
std::int32_t ClubEntries::CoachNumber(const std::string& name)
{
    if (name.empty())
        return 0;
    std::int32_t highest = 0;
    for (const Coach& coach : coaches) {
        if (coach.name == name)
            return coach.number;
        highest = std::max(highest, coach.number);
    }
    // Above every number in use; after a file gave the largest number there
    // is, the lowest free one.
    const auto used = [&](std::int32_t n) {
        return std::any_of(coaches.begin(), coaches.end(), [&](const Coach& c) { return c.number == n; });
    };
    std::int32_t number = highest < std::numeric_limits<std::int32_t>::max() ? highest + 1 : 1;
    while (used(number))
        ++number;
    coaches.push_back(Coach{number, name});
    return number;
}
const Swimmer* ClubEntries::FindSwimmer(std::int32_t meetId) const
{
    for (const auto& swimmer : swimmers_)
        if (swimmer->meetId == meetId)
            return swimmer.get();
    return nullptr;
}

std::int64_t ClubEntries::CountIndividualEntries() const
{
    return CountEntries(swimmers_);
}
std::int64_t ClubEntries::CountRelayEntries() const
{
    return CountEntries(teams_);
}

}  // namespace natarix
