#pragma once

#include <stdexcept>
#include <string>

namespace natarix {

// Content failure while reading a DSV file, with its message text
// (UTF-8). The scanner and the readers unwind with it; a reader's
// entry point turns it into the failure of its ReadResult, with the place
// where the reading stopped, so it never leaves the reader.
class DsvError : public std::runtime_error {
public:
    explicit DsvError(const std::string& message) : std::runtime_error(message) {}
    std::string message() const { return what(); }
};

}  // namespace natarix
