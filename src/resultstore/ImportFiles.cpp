#include "resultstore/ImportFiles.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include "formats/ResultList.h"

namespace natarix {

namespace {

// Reads the files in order ahead of the import: on a thread of its own, and
// on the importing thread whenever that would otherwise wait for a list. So
// the two cores are busy and never shared by three threads; a third thread
// made both the reading and the database slower than the two together.
class ReadAhead {
public:
    explicit ReadAhead(const std::vector<std::string>& paths)
        : paths_(paths), lists_(paths.size()), thread_([this] { ReadOnThread(); })
    {
    }

    ~ReadAhead()
    {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The list of paths[index]; lists are taken in order.
    ReadResult<ResultList> Take(std::size_t index)
    {
        std::unique_lock lock(mutex_);
        while (!lists_[index]) {
            if (MayClaim())
                ReadClaimed(lock);
            else
                changed_.wait(lock);
        }
        ReadResult<ResultList> list = std::move(*lists_[index]);
        lists_[index].reset();
        taken_ = index + 1;
        changed_.notify_all();
        return list;
    }

private:
    // Lists read but not yet taken stay few, however many files there are.
    static constexpr std::size_t kLimit = 3;

    bool MayClaim() const { return claimed_ < paths_.size() && claimed_ < taken_ + kLimit; }

    void ReadOnThread()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return stopping_ || MayClaim() || claimed_ == paths_.size(); });
            if (stopping_ || claimed_ == paths_.size())
                return;
            ReadClaimed(lock);
        }
    }

    void ReadClaimed(std::unique_lock<std::mutex>& lock)
    {
        const std::size_t index = claimed_++;
        lock.unlock();
        ReadResult<ResultList> list = ReadResultListFile(paths_[index]);
        lock.lock();
        lists_[index] = std::move(list);
        changed_.notify_all();
    }

    const std::vector<std::string>& paths_;
    std::vector<std::optional<ReadResult<ResultList>>> lists_;
    std::size_t claimed_ = 0;  // files a thread has begun to read
    std::size_t taken_ = 0;    // lists the import has taken
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;  // last: it starts once the rest is made
};

}  // namespace

ReadResult<FilesImport> ImportResultListFiles(ResultStore& store, const std::vector<std::string>& paths,
                                              const std::function<bool(std::size_t done)>& goOn)
{
    using Result = ReadResult<FilesImport>;
    if (auto failure = store.BeginBatch())
        return Result::Failed(std::move(*failure));
    FilesImport done;
    {
        ReadAhead reading(paths);
        for (std::size_t index = 0; index < paths.size(); ++index) {
            if (goOn && !goOn(done.lists.size()))
                break;
            ReadResult<ResultList> list = reading.Take(index);
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
    }
    if (auto failure = store.FinishBatch())
        return Result::Failed(std::move(*failure));
    return Result(std::move(done));
}

}  // namespace natarix
