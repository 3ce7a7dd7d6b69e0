#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTreeWidget>

#include "WindowTestSupport.h"
#include "gui/ApplicationFont.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxes.h"
#include "gui/TakeOverDialog.h"

using namespace natarix;
using namespace natarix::test;

// A volunteer opens the example meet and takes last meet's roster over from
// its format-7 entry list through the checklist.
class TakeOverWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetApplicationFont(); }
    void ChecklistTakesWhatIsTickedWithOneReport();
};

void TakeOverWindowTest::ChecklistTakesWhatIsTickedWithOneReport()
{
    Folder folder;
    folder.Copy("examples/Bezirksmeisterschaften-2027.dsv", "Bezirk.dsv");
    folder.Copy("tests/data/modern-walk-Me.DSV7", "Fruehjahr-Me.DSV7");
    MessageBoxes::Recorder boxes;
    RecordingMailer mailer;
    MainWindow window(folder.Native(), SystemFileOps(), mailer);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!Find<QAction>(window, "takeOverAction")->isEnabled());
    window.OpenStartupDefinition();
    window.SetOpenFileChooser([&](const MainWindow::OpenFileRequest&) { return folder.Path("Fruehjahr-Me.DSV7"); });

    const auto checklist = DriveNext<TakeOverDialog>([](TakeOverDialog& d) {
        auto& tree = *Find<QTreeWidget>(d, "rosterTree");
        QStringList groups;
        for (int i = 0; i < tree.topLevelItemCount(); ++i)
            groups << tree.topLevelItem(i)->text(0);
        QCOMPARE(groups, (QStringList{"Vereinsdaten (1)", "Schwimmer (2)", "Staffeln (1)", "Kampfrichter (1)"}));
        // The format-5 example has no relay for a mixed team of four medley swimmers.
        QTreeWidgetItem* team = tree.topLevelItem(2)->child(0);
        QCOMPARE(team->text(0), QStringLiteral("1. Mannschaft, Mixed (AK 80+)"));
        QCOMPARE(team->checkState(0), Qt::Checked);
        // Paul stays out.
        QTreeWidgetItem* paul = tree.topLevelItem(1)->child(1);
        QCOMPARE(paul->text(0), QString::fromUtf8("Krüger, Paul (2009)"));
        paul->setCheckState(0, Qt::Unchecked);
        QCOMPARE(tree.topLevelItem(1)->checkState(0), Qt::PartiallyChecked);
        QCheckBox* entries = Find<QCheckBox>(d, "entriesCheckBox");
        entries->setFocus();
        QTest::keyClick(entries, Qt::Key_Space);
        QVERIFY(entries->isChecked());
        QTest::mouseClick(Find<QPushButton>(d, "okButton"), Qt::LeftButton);
    });
    Find<QAction>(window, "takeOverAction")->trigger();
    QVERIFY(checklist->shown);

    QCOMPARE(boxes.messages.size(), std::size_t{1});
    QCOMPARE(boxes.messages[0].caption, std::string("Aus Meldeliste übernommen"));
    QVERIFY(boxes.messages[0].text.starts_with("Übernommen: 4 Einträge und 1 Meldungen."));
    QVERIFY(boxes.messages[0].text.find("Mixed (AK 80+) – Wettkampf 2 (4x50 L X): kein passender Wettkampf") !=
            std::string::npos);
    QCOMPARE(Column(*Find<QTreeWidget>(window, "participantsList"), 0),
             (QStringList{"1. Mannschaft, Mixed", QString::fromUtf8("Krüger")}));
    // Saved in the format-5 working file: the association as its list item, the name with its comma.
    const QByteArray meld = folder.Read("Bezirk.dsv.meld");
    QVERIFY(meld.contains("LSV:10: Schwimmverband Rheinland;"));
    QVERIFY(meld.contains(QString::fromUtf8("PNMELDUNG:Krüger,Lena;123456;W;2011;").toLatin1()));
    QVERIFY(!meld.contains("Paul"));
}

QTEST_MAIN(TakeOverWindowTest)
#include "TakeOverWindowTest.moc"
