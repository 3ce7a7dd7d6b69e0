#pragma once

#include <memory>
#include <string>

#include "model/Competition.h"
#include "model/Messages.h"

namespace natarix {

// Reads the competition definition list at `path` with the reader of its
// format: the new competition, or nullptr after a file-level failure (shown
// through `messages`). A content failure is raised as DsvError.
std::unique_ptr<Competition> ReadDefinitionList(const std::string& path, MessageSink& messages);

}  // namespace natarix
