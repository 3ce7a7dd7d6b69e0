#pragma once

#include <string>
#include <vector>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix::bench {

// Wettkampfergebnislisten of format 7 shaped like the organisers' programs
// write them: a comment before FORMAT, a blank after every colon, four
// sections over a weekend, 40 individual events with a WERTUNG per year of
// birth, the clubs, and then the results event by event, each with the name
// of its Wertung as a comment, some swims once more under the open Wertung,
// a few disqualified or not started, the swims of 100 m and more with their
// split at half the distance. Every list has exactly `results` PNERGEBNIS
// lines. The swimmers come from one pool of 60 clubs of 200 swimmers (a
// tenth of them with the unknown DSV-ID 000000), so that they recur from
// list to list; the club of SV Musterstadt swims in every other list. The
// lists' weekends run back from October 2026, fifty a year. UTF-8, CR LF.
std::vector<std::string> MakeResultLists(int lists, int results);
// A file name such as the organisers give, unique per list.
std::string ResultListName(int list);

// A meet of `events` individual events (both sexes, whole-stroke and one
// legs-only swim, each open to every year) on 16 and 17 January 2027 in a
// 25 m pool: its window takes the lists from 19 January 2026 on.
MeetDefinition MakeBestTimeMeet(int events);
// The first `swimmers` swimmers of SV Musterstadt as the lists name them;
// besides those the lists know only by name, every tenth has no DSV-ID
// recorded by the club either.
ClubEntries MakeBestTimeClub(int swimmers);

}  // namespace natarix::bench
