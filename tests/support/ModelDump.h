#pragma once

#include <string>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix::test {

// The members of a scoring class that its kind uses.
std::string Describe(const ScoringClass& scoringClass);

// Every member of the meet, or of the club's side, in one text: two models
// compare field by field and in set order, and a difference shows as a
// readable diff.
std::string Dump(const MeetDefinition& meet);
std::string Dump(const ClubEntries& entries);

}  // namespace natarix::test
