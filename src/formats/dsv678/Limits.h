#pragma once

#include <cstddef>

namespace natarix::dsv678 {

// What the reader takes from one file at most. Each is far above what a real
// definition list needs (the largest known has 50 KB and a handful of
// warnings); they keep a crafted file from filling memory.

// The bytes of a list, as read or as unpacked from a .DSV8z.
inline constexpr std::size_t kLargestListBytes = 64 * 1024 * 1024;
inline constexpr const char* kLargestListText = "64 MB";

// Warnings of different texts; the lines of any further ones are counted in
// one last warning.
inline constexpr std::size_t kMostWarningTexts = 1000;

// Characters of a name or value from the file that a message shows.
inline constexpr std::size_t kLongestShownText = 60;

}  // namespace natarix::dsv678
