#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/Club.h"
#include "model/Participant.h"

namespace natarix {

// What the club records against a competition: itself, its swimmers, relay
// teams and officials. The three sets hand out their members in the order
// they were added.
class ClubEntries {
public:
    Club club;
    std::vector<Coach> coaches;  // formats 6 to 8

    const std::vector<std::unique_ptr<Swimmer>>& swimmers() const { return swimmers_; }
    const std::vector<std::unique_ptr<Team>>& teams() const { return teams_; }
    const std::vector<std::unique_ptr<Official>>& officials() const { return officials_; }
    // A swimmer or team without a Veranstaltungs-ID, or with one that another
    // member has, gets the next free one.
    Swimmer* AddSwimmer(std::unique_ptr<Swimmer> swimmer);
    Team* AddTeam(std::unique_ptr<Team> team);
    Official* AddOfficial(std::unique_ptr<Official> official);
    // Destroy the member that is this very object; others are ignored. A
    // removed swimmer leaves the legs it swam empty.
    void RemoveSwimmer(const Swimmer* swimmer);
    void RemoveTeam(const Team* team);
    void RemoveOfficial(const Official* official);

    // The number of the coach of that name, for a swimmer to name; a name
    // no coach has yet adds a coach with the next free number. 0, no coach,
    // for the empty name.
    std::int32_t CoachNumber(const std::string& name);

    // The swimmer of that Veranstaltungs-ID, or nullptr.
    const Swimmer* FindSwimmer(std::int32_t meetId) const;

    std::int64_t CountIndividualEntries() const;
    std::int64_t CountRelayEntries() const;

    // The Veranstaltungs-IDs of one kind in use, and the highest ever given.
    struct MeetIds {
        std::unordered_set<std::int32_t> used;
        std::int32_t highest = 0;
    };

private:
    std::vector<std::unique_ptr<Swimmer>> swimmers_;
    std::vector<std::unique_ptr<Team>> teams_;
    std::vector<std::unique_ptr<Official>> officials_;
    MeetIds swimmerIds_;
    // Relay teams count from 9001, as importers' authors advise: far from
    // the persons' numbers, a mixed-up reference shows at once.
    MeetIds teamIds_{{}, 9000};
};

}  // namespace natarix
