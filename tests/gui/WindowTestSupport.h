#pragma once

#include <QApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakeFileOps.h"
#include "RecordingMailer.h"

class QTreeWidget;

namespace natarix::test {

// A folder of its own for one test.
class Folder {
public:
    Folder();
    QString Path(const QString& name = QString()) const;
    // In the file system's encoding, as the program takes paths.
    std::string Native(const QString& name = QString()) const;
    // Copies a file of the source tree (relative to its root) into the folder.
    void Copy(const QString& source, const QString& name) const;
    void Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;
    bool Exists(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// A file of the source tree, named relative to its root.
QByteArray ReadSource(const QString& relative);

// Something the test expects to appear in a nested loop; the poll runs as
// long as the record lives.
struct Expected {
    bool shown = false;
    std::unique_ptr<QTimer> poll;
};

// Calls `drive` with the next modal dialog, which must be a T. A dialog that
// `drive` leaves open is cancelled and the test fails, so that no test waits
// for a user.
std::shared_ptr<Expected> DriveNextDialog(const QString& className, const std::function<void(QWidget&)>& drive);

template <typename T>
std::shared_ptr<Expected> DriveNext(const std::function<void(T&)>& drive)
{
    return DriveNextDialog(QString::fromLatin1(T::staticMetaObject.className()),
                           [drive](QWidget& dialog) { drive(static_cast<T&>(dialog)); });
}

// Chooses the item of that text from the next popup menu.
std::shared_ptr<Expected> ChooseFromNextMenu(const QString& text);

// The rows of a list, column texts each.
QList<QStringList> Rows(const QTreeWidget& list);
QStringList Column(const QTreeWidget& list, int column);
// The row that the list has selected, -1 for none.
int SelectedRow(const QTreeWidget& list);

// Mouse actions on a row, as a user makes them.
void ClickRow(QTreeWidget& list, int row);
void DoubleClickRow(QTreeWidget& list, int row);
// A right click at a point of the list's viewport, with the context menu
// that it asks for.
void RightClickAt(QTreeWidget& list, const QPoint& position);
void RightClickRow(QTreeWidget& list, int row);

// The window's child of that object name; a missing one ends the test run.
template <typename T>
T* Find(QWidget& window, const char* name)
{
    auto* child = window.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr)
        qFatal("no child named %s", name);
    return child;
}

}  // namespace natarix::test
