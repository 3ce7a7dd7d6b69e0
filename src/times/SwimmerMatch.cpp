#include "times/SwimmerMatch.h"

namespace natarix {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

void AppendFolded(std::string_view text, std::string& key)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsBlank(static_cast<char>(c)))
            continue;
        if (c < 0x80) {
            key.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c));
            continue;
        }
        // Two-byte letters of Latin-1 (C3 xx): the umlauts and ß spelled
        // out, other capitals made small; anything else kept as it is.
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA0) {
            ++i;
            continue;
        }
        if (c != 0xC3 || i + 1 >= text.size()) {
            key.push_back(static_cast<char>(c));
            continue;
        }
        const auto next = static_cast<unsigned char>(text[++i]);
        switch (next) {
            case 0x84:  // Ä
            case 0xA4:  // ä
                key += "ae";
                break;
            case 0x96:  // Ö
            case 0xB6:  // ö
                key += "oe";
                break;
            case 0x9C:  // Ü
            case 0xBC:  // ü
                key += "ue";
                break;
            case 0x9F:  // ß
                key += "ss";
                break;
            default:
                key.push_back(static_cast<char>(0xC3));
                // À to Þ, but for ×, have their small letter 0x20 further on.
                key.push_back(static_cast<char>(next >= 0x80 && next <= 0x9E && next != 0x97 ? next + 0x20 : next));
        }
    }
}

}  // namespace

std::string NameKey(std::string_view surname, std::string_view firstName)
{
    std::string key;
    key.reserve(surname.size() + firstName.size() + 1);
    AppendFolded(surname, key);
    key.push_back(',');
    AppendFolded(firstName, key);
    return key;
}

std::string KnownResultDsvId(std::string_view written)
{
    return IsKnownDsvId(written) ? std::string(written) : std::string();
}

Recognition Recognise(const Swimmer& swimmer, const ResultSwimmer& result)
{
    const std::string resultId = KnownResultDsvId(result.dsvId);
    if (IsKnownDsvId(swimmer.registrationNumber) && !resultId.empty())
        return swimmer.registrationNumber == resultId ? Recognition::ByDsvId : Recognition::None;
    if (swimmer.yearOfBirth != result.yearOfBirth)
        return Recognition::None;
    return NameKey(swimmer.surname, swimmer.firstName) == NameKey(result.surname, result.firstName)
               ? Recognition::ByName
               : Recognition::None;
}

}  // namespace natarix
