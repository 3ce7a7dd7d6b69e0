#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace natarix {

// The few operating-system calls that saving needs. One implementation per
// platform; tests wrap it to inject failures.
class FileOps {
public:
    virtual ~FileOps() = default;

    using Handle = std::intptr_t;
    static constexpr Handle kInvalid = -1;

    // Creates or truncates a file for writing.
    virtual Handle Create(const std::string& path) = 0;
    // Writes all bytes; false on any failure.
    virtual bool Write(Handle handle, std::string_view bytes) = 0;
    // Forces the written bytes to the disk.
    virtual bool Flush(Handle handle) = 0;
    virtual bool Close(Handle handle) = 0;
    // Atomically puts `from` in the place of `to`, replacing it.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    virtual void Remove(const std::string& path) = 0;
};

FileOps& SystemFileOps();

// Paths travel through the program as texts in the file system's own
// encoding: UTF-8 on Linux, the ANSI code page on Windows, where the file
// calls take them as they are. std::filesystem reads and gives narrow texts
// in other encodings on Windows, so paths cross over only through these two.
std::filesystem::path ToFsPath(const std::string& nativePath);
std::string FromFsPath(const std::filesystem::path& path);

// A UTF-8 text (a file name made of the model's texts, a mail subject) in the
// system's own narrow encoding: unchanged on Linux, the ANSI code page on
// Windows, where a character the code page lacks becomes "?".
std::string TextToNative(const std::string& text);

// A path as a message text (UTF-8) names it; only shown, never used.
std::string PathToMessageText(const std::string& nativePath);

// The last part of a path as a message text.
std::string FileNameForMessage(const std::string& nativePath);

}  // namespace natarix
