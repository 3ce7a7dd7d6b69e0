#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

#include "Lines.h"
#include "model/DsvError.h"
#include "model/Messages.h"

namespace natarix {
// Readable failure output for message comparisons.
void PrintTo(const Message& message, std::ostream* os);
}  // namespace natarix

namespace natarix::test {

// The text with the first occurrence of `from` replaced by `to`; a `from`
// that is missing fails the test, so that a table row cannot silently test
// the unchanged text.
std::string Replaced(std::string text, std::string_view from, std::string_view to);

// The failure text of the ReadResult that `action` returns, or of the
// DsvError that an `action` of the scanner raises; "(no error)" for none.
template <typename Action>
std::string ErrorOf(Action&& action)
{
    if constexpr (std::is_void_v<decltype(action())>) {
        try {
            action();
        } catch (const DsvError& error) {
            return error.message();
        }
        return "(no error)";
    } else {
        const auto result = action();
        return result.ok() ? "(no error)" : result.failure().text;
    }
}

// The line at which the failure of the ReadResult that `action` returns
// says that the reading stopped; 0 for none.
template <typename Action>
std::size_t ErrorLineOf(Action&& action)
{
    const auto result = action();
    return !result.ok() && result.failure().location ? result.failure().location->line : 0;
}

}  // namespace natarix::test
