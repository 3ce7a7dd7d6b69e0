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
};

// Reads the result lists and imports them in one batch; a list that cannot
// be read or kept is passed over. `goOn(done)` is asked before each file and
// stops the import with false. Fails when the database fails (the batch
// cannot begin, an import or the keeping fails); then nothing of it is kept.
ReadResult<FilesImport> ImportResultListFiles(ResultStore& store, const std::vector<std::string>& paths,
                                              const std::function<bool(std::size_t done)>& goOn = {});

}  // namespace natarix
