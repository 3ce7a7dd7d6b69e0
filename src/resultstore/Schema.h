#pragma once

#include "Sqlite.h"

namespace natarix::resultstore {

// The schema version this program writes; a database of a later one came
// from a newer program and is not touched.
constexpr int kSchemaVersion = 4;

int SchemaVersionOf(sqlite::Database& db, sqlite::Error& error);

// Brings the database from its version up to `target` (at most
// kSchemaVersion), each step in a transaction of its own, so that an
// interrupted migration leaves the last complete version.
bool MigrateTo(sqlite::Database& db, int target, sqlite::Error& error);

}  // namespace natarix::resultstore
