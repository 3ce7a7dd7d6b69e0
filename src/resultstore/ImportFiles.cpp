#include "resultstore/ImportFiles.h"

#include "formats/ResultList.h"

namespace natarix {

ReadResult<FilesImport> ImportResultListFiles(ResultStore& store, const std::vector<std::string>& paths,
                                              const std::function<bool(std::size_t done)>& goOn)
{
    using Result = ReadResult<FilesImport>;
    if (auto failure = store.BeginBatch())
        return Result::Failed(std::move(*failure));
    FilesImport done;
    for (const std::string& path : paths) {
        if (goOn && !goOn(done.lists.size()))
            break;
        ListImport& file = done.lists.emplace_back();
        file.path = path;
        auto list = ReadResultListFile(path);
        file.warnings = list.warnings();
        if (!list.ok()) {
            file.failure = list.failure();
            continue;
        }
        auto imported = store.Import(list.value(), path);
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
