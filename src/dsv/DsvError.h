#pragma once

#include <stdexcept>
#include <string>

namespace natarix {

// Content failure while reading a DSV file. Carries nothing but its message
// text (Windows-1252); the operation that started the reading shows it.
class DsvError : public std::runtime_error {
public:
    explicit DsvError(const std::string& message) : std::runtime_error(message) {}
    std::string message() const { return what(); }
};

}  // namespace natarix
