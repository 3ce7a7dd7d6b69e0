#include "resultstore/ResultStore.h"

#include <filesystem>

#include "Schema.h"
#include "Sqlite.h"
#include "model/Round.h"
#include "model/ValueTexts.h"
#include "times/SwimmerMatch.h"

namespace natarix {

namespace {

Message StoreFailure(const std::string& path, const std::string& what, const sqlite::Error& error)
{
    return Message::Warning(what + "\n" + path + "\n(SQLite: " + error.text + ")");
}

// TT.MM.JJJJ as YYYY-MM-DD, which sorts and compares in SQL; empty for another text.
std::string IsoDay(const Date& date)
{
    if (!date.DayNumber())
        return {};
    const std::string& text = date.text();
    return text.substr(6, 4) + "-" + text.substr(3, 2) + "-" + text.substr(0, 2);
}

Date ListDay(const std::string& iso)
{
    return iso.size() == 10 ? Date(iso.substr(8, 2) + "." + iso.substr(5, 2) + "." + iso.substr(0, 4)) : Date();
}

// A swim already held is passed over; ON CONFLICT, unlike OR IGNORE, lets
// every other broken constraint fail the import.
constexpr const char* kInsertResult = R"sql(
    INSERT INTO results (list_id, surname, first_name, name_key, year_of_birth, sex, dsv_id, club,
        club_number, distance, technique, exercise, pool_length, hundredths, swum_on, meet, town, event_number,
        round, hand_timed, first_leg)
    VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21)
    ON CONFLICT DO NOTHING
)sql";

constexpr const char* kSelectColumns = R"sql(
    SELECT surname, first_name, year_of_birth, sex, dsv_id, club, club_number, distance, technique, exercise,
        pool_length, hundredths, swum_on, meet, town, event_number, round, hand_timed, first_leg
    FROM results
)sql";

SwimResult ResultOfRow(const sqlite::Statement& row)
{
    SwimResult result;
    result.swimmer = {row.Text(0), row.Text(1), static_cast<std::int32_t>(row.Number(2)), row.Text(3), row.Text(4),
                      row.Text(5), row.Text(6)};
    result.distance = static_cast<std::int32_t>(row.Number(7));
    result.technique = row.Text(8);
    result.exercise = row.Text(9);
    result.poolLength = row.Text(10);
    result.hundredths = row.Number(11);
    result.date = ListDay(row.Text(12));
    result.meet = row.Text(13);
    result.town = row.Text(14);
    result.eventNumber = row.Text(15);
    result.round = RoundFromLetter(row.Text(16)).value_or(Round::None);
    result.handTimed = row.Number(17) != 0;
    result.firstLeg = row.Number(18) != 0;
    return result;
}

}  // namespace

ResultStore::ResultStore(std::string path, std::unique_ptr<sqlite::Database> db)
    : path_(std::move(path)), db_(std::move(db))
{
}

ResultStore::~ResultStore() = default;

ReadResult<std::unique_ptr<ResultStore>> ResultStore::Open(const std::string& path)
{
    using Result = ReadResult<std::unique_ptr<ResultStore>>;
    sqlite::Error error;
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ignored);
    std::optional<sqlite::Database> db = sqlite::Database::Open(path, error);
    if (!db)
        return Result::Failed(StoreFailure(path, "Die Ergebnisdatenbank lässt sich nicht öffnen.", error));
    const int version = resultstore::SchemaVersionOf(*db, error);
    if (version < 0)
        return Result::Failed(StoreFailure(path, "Diese Datei ist keine Ergebnisdatenbank dieses Programms.", error));
    if (version > resultstore::kSchemaVersion)
        return Result::Failed(
            Message::Warning("Die Ergebnisdatenbank stammt von einer neueren Ausgabe des Programms (Schema " +
                             std::to_string(version) + ", diese kennt bis " +
                             std::to_string(resultstore::kSchemaVersion) + "); sie bleibt unverändert.\n" + path));
    // WAL keeps readers going while another program imports.
    if (!db->Execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON", error) ||
        !resultstore::MigrateTo(*db, resultstore::kSchemaVersion, error))
        return Result::Failed(StoreFailure(path, "Die Ergebnisdatenbank lässt sich nicht einrichten.", error));
    return Result(
        std::unique_ptr<ResultStore>(new ResultStore(path, std::make_unique<sqlite::Database>(std::move(*db)))));
}

