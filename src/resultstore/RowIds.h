#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "Sqlite.h"
#include "model/SwimResult.h"

namespace natarix::resultstore {

// The rows a swim points to: its swimmer, its club and its event with the
// event's meet. Lists name the same swimmers, clubs and meets again and
// again, so each is looked up in the database once and then kept; Forget()
// drops them all when an import is undone, since the rows it added are gone
// with it. Events are a list's own and not kept.
class RowIds {
public:
    // Statements are prepared on `db`, which must outlive this object.
    RowIds(const sqlite::Database& db, sqlite::Error& error);
    bool ok() const;

    // The row's id, made where it is missing; nothing, and `error` set, on failure.
    std::optional<std::int64_t> Swimmer(const ResultSwimmer& who, sqlite::Error& error);
    std::optional<std::int64_t> Meet(std::string_view name, std::string_view town, sqlite::Error& error);
    std::optional<std::int64_t> Club(std::string_view name, std::string_view number, sqlite::Error& error);
    // `day` as YYYY-MM-DD.
    std::optional<std::int64_t> Event(std::int64_t meet, std::string_view day, const ResultEvent& event,
                                      std::string_view poolLength, sqlite::Error& error);
    void Forget();

private:
    struct Rows {
        Rows(const sqlite::Database& db, const char* findSql, const char* addSql, sqlite::Error& error);
        sqlite::Statement find;  // by the unique key
        sqlite::Statement add;
        std::unordered_map<std::string, std::int64_t> known;  // by key_
    };
    using Binding = std::function<void(sqlite::Statement&)>;
    // The id of the row `find` finds with the key that `bindKey` binds, or of
    // the row `add` adds with the key and what `bindRest` binds.
    std::optional<std::int64_t> FoundOrAdded(Rows& rows, const Binding& bindKey, const Binding& bindRest,
                                             sqlite::Error& error);
    // The same, kept under `key_` from then on; the caller looked there first.
    std::optional<std::int64_t> Remembered(Rows& rows, const Binding& bindKey, const Binding& bindRest,
                                           sqlite::Error& error);
    // A meet by name and town, a club by name and number.
    std::optional<std::int64_t> NamedByTwo(Rows& rows, std::string_view first, std::string_view second,
                                           sqlite::Error& error);

    const sqlite::Database& db_;
    Rows swimmers_;
    Rows meets_;
    Rows clubs_;
    Rows events_;
    std::string key_;  // reused, so that a known row costs no allocation
};

}  // namespace natarix::resultstore
