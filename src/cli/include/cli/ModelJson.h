#pragma once

#include <string>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix {

// The whole model as one JSON object in UTF-8: the meet, then the club and its
// swimmers, teams and officials in the order `entries` holds them.
std::string ModelToJson(const MeetDefinition& meet, const ClubEntries& entries);

}  // namespace natarix
