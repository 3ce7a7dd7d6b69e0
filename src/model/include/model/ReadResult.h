#pragma once

#include <utility>
#include <variant>
#include <vector>

#include "model/Messages.h"

namespace natarix {

// What every reader hands back: the value it read, or the failure that ended
// the reading (a message with its kind and, for a content failure, the file
// and line where the reading stopped). Either way it carries the warnings
// collected on the way, to be shown once, after the reading. No reader lets
// an exception out.
template <typename T>
class ReadResult {
public:
    ReadResult(T value, std::vector<Message> warnings = {})
        : outcome_(std::in_place_index<0>, std::move(value)), warnings_(std::move(warnings))
    {
    }

    static ReadResult Failed(Message failure, std::vector<Message> warnings = {})
    {
        return ReadResult(std::in_place_index<1>, std::move(failure), std::move(warnings));
    }

    bool ok() const { return outcome_.index() == 0; }
    // Only when ok().
    T& value() & { return std::get<0>(outcome_); }
    const T& value() const& { return std::get<0>(outcome_); }
    T value() && { return std::move(std::get<0>(outcome_)); }
    // Only when not ok().
    const Message& failure() const { return std::get<1>(outcome_); }
    const std::vector<Message>& warnings() const { return warnings_; }

private:
    ReadResult(std::in_place_index_t<1>, Message failure, std::vector<Message> warnings)
        : outcome_(std::in_place_index<1>, std::move(failure)), warnings_(std::move(warnings))
    {
    }

    std::variant<T, Message> outcome_;
    std::vector<Message> warnings_;
};

}  // namespace natarix
