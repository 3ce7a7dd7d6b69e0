// Taking a roster over: every real entry list of the corpus into a meet of
// its own and into the format-5 example, then written and read back as the
// export; a format-5 list into a modern meet; what is refused, left out or
// merged.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "formats/DefinitionList.h"
#include "formats/EntryList.h"
#include "roster/TakeOver.h"

namespace natarix {
namespace {

constexpr const char* kCorpus = NATARIX_DSV_CORPUS;
const std::string kExample = std::string(NATARIX_EXAMPLES) + "/Bezirksmeisterschaften-2027.dsv";

using Outcome = TakeOverLine::Outcome;

std::size_t Count(const std::vector<TakeOverLine>& lines, Outcome outcome, bool entries)
{
    return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](const TakeOverLine& line) {
        return line.outcome == outcome && (line.record.find(" – Wettkampf ") != std::string::npos) == entries;
    }));
}

std::unique_ptr<MeetDefinition> Meet(const std::string& path)
{
    auto read = ReadDefinitionList(path);
    return read.ok() ? std::move(read).value() : nullptr;
}

std::int64_t EntryCount(const ClubEntries& entries)
{
    return entries.CountIndividualEntries() + entries.CountRelayEntries();
}

TEST(TakeOver, EveryRealEntryListIntoItsMeetAndIntoTheFormatFiveExample)
{
    if (std::string_view(kCorpus).empty() || !std::filesystem::is_directory(kCorpus))
        GTEST_SKIP() << "the real DSV files are not beside the repository";
    const std::string dir = std::string(kCorpus) + "/schroeer-dsv__";
    struct Case {
        std::string me;
        std::string wk;  // empty: the meet the list gives itself
        bool intoExample;
        std::size_t taken, skipped;  // entries
    };
    const auto example = Meet(kExample);
    ASSERT_NE(example, nullptr);
    for (const Case& c : {
             // Into their own meets every start finds its event again.
             Case{"2025-02-23-Meppen-SVHaren-Me.dsv7", "user-emsland-25kurzde.dsv7", false, 89, 0},
             Case{"2025-08-23-Twist-SVHaren-Me.dsv7", "user-emsland-25spride.dsv7", false, 28, 0},
             Case{"2025-11-23-Papenbur-SVHaren-Me.dsv7", "user-emsland-25langde.dsv7", false, 33, 0},
             Case{"2025-11-29-Haseluen-SVHaren-Me.dsv7", "user-emsland-25mehrde.dsv7", false, 29, 0},
             Case{"2026-01-24-Wilhelms-SVHaren-Me.dsv7", "", false, 7, 0},
             Case{"2026-06-28-Gera-SVHaren-Me.dsv7", "", false, 4, 0},
             // The short-distance roster into the long-distance meet: only the 400 m freestyle starts find theirs.
             Case{"2025-02-23-Meppen-SVHaren-Me.dsv7", "user-emsland-25langde.dsv7", false, 2, 87},
             // Into the format-5 example: the whole-stroke events of its distances, no Mehrkampf, no 25 m.
             Case{"2025-02-23-Meppen-SVHaren-Me.dsv7", "", true, 67, 22},
             Case{"2025-08-23-Twist-SVHaren-Me.dsv7", "", true, 20, 8},
             Case{"2025-11-23-Papenbur-SVHaren-Me.dsv7", "", true, 22, 11},
             Case{"2025-11-29-Haseluen-SVHaren-Me.dsv7", "", true, 13, 16},
             Case{"2026-01-24-Wilhelms-SVHaren-Me.dsv7", "", true, 3, 4},
             Case{"2026-06-28-Gera-SVHaren-Me.dsv7", "", true, 2, 2},
         }) {
        SCOPED_TRACE(c.me + " into " + (c.intoExample ? "the example" : c.wk));
        auto earlier = ReadEarlierEntryList(dir + c.me);
        ASSERT_TRUE(earlier.ok()) << earlier.failure().text;
        const ClubEntries& from = earlier.value().entries;
        const auto own = c.wk.empty() ? nullptr : Meet(dir + c.wk);
        const MeetDefinition& meet = c.intoExample ? *example : own ? *own : *earlier.value().meet;
        ClubEntries to;
        const auto first = TakeOver(*earlier.value().meet, from, meet, to, {true, true});
        EXPECT_EQ(to.swimmers().size(), from.swimmers().size());
        EXPECT_EQ(to.officials().size(), from.officials().size());
        EXPECT_EQ(to.club.clubName, from.club.clubName);
        EXPECT_EQ(Count(first, Outcome::Taken, true), c.taken);
        EXPECT_EQ(Count(first, Outcome::Skipped, true), c.skipped);
        EXPECT_EQ(EntryCount(to), static_cast<std::int64_t>(c.taken));
        // Again: everybody is there already, every entry too.
        const auto again = TakeOver(*earlier.value().meet, from, meet, to, {true, true});
        EXPECT_EQ(to.swimmers().size(), from.swimmers().size());
        EXPECT_EQ(Count(again, Outcome::Taken, false) + Count(again, Outcome::Taken, true), 0U);
        // The export of this meet holds what was taken.
        test::TempDir folder;
        const std::string exported = folder.Path("export");
        RecordingMessageSink messages;
        ASSERT_TRUE(WriteEntryListFile(exported, meet, to, EntryListVersion(meet), dsv678::EntryListForm::Export,
                                       {"Natarix", "test", ""}, messages))
            << (messages.messages.empty() ? "" : messages.messages.front().text);
        ClubEntries readBack;
        const auto read = ReadWorkingFile(exported, meet, readBack, "Natarix");
        ASSERT_TRUE(read.ok()) << read.failure().text;
        EXPECT_EQ(EntryCount(readBack), EntryCount(to));
        if (meet.formatVersion == 5) {
            EXPECT_EQ(readBack.club.lsv, "09: Landesschwimmverband Niedersachsen");
        }
    }
}

