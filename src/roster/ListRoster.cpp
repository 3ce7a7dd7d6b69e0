#include "RosterRecords.h"
#include "roster/TakeOver.h"

namespace natarix {

std::vector<RosterItem> ListRoster(const ClubEntries& from, const MeetDefinition& meet, const ClubEntries& to)
{
    using Kind = RosterItem::Kind;
    std::vector<RosterItem> items;
    if (!from.club.clubName.empty())
        items.push_back({Kind::Club,
                         0,
                         roster::ClubRecord(from.club),
                         !to.club.clubName.empty(),
                         {},
                         roster::Refusal(meet, from.club)});
    for (std::size_t i = 0; i < from.swimmers().size(); ++i) {
        const Swimmer& swimmer = *from.swimmers()[i];
        items.push_back({Kind::Swimmer, i, roster::SwimmerRecord(swimmer), roster::SameSwimmer(to, swimmer) != nullptr,
                         roster::CannotTakePart(meet, swimmer), roster::Refusal(meet, swimmer)});
    }
    for (std::size_t i = 0; i < from.teams().size(); ++i) {
        const Team& team = *from.teams()[i];
        items.push_back({Kind::Team, i, roster::TeamRecord(team), roster::SameTeam(to, team) != nullptr,
                         roster::CannotTakePart(meet, team), roster::Refusal(meet, team)});
    }
    for (std::size_t i = 0; i < from.officials().size(); ++i) {
        const Official& official = *from.officials()[i];
        items.push_back({Kind::Official,
                         i,
                         roster::OfficialRecord(official),
                         roster::SameOfficial(to, official) != nullptr,
                         {},
                         roster::Refusal(meet, official)});
    }
    return items;
}

}  // namespace natarix
