#include "Lines.h"

namespace natarix::test {

std::string Lines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    bool first = true;
    for (const std::string_view line : lines) {
        if (!first)
            text += "\r\n";
        text += line;
        first = false;
    }
    return text;
}

}  // namespace natarix::test
