#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "DialogSamples.h"
#include "GuiTestSupport.h"
#include "gui/ModelText.h"
#include "gui/TeamDialog.h"

using namespace natarix;
using namespace natarix::test;
using team::Sample;

class TeamDialogTest : public QObject {
    Q_OBJECT

private slots:
    void OpensWithTheTeam_data();
    void OpensWithTheTeam();
    void OkTrimsAndStores();
    void EmptyTeamNumberIsStored();
};

void TeamDialogTest::OpensWithTheTeam_data()
{
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<QString>("teamNumber");
    QTest::addColumn<QString>("teamName");
    QTest::addColumn<QString>("classLabel");
    QTest::newRow("new team") << true << "1"
                              << ""
                              << "";
    QTest::newRow("stored team") << false << "2"
                                 << "Mixed"
                                 << "Jugend A";
}

void TeamDialogTest::OpensWithTheTeam()
{
    QFETCH(bool, isNew);
    QFETCH(QString, teamNumber);
    QFETCH(QString, teamName);
    QFETCH(QString, classLabel);
    Team team = isNew ? Team() : Sample();
    TeamDialog dialog(team);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Staffel bearbeiten"));
    QCOMPARE(Control<QLineEdit>(dialog, "teamNumberEdit")->text(), teamNumber);
    QCOMPARE(Control<QLineEdit>(dialog, "teamNameEdit")->text(), teamName);
    QCOMPARE(Control<QLineEdit>(dialog, "classLabelEdit")->text(), classLabel);
}

void TeamDialogTest::OkTrimsAndStores()
{
    Team team = Sample();
    TeamDialog dialog(team);
    const int result = ExecDriven(dialog, [&] {
        Retype(Control<QLineEdit>(dialog, "teamNumberEdit"), QStringLiteral("1x2 "));  // digits only
        Retype(Control<QLineEdit>(dialog, "teamNameEdit"), QString::fromUtf8("  Damen Ü40  "));
        Retype(Control<QLineEdit>(dialog, "classLabelEdit"), QStringLiteral("AK 12 "));
        QTest::mouseClick(Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(team.teamNumber, std::string("12"));
    QCOMPARE(ToQString(team.teamName), QString::fromUtf8("  Damen Ü40"));
    QCOMPARE(team.classLabel, std::string("AK 12"));
}

void TeamDialogTest::EmptyTeamNumberIsStored()
{
    Team team = Sample();
    TeamDialog dialog(team);
    const int result = ExecDriven(dialog, [&] {
        Retype(Control<QLineEdit>(dialog, "teamNumberEdit"), QString());
        QTest::keyClick(Control<QLineEdit>(dialog, "teamNumberEdit"), Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(team.teamNumber, std::string());
}

QTEST_MAIN(TeamDialogTest)
#include "TeamDialogTest.moc"
