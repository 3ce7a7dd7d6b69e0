#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

#include "WindowTestSupport.h"
#include "gui/ApplicationFont.h"
#include "gui/EntryDialog.h"
#include "gui/EntryTimeField.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxes.h"

using namespace natarix;
using namespace natarix::test;

// A volunteer reads the result lists of the 2025 district meets, opens the
// next meet of the series with the club's entries still without times, fills
// them from the best times in one step and takes one more in the entry dialog.
class BestTimesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetApplicationFont(); }
    void ResultListsFillTheNextMeetsEntryTimes();
};

namespace {

const QString kCorpus = QStringLiteral(NATARIX_DSV_CORPUS "/schroeer-dsv__");

QByteArray ReadCorpus(const QString& name)
{
    QFile file(kCorpus + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int RowOfEvent(const QTreeWidget& list, const QString& number)
{
    const QStringList numbers = Column(list, 0);
    return static_cast<int>(numbers.indexOf(number));
}

}  // namespace

void BestTimesWindowTest::ResultListsFillTheNextMeetsEntryTimes()
{
    if (ReadCorpus("user-emsland-25mehrde.dsv7").isEmpty())
        QSKIP("the real DSV files are not beside the repository");
    Folder folder;
    qputenv("NATARIX_RESULTS_STORE", folder.Path("store/results.sqlite").toUtf8());
    folder.Write("Mehrkampf.dsv7", ReadCorpus("user-emsland-25mehrde.dsv7"));
    QString entries = QString::fromUtf8(ReadCorpus("2025-11-29-Haseluen-SVHaren-Me.dsv7"));
    entries.replace(QRegularExpression("(STARTPN: \\d+;\\d+;)[0-9:,]+;"), "\\100:00:00,00;");
    folder.Write("Mehrkampf.dsv7.meld", entries.toUtf8());

    MessageBoxes::Recorder boxes;
    RecordingMailer mailer;
    MainWindow window(folder.Native(), SystemFileOps(), mailer);
    window.SetToday([] { return Date("20.11.2025"); });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.OpenStartupDefinition();
    boxes.messages.clear();  // the note that the club's list is kept as it came

    window.SetOpenFilesChooser([](const MainWindow::OpenFileRequest& request) {
        [&] { QVERIFY(request.filter.contains("*.dsv7")); }();
        return QStringList{kCorpus + "user-emsland-25kurzer.dsv7", kCorpus + "user-emsland-25sprier.dsv7",
                           kCorpus + "user-emsland-25langer.dsv7"};
    });
    Find<QAction>(window, "importResultsAction")->trigger();
    QCOMPARE(boxes.messages.size(), std::size_t{1});
    QCOMPARE(boxes.messages[0].caption, std::string("Ergebnislisten eingelesen"));
    QVERIFY2(boxes.messages[0].text.starts_with(
                 "1303 neue Ergebnisse aus 3 Ergebnislisten, 0 waren schon in der Datenbank.\n\n"
                 "schroeer-dsv__user-emsland-25kurzer.dsv7: 518 Ergebnisse neu, 0 schon vorhanden\n"),
             boxes.messages[0].text.c_str());
    QVERIFY(folder.Exists("store/results.sqlite"));

    Find<QAction>(window, "fillTimesAction")->trigger();
    QCOMPARE(boxes.messages.size(), std::size_t{2});
    QCOMPARE(boxes.messages[1].caption, std::string("Meldezeiten aus Bestzeiten"));
    QVERIFY2(boxes.messages[1].text.starts_with("16 Meldezeiten eingetragen:\nLehmann, Ida (2014) – Wettkampf 209 "
                                                "(200 L W): 03:33,70 (3:33,70 vom 22.02.2025, "),
             boxes.messages[1].text.c_str());
    QVERIFY(folder.Read("Mehrkampf.dsv7.meld").contains("STARTPN:631;209;00:03:33,70;"));

    // Ida's 200 R, filled with her best time: typed over, then taken back by one click.
    QTreeWidget& participants = *Find<QTreeWidget>(window, "participantsList");
    QTreeWidget& list = *Find<QTreeWidget>(window, "entriesList");
    ClickRow(participants, static_cast<int>(Column(participants, 0).indexOf("Lehmann")));
    const int row = RowOfEvent(list, "225");
    QVERIFY(row >= 0);
    QCOMPARE(list.topLevelItem(row)->text(3), QStringLiteral("03:24,30"));
    const auto dialog = DriveNext<EntryDialog>([&](EntryDialog& d) {
        QCOMPARE(
            Find<QLabel>(d, "bestTimeLabel")->text(),
            QString::fromUtf8("Bestzeit: 3:24,30 vom 22.02.2025, Kreis-, Kreisjahrg.-. und Kreismasters-Meistersch. "
                              "kurze Strecken in Meppen (25-m-Bahn)"));
        auto* time = Find<EntryTimeField>(d, "entryTimeEdit");
        time->selectAll();
        QTest::keyClicks(time, "03200000");
        QCOMPARE(time->text(), QStringLiteral("03:20,00"));
        const QString screenshots = qEnvironmentVariable("NATARIX_SCREENSHOT_DIR");
        if (!screenshots.isEmpty())
            QVERIFY(d.grab().save(screenshots + "/entry-best-time.png"));
        QTest::mouseClick(Find<QPushButton>(d, "takeBestTimeButton"), Qt::LeftButton);
        QCOMPARE(time->text(), QStringLiteral("03:24,30"));
        QTest::mouseClick(Find<QPushButton>(d, "okButton"), Qt::LeftButton);
    });
    DoubleClickRow(list, row);
    QVERIFY(dialog->shown);
    QCOMPARE(list.topLevelItem(RowOfEvent(list, "225"))->text(3), QStringLiteral("03:24,30"));
    qunsetenv("NATARIX_RESULTS_STORE");
}

QTEST_MAIN(BestTimesWindowTest)
#include "BestTimesWindowTest.moc"
