#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <string>
#include <system_error>

#include "ApplicationFont.h"
#include "MainWindow.h"
#include "dsv/platform/FileOps.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Natarix"));
    QApplication::setApplicationVersion(QStringLiteral(NATARIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("natarix"));
    natarix::SetApplicationFont();

    // Read once: definition lists are looked for here and the export writes
    // here, wherever the open command later leads.
    std::error_code error;
    const std::string startDirectory = natarix::FromFsPath(std::filesystem::current_path(error));

    natarix::MainWindow window(startDirectory);
    window.show();
    // Once the window is on the screen, so that messages of the load appear
    // in front of it.
    QTimer::singleShot(0, &window, &natarix::MainWindow::OpenStartupDefinition);
    return QApplication::exec();
}
