#include "session/WorkingFileCycle.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "formats/DefinitionList.h"
#include "formats/EntryList.h"
#include "platform/FileIo.h"
#include "session/LockTexts.h"

namespace natarix {

namespace fs = std::filesystem;

namespace {

// The ERZEUGER of the lists the window and natarix-cli write alike.
constexpr const char* kProducerName = "Natarix";

// The names organisers give their definition lists: ".dsv" up to format 5,
// ".dsv6" to ".dsv8" and the packed ".dsv8z" after it; in any case.
bool HasDsvExtension(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    std::string extension = name.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return extension == ".dsv" || extension == ".dsv6" || extension == ".dsv7" || extension == ".dsv8" ||
           extension == ".dsv8z";
}

bool PathExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(ToFsPath(path), error));
}

// A content failure says where the reading stopped; a file that could not be
// opened or read does not.
bool IsContentFailure(const Message& failure)
{
    return failure.location.has_value();
}

// A name beside the original that no earlier copy has taken.
std::string FreeCopyName(const std::string& original)
{
    std::string candidate = original + ".original";
    for (int number = 2; PathExists(candidate); ++number)
        candidate = original + ".original-" + std::to_string(number);
    return candidate;
}

}  // namespace

WorkingFileCycle::WorkingFileCycle(MessageSink& messages, std::string startDirectory, FileOps& ops,
                                   std::string programName)
    : messages_(messages), startDirectory_(std::move(startDirectory)), ops_(ops), programName_(std::move(programName))
{
}

void WorkingFileCycle::LoadDefinition(const std::string& path, Access access)
{
    DiscardCompetition();
    ReadResult<std::unique_ptr<MeetDefinition>> read = ReadDefinitionList(path);
    // A list that could not even be opened is still the one asked for; a
    // malformed one leaves the path as it was.
    if (read.ok() || !IsContentFailure(read.failure()))
        definitionPath_ = path;
    if (!read.ok()) {
        messages_.Show(read.failure());
        return;
    }
    meet_ = std::move(read.value());
    if (!read.warnings().empty())
        messages_.Show(WarningsMessage(read.warnings(), "Hinweise zur Wettkampfdefinitionsliste"));
    access_ = access;
    if (access_ == Access::Edit) {
        // A lock file that cannot be made at all (a read-only folder) leaves
        // the session as it was before there were locks: its saves report
        // their own failures.
        if (lock_.Take(lockFilePath(), LockHolderText(programName_, CurrentProcess())) ==
            FileLock::Outcome::HeldElsewhere) {
            access_ = Access::View;
            lockedElsewhere_ = true;
            messages_.Show(LockedWorkingFileMessage(workingFilePath(), ReadWholeFile(lockFilePath()).bytes));
        }
    }
    if (PathExists(workingFilePath())) {
        const ReadResult<WorkingFileState> read = ReadWorkingFile(workingFilePath(), *meet_, entries_, kProducerName);
        if (!read.ok())
            messages_.Show(read.failure());
        if (!read.warnings().empty())
            messages_.Show(WarningsMessage(read.warnings(), "Hinweise zur Vereinsmeldeliste"));
        unreadOriginalPending_ = !read.ok() || read.value().completeness == ReadCompleteness::Incomplete;
        writtenElsewhere_ = read.ok() && read.value().writtenElsewhere;
    }
}

std::string WorkingFileCycle::FindStartupDefinition() const
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(ToFsPath(startDirectory_), error), end; !error && it != end; it.increment(error)) {
        std::error_code statusError;
        const std::string name = FromFsPath(it->path().filename());
        if (HasDsvExtension(name) && it->is_regular_file(statusError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string path = FromFsPath(ToFsPath(startDirectory_) / ToFsPath(name));
        const ReadResult<std::unique_ptr<MeetDefinition>> read = ReadDefinitionList(path);
        if (read.ok())
            return path;
        // A malformed list is passed over without a word; one that cannot be
        // opened is reported and taken all the same.
        if (!IsContentFailure(read.failure())) {
            messages_.Show(read.failure());
            return path;
        }
    }
    return {};
}

void WorkingFileCycle::KeepUnreadOriginal()
{
    if (!(unreadOriginalPending_ || writtenElsewhere_) || readOnly())
        return;
    const std::string original = workingFilePath();
    if (!PathExists(original)) {
        unreadOriginalPending_ = writtenElsewhere_ = false;
        return;
    }
    const std::string copy = FreeCopyName(original);
    // The copy goes to the disk like any save, so that a crash right after
    // the rewrite cannot leave an empty copy behind.
    const FileContent content = ReadWholeFile(original);
    std::error_code error;
    if (content.status != ReadStatus::Ok || SaveFileAtomically(copy, content.bytes, ops_) != SaveStatus::Ok) {
        // Not even readable: move it aside instead, so that nothing overwrites it.
        fs::rename(ToFsPath(original), ToFsPath(copy), error);
    }
    if (error) {
        messages_.Show(Message::Warning(
            std::string(unreadOriginalPending_ ? "Die nicht vollständig gelesene Vereinsmeldeliste „"
                                               : "Die von einem anderen Programm geschriebene Vereinsmeldeliste „") +
            PathToMessageText(original) +
            std::string("“ konnte nicht gesichert werden. Sie wird deshalb nicht überschrieben.")));
        return;
    }
    keptOriginalPath_ = copy;
    std::string text =
        std::string("Die Vereinsmeldeliste „") + PathToMessageText(original) +
        std::string(unreadOriginalPending_ ? "“ konnte nicht vollständig gelesen werden."
                                           : "“ wurde von einem anderen Programm oder in einem älteren Format "
                                             "geschrieben.") +
        " Damit nichts verloren geht, wurde das Original unter „" + PathToMessageText(copy) + "“ aufbewahrt.";
    // Taking another program's list over is no fault: a caption of its own.
    messages_.Show(unreadOriginalPending_ ? Message::Warning(std::move(text))
                                          : Message::Captioned(std::move(text), "Vereinsmeldeliste übernommen"));
    unreadOriginalPending_ = writtenElsewhere_ = false;
}

bool WorkingFileCycle::SaveWorkingFile()
{
    if (!meet_ || readOnly())
        return false;
    KeepUnreadOriginal();
    if (unreadOriginalPending_ || writtenElsewhere_)
        return false;
    return WriteEntryListFile(workingFilePath(), *meet_, entries_, EntryListVersion(*meet_),
                              dsv678::EntryListForm::WorkingFile, producer(), messages_, ops_);
}

void WorkingFileCycle::DiscardCompetition()
{
    meet_.reset();
    entries_ = ClubEntries();
    lock_.Release();
    access_ = Access::Edit;
    lockedElsewhere_ = false;
    unreadOriginalPending_ = false;
    writtenElsewhere_ = false;
    keptOriginalPath_.clear();
}

dsv678::Producer WorkingFileCycle::producer() const
{
    // The program has no address of its own: the club's contact answers for the file.
    return {kProducerName, NATARIX_VERSION, entries_.club.contact.email};
}

}  // namespace natarix
