#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace natarix {

// The Unicode code points of the bytes 0x80 to 0x9F. The five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// controls of the same number, so that every byte converts both ways.
inline constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t Cp1252ToCodePoint(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : char32_t{byte};
}

// The byte for a code point, or -1 when Windows-1252 has none.
constexpr int CodePointToCp1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] == codePoint)
            return static_cast<int>(0x80 + i);
    return -1;
}

// Every byte has its character, so decoding never fails and is undone
// exactly by Utf8ToCp1252.
std::string Cp1252ToUtf8(std::string_view cp1252);

// A character that Windows-1252 cannot hold, and each byte that starts no
// UTF-8 character, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace natarix
