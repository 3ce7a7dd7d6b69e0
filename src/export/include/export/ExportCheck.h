#pragma once

#include <string>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix {

// What the club should look at before it sends its entries.
struct ExportConcerns {
    std::string caption;
    std::string text;  // empty: nothing to say
};

// Entries the participant may not enter and, for meets of formats 6 to 8,
// relay line-ups with legs left open or a swimmer named twice, a contact
// without e-mail address and swimmers without DSV-ID: one warning, a line
// for each finding. Format 5 names the entries alone, as it always has.
ExportConcerns CheckBeforeExport(const MeetDefinition& meet, const ClubEntries& entries);

}  // namespace natarix
