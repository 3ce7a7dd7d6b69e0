#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "SampleSwims.h"
#include "Schema.h"
#include "Sqlite.h"
#include "resultstore/ResultStore.h"

namespace natarix {
namespace {

namespace fs = std::filesystem;

class ResultStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("natarix-store-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        path_ = (folder_ / "sub" / "results.sqlite").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::unique_ptr<ResultStore> OpenOrFail()
    {
        auto opened = ResultStore::Open(path_);
        EXPECT_TRUE(opened.ok()) << (opened.ok() ? "" : opened.failure().text);
        return opened.ok() ? std::move(opened).value() : nullptr;
    }

    int VersionOnDisk()
    {
        sqlite::Error error;
        auto db = sqlite::Database::Open(path_, error);
        return db ? resultstore::SchemaVersionOf(*db, error) : -1;
    }

    int Count(const char* table)
    {
        sqlite::Error error;
        auto db = sqlite::Database::Open(path_, error);
        sqlite::Statement count(*db, std::string("SELECT count(*) FROM ") + table, error);
        return count.Step(error) ? static_cast<int>(count.Number(0)) : -1;
    }

    // The rows whose references point nowhere; the database does not check them itself.
    int BrokenReferences()
    {
        sqlite::Error error;
        auto db = sqlite::Database::Open(path_, error);
        sqlite::Statement check(*db, "PRAGMA foreign_key_check", error);
        int broken = 0;
        while (check.Step(error))
            ++broken;
        return error.text.empty() ? broken : -1;
    }

    fs::path folder_;
    std::string path_;
};

SwimResult Swim(const char* surname, const char* dsvId, std::int64_t hundredths, const char* date = "18.10.2025")
{
    SwimResult swim = test::SampleSwim(hundredths, date, dsvId, surname);
    swim.handTimed = true;
    return swim;
}

ResultList List(const std::vector<SwimResult>& swims)
{
    return test::ListOf(swims);
}

Swimmer Named(const char* surname, const char* dsvId)
{
    Swimmer swimmer;
    swimmer.surname = surname;
    swimmer.firstName = "Lotte";
    swimmer.yearOfBirth = 2012;
    swimmer.registrationNumber = dsvId;
    return swimmer;
}

TEST_F(ResultStoreTest, ReadingTheSameListTwiceAddsNothing)
{
    auto store = OpenOrFail();
    ASSERT_TRUE(store);
    const ResultList list = List({Swim("Brenner", "412233", 9248), Swim("Ahlers", "000000", 9900)});
    auto first = store->Import(list, "a-Pr.dsv7");
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.value().added, 2u);
    auto again = store->Import(list, "copy-of-a-Pr.dsv7");
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.value().added, 0u);
    EXPECT_EQ(again.value().known, 2u);
    EXPECT_EQ(store->ResultCount(), 2u);
    EXPECT_EQ(VersionOnDisk(), resultstore::kSchemaVersion);
    EXPECT_EQ(BrokenReferences(), 0);
}

TEST_F(ResultStoreTest, AFailedImportLeavesTheDatabaseAsItWas)
{
    auto store = OpenOrFail();
    ASSERT_TRUE(store);
    ASSERT_TRUE(store->Import(List({Swim("Brenner", "412233", 9248)}), "a").ok());
    // A result without a time: the list is refused before a row is written.
    auto refused =
        store->Import(List({Swim("Ahlers", "", 9900), Swim("Kuhlmann", "", 9800), Swim("Yilmaz", "", 0)}), "b");
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.failure().text.find("ohne Zeit); die Datenbank bleibt, wie sie war"), std::string::npos);
    EXPECT_EQ(store->ResultCount(), 1u);
    // The database fails the third swim after two went in.
    {
        sqlite::Error error;
        auto db = sqlite::Database::Open(path_, error);
        ASSERT_TRUE(
            db->Execute("CREATE TRIGGER fail BEFORE INSERT ON swims WHEN NEW.hundredths = 9700 "
                        "BEGIN SELECT RAISE(ABORT, 'disk full'); END",
                        error))
            << error.text;
    }
    auto failed =
        store->Import(List({Swim("Ahlers", "", 9900), Swim("Kuhlmann", "", 9800), Swim("Yilmaz", "", 9700)}), "c");
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(failed.failure().text.find("disk full"), std::string::npos);
    EXPECT_EQ(store->ResultCount(), 1u);
    EXPECT_TRUE(store->CandidatesFor(Named("Ahlers", "000000")).empty());
    // The rows the undone list made are not taken for existing ones.
    ASSERT_TRUE(store->Import(List({Swim("Ahlers", "", 9900)}), "d").ok());
    EXPECT_EQ(store->CandidatesFor(Named("Ahlers", "000000")).size(), 1u);
    EXPECT_EQ(BrokenReferences(), 0);

    // Within a batch a list the database fails undoes the whole batch; a
    // list refused before writing is passed over alone.
    ASSERT_FALSE(store->BeginBatch());
    ASSERT_TRUE(store->Import(List({Swim("Kuhlmann", "", 9800)}), "e").ok());
    EXPECT_FALSE(store->Import(List({Swim("Yilmaz", "", 0)}), "f").ok());
    EXPECT_FALSE(store->BatchFailed());
    EXPECT_FALSE(store->Import(List({Swim("Yilmaz", "", 9700)}), "g").ok());
    EXPECT_TRUE(store->BatchFailed());
    EXPECT_FALSE(store->Import(List({Swim("Weber", "", 9600)}), "h").ok());
    const auto undone = store->FinishBatch();
    ASSERT_TRUE(undone);
    EXPECT_NE(undone->text.find("wie sie vor dem Einlesen war"), std::string::npos);
    EXPECT_EQ(store->ResultCount(), 2u);
    EXPECT_TRUE(store->CandidatesFor(Named("Kuhlmann", "000000")).empty());
    ASSERT_TRUE(store->Import(List({Swim("Kuhlmann", "", 9800)}), "i").ok());
    EXPECT_EQ(store->CandidatesFor(Named("Kuhlmann", "000000")).size(), 1u);
    EXPECT_EQ(BrokenReferences(), 0);
}

