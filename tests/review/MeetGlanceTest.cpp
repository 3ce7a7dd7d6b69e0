// The meet at a glance: the days left to the deadline, the fees by type and
// the total the entry form computes.
#include <gtest/gtest.h>

#include "ReviewTestSupport.h"
#include "review/MeetGlance.h"

namespace natarix {
namespace {

TEST(MeetGlance, DaysLeftToTheDeadline)
{
    auto checked = test::FormatFiveMeet();
    ASSERT_NE(checked.meet, nullptr);
    struct Case {
        const char* deadline;
        const char* today;
        std::optional<std::int64_t> daysLeft;
        const char* note;
    };
    for (const Case& c : {
             Case{"01.03.2027", "28.02.2027", 1, "noch 1 Tag"},
             Case{"01.03.2028", "28.02.2028", 2, "noch 2 Tage"},  // a leap year
             Case{"01.03.2027", "01.03.2027", 0, "heute"},
             Case{"01.03.2027", "02.03.2027", -1, "seit einem Tag vorbei"},
             Case{"31.12.2026", "02.01.2027", -2, "seit 2 Tagen vorbei"},
             Case{"31.02.2027", "01.02.2027", std::nullopt, ""},
             Case{"1.3.2027", "01.02.2027", std::nullopt, ""},
             Case{"", "01.02.2027", std::nullopt, ""},
         }) {
        SCOPED_TRACE(c.deadline);
        checked.meet->entryDeadlineDate = Date(c.deadline);
        const MeetGlance glance = GlanceAt(*checked.meet, checked.entries, Date(c.today));
        EXPECT_EQ(glance.daysLeft, c.daysLeft);
        EXPECT_EQ(glance.deadlineNote, c.note);
        EXPECT_EQ(glance.DeadlinePassed(), c.daysLeft && *c.daysLeft < 0);
    }
}

std::vector<std::string> FeeLines(const MeetGlance& glance)
{
    std::vector<std::string> lines;
    for (const GlanceFee& fee : glance.fees)
        lines.push_back(fee.label + ": " + fee.amount);
    return lines;
}

TEST(MeetGlance, WhatTheMeetAsksAndWhatTheEntriesCost)
{
    const auto five = test::FormatFiveMeet();
    ASSERT_NE(five.meet, nullptr);
    const MeetGlance old = GlanceAt(*five.meet, five.entries, Date("01.02.2027"));
    EXPECT_EQ(old.deadline, "01.03.2027, 18:00 Uhr");
    EXPECT_EQ(old.deadlineNote, "noch 28 Tage");
    EXPECT_EQ(old.entryAddress,
              (std::vector<std::string>{"Jörg Weißhaupt", "Mühlenweg 12", "09876 Kühlenbrück", "GER"}));
    EXPECT_EQ(old.entryEmail, "meldung@bezirk-suedhoehe.example.org");
    EXPECT_TRUE(old.invitationLink.starts_with("https://www.sv-kuehlenbrueck"));
    EXPECT_TRUE(old.remarks.starts_with("Nachmeldungen sind nicht möglich."));
    EXPECT_EQ(FeeLines(old), (std::vector<std::string>{"Kampfrichtergebühr / Teilnehmergrundbetrag: 15,00 €",
                                                       "Einzelmeldegeld: 4,50 €", "Staffelmeldegeld: 8,00 €",
                                                       "Wettkampf 30: 7,50 €"}));
    EXPECT_EQ(old.individualEntries, 1);
    EXPECT_EQ(old.relayEntries, 1);
    EXPECT_EQ(old.feeTotal, "27,50 €");

    // Event 1's own fee replaces Lena's individual fee.
    const auto modern = test::ModernMeet();
    ASSERT_NE(modern.meet, nullptr);
    const MeetGlance glance = GlanceAt(*modern.meet, modern.entries, Date("15.02.2025"));
    EXPECT_EQ(FeeLines(glance), (std::vector<std::string>{"Einzelmeldegeld: 5,00 €", "Staffelmeldegeld: 12,00 €",
                                                          "Wettkampf 1: 6,50 €"}));
    EXPECT_EQ(glance.feeTotal, "18,50 €");
    EXPECT_EQ(glance.entryAddress, (std::vector<std::string>{"Muster, Max"}));
    EXPECT_EQ(glance.remarks, "Nur Vereine des Bezirks");
}

}  // namespace
}  // namespace natarix
