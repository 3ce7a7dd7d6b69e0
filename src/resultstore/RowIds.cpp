#include "RowIds.h"

#include "model/Round.h"
#include "times/SwimmerMatch.h"

namespace natarix::resultstore {

namespace {

// Each pair finds a row by its unique key and adds it where missing. A
// plain look-up and a plain insert: an insert that returns its id, or
// updates on conflict, costs SQLite a temporary table or a statement
// journal each time.
constexpr const char* kFindSwimmer =
    "SELECT id FROM swimmers WHERE dsv_id = ?1 AND name_key = ?2 AND year_of_birth = ?3";
constexpr const char* kAddSwimmer =
    "INSERT INTO swimmers (dsv_id, name_key, year_of_birth, surname, first_name, sex) VALUES (?1, ?2, ?3, ?4, ?5, ?6)";
constexpr const char* kFindMeet = "SELECT id FROM meets WHERE name = ?1 AND town = ?2";
constexpr const char* kAddMeet = "INSERT INTO meets (name, town) VALUES (?1, ?2)";
constexpr const char* kFindClub = "SELECT id FROM clubs WHERE name = ?1 AND number = ?2";
constexpr const char* kAddClub = "INSERT INTO clubs (name, number) VALUES (?1, ?2)";
constexpr const char* kFindEvent = R"sql(
    SELECT id FROM events WHERE meet_id = ?1 AND swum_on = ?2 AND number = ?3 AND round = ?4 AND first_leg = ?5
        AND distance = ?6 AND technique = ?7 AND exercise = ?8 AND pool_length = ?9
)sql";
constexpr const char* kAddEvent = R"sql(
    INSERT INTO events (meet_id, swum_on, number, round, first_leg, distance, technique, exercise, pool_length)
    VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)
)sql";

}  // namespace

RowIds::Rows::Rows(const sqlite::Database& db, const char* findSql, const char* addSql, sqlite::Error& error)
    : find(db, findSql, error), add(db, addSql, error)
{
}

RowIds::RowIds(const sqlite::Database& db, sqlite::Error& error)
    : db_(db),
      swimmers_(db, kFindSwimmer, kAddSwimmer, error),
      meets_(db, kFindMeet, kAddMeet, error),
      clubs_(db, kFindClub, kAddClub, error),
      events_(db, kFindEvent, kAddEvent, error)
{
}

bool RowIds::ok() const
{
    for (const Rows* rows : {&swimmers_, &meets_, &clubs_, &events_})
        if (!rows->find.ok() || !rows->add.ok())
            return false;
    return true;
}

std::optional<std::int64_t> RowIds::FoundOrAdded(Rows& rows, const Binding& bindKey, const Binding& bindRest,
                                                 sqlite::Error& error)
{
    // Bound texts point into the caller's data, which outlives both steps.
    rows.find.Reset();
    bindKey(rows.find);
    if (rows.find.Step(error)) {
        const std::int64_t id = rows.find.Number(0);
        rows.find.Reset();
        return id;
    }
    if (!error.text.empty())
        return std::nullopt;
    rows.add.Reset();
    bindKey(rows.add);
    bindRest(rows.add);
    if (!rows.add.Run(error))
        return std::nullopt;
    return db_.LastInsertId();
}

std::optional<std::int64_t> RowIds::Remembered(Rows& rows, const Binding& bindKey, const Binding& bindRest,
                                               sqlite::Error& error)
{
    const auto id = FoundOrAdded(rows, bindKey, bindRest, error);
    if (id)
        rows.known.emplace(key_, *id);
    return id;
}

std::optional<std::int64_t> RowIds::Swimmer(const ResultSwimmer& who, sqlite::Error& error)
{
    // Keyed as written: a spelling seen before skips the name key.
    key_.assign(who.dsvId).append(1, '\n').append(who.surname).append(1, '\n').append(who.firstName);
    key_.append(1, '\n').append(std::to_string(who.yearOfBirth));
    if (const auto known = swimmers_.known.find(key_); known != swimmers_.known.end())
        return known->second;
    const std::string dsvId = KnownResultDsvId(who.dsvId);
    const std::string nameKey = NameKey(who.surname, who.firstName);
    return Remembered(
        swimmers_,
        [&](sqlite::Statement& s) {
            s.BindInPlace(1, dsvId).BindInPlace(2, nameKey).Bind(3, std::int64_t{who.yearOfBirth});
        },
        [&](sqlite::Statement& s) {
            s.BindInPlace(4, who.surname).BindInPlace(5, who.firstName).BindInPlace(6, who.sex);
        },
        error);
}

std::optional<std::int64_t> RowIds::Meet(std::string_view name, std::string_view town, sqlite::Error& error)
{
    return NamedByTwo(meets_, name, town, error);
}

std::optional<std::int64_t> RowIds::Club(std::string_view name, std::string_view number, sqlite::Error& error)
{
    return NamedByTwo(clubs_, name, number, error);
}

std::optional<std::int64_t> RowIds::NamedByTwo(Rows& rows, std::string_view first, std::string_view second,
                                               sqlite::Error& error)
{
    key_.assign(first).append(1, '\n').append(second);
    if (const auto known = rows.known.find(key_); known != rows.known.end())
        return known->second;
    return Remembered(
        rows, [&](sqlite::Statement& s) { s.BindInPlace(1, first).BindInPlace(2, second); }, [](sqlite::Statement&) {},
        error);
}

std::optional<std::int64_t> RowIds::Event(std::int64_t meet, std::string_view day, const ResultEvent& event,
                                          std::string_view poolLength, sqlite::Error& error)
{
    return FoundOrAdded(
        events_,
        [&](sqlite::Statement& s) {
            s.Bind(1, meet)
                .BindInPlace(2, day)
                .BindInPlace(3, event.eventNumber)
                .BindInPlace(4, RoundLetter(event.round))
                .Bind(5, std::int64_t{event.firstLeg})
                .Bind(6, std::int64_t{event.distance})
                .BindInPlace(7, event.technique)
                .BindInPlace(8, event.exercise)
                .BindInPlace(9, poolLength);
        },
        [](sqlite::Statement&) {}, error);
}

void RowIds::Forget()
{
    swimmers_.known.clear();
    meets_.known.clear();
    clubs_.known.clear();
}

}  // namespace natarix::resultstore
