#include "FakeFileOps.h"

#include <algorithm>

namespace natarix::test {

namespace {

FileOps& Real()
{
    return SystemFileOps();
}

}  // namespace

FileOps::Handle FakeFileOps::Create(const std::string& path)
{
    return failing == Step::Create ? kInvalid : Real().Create(path);
}

bool FakeFileOps::Write(Handle handle, std::string_view bytes)
{
    if (failing == Step::Write) {
        Real().Write(handle, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    if (!freeBytes)
        return Real().Write(handle, bytes);
    const std::size_t fits = std::min(*freeBytes, bytes.size());
    *freeBytes -= fits;
    return Real().Write(handle, bytes.substr(0, fits)) && fits == bytes.size();
}

bool FakeFileOps::Flush(Handle handle)
{
    return failing != Step::Flush && Real().Flush(handle);
}

bool FakeFileOps::Close(Handle handle)
{
    return Real().Close(handle) && failing != Step::Close;
}

bool FakeFileOps::Replace(const std::string& from, const std::string& to)
{
    if (failing == Step::Replace || !Real().Replace(from, to))
        return false;
    saved.push_back(to);
    if (onSaved)
        onSaved(to);
    return true;
}

void FakeFileOps::Remove(const std::string& path)
{
    Real().Remove(path);
}

int FakeFileOps::SavesOf(const std::string& path) const
{
    return static_cast<int>(std::count(saved.begin(), saved.end(), path));
}

}  // namespace natarix::test
