#pragma once

#include <string>
#include <string_view>

namespace natarix::dsv678 {

struct DecodedText {
    std::string utf8;
    // The bytes were not valid UTF-8 and were read as Windows-1252.
    bool readAsWindows1252 = false;
};

// Drops a UTF-8 byte-order mark; keeps strictly valid UTF-8 as it is and
// reads anything else as Windows-1252.
DecodedText DecodeFileText(std::string_view bytes);

// Its two steps, for a caller that reads valid UTF-8 in place.
std::string_view WithoutByteOrderMark(std::string_view bytes);
// Strictly: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

}  // namespace natarix::dsv678
