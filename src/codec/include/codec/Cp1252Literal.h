#pragma once

#include <cstddef>
#include <string_view>

#include "codec/Cp1252.h"

// Message texts are written in UTF-8 in the source, where they can be read and
// searched, and turned into Windows-1252 bytes at compile time:
//   "Ungültige Zeitnahme"_w1252
// A character that Windows-1252 cannot hold stops the compilation.

namespace natarix {

template <std::size_t N>
struct Utf8Literal {
    char bytes[N]{};
    consteval Utf8Literal(const char (&text)[N])
    {
        for (std::size_t i = 0; i < N; ++i)
            bytes[i] = text[i];
    }
};

template <std::size_t N>
struct Cp1252Text {
    char bytes[N]{};
    std::size_t size = 0;
};

template <std::size_t N>
consteval Cp1252Text<N> ConvertLiteral(const Utf8Literal<N>& literal)
{
    Cp1252Text<N> result;
    std::size_t i = 0;
    while (i + 1 < N) {
        const auto lead = static_cast<unsigned char>(literal.bytes[i]);
        char32_t codePoint = 0;
        std::size_t length = 1;
        if (lead < 0x80) {
            codePoint = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            codePoint = lead & 0x1F;
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            codePoint = lead & 0x0F;
            length = 3;
        } else {
            throw "only characters up to U+FFFF belong in a message text";
        }
        for (std::size_t k = 1; k < length; ++k)
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(literal.bytes[i + k]) & 0x3F);
        const int byte = CodePointToCp1252(codePoint);
        if (byte < 0)
            throw "character not representable in Windows-1252";
        result.bytes[result.size++] = static_cast<char>(byte);
        i += length;
    }
    return result;
}

template <Utf8Literal Literal>
inline constexpr auto kCp1252Literal = ConvertLiteral(Literal);

template <Utf8Literal Literal>
constexpr std::string_view operator""_w1252()
{
    return {kCp1252Literal<Literal>.bytes, kCp1252Literal<Literal>.size};
}

}  // namespace natarix
