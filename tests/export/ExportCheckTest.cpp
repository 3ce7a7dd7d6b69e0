// The one warning before a modern meet's export: what it finds, line by line.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "TestFiles.h"
#include "dsv678/EntryListReader.h"
#include "dsv678/MeetReader.h"
#include "export/ExportCheck.h"

namespace natarix {
namespace {

TEST(ExportCheck, NamesEveryConcernOfAModernClubSide)
{
    auto meet = dsv678::ReadMeet(test::Data("two-rounds.dsv7"), "Wk.dsv7");
    ASSERT_TRUE(meet.ok());
    struct Case {
        const char* what;
        std::function<void(ClubEntries&)> change;
        std::string text;
    };
    const std::string lineUpHead =
        "Diese Staffelaufstellungen sind unvollständig, nennen einen Schwimmer mehrmals oder einen, der nicht "
        "mitschwimmen darf:\n"
        "1. Mannschaft – Wettkampf 2 (4x50 L X): ";
    const std::string noId = "Diesen Schwimmern fehlt die DSV-ID:\nKrüger, Paul";
    for (const Case& c : {
             Case{"as read", [](ClubEntries&) {},
                  lineUpHead + "in der Aufstellung fehlen 2 von 4 Schwimmern\n\n" + noId},
             Case{"whole line-up, Paul twice, no e-mail",
                  [](ClubEntries& e) {
                      e.teams()[0]->lineUps.begin()->second = {2, 1, 2, 1};
                      e.club.contact.email.clear();
                  },
                  lineUpHead + "Lena Marie Krüger steht mehrmals in der Aufstellung\n" +
                      lineUpHead.substr(lineUpHead.find('\n') + 1) +
                      "Paul Krüger steht mehrmals in der Aufstellung\n\nDer Ausrichter braucht die E-Mail-Adresse "
                      "des Ansprechpartners:\nIn den Vereinsdaten fehlt die E-Mail-Adresse.\n\n" +
                      noId},
             Case{"nothing to say",
                  [](ClubEntries& e) {
                      e.teams()[0]->lineUps.clear();
                      e.swimmers()[1]->registrationNumber = "654321";
                  },
                  ""},
         }) {
        SCOPED_TRACE(c.what);
        ClubEntries entries;
        ASSERT_TRUE(dsv678::ReadEntryList(test::Data("two-rounds-Me.DSV7"), "Me", *meet.value(), entries).ok());
        c.change(entries);
        const ExportConcerns concerns = CheckBeforeExport(*meet.value(), entries);
        EXPECT_EQ(concerns.text, c.text);
        EXPECT_EQ(concerns.caption, "Vor dem Versand prüfen");
    }

    // The relay became one for women after Paul was named for it.
    meet.value()->FindEvent("2")->sex = "W";
    ClubEntries entries;
    ASSERT_TRUE(dsv678::ReadEntryList(test::Data("two-rounds-Me.DSV7"), "Me", *meet.value(), entries).ok());
    EXPECT_NE(CheckBeforeExport(*meet.value(), entries)
                  .text.find("(4x50 L W): Paul Krüger passt nach dem Geschlecht nicht in diese Staffel\n"),
              std::string::npos);
}

}  // namespace
}  // namespace natarix
