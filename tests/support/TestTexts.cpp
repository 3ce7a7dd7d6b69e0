#include "TestTexts.h"

namespace natarix {

void PrintTo(const Message& message, std::ostream* os)
{
    *os << static_cast<int>(message.kind) << " \"" << message.ShownText() << '"';
}

}  // namespace natarix

namespace natarix::test {

std::string Replaced(std::string text, std::string_view from, std::string_view to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "not in the test text: " << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace natarix::test
