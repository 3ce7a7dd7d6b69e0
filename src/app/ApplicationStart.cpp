#include "ApplicationStart.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <string>
#include <system_error>

#include "ApplicationFont.h"
#include "dsv/platform/FileOps.h"

namespace natarix {

std::unique_ptr<MainWindow> StartApplication()
{
    QApplication::setApplicationName(QStringLiteral("Natarix"));
    QApplication::setApplicationVersion(QStringLiteral(NATARIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("natarix"));
    SetApplicationFont();

    // Read once: definition lists are looked for here and the export writes
    // here, wherever the open command later leads.
    std::error_code error;
    const std::string startDirectory = FromFsPath(std::filesystem::current_path(error));

    auto window = std::make_unique<MainWindow>(startDirectory);
    window->show();
    // Once the window is on the screen, so that messages of the load appear
    // in front of it.
    QTimer::singleShot(0, window.get(), &MainWindow::OpenStartupDefinition);
    return window;
}

}  // namespace natarix
