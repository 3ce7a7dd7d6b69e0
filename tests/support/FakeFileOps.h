#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileOps.h"

namespace natarix::test {

// The system's file operations with faults to order: one step fails, or the
// disk holds only so many more bytes. Every completed save is recorded.
class FakeFileOps : public FileOps {
public:
    enum class Step { None, Create, Write, Flush, Close, Replace };

    FakeFileOps() = default;
    explicit FakeFileOps(Step failingStep) : failing(failingStep) {}

    Handle Create(const std::string& path) override;
    // A failing write leaves the first half of its bytes, as an interrupted
    // one would; a full disk takes what still fits.
    bool Write(Handle handle, std::string_view bytes) override;
    bool Flush(Handle handle) override;
    // A failing close still closes, so that no test leaves a file open.
    bool Close(Handle handle) override;
    bool Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;

    // How often `path` was saved (put in place by a replacement).
    int SavesOf(const std::string& path) const;
    void Reset() { saved.clear(); }

    Step failing = Step::None;
    std::optional<std::size_t> freeBytes;
    std::vector<std::string> saved;
    std::function<void(const std::string& path)> onSaved;
};

}  // namespace natarix::test
