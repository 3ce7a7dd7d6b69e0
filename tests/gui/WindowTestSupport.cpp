#include "WindowTestSupport.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>

namespace natarix::test {

Folder::Folder()
{
    if (!dir_.isValid())
        qFatal("no temporary folder");
}

QString Folder::Path(const QString& name) const
{
    return name.isEmpty() ? dir_.path() : dir_.filePath(name);
}

std::string Folder::Native(const QString& name) const
{
    return FromFsPath(std::filesystem::path(Path(name).toStdU16String()));
}

void Folder::Copy(const QString& source, const QString& name) const
{
    const QString from = QStringLiteral(NATARIX_SOURCE_DIR "/") + source;
    if (!QFile::copy(from, Path(name)))
        qFatal("cannot copy %s", qPrintable(from));
    QFile::setPermissions(Path(name), QFile::ReadOwner | QFile::WriteOwner);
}

void Folder::Write(const QString& name, const QByteArray& bytes) const
{
    QFile file(Path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray Folder::Read(const QString& name) const
{
    QFile file(Path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool Folder::Exists(const QString& name) const
{
    return QFile::exists(Path(name));
}

QByteArray ReadSource(const QString& relative)
{
    QFile file(QStringLiteral(NATARIX_SOURCE_DIR "/") + relative);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(relative));
    return file.readAll();
}

namespace {

std::shared_ptr<Expected> Poll(const std::function<bool(Expected&)>& step)
{
    auto expected = std::make_shared<Expected>();
    expected->poll = std::make_unique<QTimer>();
    Expected* record = expected.get();
    QObject::connect(record->poll.get(), &QTimer::timeout, [record, step] {
        if (step(*record)) {
            record->poll->stop();
            record->shown = true;
        }
    });
    record->poll->start(10);
    return expected;
}

}  // namespace

std::shared_ptr<Expected> DriveNextDialog(const QString& className, const std::function<void(QWidget&)>& drive)
{
    return Poll([className, drive](Expected&) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return false;
        if (QString::fromLatin1(dialog->metaObject()->className()) != className) {
            QTest::qFail(qPrintable(QStringLiteral("expected a %1, got a %2")
                                        .arg(className, QString::fromLatin1(dialog->metaObject()->className()))),
                         __FILE__, __LINE__);
            dialog->reject();
            return true;
        }
        // Keys go to the active window only.
        if (!QTest::qWaitForWindowActive(dialog))
            QTest::qFail("the dialog did not become active", __FILE__, __LINE__);
        drive(*dialog);
        if (dialog->isVisible()) {
            if (!QTest::currentTestFailed())
                QTest::qFail("the dialog was left open", __FILE__, __LINE__);
            dialog->reject();
        }
        return true;
    });
}

std::shared_ptr<Expected> ChooseFromNextMenu(const QString& text)
{
    return Poll([text](Expected&) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || !menu->isVisible())
            return false;
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return true;
            }
        }
        QTest::qFail(qPrintable(QStringLiteral("the menu has no item %1").arg(text)), __FILE__, __LINE__);
        menu->close();
        return true;
    });
}

QList<QStringList> Rows(const QTreeWidget& list)
{
    QList<QStringList> rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < list.columnCount(); ++column)
            texts << list.topLevelItem(row)->text(column);
        rows << texts;
    }
    return rows;
}

QStringList Column(const QTreeWidget& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        texts << list.topLevelItem(row)->text(column);
    return texts;
}

int SelectedRow(const QTreeWidget& list)
{
    const QList<QTreeWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.indexOfTopLevelItem(selected.first());
}

namespace {

QPoint CentreOf(QTreeWidget& list, int row)
{
    QTreeWidgetItem* item = list.topLevelItem(row);
    if (item == nullptr)
        qFatal("no row %d", row);
    list.scrollToItem(item);
    return list.visualItemRect(item).center();
}

}  // namespace

void ClickRow(QTreeWidget& list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CentreOf(list, row));
}

void DoubleClickRow(QTreeWidget& list, int row)
{
    const QPoint centre = CentreOf(list, row);
    // A double click begins with a click, as on the screen.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

void RightClickAt(QTreeWidget& list, const QPoint& position)
{
    QWidget* viewport = list.viewport();
    QTest::mousePress(viewport, Qt::RightButton, {}, position);
    QTest::mouseRelease(viewport, Qt::RightButton, {}, position);
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, viewport->mapToGlobal(position));
    QApplication::sendEvent(viewport, &event);
}

void RightClickRow(QTreeWidget& list, int row)
{
    RightClickAt(list, CentreOf(list, row));
}

}  // namespace natarix::test
