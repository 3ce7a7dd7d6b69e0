#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

#include "codec/Cp1252.h"
#include "codec/Utf8.h"
#include "dsv5/EntryListRefusal.h"

namespace natarix::fuzz {

void Fail(std::string_view what, std::string_view detail)
{
    std::fprintf(stderr, "FINDING: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

std::string AnyText(FuzzedDataProvider& input, std::size_t maxLength)
{
    return input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, maxLength));
}

std::string Carryable(std::string_view bytes, bool trimmedByReader, bool dropCommas)
{
    std::string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t start = i;
        // A byte that starts no UTF-8 character stands for its Windows-1252 one.
        const std::string character = DecodeUtf8(bytes, i) ? std::string(bytes.substr(start, i - start))
                                                           : Cp1252ToUtf8(bytes.substr(start, ++i - start));
        // The scanner skips blanks before a field.
        if (out.empty() && (character == " " || character == "\r" || character == "\n"))
            continue;
        if (!EntryListRefusal(out + character, "", dropCommas))
            out += character;
    }
    if (trimmedByReader)
        while (!out.empty() && (out.back() == ' ' || out.back() == '\t'))
            out.pop_back();
    return out;
}

std::string PositiveNumberText(FuzzedDataProvider& input)
{
    static constexpr const char* kPrefixes[] = {"", "", "0", "00", "+", "\t"};
    std::string text = kPrefixes[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kPrefixes) - 1)];
    text += std::to_string(input.ConsumeIntegralInRange<std::uint64_t>(1, 99999999999ULL));
    if (input.ConsumeBool())
        text += Carryable(AnyText(input, 6), false);
    return text;
}

}  // namespace natarix::fuzz
