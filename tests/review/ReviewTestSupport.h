#pragma once

#include <memory>
#include <string>

#include "TestFiles.h"
#include "formats/DefinitionList.h"
#include "formats/EntryList.h"
#include "model/ClubEntries.h"

namespace natarix::test {

// The format-5 example and the modern two-round meet, each with club entries
// that the check finds nothing in.
struct CheckedMeet {
    std::unique_ptr<MeetDefinition> meet;
    ClubEntries entries;
};

inline std::unique_ptr<MeetDefinition> ReadMeetOrNull(const std::string& path)
{
    auto read = ReadDefinitionList(path);
    return read.ok() ? std::move(read).value() : nullptr;
}

inline std::unique_ptr<Swimmer> MakeSwimmer(const char* surname, const char* firstName, int year, Sex sex,
                                            const char* dsvId)
{
    auto swimmer = std::make_unique<Swimmer>();
    swimmer->surname = surname;
    swimmer->firstName = firstName;
    swimmer->yearOfBirth = year;
    swimmer->sex = sex;
    swimmer->registrationNumber = dsvId;
    return swimmer;
}

inline CheckedMeet FormatFiveMeet()
{
    CheckedMeet checked{ReadMeetOrNull(std::string(NATARIX_EXAMPLES) + "/Bezirksmeisterschaften-2027.dsv"), {}};
    ClubEntries& entries = checked.entries;
    entries.club.clubName = "SV Musterstadt";
    entries.club.clubId = "4711";
    entries.club.contact.name = "Möller, Jürgen";
    entries.club.contact.email = "meldung@example.org";
    entries.AddSwimmer(MakeSwimmer("Lehmann", "Ida", 2012, Sex::Female, "123456"))->SetEntry("1", "01:20,00");
    auto team = std::make_unique<Team>();
    team->SetEntry("9", "02:10,00");
    entries.AddTeam(std::move(team));
    auto official = std::make_unique<Official>();
    official->surname = "Schäfer";
    official->firstName = "Birgit";
    official->sectionNumbers = {"1"};
    entries.AddOfficial(std::move(official));
    return checked;
}

// Lena Marie (2011) and Paul (2009) Krüger with two Masters swimmers for the
// mixed relay AK 80+ and its whole line-up.
inline CheckedMeet ModernMeet()
{
    CheckedMeet checked{ReadMeetOrNull(DataPath("two-rounds.dsv7")), {}};
    ClubEntries& entries = checked.entries;
    if (checked.meet == nullptr ||
        !ReadWorkingFile(DataPath("two-rounds-Me.DSV7"), *checked.meet, entries, "Natarix").ok())
        return {};
    entries.swimmers()[1]->registrationNumber = "654321";
    entries.AddSwimmer(MakeSwimmer("Alt", "Anna", 1980, Sex::Female, "111111"));
    entries.AddSwimmer(MakeSwimmer("Alt", "Bernd", 1975, Sex::Male, "222222"));
    entries.teams()[0]->lineUps.begin()->second = {1, 2, 3, 4};
    return checked;
}

}  // namespace natarix::test
