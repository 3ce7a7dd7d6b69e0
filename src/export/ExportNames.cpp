#include "ExportNames.h"

#include "dsv/Cp1252.h"

namespace natarix {

std::string ToFileNamePart(std::string_view text)
{
    std::string part;
    part.reserve(text.size());
    for (const char c : text) {
        switch (static_cast<unsigned char>(c)) {
        case ' ': break;
        case 0xC4: part += "Ae"; break;  // Ä
        case 0xD6: part += "Oe"; break;  // Ö
        case 0xDC: part += "Ue"; break;  // Ü
        case 0xE4: part += "ae"; break;  // ä
        case 0xF6: part += "oe"; break;  // ö
        case 0xFC: part += "ue"; break;  // ü
        case 0xDF: part += "ss"; break;  // ß
        case '/':
        case '\\': part += '_'; break;
        default: part += c;
        }
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
        ExportDatePart(competition.LatestSectionDate()) + "-" + ToFileNamePart(competition.venue.town());
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
