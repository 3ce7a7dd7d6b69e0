#include "Sqlite.h"

#include <sqlite3.h>

#include <utility>

namespace natarix::sqlite {

std::optional<Database> Database::Open(const std::string& path, Error& error)
{
    sqlite3* db = nullptr;
    const int status =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (status != SQLITE_OK) {
        error.text = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(status);
        sqlite3_close(db);
        return std::nullopt;
    }
    // Another program importing at the same time holds the file a moment.
    sqlite3_busy_timeout(db, 5000);
    sqlite3_extended_result_codes(db, 1);
    return Database(db);
}

Database::Database(Database&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Database& Database::operator=(Database&& other) noexcept
{
    std::swap(db_, other.db_);
    return *this;
}

Database::~Database()
{
    sqlite3_close(db_);
}

bool Database::Execute(std::string_view sql, Error& error)
{
    char* message = nullptr;
    const std::string text(sql);
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    error.text = message != nullptr ? message : LastError();
    sqlite3_free(message);
    return false;
}

std::string Database::LastError() const
{
    return sqlite3_errmsg(db_);
}

std::int64_t Database::Changes() const
{
    return sqlite3_changes(db_);
}

std::int64_t Database::LastInsertId() const
{
    return sqlite3_last_insert_rowid(db_);
}

Statement::Statement(const Database& db, std::string_view sql, Error& error) : db_(db)
{
    if (sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) != SQLITE_OK) {
        error.text = db.LastError();
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

Statement::~Statement()
{
    sqlite3_finalize(statement_);
}

Statement& Statement::Bind(int index, std::string_view text)
{
    sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::BindInPlace(int index, std::string_view text)
{
    sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
    return *this;
}

Statement& Statement::Bind(int index, std::int64_t number)
{
    sqlite3_bind_int64(statement_, index, number);
    return *this;
}

bool Statement::Step(Error& error)
{
    const int status = sqlite3_step(statement_);
    if (status == SQLITE_ROW)
        return true;
    if (status != SQLITE_DONE)
        error.text = db_.LastError();
    return false;
}

bool Statement::Run(Error& error)
{
    Reset();
    const int status = sqlite3_step(statement_);
    if (status == SQLITE_DONE || status == SQLITE_ROW)
        return true;
    error.text = db_.LastError();
    return false;
}

void Statement::Reset()
{
    sqlite3_reset(statement_);
}

std::string Statement::Text(int column) const
{
    const auto* text = sqlite3_column_text(statement_, column);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text),
                                         static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                           : std::string();
}

std::int64_t Statement::Number(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

Transaction::Transaction(Database& db, Error& error, const char* savepoint)
    : db_(db), savepoint_(savepoint != nullptr ? savepoint : "")
{
    began_ = db_.Execute(savepoint_.empty() ? "BEGIN IMMEDIATE" : "SAVEPOINT " + savepoint_, error);
}

Transaction::~Transaction()
{
    if (began_ && !done_) {
        Error ignored;
        db_.Execute(savepoint_.empty() ? "ROLLBACK" : "ROLLBACK TO " + savepoint_ + "; RELEASE " + savepoint_, ignored);
    }
}

bool Transaction::Commit(Error& error)
{
    done_ = db_.Execute(savepoint_.empty() ? "COMMIT" : "RELEASE " + savepoint_, error);
    return done_;
}

}  // namespace natarix::sqlite
