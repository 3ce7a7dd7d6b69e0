#include "export/ExportNames.h"

#include <algorithm>
#include <iterator>

#include "codec/Cp1252.h"
#include "model/Labels.h"

namespace natarix {

namespace {

// Characters a file name spells differently; "/" and "\" would lead into
// another folder.
struct Respelling {
    unsigned char character;
    std::string_view replacement;
};
constexpr Respelling kRespellings[] = {
    {' ', ""},    {0xC4, "Ae"}, {0xD6, "Oe"}, {0xDC, "Ue"}, {0xE4, "ae"},  // Ä Ö Ü ä
    {0xF6, "oe"}, {0xFC, "ue"}, {0xDF, "ss"}, {'/', "_"},   {'\\', "_"},   // ö ü ß
};

}  // namespace

std::string ToFileNamePart(std::string_view text)
{
    std::string part;
    part.reserve(text.size());
    for (const char c : text) {
        const auto* respelling =
            std::find_if(std::begin(kRespellings), std::end(kRespellings),
                         [&](const Respelling& r) { return r.character == static_cast<unsigned char>(c); });
        if (respelling == std::end(kRespellings))
            part += c;
        else
            part += respelling->replacement;
    }
    return part;
}

std::string ExportDatePart(std::string_view date)
{
    if (date.size() != 10)
        return {};
    return std::string(date.substr(8, 2)) + std::string(date.substr(3, 2)) + std::string(date.substr(0, 2));
}

ExportFileNames MakeExportFileNames(const Competition& competition)
{
    const std::string prefix =
        ExportDatePart(LastDayText(competition.LatestSectionDate())) + "-" + ToFileNamePart(competition.venue.town);
    const std::string club = ToFileNamePart(competition.club.clubName);
    return {prefix + "-Me-" + club + ".DSV", prefix + "-Meldungen-" + club + ".PDF"};
}

std::string FileNameToNative(const std::string& cp1252Name)
{
#ifdef _WIN32
    return cp1252Name;
#else
    return Cp1252ToUtf8(cp1252Name);
#endif
}

std::string JoinPath(const std::string& folder, const std::string& nativeName)
{
#ifdef _WIN32
    return folder + "\\" + nativeName;
#else
    return folder + "/" + nativeName;
#endif
}

}  // namespace natarix
