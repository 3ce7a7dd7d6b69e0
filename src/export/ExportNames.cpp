#include "export/ExportNames.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "model/Labels.h"
#include "platform/FileOps.h"

namespace natarix {

namespace {

// Characters a file name spells differently; "/" and "\" would lead into
// another folder.
struct Respelling {
    std::string_view character;
    std::string_view replacement;
};
constexpr Respelling kRespellings[] = {
    {" ", ""},   {"Ä", "Ae"}, {"Ö", "Oe"}, {"Ü", "Ue"}, {"ä", "ae"},
    {"ö", "oe"}, {"ü", "ue"}, {"ß", "ss"}, {"/", "_"},  {"\\", "_"},
};

}  // namespace

std::string ToFileNamePart(std::string_view text)
{
    std::string part;
    part.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto* respelling =
            std::find_if(std::begin(kRespellings), std::end(kRespellings),
                         [&](const Respelling& r) { return text.substr(i).starts_with(r.character); });
        if (respelling == std::end(kRespellings)) {
            part += text[i++];
        } else {
            part += respelling->replacement;
            i += respelling->character.size();
        }
    }
    return part;
}

std::string ExportDatePart(std::string_view date)
{
    // Where each character starts: a date may hold any character.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < date.size(); ++i)
        if ((static_cast<unsigned char>(date[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    if (starts.size() != 10)
        return {};
    starts.push_back(date.size());
    const auto part = [&](std::size_t from) { return date.substr(starts[from], starts[from + 2] - starts[from]); };
    return std::string(part(8)).append(part(3)).append(part(0));
}

ExportFileNames MakeExportFileNames(const MeetDefinition& meet, const Club& club)
{
    const std::string prefix =
        ExportDatePart(LastDayText(meet.LatestSectionDate())) + "-" + ToFileNamePart(meet.venue.town);
    const std::string clubName = ToFileNamePart(club.clubName);
    return {prefix + "-Me-" + clubName + ".DSV", prefix + "-Meldungen-" + clubName + ".PDF"};
}

std::string FileNameToNative(const std::string& name)
{
    return TextToNative(name);
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
