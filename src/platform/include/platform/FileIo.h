#pragma once

#include <string>
#include <string_view>

#include "platform/FileOps.h"

namespace natarix {

enum class ReadStatus { Ok, OpenFailed, ReadFailed };

struct FileContent {
    ReadStatus status = ReadStatus::Ok;
    std::string bytes;
};

// Reads a whole file in binary. A folder, a named pipe or anything else but a
// regular file, a missing file or a file that cannot be opened is
// OpenFailed; a failing read is ReadFailed.
FileContent ReadWholeFile(const std::string& path);

enum class SaveStatus { Ok, CreateFailed, WriteFailed };

// Writes the bytes to a temporary file beside `path` (one fixed name per
// target), flushes it to the disk and renames it over `path`. On any failure
// the previous file stays as it was and the temporary file is removed.
SaveStatus SaveFileAtomically(const std::string& path, std::string_view bytes, FileOps& ops = SystemFileOps());

// The temporary file that SaveFileAtomically uses for `path`.
std::string TemporaryPathFor(const std::string& path);

}  // namespace natarix
