#include "resultstore/ResultStore.h"

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <utility>

#include "RowIds.h"
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
constexpr const char* kAddSwim = R"sql(
    INSERT INTO swims (swimmer_id, swum_on, event_id, list_id, club_id, hundredths, hand_timed)
    VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)
    ON CONFLICT DO NOTHING
)sql";

// Both ways of finding a swimmer go through an index of the swimmers; a
// swimmer's swims then lie together.
constexpr const char* kCandidates = R"sql(
    SELECT s.surname, s.first_name, s.year_of_birth, s.sex, s.dsv_id, c.name, c.number, e.distance,
        e.technique, e.exercise, e.pool_length, w.hundredths, w.swum_on, m.name, m.town, e.number, e.round,
        w.hand_timed, e.first_leg
    FROM swimmers s JOIN swims w ON w.swimmer_id = s.id JOIN events e ON e.id = w.event_id
        JOIN meets m ON m.id = e.meet_id JOIN clubs c ON c.id = w.club_id
)sql";
// ?4: the first day wanted as YYYY-MM-DD; empty for every day.
constexpr const char* kByDsvIdOrName =
    "WHERE ((s.dsv_id = ?1 AND s.dsv_id <> '') OR (s.dsv_id = '' AND s.name_key = ?2 AND s.year_of_birth = ?3)) "
    "AND w.swum_on >= ?4";
constexpr const char* kByName = "WHERE s.name_key = ?2 AND s.year_of_birth = ?3 AND w.swum_on >= ?4";

// A swim to add, with the ids it points to, ordered as the swims' key.
struct SwimRow {
    std::int64_t swimmer;
    const std::string* day;
    std::int64_t event;
    std::int64_t club;
    std::int64_t hundredths;

    bool operator<(const SwimRow& other) const
    {
        return std::tie(swimmer, *day, event) < std::tie(other.swimmer, *other.day, other.event);
    }
};

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
    // WAL keeps readers going while another program imports; a large cache
    // keeps the swims of a big list from being written page by page, and the
    // savepoint of each list keeps its page copies in memory. The references
    // between the tables are declared, not enforced: only the import writes
    // rows, each after the rows it points to and in the same transaction,
    // and checking them took a third of its time.
    if (!db->Execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; "
                     "PRAGMA cache_size = -65536; PRAGMA temp_store = MEMORY",
                     error) ||
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
        // Rows the undone list added are gone again.
        if (ids_)
            ids_->Forget();
        return Result::Failed(StoreFailure(path_,
                                           "Die Ergebnisse aus " + fileName +
                                               " ließen sich nicht speichern; die Datenbank bleibt, wie "
                                               "sie war.",
                                           error));
    };
    sqlite::Transaction transaction(*db_, error, batch_ ? "list" : nullptr);
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

    if (!ids_) {
        ids_ = std::make_unique<resultstore::RowIds>(*db_, error);
        addSwim_ = std::make_unique<sqlite::Statement>(*db_, kAddSwim, error);
    }
    if (!ids_->ok() || !addSwim_->ok())
        return failed();
    // Each swimmer, club and event of the list is looked up once, however
    // many swims name it.
    std::vector<std::pair<std::int64_t, std::int64_t>> swimmers;  // swimmer and club
    swimmers.reserve(list.swimmers.size());
    for (const ResultSwimmer& who : list.swimmers) {
        const auto swimmer = ids_->Swimmer(who, error);
        const auto club = swimmer ? ids_->Club(who.club, who.clubNumber, error) : std::nullopt;
        if (!club)
            return failed();
        swimmers.emplace_back(*swimmer, *club);
    }
    std::vector<std::int64_t> events;
    events.reserve(list.events.size());
    std::vector<std::string> days;
    days.reserve(list.events.size());
    if (!list.events.empty()) {
        const auto meet = ids_->Meet(list.meet, list.town, error);
        if (!meet)
            return failed();
        for (const ResultEvent& event : list.events) {
            const std::string& day = days.emplace_back(IsoDay(event.date));
            const auto id = ids_->Event(*meet, day, event, list.poolLength, error);
            if (!id)
                return failed();
            events.push_back(*id);
        }
    }
    // In the order of the swims' key, so that the rows go into the
    // database's tree one after the other rather than all over it; stable,
    // so that of a swim listed twice the first counts.
    std::vector<SwimRow> rows;
    rows.reserve(list.swims.size());
    for (const ListedSwim& swim : list.swims) {
        const auto& [swimmer, club] = swimmers.at(swim.swimmer);
        rows.push_back({swimmer, &days.at(swim.event), events.at(swim.event), club, swim.hundredths});
    }
    std::stable_sort(rows.begin(), rows.end());
    sqlite::Statement& add = *addSwim_;
    const std::int64_t handTimed = list.HandTimed() ? 1 : 0;
    Imported imported;
    for (const SwimRow& row : rows) {
        add.Reset();
        add.Bind(1, row.swimmer)
            .BindInPlace(2, *row.day)
            .Bind(3, row.event)
            .Bind(4, listId)
            .Bind(5, row.club)
            .Bind(6, row.hundredths)
            .Bind(7, handTimed);
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

std::optional<Message> ResultStore::BeginBatch()
{
    sqlite::Error error;
    if (batch_)
        return std::nullopt;
    auto batch = std::make_unique<sqlite::Transaction>(*db_, error);
    if (!batch->began())
        return StoreFailure(path_, "Die Ergebnisdatenbank lässt sich nicht beschreiben.", error);
    batch_ = std::move(batch);
    return std::nullopt;
}

std::optional<Message> ResultStore::FinishBatch()
{
    sqlite::Error error;
    const std::unique_ptr<sqlite::Transaction> batch = std::move(batch_);
    if (!batch || batch->Commit(error))
        return std::nullopt;
    if (ids_)
        ids_->Forget();
    return StoreFailure(
        path_, "Die eingelesenen Ergebnisse ließen sich nicht speichern; die Datenbank bleibt, wie sie war.", error);
}

std::vector<SwimResult> ResultStore::CandidatesFor(const Swimmer& swimmer, const Date& since) const
{
    sqlite::Error error;
    const bool byId = IsKnownDsvId(swimmer.registrationNumber);
    std::unique_ptr<sqlite::Statement>& query = byId ? byDsvIdOrName_ : byName_;
    if (!query)
        query = std::make_unique<sqlite::Statement>(*db_, std::string(kCandidates) + (byId ? kByDsvIdOrName : kByName),
                                                    error);
    std::vector<SwimResult> found;
    if (!query->ok())
        return found;
    query->Reset();
    if (byId)
        query->Bind(1, swimmer.registrationNumber);
    query->Bind(2, NameKey(swimmer.surname, swimmer.firstName))
        .Bind(3, std::int64_t{swimmer.yearOfBirth})
        .Bind(4, IsoDay(since));
    while (query->Step(error))
        found.push_back(ResultOfRow(*query));
    return found;
}

std::size_t ResultStore::ResultCount() const
{
    sqlite::Error error;
    sqlite::Statement count(*db_, "SELECT count(*) FROM swims", error);
    return count.ok() && count.Step(error) ? static_cast<std::size_t>(count.Number(0)) : 0;
}

}  // namespace natarix
