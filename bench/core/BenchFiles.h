#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace natarix::bench {

// A fresh folder for the run's files, removed with everything in it at the end.
// It lies under $NATARIX_BENCH_DIR, else under the current folder, so that the
// files go to a real disk: /tmp can be memory, which would flatter every save.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }
    // The kind of file system the folder lies on, such as "ext2/ext3/ext4" or "tmpfs".
    std::string FileSystemKind() const;

private:
    std::string path_;
    bool owned_ = true;
};

// The environment variable that hands the folder to a child process.
inline constexpr const char* kScratchVariable = "NATARIX_BENCH_SCRATCH";

// The folder of the running benchmark program.
const ScratchFolder& Scratch();

// Writes the bytes plainly (set-up only, not measured).
void WriteFileBytes(const std::string& path, std::string_view bytes);

// Floor for reading: the file's bytes read in one call into a buffer of its
// size, then every ";" found with memchr. Returns the number of ";".
std::size_t ReadAndFindSemicolons(const std::string& path);

// Floor for saving: what an atomic, durable save cannot do without. Create the
// temporary file, one write, fsync, close, rename over the target, fsync of
// the folder so that the rename itself is on the disk.
void SaveDurablyAtOnce(const std::string& path, std::string_view bytes);

}  // namespace natarix::bench
