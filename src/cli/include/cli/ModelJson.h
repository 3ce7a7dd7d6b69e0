#pragma once

#include <string>

#include "model/Competition.h"

namespace natarix {

// The whole model as one JSON object in UTF-8: the competition, the club and
// its swimmers, teams and officials in the order the model holds them.
std::string CompetitionToJson(const Competition& competition);

}  // namespace natarix
