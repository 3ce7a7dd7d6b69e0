#include "pdf/WinAnsi.h"

#include "codec/Cp1252.h"

namespace natarix {

namespace {

// The base letters of U+0100 to U+017F (Latin Extended-A); "?" where the
// character is no letter with a diacritic (ligatures, kra, eng, long s) or
// WinAnsi has it anyway.
constexpr std::string_view kExtendedABase =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKk?LlLlLlLlLlNnNnNn???"
    "OoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYy?ZzZzZz?";
static_assert(kExtendedABase.size() == 0x80);

char Fallback(char32_t codePoint)
{
    if (codePoint >= 0x100 && codePoint <= 0x17F)
        return kExtendedABase[codePoint - 0x100];
    // Romanian S and T with comma below.
    if (codePoint >= 0x218 && codePoint <= 0x21B)
        return "SsTt"[codePoint - 0x218];
    return '?';
}

}  // namespace

std::string ToWinAnsi(std::string_view utf8)
{
    return Utf8ToCp1252(utf8, Fallback);
}

}  // namespace natarix
