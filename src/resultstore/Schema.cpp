#include "Schema.h"

#include <string>

namespace natarix::resultstore {

namespace {

// Step N brings version N-1 to N. Steps are never changed once released:
// a database written by an older program runs the steps it lacks.
constexpr const char* kSteps[] = {
    // 1: the lists read, the swimmers they name and their swims. A swimmer
    // is one row per DSV-ID, name and year of birth as the lists give them;
    // a swim is one row however often it is read: swimmer, day, meet, event,
    // round and whether it was a first leg make it unique. The swims are
    // kept in swimmer order, so that one swimmer's swims lie together.
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
    CREATE TABLE swimmers (
        id INTEGER PRIMARY KEY,
        dsv_id TEXT NOT NULL,
        name_key TEXT NOT NULL,
        year_of_birth INTEGER NOT NULL,
        surname TEXT NOT NULL,
        first_name TEXT NOT NULL,
        sex TEXT NOT NULL,
        UNIQUE (dsv_id, name_key, year_of_birth)
    );
    CREATE TABLE results (
        swimmer_id INTEGER NOT NULL REFERENCES swimmers(id),
        swum_on TEXT NOT NULL CHECK (swum_on GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
        meet TEXT NOT NULL,
        town TEXT NOT NULL,
        event_number TEXT NOT NULL,
        round TEXT NOT NULL,
        first_leg INTEGER NOT NULL,
        list_id INTEGER NOT NULL REFERENCES result_lists(id),
        club TEXT NOT NULL,
        club_number TEXT NOT NULL,
        distance INTEGER NOT NULL CHECK (distance > 0),
        technique TEXT NOT NULL,
        exercise TEXT NOT NULL,
        pool_length TEXT NOT NULL,
        hundredths INTEGER NOT NULL CHECK (hundredths > 0),
        hand_timed INTEGER NOT NULL,
        PRIMARY KEY (swimmer_id, swum_on, meet, town, event_number, round, first_leg)
    ) WITHOUT ROWID;
    )sql",
    // 2: swimmers found by name and year of birth whatever their DSV-ID (the
    // unique key already finds them by DSV-ID).
    R"sql(
    CREATE INDEX swimmers_by_name ON swimmers (name_key, year_of_birth);
    )sql",
    // 3: a swim's meet and club as rows of their own. The swims of a list
    // repeated the meet's and the club's names in every row and in the key;
    // numbers in their place halve the table, and an import is that much
    // quicker. The day is checked by its length only (the import writes
    // YYYY-MM-DD, or nothing for a day it cannot read): a pattern cost a
    // tenth of the storing.
    R"sql(
    CREATE TABLE meets (
        id INTEGER PRIMARY KEY,
        name TEXT NOT NULL,
        town TEXT NOT NULL,
        UNIQUE (name, town)
    );
    CREATE TABLE clubs (
        id INTEGER PRIMARY KEY,
        name TEXT NOT NULL,
        number TEXT NOT NULL,
        UNIQUE (name, number)
    );
    INSERT INTO meets (name, town) SELECT DISTINCT meet, town FROM results;
    INSERT INTO clubs (name, number) SELECT DISTINCT club, club_number FROM results;
    CREATE TABLE swims (
        swimmer_id INTEGER NOT NULL REFERENCES swimmers(id),
        swum_on TEXT NOT NULL CHECK (length(swum_on) = 10),
        meet_id INTEGER NOT NULL REFERENCES meets(id),
        event_number TEXT NOT NULL,
        round TEXT NOT NULL,
        first_leg INTEGER NOT NULL,
        list_id INTEGER NOT NULL REFERENCES result_lists(id),
        club_id INTEGER NOT NULL REFERENCES clubs(id),
        distance INTEGER NOT NULL CHECK (distance > 0),
        technique TEXT NOT NULL,
        exercise TEXT NOT NULL,
        pool_length TEXT NOT NULL,
        hundredths INTEGER NOT NULL CHECK (hundredths > 0),
        hand_timed INTEGER NOT NULL,
        PRIMARY KEY (swimmer_id, swum_on, meet_id, event_number, round, first_leg)
    ) WITHOUT ROWID;
    INSERT INTO swims
        SELECT r.swimmer_id, r.swum_on, m.id, r.event_number, r.round, r.first_leg, r.list_id, c.id, r.distance,
            r.technique, r.exercise, r.pool_length, r.hundredths, r.hand_timed
        FROM results r JOIN meets m ON m.name = r.meet AND m.town = r.town
            JOIN clubs c ON c.name = r.club AND c.number = r.club_number;
    DROP TABLE results;
    ALTER TABLE swims RENAME TO results;
    )sql",
    // 4: an event as a row of its own. Every swim of an event repeated its
    // day, number, round, distance, stroke, exercise and pool; a swim is now
    // its swimmer, its event, its club and its time, one row of numbers,
    // which halves the time an import takes. A swimmer's swims still lie
    // together. A relay's first legs are an event of their own. Events that
    // differ in any of these are told apart, so the swims stay unique as
    // before.
    R"sql(
    CREATE TABLE events (
        id INTEGER PRIMARY KEY,
        meet_id INTEGER NOT NULL REFERENCES meets(id),
        swum_on TEXT NOT NULL CHECK (length(swum_on) = 10),
        number TEXT NOT NULL,
        round TEXT NOT NULL,
        first_leg INTEGER NOT NULL,
        distance INTEGER NOT NULL CHECK (distance > 0),
        technique TEXT NOT NULL,
        exercise TEXT NOT NULL,
        pool_length TEXT NOT NULL,
        UNIQUE (meet_id, swum_on, number, round, first_leg, distance, technique, exercise, pool_length)
    );
    INSERT INTO events (meet_id, swum_on, number, round, first_leg, distance, technique, exercise, pool_length)
        SELECT DISTINCT meet_id, swum_on, event_number, round, first_leg, distance, technique, exercise, pool_length
        FROM results;
    CREATE TABLE swims (
        swimmer_id INTEGER NOT NULL REFERENCES swimmers(id),
        event_id INTEGER NOT NULL REFERENCES events(id),
        list_id INTEGER NOT NULL REFERENCES result_lists(id),
        club_id INTEGER NOT NULL REFERENCES clubs(id),
        hundredths INTEGER NOT NULL CHECK (hundredths > 0),
        hand_timed INTEGER NOT NULL,
        PRIMARY KEY (swimmer_id, event_id)
    ) WITHOUT ROWID;
    INSERT INTO swims
        SELECT r.swimmer_id, e.id, r.list_id, r.club_id, r.hundredths, r.hand_timed
        FROM results r JOIN events e ON e.meet_id = r.meet_id AND e.swum_on = r.swum_on
            AND e.number = r.event_number AND e.round = r.round AND e.first_leg = r.first_leg
            AND e.distance = r.distance AND e.technique = r.technique AND e.exercise = r.exercise
            AND e.pool_length = r.pool_length;
    DROP TABLE results;
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
