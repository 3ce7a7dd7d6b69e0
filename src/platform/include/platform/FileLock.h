#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace natarix {

// An exclusive advisory lock on a small lock file, held for the life of the
// object. The operating system gives it up when the holding process ends,
// however it ends, so a crashed or killed program blocks nobody; a file left
// behind is taken over by the next holder.
class FileLock {
public:
    enum class Outcome {
        Taken,
        HeldElsewhere,
        // The lock file cannot be made here (a read-only folder, a name too
        // long, a file system without locks).
        Failed,
    };

    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock on `path` without waiting, giving up one held before.
    // Once taken, the file holds `holder` and nothing else, so that whoever
    // finds it locked can say by whom.
    Outcome Take(const std::string& path, std::string_view holder);

    // Gives the lock up and removes the lock file.
    void Release();

    bool held() const { return handle_ != kNone; }

private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
    std::string path_;
};

// This process as a lock file names it.
struct ProcessIdentity {
    unsigned long processId = 0;
    std::string hostName;  // printable ASCII only; empty when unknown
    std::tm now{};         // local time
};

ProcessIdentity CurrentProcess();

}  // namespace natarix
