// The operations on the club's side: each saves the working file once, with
// the change in it; a read-only competition refuses them without a word.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FakeFileOps.h"
#include "TestFiles.h"
#include "cli/ModelJson.h"
#include "dsv5/EntryListWriter.h"
#include "session/WorkingFileCycle.h"

namespace natarix {
namespace {

using Operation = std::function<void(WorkingFileCycle&)>;

const Swimmer& FirstSwimmer(const WorkingFileCycle& cycle)
{
    return *cycle.entries().swimmers().front();
}
const Team& FirstTeam(const WorkingFileCycle& cycle)
{
    return *cycle.entries().teams().front();
}
const Official& FirstOfficial(const WorkingFileCycle& cycle)
{
    return *cycle.entries().officials().front();
}

template <typename T>
T Renamed(T member)
{
    member.firstName = "Neu";
    return member;
}
Team Renamed(Team team)
{
    team.teamName = "Neu";
    return team;
}

TEST(ClubOperations, EachSavesOnceAndNoneChangesAReadOnlyCompetition)
{
    const Club otherClub{"SV Neu", "1", "", "GER", {}};
    const Swimmer stranger;
    const struct {
        const char* label;
        Operation operation;
        bool saves;    // when editable
        bool changes;  // the model, when editable
    } cases[] = {
        {"club data", [&](WorkingFileCycle& c) { c.SetClub(otherClub); }, true, true},
        {"the same club data", [](WorkingFileCycle& c) { c.SetClub(c.entries().club); }, true, false},
        {"add swimmer", [](WorkingFileCycle& c) { c.Add(Swimmer()); }, true, true},
        {"add team", [](WorkingFileCycle& c) { c.Add(Team()); }, true, true},
        {"add official", [](WorkingFileCycle& c) { c.Add(Official()); }, true, true},
        {"change swimmer", [](WorkingFileCycle& c) { c.Change(FirstSwimmer(c), Renamed(FirstSwimmer(c))); }, true,
         true},
        {"change team", [](WorkingFileCycle& c) { c.Change(FirstTeam(c), Renamed(FirstTeam(c))); }, true, true},
        {"change official", [](WorkingFileCycle& c) { c.Change(FirstOfficial(c), Renamed(FirstOfficial(c))); }, true,
         true},
        {"remove swimmer", [](WorkingFileCycle& c) { c.Remove(FirstSwimmer(c)); }, true, true},
        {"remove team", [](WorkingFileCycle& c) { c.Remove(FirstTeam(c)); }, true, true},
        {"remove official", [](WorkingFileCycle& c) { c.Remove(FirstOfficial(c)); }, true, true},
        {"enter swimmer", [](WorkingFileCycle& c) { c.SetEntry(&FirstSwimmer(c), "1", "00:59,00"); }, true, true},
        {"take team entry back", [](WorkingFileCycle& c) { c.SetEntry(&FirstTeam(c), "2", ""); }, true, true},
        {"change a stranger", [&](WorkingFileCycle& c) { c.Change(stranger, Swimmer()); }, false, false},
        {"remove a stranger", [&](WorkingFileCycle& c) { c.Remove(stranger); }, false, false},
        {"enter a stranger", [&](WorkingFileCycle& c) { c.SetEntry(&stranger, "1", "00:59,00"); }, false, false},
    };
    for (const auto& c : cases) {
        for (const auto access : {WorkingFileCycle::Access::Edit, WorkingFileCycle::Access::View}) {
            const bool editable = access == WorkingFileCycle::Access::Edit;
            SCOPED_TRACE(std::string(c.label) + (editable ? "" : ", read only"));
            const test::TempDir folder;
            test::WriteBytes(folder.Path("m.dsv"), test::Data("minimal.dsv"));
            test::WriteBytes(folder.Path("m.dsv.meld"), test::Data("minimal.dsv.meld"));
            RecordingMessageSink sink;
            test::FakeFileOps ops;
            WorkingFileCycle cycle(sink, folder.path(), ops);
            cycle.LoadDefinition(folder.Path("m.dsv"), access);
            ASSERT_NE(cycle.meet(), nullptr);
            const std::string before = ModelToJson(*cycle.meet(), cycle.entries());

            c.operation(cycle);
            EXPECT_EQ(ops.saved, editable && c.saves ? std::vector<std::string>{cycle.workingFilePath()}
                                                     : std::vector<std::string>());
            EXPECT_EQ(ModelToJson(*cycle.meet(), cycle.entries()) != before, editable && c.changes);
            EXPECT_EQ(test::ReadBytes(cycle.workingFilePath()),
                      EntryListWriter("", *cycle.meet(), cycle.entries(), false).BuildText());
            EXPECT_TRUE(sink.messages.empty());
        }
    }
}

TEST(ClubOperations, NamingANewCoachAddsItAndSaves)
{
    for (const auto access : {WorkingFileCycle::Access::Edit, WorkingFileCycle::Access::View}) {
        const bool editable = access == WorkingFileCycle::Access::Edit;
        SCOPED_TRACE(editable ? "editable" : "read only");
        const test::TempDir folder;
        test::WriteBytes(folder.Path("m.dsv"), test::Data("minimal.dsv"));
        RecordingMessageSink sink;
        test::FakeFileOps ops;
        WorkingFileCycle cycle(sink, folder.path(), ops);
        cycle.LoadDefinition(folder.Path("m.dsv"), access);

        EXPECT_EQ(cycle.CoachNumber("Lehmann"), editable ? 1 : 0);
        EXPECT_EQ(ops.saved.size(), editable ? 1u : 0u);
        EXPECT_EQ(cycle.CoachNumber("Lehmann"), editable ? 1 : 0) << "a known name";
        EXPECT_EQ(cycle.CoachNumber(""), 0);
        EXPECT_EQ(ops.saved.size(), editable ? 1u : 0u) << "nothing new, nothing saved";
        EXPECT_EQ(cycle.entries().coaches.size(), editable ? 1u : 0u);
    }
}

TEST(ClubOperations, NothingLoadedNothingChanged)
{
    RecordingMessageSink sink;
    test::FakeFileOps ops;
    const test::TempDir folder;
    WorkingFileCycle cycle(sink, folder.path(), ops);
    cycle.SetClub(Club());
    cycle.Add(Swimmer());
    EXPECT_EQ(cycle.meet(), nullptr);
    EXPECT_TRUE(ops.saved.empty());
    EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace natarix
