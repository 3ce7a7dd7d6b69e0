#include "resultstore/ResultStore.h"

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <utility>

#include "RowIds.h"
#include "Schema.h"
#include "Sqlite.h"
#include "SwimContexts.h"
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

// Swims go in many to a statement: SQLite's work for each statement, not
// for each row, was a sixth of the storing. A swim already held is passed
// over; ON CONFLICT, unlike OR IGNORE, lets every other broken constraint
// fail the import.
constexpr std::size_t kSwimsPerStatement = 64;
constexpr int kSwimColumns = 6;

std::string AddSwimsSql(std::size_t swims)
{
    std::string sql = "INSERT INTO swims (swimmer_id, event_id, list_id, club_id, hundredths, hand_timed) VALUES ";
    for (std::size_t swim = 0; swim < swims; ++swim)
        sql += swim == 0 ? "(?, ?, ?, ?, ?, ?)" : ", (?, ?, ?, ?, ?, ?)";
    return sql + " ON CONFLICT DO NOTHING";
}

// Both ways of finding a swimmer go through an index of the swimmers; a
// swimmer's swims then lie together. Their events and clubs come from
// SwimContexts.
constexpr const char* kCandidates = R"sql(
    SELECT s.surname, s.first_name, s.year_of_birth, s.sex, s.dsv_id, w.event_id, w.club_id, w.hundredths,
        w.hand_timed
    FROM swimmers s JOIN swims w ON w.swimmer_id = s.id
)sql";
constexpr const char* kByDsvIdOrName =
    "WHERE (s.dsv_id = ?1 AND s.dsv_id <> '') OR (s.dsv_id = '' AND s.name_key = ?2 AND s.year_of_birth = ?3)";
constexpr const char* kByName = "WHERE s.name_key = ?2 AND s.year_of_birth = ?3";

// A swim to add, with the ids it points to, ordered as the swims' key.
struct SwimRow {
    std::int64_t swimmer;
    std::int64_t event;
    std::int64_t club;
    std::int64_t hundredths;

    bool operator<(const SwimRow& other) const
    {
        return std::tie(swimmer, event) < std::tie(other.swimmer, other.event);
    }
};

// Why the database would refuse the list, if it would: what its checks
// refuse is refused here before a row is written.
std::optional<std::string> Unstorable(const ResultList& list)
{
    for (const ResultEvent& event : list.events) {
        if (event.distance <= 0)
            return "ein Wettkampf ohne Strecke";
        if (IsoDay(event.date).empty())
            return "ein Wettkampf ohne gültigen Tag";
    }
    for (const ListedSwim& swim : list.swims) {
        if (swim.swimmer >= list.swimmers.size() || swim.event >= list.events.size())
            return "ein Ergebnis ohne Schwimmer oder Wettkampf";
        if (swim.hundredths <= 0)
            return "ein Ergebnis ohne Zeit";
    }
    return std::nullopt;
}

}  // namespace

