#pragma once

#include <string>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix::reliability {

// The meet both working files of the save loop are written for.
const MeetDefinition& SaveLoopMeet();

// The two club sides that the save loop writes in turn: of different size
// and content, so that a file holding parts of both matches neither.
ClubEntries SaveLoopEntries(int which);

// The working file of SaveLoopEntries(which), byte for byte.
std::string SaveLoopText(int which);

}  // namespace natarix::reliability