ReadResult<ResultStore::Imported> ResultStore::Import(const ResultList& list, const std::string& fileName)
{
    using Result = ReadResult<Imported>;
    sqlite::Error error;
    const auto failed = [&] {
        return Result::Failed(StoreFailure(path_,
                                           "Die Ergebnisse aus " + fileName +
                                               " ließen sich nicht speichern; die Datenbank bleibt, wie "
                                               "sie war.",
                                           error));
    };
    sqlite::Transaction transaction(*db_, error);
    if (!transaction.began())
        return failed();
    sqlite::Statement addList(*db_,
                              "INSERT INTO result_lists (file_name, list_kind, format_version, producer, meet, town) "
                              "VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
                              error);
    if (!addList.ok())
        return failed();
    addList.Bind(1, fileName)
        .Bind(2, list.clubList ? "Vereinsergebnisliste" : "Wettkampfergebnisliste")
        .Bind(3, std::int64_t{list.version})
        .Bind(4, list.producer)
        .Bind(5, list.meet)
        .Bind(6, list.town);
    if (!addList.Run(error))
        return failed();
    const std::int64_t listId = db_->LastInsertId();

    sqlite::Statement add(*db_, kInsertResult, error);
    if (!add.ok())
        return failed();
    Imported imported;
    for (const SwimResult& swim : list.results) {
        const ResultSwimmer& who = swim.swimmer;
        add.Reset();
        add.Bind(1, listId)
            .Bind(2, who.surname)
            .Bind(3, who.firstName)
            .Bind(4, NameKey(who.surname, who.firstName))
            .Bind(5, std::int64_t{who.yearOfBirth})
            .Bind(6, who.sex)
            .Bind(7, KnownResultDsvId(who.dsvId))
            .Bind(8, who.club)
            .Bind(9, who.clubNumber)
            .Bind(10, std::int64_t{swim.distance})
            .Bind(11, swim.technique)
            .Bind(12, swim.exercise)
            .Bind(13, swim.poolLength)
            .Bind(14, swim.hundredths)
            .Bind(15, IsoDay(swim.date))
            .Bind(16, swim.meet)
            .Bind(17, swim.town)
            .Bind(18, swim.eventNumber)
            .Bind(19, RoundLetter(swim.round))
            .Bind(20, std::int64_t{swim.handTimed})
            .Bind(21, std::int64_t{swim.firstLeg});
        if (!add.Run(error))
            return failed();
        (db_->Changes() > 0 ? imported.added : imported.known) += 1;
    }
    // A list that brought nothing new leaves no trace.
    if (imported.added == 0) {
        sqlite::Statement drop(*db_, "DELETE FROM result_lists WHERE id = ?1", error);
        if (!drop.ok() || !drop.Bind(1, listId).Run(error))
            return failed();
    }
    if (!transaction.Commit(error))
        return failed();
    return Result(imported);
}

std::vector<SwimResult> ResultStore::CandidatesFor(const Swimmer& swimmer) const
{
    sqlite::Error error;
    const bool byId = IsKnownDsvId(swimmer.registrationNumber);
    const std::string sql = std::string(kSelectColumns) +
                            (byId ? "WHERE dsv_id = ?1 OR (dsv_id = '' AND name_key = ?2 AND year_of_birth = ?3)"
                                  : "WHERE name_key = ?2 AND year_of_birth = ?3");
    sqlite::Statement query(*db_, sql, error);
    std::vector<SwimResult> found;
    if (!query.ok())
        return found;
    if (byId)
        query.Bind(1, swimmer.registrationNumber);
    query.Bind(2, NameKey(swimmer.surname, swimmer.firstName)).Bind(3, std::int64_t{swimmer.yearOfBirth});
    while (query.Step(error))
        found.push_back(ResultOfRow(query));
    return found;
}

std::size_t ResultStore::ResultCount() const
{
    sqlite::Error error;
    sqlite::Statement count(*db_, "SELECT count(*) FROM results", error);
    return count.ok() && count.Step(error) ? static_cast<std::size_t>(count.Number(0)) : 0;
}

}  // namespace natarix
