#include "SwimContexts.h"

#include "model/Round.h"

namespace natarix::resultstore {

namespace {

Date DayOfIso(const std::string& iso)
{
    return iso.size() == 10 ? Date(iso.substr(8, 2) + "." + iso.substr(5, 2) + "." + iso.substr(0, 4)) : Date();
}

}  // namespace

bool SwimContexts::Refresh(const sqlite::Database& db, sqlite::Error& error)
{
    if (!stale_)
        return true;
    events_.clear();
    clubs_.clear();
    sqlite::Statement events(db,
                             "SELECT e.id, e.swum_on, e.number, e.round, e.first_leg, e.distance, e.technique, "
                             "e.exercise, e.pool_length, m.name, m.town FROM events e JOIN meets m ON m.id = e.meet_id",
                             error);
    if (!events.ok())
        return false;
    while (events.Step(error)) {
        Event& event = events_[events.Number(0)];
        event.day = events.Text(1);
        SwimResult& shared = event.shared;
        shared.date = DayOfIso(event.day);
        shared.eventNumber = events.Text(2);
        shared.round = RoundFromLetter(events.Text(3)).value_or(Round::None);
        shared.firstLeg = events.Number(4) != 0;
        shared.distance = static_cast<std::int32_t>(events.Number(5));
        shared.technique = events.Text(6);
        shared.exercise = events.Text(7);
        shared.poolLength = events.Text(8);
        shared.meet = events.Text(9);
        shared.town = events.Text(10);
    }
    sqlite::Statement clubs(db, "SELECT id, name, number FROM clubs", error);
    if (!error.text.empty() || !clubs.ok())
        return false;
    while (clubs.Step(error))
        clubs_[clubs.Number(0)] = {clubs.Text(1), clubs.Text(2)};
    stale_ = !error.text.empty();
    return !stale_;
}

const SwimContexts::Event* SwimContexts::FindEvent(std::int64_t id) const
{
    const auto found = events_.find(id);
    return found != events_.end() ? &found->second : nullptr;
}

const std::pair<std::string, std::string>* SwimContexts::FindClub(std::int64_t id) const
{
    const auto found = clubs_.find(id);
    return found != clubs_.end() ? &found->second : nullptr;
}

}  // namespace natarix::resultstore
