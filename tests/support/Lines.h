#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace natarix::test {

// Joins the lines with CR LF; the last line gets none, as in the DSV files.
std::string Lines(std::initializer_list<std::string_view> lines);

}  // namespace natarix::test
