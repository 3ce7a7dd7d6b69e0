#pragma once

#include <memory>
#include <string>

#include "model/Competition.h"
#include "model/Messages.h"

namespace natarix {

class DsvScanner;

// Reads a competition definition list ("WETTKAMPFDEFINITIONSLISTE:", format 5)
// all or nothing: the first deviation from the expected lines ends the reading.
class DefinitionReader {
public:
    explicit DefinitionReader(std::string path) : path_(std::move(path)) {}

    // The new competition, or nullptr after a file-level failure (which is
    // shown through `messages`). A content failure is raised as DsvError.
    std::unique_ptr<Competition> Read(MessageSink& messages) const;

    // Parses the bytes of a definition list; raises DsvError, which names
    // `fileName` and the line where the reading stopped.
    static std::unique_ptr<Competition> Parse(std::string bytes, std::string fileName = {});

private:
    static std::unique_ptr<Competition> ParseList(DsvScanner& scanner);

    std::string path_;
};

}  // namespace natarix
