// Opens a competition for editing as the window does, holding its lock, says
// "locked" on standard output and waits to be killed.
//
//   lock_holder DEFINITION

#include <unistd.h>

#include <iostream>

#include "session/WorkingFileCycle.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    natarix::RecordingMessageSink messages;
    natarix::WorkingFileCycle cycle(messages, ".", natarix::SystemFileOps(), "lock-holder");
    cycle.LoadDefinition(argv[1]);
    if (cycle.meet() == nullptr || cycle.readOnly())
        return 1;
    std::cout << "locked" << std::endl;
    for (;;)
        ::pause();
}
