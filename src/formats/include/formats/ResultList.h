#pragma once

#include <string>

#include "model/ReadResult.h"
#include "model/SwimResult.h"

namespace natarix {

// Reads the result list at `path`, a Wettkampfergebnisliste or a
// Vereinsergebnisliste of formats 6 to 8 (or a .DSV8z holding one), for
// entry times. A file that cannot be opened or read fails with a warning; a
// list of format 5 fails with the note that result lists are read from
// format 6 on; content the reader refuses fails with its line.
ReadResult<ResultList> ReadResultListFile(const std::string& path);

}  // namespace natarix
