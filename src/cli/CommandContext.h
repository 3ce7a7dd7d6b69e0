#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "model/Messages.h"
#include "session/WorkingFileCycle.h"
#include "times/BestTimes.h"

namespace natarix {

// What a command of natarix-cli works with.
struct CommandContext {
    WorkingFileCycle& cycle;
    std::ostream& out;
    MessageSink& messages;
    std::string currentDirectory;
    // What stands before and after the optional DEFINITION, e.g. an output file.
    std::vector<std::string> arguments;
    // Options given as "--name value" or "--name=value"; flags with an empty value.
    std::map<std::string, std::string> options;
};

// The results database where one exists (--store, or where ResultStorePath
// says), for the check; nullptr without one, or in a build without it.
std::unique_ptr<ResultSource> ExistingResults(CommandContext& context);

// The "times" commands, which work on the results database.
int TimesImport(CommandContext& context);
int TimesBest(CommandContext& context);
int TimesFill(CommandContext& context);

}  // namespace natarix