// What the database's checks would refuse is refused before a row is
// written, so that within a batch such a list is passed over alone.
TEST_F(ResultStoreTest, RefusesAListTheDatabaseCouldNotKeepBeforeWriting)
{
    struct Case {
        const char* name;
        void (*spoil)(ResultList&);
        const char* reason;
    };
    const Case cases[] = {
        {"no distance", [](ResultList& list) { list.events[0].distance = 0; }, "ohne Strecke"},
        {"no real day", [](ResultList& list) { list.events[0].date = Date("31.02.2025"); }, "ohne gültigen Tag"},
        {"no time", [](ResultList& list) { list.swims[1].hundredths = 0; }, "ohne Zeit"},
        {"no such event", [](ResultList& list) { list.swims[1].event = 7; }, "ohne Schwimmer oder Wettkampf"},
        {"no such swimmer", [](ResultList& list) { list.swims[1].swimmer = 7; }, "ohne Schwimmer oder Wettkampf"},
    };
    auto store = OpenOrFail();
    ASSERT_TRUE(store);
    ASSERT_FALSE(store->BeginBatch());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResultList list = List({Swim("Brenner", "412233", 9248), Swim("Ahlers", "", 9900)});
        c.spoil(list);
        const auto refused = store->Import(list, "a");
        ASSERT_FALSE(refused.ok());
        EXPECT_NE(refused.failure().text.find(c.reason), std::string::npos) << refused.failure().text;
        EXPECT_FALSE(store->BatchFailed());
    }
    EXPECT_FALSE(store->FinishBatch());
    EXPECT_EQ(store->ResultCount(), 0u);
    EXPECT_EQ(Count("events"), 0);
}

TEST_F(ResultStoreTest, FindsASwimmerByDsvIdOrByNameAndKeepsEveryField)
{
    auto store = OpenOrFail();
    ASSERT_TRUE(store);
    SwimResult leg = Swim("Brenner", "412233", 3107);
    leg.firstLeg = true;
    leg.distance = 50;
    leg.technique = "F";
    ASSERT_TRUE(store
                    ->Import(List({Swim("Brenner", "412233", 9248), leg, Swim("Brenner", "000000", 9300, "01.11.2025"),
                                   Swim("Brenner", "499999", 9400, "02.11.2025")}),
                             "a")
                    .ok());
    const auto byId = store->CandidatesFor(Named("Brenner", "412233"));
    ASSERT_EQ(byId.size(), 3u);  // both of her DSV-ID and the one without any, not the other DSV-ID
    EXPECT_EQ(byId[0], Swim("Brenner", "412233", 9248));
    EXPECT_EQ(byId[1], leg);
    EXPECT_EQ(store->CandidatesFor(Named("BRENNER", "000000")).size(), 4u);
    EXPECT_EQ(store->CandidatesFor(Named("Brenner", "412233"), Date("01.11.2025")).size(), 1u);
}

TEST_F(ResultStoreTest, ALookUpSeesWhatAnImportAddedAfterTheLastLookUp)
{
    auto store = OpenOrFail();
    ASSERT_TRUE(store);
    ASSERT_TRUE(store->Import(List({Swim("Brenner", "412233", 9248)}), "a").ok());
    EXPECT_EQ(store->CandidatesFor(Named("Brenner", "412233")).size(), 1u);
    ASSERT_TRUE(store->Import(List({Swim("Brenner", "412233", 9100, "01.11.2025")}), "b").ok());
    const auto found = store->CandidatesFor(Named("Brenner", "412233"));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[1].date.text(), "01.11.2025");
}

