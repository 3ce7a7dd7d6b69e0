#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

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

std::string Carryable(std::string_view text, bool trimmedByReader, bool dropCommas)
{
    std::string out;
    for (const char c : text) {
        if (c == ';' || (dropCommas && c == ','))
            continue;
        if (c == '*' && !out.empty() && out.back() == '(')
            continue;
        if (out.empty() && (c == ' ' || c == '\r' || c == '\n'))
            continue;
        out += c;
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
