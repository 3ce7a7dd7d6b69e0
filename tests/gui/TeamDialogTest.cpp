#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "gui/ModelText.h"
#include "gui/TeamDialog.h"

using namespace natarix;
using namespace natarix::test;

class TeamDialogTest : public QObject {
    Q_OBJECT

private slots:
    void OpensWithTheTeam_data();
    void OpensWithTheTeam();
    void OkTrimsAndStores();
    void EmptyTeamNumberIsStored();
    void CancelChangesNothing();
    void RefusesWhatTheEntryListCannotCarry_data();
    void RefusesWhatTheEntryListCannotCarry();
};

namespace {

Team Sample()
{
    Team team;
    team.teamNumber = "2";
    team.teamName = "Mixed";
    team.classLabel = "Jugend A";
    return team;
}

void CompareTeams(const Team& actual, const Team& expected)
{
    QCOMPARE(actual.teamNumber, expected.teamNumber);
    QCOMPARE(actual.teamName, expected.teamName);
    QCOMPARE(actual.classLabel, expected.classLabel);
}

}  // namespace

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

void TeamDialogTest::CancelChangesNothing()
{
    Team team = Sample();
    TeamDialog dialog(team);
    const int result = ExecDriven(dialog, [&] {
        Retype(Control<QLineEdit>(dialog, "teamNumberEdit"), QStringLiteral("7"));
        Retype(Control<QLineEdit>(dialog, "teamNameEdit"), QStringLiteral("Herren"));
        QTest::keyClick(Control<QLineEdit>(dialog, "teamNameEdit"), Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    CompareTeams(team, Sample());
}

void TeamDialogTest::RefusesWhatTheEntryListCannotCarry_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("semicolon in the name")
        << "teamNameEdit"
        << "Damen;Herren" << QString::fromUtf8("Im Feld \"Name\" ist das Zeichen \";\" nicht erlaubt.");
    QTest::newRow("comment opener in the class label")
        << "classLabelEdit"
        << "AK (*12*)" << QString::fromUtf8("Im Feld \"Wertungsklasse\" ist die Zeichenfolge \"(*\" nicht erlaubt.");
    QTest::newRow("not in Windows-1252") << "teamNameEdit" << QString::fromUtf8("Staffel ✓")
                                         << QString::fromUtf8("Im Feld \"Name\" ist das Zeichen U+2713 nicht erlaubt.");
}

void TeamDialogTest::RefusesWhatTheEntryListCannotCarry()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Team team = Sample();
    TeamDialog dialog(team);
    auto* edit = Control<QLineEdit>(dialog, field.toLatin1().constData());
    const int result = ExecDriven(dialog, [&] {
        Retype(edit, text);
        const auto box = AnswerNextMessageBox();
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(box->shown);
        QCOMPARE(box->text, message);
        QCOMPARE(box->title, QStringLiteral("Fehler"));
        QCOMPARE(box->owner, QStringLiteral("teamDialog"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(edit->text(), text);
        QTest::mouseClick(Control<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    CompareTeams(team, Sample());
}

QTEST_MAIN(TeamDialogTest)
#include "TeamDialogTest.moc"
