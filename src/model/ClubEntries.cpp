#include "model/ClubEntries.h"

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

Swimmer* ClubEntries::AddSwimmer(std::unique_ptr<Swimmer> swimmer)
{
    return AddMember(swimmers_, std::move(swimmer));
}
Team* ClubEntries::AddTeam(std::unique_ptr<Team> team)
{
    return AddMember(teams_, std::move(team));
}
Official* ClubEntries::AddOfficial(std::unique_ptr<Official> official)
{
    return AddMember(officials_, std::move(official));
}
void ClubEntries::RemoveSwimmer(const Swimmer* swimmer)
{
    RemoveMember(swimmers_, swimmer);
}
void ClubEntries::RemoveTeam(const Team* team)
{
    RemoveMember(teams_, team);
}
void ClubEntries::RemoveOfficial(const Official* official)
{
    RemoveMember(officials_, official);
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
