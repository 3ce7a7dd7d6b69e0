#include "model/Round.h"

#include <array>
#include <utility>

namespace natarix {

namespace {

struct RoundText {
    Round round;
    std::string_view letter;
    std::string_view name;
};

constexpr std::array<RoundText, 6> kRounds = {{
    {Round::Heats, "V", "Vorlauf"},
    {Round::SemiFinal, "Z", "Zwischenlauf"},
    {Round::Final, "F", "Finale"},
    {Round::Decider, "E", "Entscheidung"},
    {Round::SwimOff, "A", "Ausschwimmen"},
    {Round::ReSwim, "N", "Nachschwimmen"},
}};

const RoundText* TextOf(Round round)
{
    for (const auto& text : kRounds)
        if (text.round == round)
            return &text;
    return nullptr;
}

}  // namespace

std::string_view RoundLetter(Round round)
{
    const RoundText* text = TextOf(round);
    return text != nullptr ? text->letter : std::string_view();
}

std::string_view RoundName(Round round)
{
    const RoundText* text = TextOf(round);
    return text != nullptr ? text->name : std::string_view();
}

std::optional<Round> RoundFromLetter(std::string_view letter)
{
    if (letter.size() != 1)
        return std::nullopt;
    const char upper = letter[0] >= 'a' && letter[0] <= 'z' ? static_cast<char>(letter[0] - 'a' + 'A') : letter[0];
    for (const auto& text : kRounds)
        if (text.letter[0] == upper)
            return text.round;
    return std::nullopt;
}

bool TakesEntries(Round round)
{
    return round == Round::None || round == Round::Heats || round == Round::Decider;
}

}  // namespace natarix
