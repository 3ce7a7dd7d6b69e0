#pragma once

#include <string_view>

namespace natarix {

// Raised by both readers when the format number is not 5.
inline constexpr std::string_view kWrongFormatMessage = "Falsches Format";

}  // namespace natarix
