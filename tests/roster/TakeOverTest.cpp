// Taking a roster over: real entry lists of the corpus into their own and
// into other meets, twice, so that nothing is taken a second time.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "dsv678/EntryListReader.h"
#include "dsv678/MeetReader.h"
#include "roster/TakeOver.h"

namespace natarix {
namespace {

constexpr const char* kCorpus = NATARIX_DSV_CORPUS;

std::size_t Count(const std::vector<TakeOverLine>& lines, TakeOverLine::Outcome outcome)
{
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [&](const TakeOverLine& line) { return line.outcome == outcome; }));
}

TEST(TakeOver, RealEntryListsIntoTheirOwnAndAnotherMeetOnceOnly)
{
    if (std::string_view(kCorpus).empty() || !std::filesystem::is_directory(kCorpus))
        GTEST_SKIP() << "the real DSV files are not beside the repository";
    const std::string dir = std::string(kCorpus) + "/schroeer-dsv__";
    struct Case {
        std::string wk, me;
        std::size_t entriesTaken, entriesSkipped;
    };
    for (const Case& c : {
             // Its own meet: every start finds its event again.
             Case{"user-emsland-25spride.dsv7", "2025-08-23-Twist-SVHaren-Me.dsv7", 28, 0},
             // The short-distance roster into the long-distance meet: only the 400 m freestyle starts find their
             // events.
             Case{"user-emsland-25langde.dsv7", "2025-02-23-Meppen-SVHaren-Me.dsv7", 2, 87},
         }) {
        SCOPED_TRACE(c.me);
        auto meet = dsv678::ReadMeet(test::ReadBytes(dir + c.wk), c.wk);
        ASSERT_TRUE(meet.ok());
        const auto listed = dsv678::ReadEntryListOfItsOwnMeet(test::ReadBytes(dir + c.me), c.me);
        ASSERT_TRUE(listed.ok());
        const ClubEntries& from = listed.value().entries;
        ClubEntries to;
        const auto first = TakeOver(*listed.value().meet, from, *meet.value(), to, {true, true});
        EXPECT_EQ(to.swimmers().size(), from.swimmers().size());
        EXPECT_EQ(to.officials().size(), from.officials().size());
        EXPECT_EQ(to.club, from.club);
        EXPECT_EQ(to.CountIndividualEntries() + to.CountRelayEntries(), static_cast<std::int64_t>(c.entriesTaken));
        EXPECT_EQ(Count(first, TakeOverLine::Outcome::Skipped), c.entriesSkipped);
        // Again: everybody is there already, every entry too.
        const auto again = TakeOver(*listed.value().meet, from, *meet.value(), to, {true, true});
        EXPECT_EQ(to.swimmers().size(), from.swimmers().size());
        EXPECT_EQ(Count(again, TakeOverLine::Outcome::Taken), 0U);
    }
}

}  // namespace
}  // namespace natarix
