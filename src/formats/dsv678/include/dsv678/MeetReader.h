#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/MeetDefinition.h"
#include "model/ReadResult.h"

namespace natarix::dsv678 {

// Reads a format 6, 7 or 8 Wettkampfdefinitionsliste, or a .DSV8z archive
// holding one, into the meet model. A failure names `fileName` and the line
// where the reading stopped (none when it concerns the whole file); every
// warning is one plain message that names its lines.
natarix::ReadResult<std::unique_ptr<MeetDefinition>> ReadMeet(std::string_view bytes, const std::string& fileName);

}  // namespace natarix::dsv678
