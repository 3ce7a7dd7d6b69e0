#pragma once

#include "dsv5/DsvScanner.h"
#include "model/MeetDefinition.h"

namespace natarix {

// The "ABSCHNITT:" and "WETTKAMPF:" lines that both lists begin with, added
// to the meet; a section's "EINLASS:" is read where the line has one.
void ReadSection(DsvScanner& scanner, MeetDefinition& meet);
void ReadEvent(DsvScanner& scanner, MeetDefinition& meet);

}  // namespace natarix
