#include "Schema.h"

#include <string>

namespace natarix::resultstore {

namespace {

// Step N brings version N-1 to N. Steps are never changed once released:
// a database written by an older program runs the steps it lacks.
constexpr const char* kSteps[] = {
    // 1: the lists read and their results. A swim is one row however often
    // it is read: its meet, day, event, round and swimmer make it unique.
    R"sql(
    CREATE TABLE result_lists (
        id INTEGER PRIMARY KEY,
        file_name TEXT NOT NULL,
        list_kind TEXT NOT NULL,
        format_version INTEGER NOT NULL,
        producer TEXT NOT NULL,
        meet TEXT NOT NULL,
        town TEXT NOT NULL,
        imported_at TEXT NOT NULL DEFAULT (strftime('%Y-%m-%dT%H:%M:%SZ', 'now'))
    );
    CREATE TABLE results (
        id INTEGER PRIMARY KEY,
        list_id INTEGER NOT NULL REFERENCES result_lists(id),
        surname TEXT NOT NULL,
        first_name TEXT NOT NULL,
        name_key TEXT NOT NULL,
        year_of_birth INTEGER NOT NULL,
        sex TEXT NOT NULL,
        dsv_id TEXT NOT NULL,
        club TEXT NOT NULL,
        club_number TEXT NOT NULL,
        distance INTEGER NOT NULL CHECK (distance > 0),
        technique TEXT NOT NULL,
        exercise TEXT NOT NULL,
        pool_length TEXT NOT NULL,
        hundredths INTEGER NOT NULL CHECK (hundredths > 0),
        swum_on TEXT NOT NULL CHECK (swum_on GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
        meet TEXT NOT NULL,
        town TEXT NOT NULL,
        event_number TEXT NOT NULL,
        round TEXT NOT NULL,
        hand_timed INTEGER NOT NULL,
        first_leg INTEGER NOT NULL,
        UNIQUE (meet, town, swum_on, event_number, round, first_leg, name_key, year_of_birth, dsv_id)
    );
    )sql",
    // 2: a swimmer's results found by DSV-ID or by name and year without
    // reading the whole table.
    R"sql(
    CREATE INDEX results_by_dsv_id ON results (dsv_id) WHERE dsv_id <> '';
    CREATE INDEX results_by_name ON results (name_key, year_of_birth);
    )sql",
};

static_assert(std::size(kSteps) == kSchemaVersion);

}  // namespace

int SchemaVersionOf(sqlite::Database& db, sqlite::Error& error)
{
    sqlite::Statement version(db, "PRAGMA user_version", error);
    if (!version.ok() || !version.Step(error))
        return -1;
    return static_cast<int>(version.Number(0));
}

bool MigrateTo(sqlite::Database& db, int target, sqlite::Error& error)
{
    for (int version = SchemaVersionOf(db, error); version >= 0 && version < target;) {
        sqlite::Transaction step(db, error);
        if (!step.began() || !db.Execute(kSteps[version], error))
            return false;
        ++version;
        if (!db.Execute("PRAGMA user_version = " + std::to_string(version), error) || !step.Commit(error))
            return false;
    }
    return error.text.empty();
}

}  // namespace natarix::resultstore
