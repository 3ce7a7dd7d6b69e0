#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Messages.h"
#include "model/ReadResult.h"
#include "resultstore/ResultStore.h"

namespace natarix {

// One file of an import: what its reading noted, and what it brought or why
// it brought nothing.
struct ListImport {
    std::string path;
    std::vector<Message> warnings;
    std::optional<Message> failure;  // not read, or refused by the database
    ResultStore::Imported imported;
};

struct FilesImport {
    std::vector<ListImport> lists;  // the files looked at, in order
    ResultStore::Imported total;
    // The database refused the last list; the import stopped there, and
    // the lists before it are kept.
    bool storeFailed = false;
};

// Reads the result lists and imports them in one batch, each list undone
// alone when the database refuses it. `goOn(done)` is asked before each file
// and stops the import with false. Fails when the batch cannot begin or be
// kept; then nothing of it is kept.
ReadResult<FilesImport> ImportResultListFiles(ResultStore& store, const std::vector<std::string>& paths,
                                              const std::function<bool(std::size_t done)>& goOn = {});

}  // namespace natarix
