// A working file that no longer fits its definition list (the organiser
// changed the list, or it belongs to another competition), one cut off in
// the middle, and a link that leads nowhere: the first save keeps the
// original byte for byte beside it, tells the user where, and only then
// writes the model that was read.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "TestFiles.h"
#include "TestTexts.h"
#include "dsv5/EntryListWriter.h"
#include "session/WorkingFileCycle.h"

namespace natarix {
namespace {

namespace fs = std::filesystem;
using test::Data;
using test::ReadBytes;
using test::Replaced;
using test::WriteBytes;

TEST(KeptOriginal, WorkingFileThatDoesNotFitIsKeptBeforeTheFirstSave)
{
    const std::string definition = Data("minimal.dsv");
    const std::string working = Data("minimal.dsv.meld");
    struct Case {
        const char* label;
        std::string definition;
        std::string working;
        std::string readMessage;  // empty: none
        std::size_t readLine;
    };
    const Case cases[] = {
        {"another competition", Replaced(definition, "Fr\xFChjahrsschwimmen", "Herbstschwimmen"), working,
         std::string("Veranstaltungsbezeichnung abweichend!"), 3},
        {"event changed by the organiser", Replaced(definition, "1;1;100 F M;", "1;1;200 F M;"), working,
         std::string("Ungültige Wettkampfstrecke gefunden!"), 5},
        {"section moved to another day", Replaced(definition, "1;12.03.2006;", "1;13.03.2006;"), working,
         std::string("Ungültiges Abschnittsdatum gefunden!"), 4},
        {"cut off inside the club's line", definition, working.substr(0, working.find("LSV:") + 6),
         "eatFixString out of buffer", 8},
        {"cut off inside an entry", definition, working.substr(0, working.find("02:15") + 2), "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const test::TempDir scratch;
        const fs::path folder = scratch.path();
        WriteBytes(folder / "m.dsv", c.definition);
        WriteBytes(folder / "m.dsv.meld", c.working);

        RecordingMessageSink messages;
        WorkingFileCycle cycle(messages, folder.string());
        cycle.LoadDefinition((folder / "m.dsv").string());
        ASSERT_NE(cycle.meet(), nullptr);
        EXPECT_EQ(messages.messages,
                  c.readMessage.empty() ? std::vector<Message>{}
                                        : std::vector{Message::ReadFailure(c.readMessage, {"m.dsv.meld", c.readLine})});

        ASSERT_TRUE(cycle.SaveWorkingFile());
        const std::string kept = (folder / "m.dsv.meld.original").string();
        EXPECT_EQ(ReadBytes(kept), c.working);
        ASSERT_FALSE(messages.messages.empty());
        EXPECT_EQ(messages.messages.back().kind, MessageKind::Warning);
        EXPECT_NE(messages.messages.back().text.find(kept), std::string::npos);
        EXPECT_EQ(ReadBytes(folder / "m.dsv.meld"),
                  EntryListWriter("", *cycle.meet(), cycle.entries(), false).BuildText());
    }
}

TEST(KeptOriginal, LinkThatLeadsNowhereIsMovedAsideNotFollowed)
{
    const test::TempDir scratch;
    const fs::path folder = scratch.path();
    WriteBytes(folder / "m.dsv", Data("minimal.dsv"));
    fs::create_symlink(folder / "gone" / "m.dsv.meld", folder / "m.dsv.meld");

    RecordingMessageSink messages;
    WorkingFileCycle cycle(messages, folder.string());
    cycle.LoadDefinition((folder / "m.dsv").string());
    ASSERT_NE(cycle.meet(), nullptr);
    EXPECT_EQ(messages.messages,
              std::vector{Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geöffnet werden!"))});
    ASSERT_TRUE(cycle.SaveWorkingFile());
    EXPECT_TRUE(fs::is_symlink(folder / "m.dsv.meld.original"));
    EXPECT_EQ(fs::read_symlink(folder / "m.dsv.meld.original"), folder / "gone" / "m.dsv.meld");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder / "m.dsv.meld")));
    EXPECT_FALSE(fs::exists(folder / "gone"));
}

TEST(KeptOriginal, NamedPipeInPlaceOfTheWorkingFileIsNotWaitedFor)
{
    const test::TempDir scratch;
    const fs::path folder = scratch.path();
    WriteBytes(folder / "m.dsv", Data("minimal.dsv"));
    ASSERT_EQ(::mkfifo((folder / "m.dsv.meld").c_str(), 0666), 0);

    // Loading in a child first: waiting for a writer there fails the test
    // instead of hanging it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RecordingMessageSink ignored;
        WorkingFileCycle(ignored, folder.string()).LoadDefinition((folder / "m.dsv").string());
        ::_exit(0);
    }
    int status = -1;
    for (int waited = 0; waited < 100 && ::waitpid(child, &status, WNOHANG) == 0; ++waited)
        ::usleep(100'000);
    if (::waitpid(child, &status, WNOHANG) == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "loading waited for a writer of the named pipe";
    }

    RecordingMessageSink messages;
    WorkingFileCycle cycle(messages, folder.string());
    cycle.LoadDefinition((folder / "m.dsv").string());
    ASSERT_NE(cycle.meet(), nullptr);
    EXPECT_EQ(messages.messages,
              std::vector{Message::Warning(std::string("Die Vereinsmeldeliste konnte nicht geöffnet werden!"))});
    ASSERT_TRUE(cycle.SaveWorkingFile());
    EXPECT_TRUE(fs::is_fifo(folder / "m.dsv.meld.original"));
    EXPECT_TRUE(fs::is_regular_file(folder / "m.dsv.meld"));
}

}  // namespace
}  // namespace natarix
