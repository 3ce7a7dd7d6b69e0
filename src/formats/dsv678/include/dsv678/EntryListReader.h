#pragma once

#include <string>
#include <string_view>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"
#include "model/ReadResult.h"

namespace natarix::dsv678 {

// Reads a format 6, 7 or 8 Vereinsmeldeliste (or a .DSV8z holding one) onto
// the club side of `meet`: the club, its contact, officials, coaches,
// swimmers and teams with their entries and line-ups, added to `entries`.
// The value is the format version. A failure names `fileName` and the line
// where the reading stopped, and leaves `entries` as it was; every warning
// is one plain message that names its lines.
natarix::ReadResult<int> ReadEntryList(std::string_view bytes, const std::string& fileName, const MeetDefinition& meet,
                                       ClubEntries& entries);

}  // namespace natarix::dsv678
