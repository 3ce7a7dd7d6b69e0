#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace natarix::sqlite {

// A failure of SQLite, with its own English text; the store turns it into
// a German message for the user.
struct Error {
    std::string text;
};

// An open database connection; closed with the object.
class Database {
public:
    // Opens or creates the file; nothing, and `error` set, on failure.
    static std::optional<Database> Open(const std::string& path, Error& error);
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    // Runs statements without results; false, and `error` set, on failure.
    bool Execute(std::string_view sql, Error& error);
    std::string LastError() const;
    std::int64_t Changes() const;
    std::int64_t LastInsertId() const;
    sqlite3* handle() const { return db_; }

private:
    explicit Database(sqlite3* db) : db_(db) {}
    sqlite3* db_ = nullptr;
};

// A prepared statement, reset before each run.
class Statement {
public:
    Statement(const Database& db, std::string_view sql, Error& error);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    bool ok() const { return statement_ != nullptr; }
    // A copy of the text is bound.
    Statement& Bind(int index, std::string_view text);
    // The text itself is bound: it must stay as it is until the next Reset.
    Statement& BindInPlace(int index, std::string_view text);
    Statement& Bind(int index, std::int64_t number);
    // Runs to the next row: true while there is one; a failure ends it with
    // `error` set.
    bool Step(Error& error);
    // Runs a statement that returns no rows.
    bool Run(Error& error);
    void Reset();
    std::string Text(int column) const;
    std::int64_t Number(int column) const;

private:
    const Database& db_;
    sqlite3_stmt* statement_ = nullptr;
};

// BEGIN IMMEDIATE on creation, or within a transaction a savepoint of that
// name; rolled back with the object unless committed.
class Transaction {
public:
    Transaction(Database& db, Error& error, const char* savepoint = nullptr);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    bool began() const { return began_; }
    bool Commit(Error& error);

private:
    Database& db_;
    std::string savepoint_;
    bool began_ = false;
    bool done_ = false;
};

}  // namespace natarix::sqlite
