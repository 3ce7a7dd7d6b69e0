#pragma once

#include <memory>

#include "gui/MainWindow.h"

namespace natarix {

// Qt's own dialogs, standard buttons and the context menus of edit fields
// speak German whatever the system's language is: Qt's German translations
// and a German default locale. Without the translations installed, Qt's
// English texts stay.
void LoadGermanQtTranslations();

// The program's start-up once the QApplication exists: its names, language and font,
// the start directory (the current directory, read once), the window shown,
// and the first readable definition list of the start directory opened as
// soon as the event loop runs. The caller keeps the window while the loop
// runs.
std::unique_ptr<MainWindow> StartApplication();

}  // namespace natarix
