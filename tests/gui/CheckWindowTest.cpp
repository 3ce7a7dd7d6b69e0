#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "WindowTestSupport.h"
#include "gui/ApplicationFont.h"
#include "gui/FindingsDialog.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxes.h"
#include "gui/SwimmerDialog.h"

using namespace natarix;
using namespace natarix::test;

// A volunteer looks at the modern meet at a glance, checks the entries and
// mends a finding from the list.
class CheckWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetApplicationFont(); }
    void GlanceShowsTheDeadlineAndMarksItOncePassed();
    void FindingsListOpensTheDialogThatMendsAndChecksAnew();
};

namespace {

struct CheckWindow {
    explicit CheckWindow(const char* today) : window(folder.Native(), SystemFileOps(), mailer)
    {
        folder.Copy("tests/data/two-rounds.dsv7", "two-rounds.dsv7");
        folder.Copy("tests/data/two-rounds-Me.DSV7", "two-rounds.dsv7.meld");
        window.SetToday([today] { return Date(today); });
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the window was not shown");
        window.OpenStartupDefinition();
    }
    QString Glance() { return Find<QTextBrowser>(window, "glanceText")->toHtml(); }

    Folder folder;
    MessageBoxes::Recorder boxes;
    RecordingMailer mailer;
    MainWindow window;
};

}  // namespace

void CheckWindowTest::GlanceShowsTheDeadlineAndMarksItOncePassed()
{
    CheckWindow before("15.02.2025");
    const QString glance = before.Glance();
    QVERIFY2(glance.contains(QString::fromUtf8("01.03.2025, 18:00 Uhr – noch 14 Tage")), qPrintable(glance));
    QVERIFY(glance.contains(QStringLiteral("1 Einzel, 1 Staffel")));
    QVERIFY(glance.contains(QString::fromUtf8("18,50 €")));
    QVERIFY(glance.contains(QStringLiteral("href=\"mailto:max@example.org\"")));
    QVERIFY(glance.contains(QStringLiteral("href=\"https://example.org\"")));
    QVERIFY(glance.contains(QStringLiteral("Nur Vereine des Bezirks")));
    QVERIFY(!glance.contains(QStringLiteral("#c00000")));

    CheckWindow after("04.03.2025");
    QVERIFY(after.Glance().contains(QStringLiteral("seit 3 Tagen vorbei")));
    QVERIFY(after.Glance().contains(QStringLiteral("#c00000")));
}

void CheckWindowTest::FindingsListOpensTheDialogThatMendsAndChecksAnew()
{
    CheckWindow check("15.02.2025");
    QStringList before;
    QStringList after;
    const auto list = DriveNext<FindingsDialog>([&](FindingsDialog& d) {
        auto& findings = *Find<QTreeWidget>(d, "findingsList");
        before = Column(findings, 1);
        const auto swimmer = DriveNext<SwimmerDialog>([](SwimmerDialog& s) {
            Retype(Find<QLineEdit>(s, "registrationNumberEdit"), QStringLiteral("654321"));
            QTest::mouseClick(Find<QPushButton>(s, "okButton"), Qt::LeftButton);
        });
        DoubleClickRow(findings, 0);
        QVERIFY(swimmer->shown);
        after = Column(findings, 1);
        QTest::mouseClick(Find<QPushButton>(d, "closeButton"), Qt::LeftButton);
    });
    Find<QAction>(check.window, "checkAction")->trigger();
    QVERIFY(list->shown);
    QCOMPARE(before, (QStringList{QString::fromUtf8("Krüger, Paul (2009): Die DSV-ID fehlt"),
                                  QString::fromUtf8("1. Mannschaft Mixed – Wettkampf 2 (4x50 L X): In der Aufstellung "
                                                    "fehlen 2 von 4 Schwimmern")}));
    QCOMPARE(after, before.mid(1));
    QVERIFY(check.folder.Read("two-rounds.dsv7.meld").contains("PNMELDUNG:Krüger, Paul;654321;"));

    // The export asks with the finding that is left; "Nein" writes nothing.
    check.window.SetToday([] { return Date("02.03.2025"); });
    Find<QAction>(check.window, "exportAction")->trigger();
    QCOMPARE(check.boxes.questions.size(), std::size_t{1});
    QVERIFY(
        check.boxes.questions[0].text.starts_with("Warnung: Der Meldeschluss am 01.03.2025 ist seit einem Tag "
                                                  "vorbei."));
    QVERIFY(!check.folder.Exists("2025-03-09-Musterst-SVGruen-WeissMust-Me.DSV7"));
}

QTEST_MAIN(CheckWindowTest)
#include "CheckWindowTest.moc"
