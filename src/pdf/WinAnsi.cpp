#include "pdf/WinAnsi.h"

#include "codec/Cp1252.h"
#include "codec/Utf8.h"

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
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto codePoint = DecodeUtf8(utf8, i);
        if (!codePoint) {
            ++i;
            out += '?';
            continue;
        }
        const int byte = CodePointToCp1252(*codePoint);
        out += byte < 0 ? Fallback(*codePoint) : static_cast<char>(byte);
    }
    return out;
}

}  // namespace natarix
