#pragma once

#include <string>

#include "model/Competition.h"
#include "model/ReadResult.h"

namespace natarix {

enum class ReadCompleteness {
    Complete,    // everything up to "DATEIENDE" was read
    Incomplete,  // records were left unread before "DATEIENDE"
};

// How far the reading got; a failure means it stopped before the end.
using EntryListRead = ReadResult<ReadCompleteness>;

// Reads a club entry list back into the competition it was written for. What
// was read before a failure stays in the model; nothing is undone.
class EntryListReader {
public:
    explicit EntryListReader(std::string filePath) : filePath_(std::move(filePath)) {}

    // A failure is a warning when the file cannot be opened or read.
    EntryListRead Read(Competition& competition) const;

    // Parses the bytes into the competition; a failure is a plain message
    // that names `fileName` and the line where the reading stopped.
    static EntryListRead Parse(std::string bytes, Competition& competition, std::string fileName = {});

private:
    std::string filePath_;
};

}  // namespace natarix
