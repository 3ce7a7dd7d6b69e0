#pragma once

#include <vector>

#include "dsv678/Document.h"
#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix::dsv678 {

// Maps a validated Vereinsmeldeliste onto `entries`; what cannot be placed
// (an entry to an event the meet lacks, a reference to an unknown person)
// is dropped with a warning in `warnings`.
void MapEntryList(const Document& document, const MeetDefinition& meet, ClubEntries& entries,
                  std::vector<Diagnostic>& warnings);

}  // namespace natarix::dsv678
