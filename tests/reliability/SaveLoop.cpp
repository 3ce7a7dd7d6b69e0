// Saves the working file at the given path over and over, the two club sides
// of SaveLoopModels in turn (the second first), the way the program saves after
// each change. Writes one byte to stdout after each completed save, so that a
// test can tell how far it got. Runs until it is killed.

#include <unistd.h>

#include <cstdio>

#include "SaveLoopModels.h"
#include "dsv5/EntryListWriter.h"

int main(int argc, char** argv)
{
    using namespace natarix;
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_loop WORKING_FILE\n");
        return 2;
    }
    const ClubEntries sides[] = {reliability::SaveLoopEntries(0), reliability::SaveLoopEntries(1)};
    RecordingMessageSink messages;
    for (int which = 1;; which = 1 - which) {
        if (!EntryListWriter(argv[1], reliability::SaveLoopMeet(), sides[which], false).Write(messages)) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
        if (::write(STDOUT_FILENO, "s", 1) != 1)
            return 1;
    }
}
