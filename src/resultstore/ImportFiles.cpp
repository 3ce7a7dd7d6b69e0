#include "resultstore/ImportFiles.h"

#include <deque>
#include <future>

#include "formats/ResultList.h"

namespace natarix {

namespace {

std::future<ReadResult<ResultList>> ReadBeside(const std::string& path)
{
    return std::async(std::launch::async, [&path] { return ReadResultListFile(path); });
}

}  // namespace

ReadResult<FilesImport> ImportResultListFiles(ResultStore& store, const std::vector<std::string>& paths,
                                              const std::function<bool(std::size_t done)>& goOn)
{
    using Result = ReadResult<FilesImport>;
    if (auto failure = store.BeginBatch())
        return Result::Failed(std::move(*failure));
    FilesImport done;
    // The next lists are read while the database stores this one: on two
    // cores the import takes about as long as the slower of the two. Two
    // are read at once, so that neither core waits while the other reads.
    constexpr std::size_t kReadAhead = 2;
    std::deque<std::future<ReadResult<ResultList>>> next;
    for (std::size_t index = 0; index < paths.size(); ++index) {
        while (next.size() < kReadAhead && index + next.size() < paths.size())
            next.push_back(ReadBeside(paths[index + next.size()]));
        if (goOn && !goOn(done.lists.size()))
            break;
        ReadResult<ResultList> list = next.front().get();
        next.pop_front();
        ListImport& file = done.lists.emplace_back();
        file.path = paths[index];
        file.warnings = list.warnings();
        if (!list.ok()) {
            file.failure = list.failure();
            continue;
        }
        auto imported = store.Import(list.value(), file.path);
        if (!imported.ok()) {
            file.failure = imported.failure();
            // The whole batch is undone: FinishBatch says so.
            if (store.BatchFailed())
                break;
            continue;
        }
        file.imported = imported.value();
        done.total.added += file.imported.added;
        done.total.known += file.imported.known;
    }
    if (auto failure = store.FinishBatch())
        return Result::Failed(std::move(*failure));
    return Result(std::move(done));
}

}  // namespace natarix
