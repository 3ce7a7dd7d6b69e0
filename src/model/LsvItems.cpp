#include "model/LsvItems.h"

#include <array>

namespace natarix {

namespace {

constexpr std::array<std::string_view, 20> kLsvItems = {
    "00: Ausland",
    "01: Badischer Schwimm-Verband",
    "02: Bayerischer Schwimm-Verband",
    "03: Berliner Schwimm-Verband",
    "04: Landesschwimmverband Brandenburg",
    "05: Landesschwimmverband Bremen",
    "06: Hamburger Schwimm-Verband",
    "07: Hessischer Schwimm-Verband",
    "08: Schwimmverband Mecklenburg/Vorpommern",
    "09: Landesschwimmverband Niedersachsen",
    "10: Schwimmverband Rheinland",
    "11: Saarländischer Schwimm-Bund",
    "12: Sächsischer Schwimm-Verband",
    "13: Landesschwimmverband Sachsen-Anhalt",
    "14: Schleswig-Holsteinischer Schwimm-Verband",
    "15: Südwestdeutscher Schwimm-Verband",
    "16: Thüringer Schwimm-Verband",
    "17: Schwimmverband Nordrhein-Westfalen",
    "18: Schwimmverband Württemberg",
    "99: Auswahlmannschaft",
};

}  // namespace

std::span<const std::string_view> LsvItems()
{
    return kLsvItems;
}

std::string LsvItemOf(const std::string& code)
{
    const bool digits = !code.empty() && code.size() <= 2 && code.find_first_not_of("0123456789") == std::string::npos;
    if (!digits)
        return code;
    const std::string twoDigits = code.size() == 1 ? "0" + code : code;
    for (const std::string_view item : kLsvItems)
        if (item.starts_with(twoDigits + ":"))
            return std::string(item);
    return code;
}

}  // namespace natarix