TEST(TakeOver, FormatFiveListIntoAModernMeet)
{
    if (std::string_view(kCorpus).empty() || !std::filesystem::is_directory(kCorpus))
        GTEST_SKIP() << "the real DSV files are not beside the repository";
    auto earlier = ReadEarlierEntryList(test::DataPath("minimal.dsv.meld"));
    ASSERT_TRUE(earlier.ok()) << earlier.failure().text;
    const auto meet = Meet(std::string(kCorpus) + "/schroeer-dsv__user-emsland-25spride.dsv7");
    ASSERT_NE(meet, nullptr);
    ClubEntries to;
    TakeOver(*earlier.value().meet, earlier.value().entries, *meet, to, {true, true});
    const std::string written =
        dsv678::WriteEntryList(*meet, to, 7, {"Natarix", "test", ""}, dsv678::EntryListForm::WorkingFile);
    // The association by its number, the comma with its blank, the
    // registration number as the DSV-ID, the relay into the relay of its kind.
    for (const char* line : {"VEREIN:SV Grün-Weiß Musterstadt;4711;4;GER;\r\n",
                             "PNMELDUNG:Krüger, Lukas;123456;1;M;1992;;;;;;\r\n", "STARTST:9001;103;00:02:15,80;\r\n"})
        EXPECT_NE(written.find(line), std::string::npos) << line;
}

TEST(TakeOver, RefusedLeftOutAndMerged)
{
    MeetDefinition formatFive, formatSeven;
    formatSeven.formatVersion = 7;
    for (MeetDefinition* meet : {&formatFive, &formatSeven}) {
        Event freestyle;
        freestyle.number = "1";
        freestyle.distance = "100";
        freestyle.swimmerCount = "1";
        freestyle.technique = "F";
        freestyle.sex = "X";
        freestyle.AddScoringClass({});  // everyone
        meet->AddEvent(freestyle);
    }

    ClubEntries from;
    const auto swimmer = [&](std::string surname, Sex sex, std::string dsvId) {
        auto added = std::make_unique<Swimmer>();
        added->surname = std::move(surname);
        added->firstName = "Ola";
        added->yearOfBirth = 2012;
        added->sex = sex;
        added->registrationNumber = std::move(dsvId);
        from.AddSwimmer(std::move(added))->SetEntry("1", "01:05,00");
    };
    swimmer("Łukasiewicz", Sex::Female, "000000");
    swimmer("Berg", Sex::Diverse, "000000");
    swimmer("Nowak", Sex::Female, "222222");
    swimmer("Left", Sex::Female, "000000");
    struct Case {
        const MeetDefinition* meet;
        std::vector<std::string> expected;  // outcome, record and reason of each swimmer's line
    };
    const std::string polish = "Im Feld \"Nachname\" ist das Zeichen U+0141 nicht erlaubt.";
    for (const Case& c : {
             Case{&formatFive,
                  {"S Łukasiewicz, Ola (2012) " + polish,
                   "S Berg, Ola (2012) Das Geschlecht „divers“ kann diese Veranstaltung (Format 5) nicht melden.",
                   "M Nowak, Ola (2012) ist schon gemeldet",
                   "S Nowak, Ola (2012) – Wettkampf 1 (100 F X) schon gemeldet"}},
             Case{&formatSeven,
                  {"T Łukasiewicz, Ola (2012) ", "T Łukasiewicz, Ola (2012) – Wettkampf 1 (100 F X) als Wettkampf 1",
                   "T Berg, Ola (2012) ", "T Berg, Ola (2012) – Wettkampf 1 (100 F X) als Wettkampf 1",
                   "M Nowak, Ola (2012) ist schon gemeldet",
                   "S Nowak, Ola (2012) – Wettkampf 1 (100 F X) schon gemeldet"}},
         }) {
        SCOPED_TRACE(c.meet->formatVersion);
        // Nowak is there already, by her DSV-ID, under her new name, with her entry; she gains nothing twice.
        ClubEntries to;
        auto known = std::make_unique<Swimmer>(*from.swimmers()[2]);
        known->surname = "Nowak-Berg";
        known->nationalities.clear();
        to.AddSwimmer(std::move(known));
        TakeOverOptions options{false, true, {{RosterItem::Kind::Swimmer, 3}}};
        std::vector<std::string> lines;
        for (const TakeOverLine& line : TakeOver(formatFive, from, *c.meet, to, options))
            lines.push_back(std::string(line.outcome == Outcome::Taken    ? "T "
                                        : line.outcome == Outcome::Merged ? "M "
                                                                          : "S ") +
                            line.record + " " + line.reason);
        EXPECT_EQ(lines, c.expected);
    }
}

}  // namespace
}  // namespace natarix
