// The operations through which the window and the CLI change the club's side.
#include <algorithm>
#include <memory>
#include <type_traits>
#include <variant>
#include <vector>

#include "session/WorkingFileCycle.h"

namespace natarix {

namespace {

template <typename T>
T* Held(const std::vector<std::unique_ptr<T>>& set, const T& member)
{
    const auto found = std::find_if(set.begin(), set.end(), [&](const auto& m) { return m.get() == &member; });
    return found == set.end() ? nullptr : found->get();
}

template <typename T>
bool Replace(const std::vector<std::unique_ptr<T>>& set, const T& member, T changed)
{
    T* held = Held(set, member);
    if (held != nullptr)
        *held = std::move(changed);
    return held != nullptr;
}

template <typename T, typename RemoveFromCompetition>
bool RemoveHeld(const std::vector<std::unique_ptr<T>>& set, const T& member, RemoveFromCompetition remove)
{
    if (Held(set, member) == nullptr)
        return false;
    remove(&member);
    return true;
}

}  // namespace

void WorkingFileCycle::Edit(const std::function<bool(Competition&)>& change)
{
    if (competition_ != nullptr && !readOnly() && change(*competition_))
        SaveWorkingFile();
}

void WorkingFileCycle::SetClub(Club club)
{
    Edit([&](Competition& c) {
        c.club = std::move(club);
        return true;
    });
}

void WorkingFileCycle::Add(Swimmer swimmer)
{
    Edit([&](Competition& c) { return c.AddSwimmer(std::make_unique<Swimmer>(std::move(swimmer))) != nullptr; });
}

void WorkingFileCycle::Add(Team team)
{
    Edit([&](Competition& c) { return c.AddTeam(std::make_unique<Team>(std::move(team))) != nullptr; });
}

void WorkingFileCycle::Add(Official official)
{
    Edit([&](Competition& c) { return c.AddOfficial(std::make_unique<Official>(std::move(official))) != nullptr; });
}

void WorkingFileCycle::Change(const Swimmer& member, Swimmer changed)
{
    Edit([&](Competition& c) { return Replace(c.swimmers(), member, std::move(changed)); });
}

void WorkingFileCycle::Change(const Team& member, Team changed)
{
    Edit([&](Competition& c) { return Replace(c.teams(), member, std::move(changed)); });
}

void WorkingFileCycle::Change(const Official& member, Official changed)
{
    Edit([&](Competition& c) { return Replace(c.officials(), member, std::move(changed)); });
}

void WorkingFileCycle::Remove(const Swimmer& member)
{
    Edit([&](Competition& c) {
        return RemoveHeld(c.swimmers(), member, [&](const Swimmer* m) { c.RemoveSwimmer(m); });
    });
}

void WorkingFileCycle::Remove(const Team& member)
{
    Edit([&](Competition& c) { return RemoveHeld(c.teams(), member, [&](const Team* m) { c.RemoveTeam(m); }); });
}

void WorkingFileCycle::Remove(const Official& member)
{
    Edit([&](Competition& c) {
        return RemoveHeld(c.officials(), member, [&](const Official* m) { c.RemoveOfficial(m); });
    });
}

void WorkingFileCycle::SetEntry(ParticipantRef participant, const std::string& eventNumber,
                                const std::string& entryTime)
{
    Edit([&](Competition& c) {
        Entrant* held = std::visit(
            [&](const auto* member) -> Entrant* {
                if constexpr (std::is_same_v<decltype(member), const Team*>)
                    return Held(c.teams(), *member);
                else
                    return Held(c.swimmers(), *member);
            },
            participant);
        if (held != nullptr)
            held->SetEntry(eventNumber, entryTime);
        return held != nullptr;
    });
}

}  // namespace natarix
