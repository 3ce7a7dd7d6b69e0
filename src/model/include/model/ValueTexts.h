#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace natarix {

// The decimal value of a text as the DSV files use it for numbers and keys:
// leading white space skipped, an optional sign, digits up to the first other
// character; no digits give 0. Values beyond 32 bits saturate.
std::int32_t NumberValue(std::string_view text);

// A number key as the file gave it, with its value worked out once: working
// it out costs the whole text (a megabyte of leading zeros is still one
// number), and a map compares every stored key on each insertion and lookup.
class NumberKey : public std::string {
public:
    NumberKey(std::string text) : std::string(std::move(text)), value_(NumberValue(*this)) {}
    NumberKey(const char* text) : NumberKey(std::string(text)) {}

    std::int32_t value() const { return value_; }

private:
    std::int32_t value_;
};

// Orders number keys (section, event and entry numbers) by their value, so
// that "2" < "10" and "1" and "01" are the same key.
struct NumberKeyLess {
    using is_transparent = void;

    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const
    {
        return ValueOf(a) < ValueOf(b);
    }

private:
    template <typename T>
    static std::int32_t ValueOf(const T& key)
    {
        if constexpr (std::is_same_v<T, NumberKey>)
            return key.value();
        else
            return NumberValue(key);
    }
};

// The text without trailing spaces and tabs; line ends stay.
std::string TrimRight(std::string_view text);

// An amount "euros,cents" in whole cents; computed in 64 bits and saturated
// to the 32-bit range.
std::int32_t ParseAmount(std::string_view text);

// Whether two texts are the same but for the case of ASCII letters.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace natarix
