#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace natarix {

// A swim time in hundredths from the entry field's "MM:SS,hh" or the lists'
// "HH:MM:SS,hh"; nothing for any other text.
std::optional<std::int64_t> SwimTimeHundredths(std::string_view text);

// "00:01:32,48", the lists' form.
std::string ListTimeText(std::int64_t hundredths);
// "01:32,48", the entry field's form; empty from an hour on, which the field cannot hold.
std::string EntryTimeText(std::int64_t hundredths);
// "1:32,48", "32,48", "1:02:03,04": as people write a time.
std::string ShownTimeText(std::int64_t hundredths);

}  // namespace natarix
