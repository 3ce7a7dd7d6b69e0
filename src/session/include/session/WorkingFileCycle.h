#pragma once

#include <functional>
#include <memory>
#include <string>

#include "dsv678/EntryListWriter.h"
#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"
#include "model/Messages.h"
#include "platform/FileLock.h"
#include "platform/FileOps.h"
#include "roster/TakeOver.h"
#include "times/BestTimes.h"

namespace natarix {

// Owns the current competition, the meet as its definition list gives it and
// the club's side recorded against it, and keeps the working file (the
// definition list's path with ".meld" appended) in step with the club's side.
// Every failure is shown through the message sink. The meet never changes once
// read; the club's side changes only through the operations below, each of
// which saves the working file once it is made.
//
// One program at a time edits a working file: while a competition is open
// for editing, the session holds a lock beside its working file that names
// `programName`. Where another program holds it, the competition is open
// read only and the working file is never written.
class WorkingFileCycle {
public:
    WorkingFileCycle(MessageSink& messages, std::string startDirectory, FileOps& ops = SystemFileOps(),
                     std::string programName = "Natarix");

    enum class Access {
        Edit,
        // Only to look at: takes no lock, so it keeps nobody from editing,
        // and writes nothing.
        View,
    };

    // Discards the current competition, reads the definition list and, when
    // one exists, its working file. Writes nothing. The warnings of reading
    // the definition list reach the sink as one message, a line each. For
    // editing, the lock is taken before the working file is read; when
    // another program holds it, the user is told who and since when. The
    // warnings of reading the working file reach the sink as one message too.
    void LoadDefinition(const std::string& path, Access access = Access::Edit);

    // The first "*.dsv" file (any case) of the start directory, in byte order
    // of the names, that reads without a content error; or the empty text.
    std::string FindStartupDefinition() const;

    // Rewrites the working file from the model, in the version of the club
    // entry list the meet's format calls for. A working file that was not
    // read completely, or that another program or an older format wrote, is
    // kept beside it first. True when it was written;
    // false without a word when the competition is read only.
    bool SaveWorkingFile();

    // Keeps a copy of a working file that was read only partly, or written
    // elsewhere, once, before
    // anything overwrites it; tells the user where. Does nothing otherwise,
    // nor when the competition is read only.
    void KeepUnreadOriginal();

    void DiscardCompetition();

    // The operations on the club's side. A member is named by the very
    // object entries() holds; one it does not hold is ignored. Without
    // a competition, or with a read-only one, they change nothing and say
    // nothing.
    void SetClub(Club club);
    void Add(Swimmer swimmer);
    void Add(Team team);
    void Add(Official official);
    void Change(const Swimmer& member, Swimmer changed);
    void Change(const Team& member, Team changed);
    void Change(const Official& member, Official changed);
    void Remove(const Swimmer& member);
    void Remove(const Team& member);
    void Remove(const Official& member);
    // The number of the coach of that name for a swimmer to name; a new name
    // adds a coach (ClubEntries::CoachNumber). 0 for the empty name, and
    // without a competition or with a read-only one.
    std::int32_t CoachNumber(const std::string& name);
    // Takes over what an earlier entry list holds (see roster/TakeOver.h),
    // saved once; nothing, and not saved, when the competition is read only.
    struct TakenOver {
        std::vector<TakeOverLine> lines;
        bool saved = false;
    };
    TakenOver TakeOver(const MeetDefinition& fromMeet, const ClubEntries& from, const TakeOverOptions& options);
    // Gives every entry without a time the swimmer's best time of the last
    // twelve months (times/BestTimes.h), saved once; `saved` is false when
    // there was nothing to fill or the competition is read only.
    struct FilledTimes {
        std::vector<SwimmerBestTime> entries;
        bool saved = false;
    };
    FilledTimes FillEntryTimes(const ResultSource& results);
    // Enters the participant into the event; an empty time takes the entry back.
    void SetEntry(ParticipantRef participant, const std::string& eventNumber, const std::string& entryTime);

    // The open meet, or nullptr when no competition is open.
    const MeetDefinition* meet() const { return meet_.get(); }
    // The club's side of the open meet; empty when none is open.
    const ClubEntries& entries() const { return entries_; }
    const std::string& definitionPath() const { return definitionPath_; }
    std::string workingFilePath() const { return definitionPath_ + ".meld"; }
    std::string lockFilePath() const { return workingFilePath() + ".lock"; }
    // Nothing may change the open competition, nor is it written.
    bool readOnly() const { return meet_ != nullptr && access_ != Access::Edit; }
    // Opened for editing, but another program holds the working file.
    bool lockedElsewhere() const { return lockedElsewhere_; }
    const std::string& startDirectory() const { return startDirectory_; }
    MessageSink& messages() { return messages_; }
    FileOps& fileOps() { return ops_; }
    // Where the last kept copy went; empty when none was kept.
    const std::string& keptOriginalPath() const { return keptOriginalPath_; }
    // Who writes the club entry lists of formats 7 and 8: this program, and
    // the club's contact for questions about the file.
    dsv678::Producer producer() const;

private:
    // Applies `change` to the club's side of an open meet that may change and
    // saves when it tells that it changed something; true when it was saved.
    bool Edit(const std::function<bool(ClubEntries&)>& change);

    MessageSink& messages_;
    std::string startDirectory_;
    FileOps& ops_;
    std::string programName_;
    FileLock lock_;
    Access access_ = Access::Edit;
    bool lockedElsewhere_ = false;
    std::unique_ptr<const MeetDefinition> meet_;
    ClubEntries entries_;
    std::string definitionPath_;
    bool unreadOriginalPending_ = false;
    bool writtenElsewhere_ = false;
    std::string keptOriginalPath_;
};

}  // namespace natarix
