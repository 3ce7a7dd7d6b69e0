#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "Sqlite.h"
#include "model/SwimResult.h"

namespace natarix::resultstore {

// The rows a swim points to: its swimmer, its meet and its club. Lists name
// the same ones again and again, so each is looked up in the database once
// and then kept; Forget() drops them all when an import is undone, since the
// rows it added are gone with it.
class RowIds {
public:
    // Statements are prepared on `db`, which must outlive this object.
    RowIds(const sqlite::Database& db, sqlite::Error& error);
    bool ok() const;

    // The row's id, made where it is missing; nothing, and `error` set, on failure.
    std::optional<std::int64_t> Swimmer(const ResultSwimmer& who, sqlite::Error& error);
    std::optional<std::int64_t> Meet(std::string_view name, std::string_view town, sqlite::Error& error);
    std::optional<std::int64_t> Club(std::string_view name, std::string_view number, sqlite::Error& error);
    void Forget();

private:
    struct Rows {
        sqlite::Statement add;
        std::unordered_map<std::string, std::int64_t> known;
    };
    // The id `rows` knows under `key_`, or the one `add` (bound by the
    // caller) returns.
    std::optional<std::int64_t> Remembered(Rows& rows, sqlite::Error& error);
    // A meet by name and town, a club by name and number.
    std::optional<std::int64_t> NamedByTwo(Rows& rows, std::string_view first, std::string_view second,
                                           sqlite::Error& error);

    Rows swimmers_;
    Rows meets_;
    Rows clubs_;
    std::string key_;  // reused, so that a known row costs no allocation
};

}  // namespace natarix::resultstore