ResultStore::ResultStore(std::string path, std::unique_ptr<sqlite::Database> db)
    : path_(std::move(path)), db_(std::move(db)), contexts_(std::make_unique<resultstore::SwimContexts>())
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
    if (batchFailure_)
        return Result::Failed(*batchFailure_);
    if (const auto reason = Unstorable(list))
        return Result::Failed(Message::Warning("Die Ergebnisse aus " + fileName + " ließen sich nicht speichern (" +
                                               *reason + "); die Datenbank bleibt, wie sie war."));
    // Outside a batch the list has a transaction of its own. Within one, a
    // savepoint for each list would copy every page the list changes, a
    // tenth of the import; since the list was checked above, only the
    // database itself can fail it, and then the whole batch is undone.
    std::optional<sqlite::Transaction> transaction;
    const auto failed = [&] {
        const Message failure = StoreFailure(path_,
                                             "Die Ergebnisse aus " + fileName +
                                                 " ließen sich nicht speichern; die Datenbank bleibt, wie sie vor "
                                                 "dem Einlesen war.",
                                             error);
        if (batch_)
            batchFailure_ = failure;
        else if (ids_)
            ids_->Forget();  // rows the undone list added are gone again
        return Result::Failed(failure);
    };
    contexts_->MarkStale();
    if (!batch_ && !transaction.emplace(*db_, error).began())
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
        addSwim_ = std::make_unique<sqlite::Statement>(*db_, AddSwimsSql(1), error);
        addSwims_ = std::make_unique<sqlite::Statement>(*db_, AddSwimsSql(kSwimsPerStatement), error);
    }
    if (!ids_->ok() || !addSwim_->ok() || !addSwims_->ok())
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
    // Only events with a swim get a row: an event whose swims gave no time
    // leaves no trace either.
    std::vector<bool> swum(list.events.size(), false);
    for (const ListedSwim& swim : list.swims)
        swum[swim.event] = true;
    std::vector<std::int64_t> events(list.events.size(), 0);
    for (std::size_t index = 0; index < events.size(); ++index) {
        if (!swum[index])
            continue;
        const auto meet = ids_->Meet(list.meet, list.town, error);
        const auto id =
            meet ? ids_->Event(*meet, IsoDay(list.events[index].date), list.events[index], list.poolLength, error)
                 : std::nullopt;
        if (!id)
            return failed();
        events[index] = *id;
    }
    // In the order of the swims' key, so that the rows go into the
    // database's tree one after the other rather than all over it; stable,
    // so that of a swim listed twice the first counts.
    std::vector<SwimRow> rows;
    rows.reserve(list.swims.size());
    for (const ListedSwim& swim : list.swims) {
        const auto& [swimmer, club] = swimmers.at(swim.swimmer);
        rows.push_back({swimmer, events.at(swim.event), club, swim.hundredths});
    }
    std::stable_sort(rows.begin(), rows.end());
    const std::int64_t handTimed = list.HandTimed() ? 1 : 0;
    Imported imported;
    for (std::size_t first = 0; first < rows.size();) {
        const std::size_t count = rows.size() - first >= kSwimsPerStatement ? kSwimsPerStatement : 1;
        sqlite::Statement& add = count > 1 ? *addSwims_ : *addSwim_;
        add.Reset();
        for (std::size_t index = 0; index < count; ++index) {
            const SwimRow& row = rows[first + index];
            const int column = static_cast<int>(index) * kSwimColumns;
            add.Bind(column + 1, row.swimmer)
                .Bind(column + 2, row.event)
                .Bind(column + 3, listId)
                .Bind(column + 4, row.club)
                .Bind(column + 5, row.hundredths)
                .Bind(column + 6, handTimed);
        }
        if (!add.Run(error))
            return failed();
        const auto added = static_cast<std::size_t>(db_->Changes());
        imported.added += added;
        imported.known += count - added;
        first += count;
    }
    // A list that brought nothing new leaves no trace.
    if (imported.added == 0) {
        sqlite::Statement drop(*db_, "DELETE FROM result_lists WHERE id = ?1", error);
        if (!drop.ok() || !drop.Bind(1, listId).Run(error))
            return failed();
    }
    if (transaction && !transaction->Commit(error))
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
    std::optional<Message> failure = std::exchange(batchFailure_, std::nullopt);
    if (!batch || (!failure && batch->Commit(error)))
        return std::nullopt;
    if (!failure)
        failure = StoreFailure(
            path_, "Die eingelesenen Ergebnisse ließen sich nicht speichern; die Datenbank bleibt, wie sie war.",
            error);
    // The batch is undone when `batch` goes.
    if (ids_)
        ids_->Forget();
    contexts_->MarkStale();
    return failure;
}

bool ResultStore::BatchFailed() const
{
    return batchFailure_.has_value();
}

std::vector<SwimResult> ResultStore::CandidatesFor(const Swimmer& swimmer, const Date& since) const
{
    sqlite::Error error;
    std::vector<SwimResult> found;
    if (!contexts_->Refresh(*db_, error))
        return found;
    const bool byId = IsKnownDsvId(swimmer.registrationNumber);
    std::unique_ptr<sqlite::Statement>& query = byId ? byDsvIdOrName_ : byName_;
    if (!query)
        query = std::make_unique<sqlite::Statement>(*db_, std::string(kCandidates) + (byId ? kByDsvIdOrName : kByName),
                                                    error);
    if (!query->ok())
        return found;
    query->Reset();
    if (byId)
        query->Bind(1, swimmer.registrationNumber);
    query->Bind(2, NameKey(swimmer.surname, swimmer.firstName)).Bind(3, std::int64_t{swimmer.yearOfBirth});
    const std::string first = IsoDay(since);
    while (query->Step(error)) {
        const resultstore::SwimContexts::Event* event = contexts_->FindEvent(query->Number(5));
        const auto* club = contexts_->FindClub(query->Number(6));
        if (event == nullptr || club == nullptr || event->day < first)
            continue;
        SwimResult& swim = found.emplace_back(event->shared);
        swim.swimmer = {query->Text(0), query->Text(1), static_cast<std::int32_t>(query->Number(2)),
                        query->Text(3), query->Text(4), club->first,
                        club->second};
        swim.hundredths = query->Number(7);
        swim.handTimed = query->Number(8) != 0;
    }
    return found;
}

std::size_t ResultStore::ResultCount() const
{
    sqlite::Error error;
    sqlite::Statement count(*db_, "SELECT count(*) FROM swims", error);
    return count.ok() && count.Step(error) ? static_cast<std::size_t>(count.Number(0)) : 0;
}

}  // namespace natarix
