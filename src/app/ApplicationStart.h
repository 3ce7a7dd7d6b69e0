#pragma once

#include <memory>

#include "MainWindow.h"

namespace natarix {

// The program's start-up once the QApplication exists: its names and font,
// the start directory (the current directory, read once), the window shown,
// and the first readable definition list of the start directory opened as
// soon as the event loop runs. The caller keeps the window while the loop
// runs.
std::unique_ptr<MainWindow> StartApplication();

}  // namespace natarix
