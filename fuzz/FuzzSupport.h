#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Competition.h"

namespace natarix::fuzz {

// Stops the run with the finding; libFuzzer then keeps the input that caused it.
[[noreturn]] void Fail(std::string_view what, std::string_view detail = {});

inline void Check(bool condition, std::string_view what, std::string_view detail = {})
{
    if (!condition)
        Fail(what, detail);
}

// A text of at most `maxLength` bytes, any bytes allowed.
std::string AnyText(FuzzedDataProvider& input, std::size_t maxLength = 40);

// Shapes a text so that the club entry list carries it unchanged: no ";", no
// comment opener, no leading blanks (the scanner skips them) and, where the
// reader trims, no trailing spaces or tabs. `dropCommas` for surnames, which
// end at the first comma.
std::string Carryable(std::string_view text, bool trimmedByReader, bool dropCommas = false);

// A number text whose value is above 0, as entry numbers and the later
// section numbers of an official must have; may carry leading zeros, a plus
// sign or trailing text.
std::string PositiveNumberText(FuzzedDataProvider& input);

}  // namespace natarix::fuzz
