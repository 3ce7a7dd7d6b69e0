#include <gtest/gtest.h>

#include <string>

#include "codec/Cp1252.h"
#include "codec/Utf8.h"

namespace natarix {
namespace {

TEST(Cp1252, EveryByteConvertsToUtf8AndBack)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << byte;
        all += one;
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheSpecialBytes)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\x80", "\xE2\x82\xAC"},  // euro sign
        {"\x8C", "\xC5\x92"},      // capital OE
        {"\x81", "\xC2\x81"},      // the five undefined bytes are the C1 controls
        {"\x8D", "\xC2\x8D"},
        {"\x8F", "\xC2\x8F"},
        {"\x90", "\xC2\x90"},
        {"\x9D", "\xC2\x9D"},
        {"Gr\xFC\xDF", "Gr\xC3\xBC\xC3\x9F"},
        {"A\x7F", "A\x7F"},
    };
    for (const auto& [cp1252, utf8] : cases) {
        EXPECT_EQ(Cp1252ToUtf8(cp1252), utf8);
        EXPECT_EQ(Utf8ToCp1252(utf8), cp1252);
    }
}

TEST(Cp1252, MarksInvalidUtf8AndUnrepresentableCharacters)
{
    const std::string invalid[] = {
        "\xC0\xAF",          // overlong "/"
        "\xE0\x80\xAF",      // overlong, three bytes
        "\xF0\x80\x80\xAF",  // overlong, four bytes
        "\xED\xA0\x80",      // surrogate
        "a\xE2\x82",         // truncated euro sign
        "\xC3",              // truncated at the end
        "\x80",              // lone continuation byte
        "\xC3\x28",          // continuation byte missing
        "\xF4\x90\x80\x80",  // beyond U+10FFFF
        "\xFF",
    };
    for (const std::string& text : invalid) {
        EXPECT_NE(Utf8ToCp1252(text).find('?'), std::string::npos) << text;
        EXPECT_NE(MendUtf8(text).find('?'), std::string::npos) << text;
        bool decoded = true;
        for (std::size_t i = 0; decoded && i < text.size();)
            decoded = DecodeUtf8(text, i).has_value();
        EXPECT_FALSE(decoded) << text;
    }
    const std::string unrepresentable[] = {
        "\xC4\x80",          // U+0100, not in Windows-1252
        "\xE2\x82\xAD",      // U+20AD
        "\xF0\x9F\x98\x80",  // U+1F600
    };
    for (const std::string& text : unrepresentable) {
        EXPECT_EQ(Utf8ToCp1252("a" + text + "b"), "a?b") << text;
        EXPECT_EQ(MendUtf8(text), text);
    }
}

}  // namespace
}  // namespace natarix
