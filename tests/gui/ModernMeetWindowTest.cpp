#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTreeWidget>

#include "WindowTestSupport.h"
#include "gui/ApplicationFont.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxes.h"

using namespace natarix;
using namespace natarix::test;

// A meet of format 7 in the window: shown with its rounds, open for editing,
// its working file kept as a Vereinsmeldeliste of its own format.
class ModernMeetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetApplicationFont(); }
    void OlderWorkingFileIsKeptAndTheMeetOpensForEditing();
};

void ModernMeetWindowTest::OlderWorkingFileIsKeptAndTheMeetOpensForEditing()
{
    Folder folder;
    folder.Copy("tests/data/two-rounds.dsv7", "two-rounds.dsv7");
    folder.Copy("tests/data/two-rounds.dsv7.meld", "two-rounds.dsv7.meld");
    const QByteArray older = folder.Read("two-rounds.dsv7.meld");
    MessageBoxes::Recorder boxes;
    FakeFileOps ops;
    RecordingMailer mailer;
    MainWindow window(folder.Native(), ops, mailer);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTreeWidget& entries = *Find<QTreeWidget>(window, "entriesList");
    const int formatFiveWidth = entries.columnWidth(1);
    window.OpenStartupDefinition();

    QCOMPARE(boxes.messages.size(), std::size_t{1});
    QVERIFY(boxes.messages[0].text.find("in einem älteren Format") != std::string::npos);
    QCOMPARE(folder.Read("two-rounds.dsv7.meld.original"), older);
    QVERIFY(folder.Read("two-rounds.dsv7.meld").startsWith("FORMAT:Vereinsmeldeliste;7;\r\n"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Natarix"));
    QCOMPARE(Find<QGroupBox>(window, "eventBox")->title(), QStringLiteral("Veranstaltung"));
    QVERIFY(Find<QPushButton>(window, "newSwimmerButton")->isEnabled());
    // The team, first in the list, swims relay event 2, a single round. Lena,
    // born 2011, may swim the heats of event 1; the final is not entered.
    QTreeWidget& participants = *Find<QTreeWidget>(window, "participantsList");
    QCOMPARE(Column(participants, 0), (QStringList{"1. Mannschaft", QString::fromUtf8("Krüger")}));
    QCOMPARE(Rows(entries), (QList<QStringList>{{"2", "4x50m L", "X", ""}}));
    ClickRow(participants, 1);
    QCOMPARE(Rows(entries), (QList<QStringList>{{"1", "100m F Vorlauf", "W", "01:25,35"}}));
    QVERIFY(entries.columnWidth(1) > formatFiveWidth);
}

QTEST_MAIN(ModernMeetWindowTest)
#include "ModernMeetWindowTest.moc"
