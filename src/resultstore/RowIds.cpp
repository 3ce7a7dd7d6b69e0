#include "RowIds.h"

#include "times/SwimmerMatch.h"

namespace natarix::resultstore {

namespace {

// Each adds its row where it is missing and returns its id either way.
constexpr const char* kAddSwimmer = R"sql(
    INSERT INTO swimmers (dsv_id, name_key, year_of_birth, surname, first_name, sex) VALUES (?1, ?2, ?3, ?4, ?5, ?6)
    ON CONFLICT (dsv_id, name_key, year_of_birth) DO UPDATE SET dsv_id = excluded.dsv_id
    RETURNING id
)sql";
constexpr const char* kAddMeet = R"sql(
    INSERT INTO meets (name, town) VALUES (?1, ?2)
    ON CONFLICT (name, town) DO UPDATE SET name = excluded.name
    RETURNING id
)sql";
constexpr const char* kAddClub = R"sql(
    INSERT INTO clubs (name, number) VALUES (?1, ?2)
    ON CONFLICT (name, number) DO UPDATE SET name = excluded.name
    RETURNING id
)sql";

}  // namespace

RowIds::RowIds(const sqlite::Database& db, sqlite::Error& error)
    : swimmers_{sqlite::Statement(db, kAddSwimmer, error), {}},
      meets_{sqlite::Statement(db, kAddMeet, error), {}},
      clubs_{sqlite::Statement(db, kAddClub, error), {}}
{
}

bool RowIds::ok() const
{
    return swimmers_.add.ok() && meets_.add.ok() && clubs_.add.ok();
}

std::optional<std::int64_t> RowIds::Remembered(Rows& rows, sqlite::Error& error)
{
    // Bound texts point into the caller's data, which outlives the step.
    if (!rows.add.Step(error))
        return std::nullopt;
    const std::int64_t id = rows.add.Number(0);
    rows.add.Reset();
    rows.known.emplace(key_, id);
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
    swimmers_.add.Reset();
    swimmers_.add.BindInPlace(1, dsvId)
        .BindInPlace(2, nameKey)
        .Bind(3, std::int64_t{who.yearOfBirth})
        .BindInPlace(4, who.surname)
        .BindInPlace(5, who.firstName)
        .BindInPlace(6, who.sex);
    return Remembered(swimmers_, error);
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
    rows.add.Reset();
    rows.add.BindInPlace(1, first).BindInPlace(2, second);
    return Remembered(rows, error);
}

void RowIds::Forget()
{
    swimmers_.known.clear();
    meets_.known.clear();
    clubs_.known.clear();
}

}  // namespace natarix::resultstore
