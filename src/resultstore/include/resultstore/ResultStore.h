#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/ReadResult.h"
#include "model/SwimResult.h"
#include "times/BestTimes.h"

namespace natarix {

namespace sqlite {
class Database;
class Statement;
class Transaction;
}  // namespace sqlite
namespace resultstore {
class RowIds;
class SwimContexts;
}  // namespace resultstore

// The results database: every valid swim of every result list the club
// has read, in one SQLite file that lives from meet to meet.
class ResultStore : public ResultSource {
public:
    // Opens the file, creating it and its folder where missing, and brings
    // an older schema up to date. Refused: a file that is no database, or
    // one a newer program wrote.
    static ReadResult<std::unique_ptr<ResultStore>> Open(const std::string& path);
    ~ResultStore() override;

    struct Imported {
        std::size_t added = 0;  // results new to the database
        std::size_t known = 0;  // results it had already
    };
    // Adds the list's results in one transaction. A list the database
    // could not keep (a result without a time, say) is refused before
    // anything is written. A failure of the database itself leaves it as it
    // was before the list, or within a batch as it was before the batch.
    ReadResult<Imported> Import(const ResultList& list, const std::string& fileName);

    // Until FinishBatch, every import goes into one transaction, so that
    // the pages many lists share are written once. FinishBatch keeps what
    // the batch imported, or nothing of it when the database failed an
    // import of the batch or the keeping; a batch not finished is undone.
    // Each gives the failure, if any.
    std::optional<Message> BeginBatch();
    std::optional<Message> FinishBatch();
    // The database failed an import of this batch: the batch takes no more
    // and will be undone.
    bool BatchFailed() const;

    std::vector<SwimResult> CandidatesFor(const Swimmer& swimmer, const Date& since = Date()) const override;

    std::size_t ResultCount() const;
    const std::string& path() const { return path_; }

private:
    ResultStore(std::string path, std::unique_ptr<sqlite::Database> db);

    std::string path_;
    std::unique_ptr<sqlite::Database> db_;
    // Prepared once: a club's look-up asks for every swimmer.
    mutable std::unique_ptr<sqlite::Statement> byDsvIdOrName_;
    mutable std::unique_ptr<sqlite::Statement> byName_;
    std::unique_ptr<resultstore::SwimContexts> contexts_;
    std::unique_ptr<sqlite::Transaction> batch_;
    std::optional<Message> batchFailure_;
    // Prepared with the first import.
    std::unique_ptr<resultstore::RowIds> ids_;
    std::unique_ptr<sqlite::Statement> addSwim_;
    std::unique_ptr<sqlite::Statement> addSwims_;  // many at once
};

// Where the database lives: `option` (--store) when given, else the
// environment's NATARIX_RESULTS_STORE, else natarix/results.sqlite in the
// user's data folder ($XDG_DATA_HOME, ~/.local/share; %APPDATA% on Windows).
// Empty when none of these is known.
std::string ResultStorePath(const std::string& option = {});

}  // namespace natarix
