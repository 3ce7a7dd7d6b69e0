#pragma once

#include <memory>
#include <string>

#include "model/Competition.h"
#include "model/ReadResult.h"

namespace natarix {

// Reads the competition definition list at `path` with the reader of its
// format: the new competition, or the failure that ended the reading.
ReadResult<std::unique_ptr<Competition>> ReadDefinitionList(const std::string& path);

}  // namespace natarix
