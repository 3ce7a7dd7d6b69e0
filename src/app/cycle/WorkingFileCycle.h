#pragma once

#include <memory>
#include <string>

#include "dsv/Competition.h"
#include "dsv/Messages.h"
#include "dsv/platform/FileOps.h"

namespace natarix {

// Owns the current competition and keeps the working file (the definition
// list's path with ".meld" appended) in step with it. Every failure is shown
// through the message sink.
class WorkingFileCycle {
public:
    WorkingFileCycle(MessageSink& messages, std::string startDirectory, FileOps& ops = SystemFileOps());

    // Discards the current competition, reads the definition list and, when
    // one exists, its working file. Writes nothing.
    void LoadDefinition(const std::string& path);

    // The first "*.dsv" file (any case) of the start directory, in byte order
    // of the names, that reads without a content error; or the empty text.
    std::string FindStartupDefinition() const;

    // Rewrites the working file from the model. A working file that was not
    // read completely is kept beside it first. True when it was written.
    bool SaveWorkingFile();

    // Keeps a copy of a working file that was read only partly, once, before
    // anything overwrites it; tells the user where. Does nothing otherwise.
    void KeepUnreadOriginal();

    void DiscardCompetition();

    Competition* competition() { return competition_.get(); }
    const Competition* competition() const { return competition_.get(); }
    const std::string& definitionPath() const { return definitionPath_; }
    std::string workingFilePath() const { return definitionPath_ + ".meld"; }
    const std::string& startDirectory() const { return startDirectory_; }
    MessageSink& messages() { return messages_; }
    FileOps& fileOps() { return ops_; }
    // Where the last kept copy went; empty when none was kept.
    const std::string& keptOriginalPath() const { return keptOriginalPath_; }

private:
    MessageSink& messages_;
    std::string startDirectory_;
    FileOps& ops_;
    std::unique_ptr<Competition> competition_;
    std::string definitionPath_;
    bool unreadOriginalPending_ = false;
    std::string keptOriginalPath_;
};

}  // namespace natarix
