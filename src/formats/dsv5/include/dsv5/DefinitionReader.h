#pragma once

#include <memory>
#include <string>

#include "model/MeetDefinition.h"
#include "model/ReadResult.h"
#include "platform/FileIo.h"

namespace natarix {

class DsvScanner;

using DefinitionRead = ReadResult<std::unique_ptr<MeetDefinition>>;

// What the user learns when the file of a definition list, of any format,
// cannot be opened or read (`status` is not Ok).
Message DefinitionFileFailure(ReadStatus status);

// Reads a competition definition list ("WETTKAMPFDEFINITIONSLISTE:", format 5)
// all or nothing: the first deviation from the expected lines ends the reading.
class DefinitionReader {
public:
    explicit DefinitionReader(std::string path) : path_(std::move(path)) {}

    // The new meet definition, or the failure: a warning when the file cannot be
    // opened or read, a plain message naming file and line for its content.
    DefinitionRead Read() const;

    // Parses the bytes of a definition list; a failure names `fileName` and
    // the line where the reading stopped.
    static DefinitionRead Parse(std::string bytes, std::string fileName = {});

private:
    static std::unique_ptr<MeetDefinition> ParseList(DsvScanner& scanner);

    std::string path_;
};

}  // namespace natarix
