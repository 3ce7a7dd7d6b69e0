#include "dsv5/EntryListRefusal.h"

#include <cstdio>

#include "codec/Cp1252.h"
#include "codec/Utf8.h"

namespace natarix {

namespace {

std::string Refusal(std::string_view fieldName, std::string_view what)
{
    return std::string("Im Feld \"").append(fieldName).append("\" ist ").append(what).append(" nicht erlaubt.");
}

std::string CodePointName(char32_t codePoint)
{
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

// The character at `index`, advancing past it, and whether it is one; see
// the header for what is not UTF-8.
struct Character {
    char32_t codePoint;
    bool valid;
};

Character NextCharacter(std::string_view text, std::size_t& index)
{
    if (const auto codePoint = DecodeUtf8(text, index))
        return {*codePoint, true};
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[index + k]); };
    if (text.size() - index >= 3 && byte(0) == 0xED && (byte(1) & 0xE0) == 0xA0 && (byte(2) & 0xC0) == 0x80) {
        const char32_t surrogate = 0xD000 | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        index += 3;
        return {surrogate, false};
    }
    ++index;
    return {0xFFFD, false};
}

}  // namespace

std::optional<std::string> EntryListRefusal(std::string_view text, std::string_view fieldName, bool endsAtComma,
                                            ListCharacters characters)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, valid] = NextCharacter(text, i);
        if (!valid || (characters == ListCharacters::Windows1252 && CodePointToCp1252(c) < 0))
            return Refusal(fieldName, "das Zeichen " + CodePointName(c));
        // The entry list is read line by line by the organisers' programs: a
        // line break inside a field would cut its line in two.
        if (c == U'\r' || c == U'\n')
            return Refusal(fieldName, "ein Zeilenumbruch");
        if (c == U';' || (c == U',' && endsAtComma))
            return Refusal(fieldName, std::string("das Zeichen \"") + static_cast<char>(c) + "\"");
        if (c == U'(' && i < text.size() && text[i] == '*')
            return Refusal(fieldName, "die Zeichenfolge \"(*\"");
    }
    return std::nullopt;
}

}  // namespace natarix
