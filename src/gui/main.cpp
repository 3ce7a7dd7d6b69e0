#include <QApplication>

#include "gui/ApplicationStart.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const auto window = natarix::StartApplication();
    return QApplication::exec();
}
