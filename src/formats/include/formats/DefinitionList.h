#pragma once

#include <memory>
#include <string>

#include "model/MeetDefinition.h"
#include "model/ReadResult.h"

namespace natarix {

// Reads the competition definition list at `path` with the reader of its
// format: the new meet definition, or the failure that ended the reading.
ReadResult<std::unique_ptr<MeetDefinition>> ReadDefinitionList(const std::string& path);

}  // namespace natarix
