#include "resultstore/ImportFiles.h"

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
    // The next list is read while the database stores this one: on two
    // cores the import takes about as long as the slower of the two.
    std::future<ReadResult<ResultList>> next;
    if (!paths.empty())
        next = ReadBeside(paths.front());
    for (std::size_t index = 0; index < paths.size(); ++index) {
        if (goOn && !goOn(done.lists.size()))
            break;
        ReadResult<ResultList> list = next.get();
        if (index + 1 < paths.size())
            next = ReadBeside(paths[index + 1]);
        ListImport& file = done.lists.emplace_back();
        file.path = paths[index];
        file.warnings = list.warnings();
        if (!list.ok()) {
            file.failure = list.failure();
            continue;
        }
        auto imported = store.Import(list.value(), file.path);
        if (!imported.ok()) {
            // The rest would fail alike.
            file.failure = imported.failure();
            done.storeFailed = true;
            break;
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
