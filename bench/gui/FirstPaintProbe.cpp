// The program's very start-up, which says on its standard output when the
// main window is first painted with the competition of the start folder, and
// then ends. The benchmark times it from the moment it spawns it.

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <cstdio>

#include "gui/ApplicationStart.h"

namespace {

class FirstPaint : public QObject {
public:
    explicit FirstPaint(natarix::MainWindow& window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The form and the lists paint themselves; any paint inside the
        // window counts, but only once the start-up load has filled it.
        if (!reported_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_ && window_.cycle().meet() != nullptr) {
            reported_ = true;
            // After the whole pass, children included, has been painted.
            QMetaObject::invokeMethod(this, &FirstPaint::Report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Report()
    {
        std::puts("first paint");
        std::fflush(stdout);
        QApplication::quit();
    }

    natarix::MainWindow& window_;
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const auto window = natarix::StartApplication();
    FirstPaint watcher(*window);
    application.installEventFilter(&watcher);
    return QApplication::exec();
}
