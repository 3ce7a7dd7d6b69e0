// What fuzzing found, kept as tests.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "dsv5/DefinitionReader.h"
#include "dsv5/DsvScanner.h"
#include "dsv5/EntryListReader.h"

namespace natarix {
namespace {

using test::Replaced;

// Skipping stops at a comment that directly follows another one, so each
// skip passes one more of such a row: a peeked field can start with a comment
// that the ReadField after it passes. How many of them a reader passes
// depends on how many checks precede the next record; where it does not pass
// them it stops with a message, or in a working file with the rest unread
// (and kept by the cycle), never with a record taken unchecked.
TEST(FuzzFinding, CommentsRightBehindCommentsArePassedOnePerSkip)
{
    DsvScanner scanner("(*a*)(*b*)(*c*) 5;x;");
    EXPECT_EQ(scanner.PeekField(), "(*b*)(*c*) 5");
    EXPECT_EQ(scanner.PeekField(), "(*c*) 5");
    EXPECT_EQ(scanner.ReadField(), "5");

    // Two checks come before the second section: one comment more stops it.
    const auto sections = [](std::string_view comments) {
        const std::string definition =
            Replaced(test::ExampleDefinition(), "ABSCHNITT:2;", std::string(comments) + "\r\nABSCHNITT:2;");
        return test::ErrorOf([&] { return DefinitionReader::Parse(definition); });
    };
    EXPECT_EQ(sections("(*a*)(*b*)"), "(no error)");
    EXPECT_EQ(sections("(*a*)(*b*)(*c*)"), "WETTKAMPF: not found by EatFixString");

    const auto meet = DefinitionReader::Parse(test::ExampleDefinition()).value();
    const std::string working = Replaced(test::ExampleEntryList(), "2;00:41,20;", "(*a*)(*b*)\r\n2;00:41,20;");
    ClubEntries entries;
    const EntryListRead read = EntryListReader::Parse(working, *meet, entries);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), ReadCompleteness::Incomplete);
    ASSERT_EQ(entries.swimmers().size(), 1u);
    EXPECT_EQ(entries.swimmers()[0]->entries, (EntryMap{{"1", "01:12,50"}}));
    EXPECT_TRUE(entries.teams().empty());
}

}  // namespace
}  // namespace natarix
