// The operations through which the window and the CLI change the club's side.
#include <algorithm>
#include <memory>
#include <type_traits>
#include <variant>
#include <vector>

#include "session/WorkingFileCycle.h"
#include "times/TimeTexts.h"

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

template <typename T, typename RemoveFromEntries>
bool RemoveHeld(const std::vector<std::unique_ptr<T>>& set, const T& member, RemoveFromEntries remove)
{
    if (Held(set, member) == nullptr)
        return false;
    remove(&member);
    return true;
}

}  // namespace

bool WorkingFileCycle::Edit(const std::function<bool(ClubEntries&)>& change)
{
    return meet_ != nullptr && !readOnly() && change(entries_) && SaveWorkingFile();
}

WorkingFileCycle::TakenOver WorkingFileCycle::TakeOver(const MeetDefinition& fromMeet, const ClubEntries& from,
                                                       const TakeOverOptions& options)
{
    TakenOver taken;
    taken.saved = Edit([&](ClubEntries& e) {
        taken.lines = natarix::TakeOver(fromMeet, from, *meet_, e, options);
        return true;
    });
    return taken;
}

void WorkingFileCycle::SetClub(Club club)
{
    Edit([&](ClubEntries& e) {
        e.club = std::move(club);
        return true;
    });
}

std::int32_t WorkingFileCycle::CoachNumber(const std::string& name)
{
    std::int32_t number = 0;
    Edit([&](ClubEntries& e) {
        const std::size_t coaches = e.coaches.size();
        number = e.CoachNumber(name);
        return e.coaches.size() != coaches;
    });
    return number;
}

void WorkingFileCycle::Add(Swimmer swimmer)
{
    Edit([&](ClubEntries& e) { return e.AddSwimmer(std::make_unique<Swimmer>(std::move(swimmer))) != nullptr; });
}

void WorkingFileCycle::Add(Team team)
{
    Edit([&](ClubEntries& e) { return e.AddTeam(std::make_unique<Team>(std::move(team))) != nullptr; });
}

void WorkingFileCycle::Add(Official official)
{
    Edit([&](ClubEntries& e) { return e.AddOfficial(std::make_unique<Official>(std::move(official))) != nullptr; });
}

void WorkingFileCycle::Change(const Swimmer& member, Swimmer changed)
{
    Edit([&](ClubEntries& e) { return Replace(e.swimmers(), member, std::move(changed)); });
}

void WorkingFileCycle::Change(const Team& member, Team changed)
{
    Edit([&](ClubEntries& e) { return Replace(e.teams(), member, std::move(changed)); });
}

void WorkingFileCycle::Change(const Official& member, Official changed)
{
    Edit([&](ClubEntries& e) { return Replace(e.officials(), member, std::move(changed)); });
}

void WorkingFileCycle::Remove(const Swimmer& member)
{
    Edit([&](ClubEntries& e) {
        return RemoveHeld(e.swimmers(), member, [&](const Swimmer* m) { e.RemoveSwimmer(m); });
    });
}

void WorkingFileCycle::Remove(const Team& member)
{
    Edit([&](ClubEntries& e) { return RemoveHeld(e.teams(), member, [&](const Team* m) { e.RemoveTeam(m); }); });
}

void WorkingFileCycle::Remove(const Official& member)
{
    Edit([&](ClubEntries& e) {
        return RemoveHeld(e.officials(), member, [&](const Official* m) { e.RemoveOfficial(m); });
    });
}

void WorkingFileCycle::SetEntry(ParticipantRef participant, const std::string& eventNumber,
                                const std::string& entryTime)
{
    Edit([&](ClubEntries& e) {
        Entrant* held = std::visit(
            [&](const auto* member) -> Entrant* {
                if constexpr (std::is_same_v<decltype(member), const Team*>)
                    return Held(e.teams(), *member);
                else
                    return Held(e.swimmers(), *member);
            },
            participant);
        if (held != nullptr)
            held->SetEntry(eventNumber, entryTime);
        return held != nullptr;
    });
}

WorkingFileCycle::FilledTimes WorkingFileCycle::FillEntryTimes(const ResultSource& results)
{
    FilledTimes filled;
    filled.saved = Edit([&](ClubEntries& e) {
        filled.entries = FillableEntries(*meet_, e, results);
        // The entry field holds minutes and seconds; no entry takes an hour.
        std::erase_if(filled.entries,
                      [](const SwimmerBestTime& f) { return EntryTimeText(f.best.swim.hundredths).empty(); });
        for (const SwimmerBestTime& f : filled.entries)
            Held(e.swimmers(), *f.swimmer)->SetEntry(f.event->number, EntryTimeText(f.best.swim.hundredths));
        return !filled.entries.empty();
    });
    return filled;
}

}  // namespace natarix
