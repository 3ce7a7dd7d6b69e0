#pragma once

#include <cstdint>
#include <memory>
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

    const std::vector<std::unique_ptr<Swimmer>>& swimmers() const { return swimmers_; }
    const std::vector<std::unique_ptr<Team>>& teams() const { return teams_; }
    const std::vector<std::unique_ptr<Official>>& officials() const { return officials_; }
    Swimmer* AddSwimmer(std::unique_ptr<Swimmer> swimmer);
    Team* AddTeam(std::unique_ptr<Team> team);
    Official* AddOfficial(std::unique_ptr<Official> official);
    // Destroy the member that is this very object; others are ignored.
    void RemoveSwimmer(const Swimmer* swimmer);
    void RemoveTeam(const Team* team);
    void RemoveOfficial(const Official* official);

    std::int64_t CountIndividualEntries() const;
    std::int64_t CountRelayEntries() const;

private:
    std::vector<std::unique_ptr<Swimmer>> swimmers_;
    std::vector<std::unique_ptr<Team>> teams_;
    std::vector<std::unique_ptr<Official>> officials_;
};

}  // namespace natarix
