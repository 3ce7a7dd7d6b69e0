#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

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

// A model text (UTF-8) from any bytes that the club entry list carries
// unchanged: each character kept that the format's own rule
// (EntryListRefusal) lets through after those kept, no leading blanks (the
// scanner skips them) and, where the reader trims, no trailing spaces or
// tabs. `dropCommas` for surnames, which end at the first comma.
std::string Carryable(std::string_view bytes, bool trimmedByReader, bool dropCommas = false);

// A number text whose value is above 0, as entry numbers and the later
// section numbers of an official must have; may carry leading zeros, a plus
// sign or trailing text.
std::string PositiveNumberText(FuzzedDataProvider& input);

}  // namespace natarix::fuzz