TEST_F(ResultStoreTest, MigratesADatabaseOfTheFirstSchema)
{
    fs::create_directories(fs::path(path_).parent_path());
    {
        sqlite::Error error;
        auto db = sqlite::Database::Open(path_, error);
        ASSERT_TRUE(db);
        ASSERT_TRUE(resultstore::MigrateTo(*db, 1, error)) << error.text;
        ASSERT_TRUE(
            db->Execute("INSERT INTO result_lists (id, file_name, list_kind, format_version, producer, meet, "
                        "town) VALUES (1, 'a', 'Wettkampfergebnisliste', 7, '', 'Herbstpokal', 'Neustadt');"
                        "INSERT INTO swimmers VALUES (1, '412233', 'brenner,lotte', 2012, 'Brenner', 'Lotte', 'W');"
                        "INSERT INTO swimmers VALUES (2, '', 'ahlers,lotte', 2012, 'Ahlers', 'Lotte', 'W');"
                        "INSERT INTO results VALUES (1, '2025-10-18', 'Herbstpokal', 'Neustadt', '3', 'V', 0, 1, "
                        "'SV', '2468', 100, 'B', 'GL', '25', 9248, 0);"
                        "INSERT INTO results VALUES (2, '2025-10-18', 'Herbstpokal', 'Neustadt', '3', 'V', 0, 1, "
                        "'SV', '2468', 100, 'B', 'GL', '25', 9300, 0);"
                        "INSERT INTO results VALUES (1, '2025-10-18', 'Herbstpokal', 'Neustadt', '3', 'V', 1, 1, "
                        "'SV', '2468', 50, 'R', 'GL', '25', 3107, 0)",
                        error))
            << error.text;
    }
    ASSERT_EQ(VersionOnDisk(), 1);
    auto store = OpenOrFail();
    ASSERT_TRUE(store);
    EXPECT_EQ(VersionOnDisk(), resultstore::kSchemaVersion);
    auto found = store->CandidatesFor(Named("Brenner", "412233"));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(found[1].firstLeg && found[1].distance == 50 && found[1].hundredths == 3107);
    // Both swims of event 3 share its row; the first legs have one of their own.
    EXPECT_EQ(Count("events"), 2);
    EXPECT_EQ(store->CandidatesFor(Named("Ahlers", "")).size(), 1u);
    found.pop_back();
    EXPECT_EQ(found[0].date.text(), "18.10.2025");
    EXPECT_EQ(found[0].meet + "/" + found[0].town + "/" + found[0].swimmer.club + "/" + found[0].swimmer.clubNumber,
              "Herbstpokal/Neustadt/SV/2468");
    SwimResult expected = test::SampleSwim(9248, "18.10.2025");
    expected.swimmer.club = "SV";
    EXPECT_EQ(found[0], expected);
    EXPECT_EQ(BrokenReferences(), 0);
}

TEST_F(ResultStoreTest, RefusesWhatItCannotKeep)
{
    fs::create_directories(fs::path(path_).parent_path());
    {
        sqlite::Error error;
        auto db = sqlite::Database::Open(path_, error);
        ASSERT_TRUE(db && db->Execute("PRAGMA user_version = 99", error));
    }
    auto newer = ResultStore::Open(path_);
    ASSERT_FALSE(newer.ok());
    EXPECT_NE(newer.failure().text.find("neueren Ausgabe"), std::string::npos);
    EXPECT_EQ(VersionOnDisk(), 99);

    std::ofstream(path_, std::ios::trunc) << "FORMAT:Wettkampfergebnisliste;7;\n";
    auto text = ResultStore::Open(path_);
    ASSERT_FALSE(text.ok());
    EXPECT_NE(text.failure().text.find("keine Ergebnisdatenbank"), std::string::npos);
}

TEST(ResultStorePath, OptionThenEnvironmentThenDataFolder)
{
    ::setenv("HOME", "/home/ida", 1);
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    ::unsetenv("NATARIX_RESULTS_STORE");
    EXPECT_EQ(ResultStorePath(), "/home/ida/.local/share/natarix/results.sqlite");
    ::setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(ResultStorePath(), "/data/natarix/results.sqlite");
    ::setenv("NATARIX_RESULTS_STORE", "/tmp/club.sqlite", 1);
    EXPECT_EQ(ResultStorePath(), "/tmp/club.sqlite");
    EXPECT_EQ(ResultStorePath("mine.sqlite"), "mine.sqlite");
    ::unsetenv("NATARIX_RESULTS_STORE");
}

}  // namespace
}  // namespace natarix
