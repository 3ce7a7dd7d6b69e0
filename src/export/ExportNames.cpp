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

namespace {

// At most `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end)
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && characters++ == count)
            break;
    return text.substr(0, end);
}

// A name part of the DSV standard's file names: no blanks and no hyphens,
// which separate the parts.
std::string DsvNamePart(std::string_view text, std::size_t longest)
{
    std::string part = ToFileNamePart(text);
    part.erase(std::remove(part.begin(), part.end(), '-'), part.end());
    return FirstCharacters(part, longest);
}

// "JJJJ-MM-TT-Ort-Verein-Me.DSV7": the day of the last section, the meet's
// town in at most 8 and the club in at most 16 characters.
ExportFileNames ModernExportFileNames(const MeetDefinition& meet, const Club& club, int version)
{
    const std::string day = LastDayText(meet.LatestSectionDate());  // "TT.MM.JJJJ"
    const std::string date =
        day.size() == 10 ? day.substr(6, 4) + "-" + day.substr(3, 2) + "-" + day.substr(0, 2) : ToFileNamePart(day);
    const std::string stem = date + "-" + DsvNamePart(meet.place.empty() ? meet.venue.town : meet.place, 8) + "-" +
                             DsvNamePart(club.clubName, 16) + "-Me";
    return {stem + ".DSV" + std::to_string(version), stem + ".PDF"};
}

}  // namespace

ExportFileNames MakeExportFileNames(const MeetDefinition& meet, const Club& club, int version)
{
    if (version != 5)
        return ModernExportFileNames(meet, club, version);
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
