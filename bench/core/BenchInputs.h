#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix::bench {

// A valid definition list ("WETTKAMPFDEFINITIONSLISTE:") of about `targetBytes`
// bytes: sections of 24 events each, every event with the scoring classes a
// real meet has (year ranges, age bands, youth classes, mandatory times),
// comments, fees and own fees. Windows-1252 bytes, CR LF line ends.
std::string MakeDefinitionList(std::size_t targetBytes);

// The same for format 7 ("FORMAT:Wettkampfdefinitionsliste;7;"), shaped like
// the organisers' files: two sections a day, events with a comment each and
// some with a final, a scoring class per year of birth, mandatory times and
// fees per event. UTF-8, CR LF line ends.
std::string MakeFormat7DefinitionList(std::size_t targetBytes);

// The club side that real clubs record: swimmers of both sexes with their
// entries, relay teams with theirs, and officials.
struct ClubShape {
    int swimmers = 0;
    int entriesPerSwimmer = 5;
    int teams = 0;
    int entriesPerTeam = 0;
    int officials = 0;

    long long EntryCount() const
    {
        return static_cast<long long>(swimmers) * entriesPerSwimmer + static_cast<long long>(teams) * entriesPerTeam;
    }
};

// A club of `swimmers` swimmers with 5 entries each, one relay team with two
// entries per ten swimmers and one official per ten swimmers (at least one of
// each).
ClubShape ClubOfSwimmers(int swimmers);
// A club whose entries number exactly `entries` (a multiple of 100): one team
// with 5 relay entries per 100 entries, the rest swimmers with 5 entries each.
ClubShape ClubOfEntries(int entries, int officials);

// The bytes of the definition list the clubs are recorded against (about 10 KB).
const std::string& ClubDefinitionList();
// That meet, read once.
const MeetDefinition& ClubMeet();
// The club side of `shape`, recorded against ClubMeet().
ClubEntries MakeClubEntries(const ClubShape& shape);

}  // namespace natarix::bench
