#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "model/Messages.h"
#include "model/ReadLocation.h"

namespace natarix {

// Content failure while reading a DSV file: its message text (UTF-8)
// and, once the reader has passed it on, where the reading stopped. The
// operation that started the reading shows it.
class DsvError : public std::runtime_error {
public:
    explicit DsvError(const std::string& message) : std::runtime_error(message) {}
    std::string message() const { return what(); }

    const std::optional<ReadLocation>& location() const { return location_; }
    void SetLocation(ReadLocation location) { location_ = std::move(location); }

    // As the user is shown it.
    Message ToMessage() const
    {
        return location_ ? Message::ReadFailure(message(), *location_) : Message::Plain(message());
    }

private:
    std::optional<ReadLocation> location_;
};

}  // namespace natarix
