#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "model/DsvError.h"
#include "model/Messages.h"

namespace natarix {
// Readable failure output for message comparisons.
void PrintTo(const Message& message, std::ostream* os);
}  // namespace natarix

namespace natarix::test {

// Joins the lines with CR LF; the last line gets none, as in the DSV files.
std::string Lines(std::initializer_list<std::string_view> lines);

// The text with the first occurrence of `from` replaced by `to`; a `from`
// that is missing fails the test, so that a table row cannot silently test
// the unchanged text.
std::string Replaced(std::string text, std::string_view from, std::string_view to);

// The message of the DsvError that `action` raises, or "(no error)".
template <typename Action>
std::string ErrorOf(Action&& action)
{
    try {
        action();
    } catch (const DsvError& error) {
        return error.message();
    }
    return "(no error)";
}

// The line at which the DsvError that `action` raises says that the reading
// stopped; 0 for none.
template <typename Action>
std::size_t ErrorLineOf(Action&& action)
{
    try {
        action();
    } catch (const DsvError& error) {
        return error.location() ? error.location()->line : 0;
    }
    return 0;
}

}  // namespace natarix::test
