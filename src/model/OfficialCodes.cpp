#include "model/OfficialCodes.h"

#include <array>

namespace natarix {

std::span<const NamedCode> OfficialGroups()
{
    static constexpr std::array<NamedCode, 4> kGroups = {{
        {"WKR", "Wettkampfrichter"},
        {"AUS", "Auswerter"},
        {"SCH", "Schiedsrichter"},
        {"SPR", "Sprecher"},
    }};
    return kGroups;
}

std::vector<NamedCode> WishCodes(int formatVersion)
{
    static constexpr std::array<NamedCode, 13> kSince6 = {{
        {"SCH", "Schiedsrichter"},
        {"STA", "Starter"},
        {"ZRO", "Zielrichterobmann"},
        {"ZR", "Zielrichter"},
        {"ZNO", "Zeitnehmerobmann"},
        {"ZN", "Zeitnehmer"},
        {"RZN", "Reservezeitnehmer"},
        {"SR", "Schwimmrichter"},
        {"WRO", "Wenderichterobmann"},
        {"WR", "Wenderichter"},
        {"AUS", "Auswerter"},
        {"SP", "Sprecher"},
        {"PKF", "Protokollführer"},
    }};
    static constexpr std::array<NamedCode, 5> kSince7 = {{
        {"STO", "Startordner"},
        {"ASCH", "Assistenz-Schiedsrichter"},
        {"SIB", "Sicherheitsbeauftragter"},
        {"SAUF", "Streckenaufsicht"},
        {"VER", "Ordner Versorgungsstelle"},
    }};
    std::vector<NamedCode> codes(kSince6.begin(), kSince6.end());
    if (formatVersion >= 7)
        codes.insert(codes.end(), kSince7.begin(), kSince7.end());
    return codes;
}

}  // namespace natarix
