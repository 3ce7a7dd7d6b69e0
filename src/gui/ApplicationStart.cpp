#include "gui/ApplicationStart.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <filesystem>
#include <string>
#include <system_error>

#include "gui/ApplicationFont.h"
#include "platform/FileOps.h"

namespace natarix {

void LoadGermanQtTranslations()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    // Owned by the application, which keeps it installed until it ends.
    auto* translator = new QTranslator(qApp);
    if (translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

std::unique_ptr<MainWindow> StartApplication()
{
    QApplication::setApplicationName(QStringLiteral("Natarix"));
    QApplication::setApplicationVersion(QStringLiteral(NATARIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("natarix"));
    LoadGermanQtTranslations();
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
