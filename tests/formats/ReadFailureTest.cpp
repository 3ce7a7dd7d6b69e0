// Every reader hands its failure back the same way: one message with its
// kind and, for the content, the file and the line where the reading stopped.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "TestFiles.h"
#include "TestTexts.h"
#include "dsv5/EntryListReader.h"
#include "formats/DefinitionList.h"

namespace natarix {
namespace {

using test::Data;
using test::Replaced;

TEST(ReadFailure, EveryKindIsOneMessageWithItsPlace)
{
    const test::TempDir folder;
    const std::string definition = Data("minimal.dsv");
    const std::string working = Data("minimal.dsv.meld");
    const Message notOpened =
        Message::Warning(std::string("Die Wettkampfdefinitionsdatei konnte nicht geöffnet werden!"));
    const Message listNotOpened = Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geöffnet werden!"));
    const auto content = [](std::string text, std::string fileName, std::size_t line) {
        return Message::ReadFailure(std::move(text), {std::move(fileName), line});
    };
    struct Case {
        const char* label;
        std::optional<std::string> definition;  // none: no such file
        std::optional<std::string> working;     // none: no working file is read
        Message failure;
    };
    const Case cases[] = {
        {"definition missing", std::nullopt, std::nullopt, notOpened},
        {"definition of another format", Replaced(definition, "FORMAT:5;", "FORMAT:6;"), std::nullopt,
         content("Falsches Format", "Bezirk.dsv", 2)},
        {"scoring line of no event", Replaced(definition, "WERTUNG:2;", "WERTUNG:3;"), std::nullopt,
         content("Wettkampf nicht vorhanden!", "Bezirk.dsv", 11)},
        {"event of no section", Replaced(definition, "WETTKAMPF:1;1;", "WETTKAMPF:1;2;"), std::nullopt,
         content("Abschnitt nicht vorhanden!", "Bezirk.dsv", 10)},
        {"open comment", Replaced(definition, "DATEIENDE", "(*"), std::nullopt,
         content("comment end not found", "Bezirk.dsv", 13)},
        {"working file missing", definition, "", listNotOpened},
        {"working file of another competition", definition, Replaced(working, "hjahrsschwimmen;", "hling;"),
         content("Veranstaltungsbezeichnung abweichend!", "Bezirk.dsv.meld", 3)},
        {"working file section of no section", definition, Replaced(working, "ABSCHNITT:1;", "ABSCHNITT:4;"),
         content("Abschnitt nicht vorhanden!", "Bezirk.dsv.meld", 4)},
        {"working file swimmer of no sex", definition, Replaced(working, ";M;1992;", ";X;1992;"),
         content("Falsche Geschlechtsangabe", "Bezirk.dsv.meld", 15)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = folder.Path("Bezirk.dsv");
        std::filesystem::remove(path);
        std::filesystem::remove(path + ".meld");
        if (c.definition)
            test::WriteBytes(path, *c.definition);
        if (c.working && !c.working->empty())
            test::WriteBytes(path + ".meld", *c.working);

        ReadResult<std::unique_ptr<MeetDefinition>> read = ReadDefinitionList(path);
        if (!c.working) {
            ASSERT_FALSE(read.ok());
            EXPECT_EQ(read.failure(), c.failure);
            EXPECT_TRUE(read.warnings().empty());
            continue;
        }
        ASSERT_TRUE(read.ok());
        EXPECT_TRUE(read.warnings().empty());
        ClubEntries club;
        const EntryListRead entries = EntryListReader(path + ".meld").Read(*read.value(), club);
        ASSERT_FALSE(entries.ok());
        EXPECT_EQ(entries.failure(), c.failure);
        EXPECT_TRUE(entries.warnings().empty());
    }
}

}  // namespace
}  // namespace natarix
