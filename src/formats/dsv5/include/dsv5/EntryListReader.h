#pragma once

#include <string>

#include "model/Competition.h"
#include "model/Messages.h"

namespace natarix {

enum class ReadCompleteness {
    Complete,    // everything up to "DATEIENDE" was read
    Incomplete,  // not opened, not read, stopped by an error, or unread records left
};

// Reads a club entry list back into the competition it was written for. What
// was read before a failure stays in the model; nothing is undone.
class EntryListReader {
public:
    explicit EntryListReader(std::string filePath) : filePath_(std::move(filePath)) {}

    // Shows its failures through `messages`.
    ReadCompleteness Read(Competition& competition, MessageSink& messages) const;

    // Parses the bytes into the competition; shows a DsvError as a plain
    // message that names `fileName` and the line where the reading stopped.
    static ReadCompleteness Parse(std::string bytes, Competition& competition, MessageSink& messages,
                                  std::string fileName = {});

private:
    std::string filePath_;
};

}  // namespace natarix
