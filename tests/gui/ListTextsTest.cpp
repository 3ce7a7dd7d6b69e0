#include <QTest>
#include <array>
#include <memory>

#include "gui/ListTexts.h"
#include "gui/ModelText.h"

using namespace natarix;

// The texts of the header lines and of the list rows.
class ListTextsTest : public QObject {
    Q_OBJECT

private slots:
    void DateAndPlace_data();
    void DateAndPlace();
    void ParticipantRows_data();
    void ParticipantRows();
    void EntryRows_data();
    void EntryRows();
    void OfficialRow();
};

namespace {

QString Shown(const std::string& text)
{
    return ToQString(text);
}

template <std::size_t N>
QStringList Shown(const std::array<std::string, N>& texts)
{
    QStringList shown;
    for (const std::string& text : texts)
        shown << ToQString(text);
    return shown;
}

std::string Model(const QString& text)
{
    return ToModelText(text).value();
}

}  // namespace

void ListTextsTest::DateAndPlace_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QString>("line");
    QTest::newRow("one section") << QStringList{"12.03.2006"} << QString::fromUtf8("am 12.03.2006 in Kühlenbrück");
    QTest::newRow("two sections on one day")
        << QStringList{"13.03.2027", "13.03.2027"} << QString::fromUtf8("am 13.03.2027 in Kühlenbrück");
    // The days are compared as dates, not in the order of the sections.
    QTest::newRow("several days") << QStringList{"14.03.2027", "02.04.2027", "13.03.2027"}
                                  << QString::fromUtf8("vom 13.03.2027 bis 02.04.2027 in Kühlenbrück");
    QTest::newRow("across the turn of a year")
        << QStringList{"31.12.2026", "01.01.2027"} << QString::fromUtf8("vom 31.12.2026 bis 01.01.2027 in Kühlenbrück");
    QTest::newRow("no section") << QStringList{} << QString::fromUtf8("vom 31.12.9999 bis 01.01.0000 in Kühlenbrück");
}

void ListTextsTest::DateAndPlace()
{
    QFETCH(QStringList, dates);
    QFETCH(QString, line);
    MeetDefinition meet;
    meet.place = Model(QString::fromUtf8("Kühlenbrück"));
    int number = 1;
    for (const QString& date : dates)
        meet.AddSection(Section{std::to_string(number++), date.toStdString(), "09:00", ""});
    QCOMPARE(Shown(DateAndPlaceLine(meet)), line);
}

void ListTextsTest::ParticipantRows_data()
{
    QTest::addColumn<bool>("isTeam");
    QTest::addColumn<bool>("male");
    QTest::addColumn<QString>("teamName");
    QTest::addColumn<QString>("classLabel");
    QTest::addColumn<QStringList>("row");
    const QStringList swimmer = {QString::fromUtf8("Ölmann"), QString::fromUtf8("Jörg"), "2011", "M", "004711"};
    QTest::newRow("swimmer m") << false << true << ""
                               << "" << swimmer;
    QStringList female = swimmer;
    female[3] = "W";
    QTest::newRow("swimmer w") << false << false << ""
                               << "" << female;
    QTest::newRow("team with name and class label")
        << true << true << "Jugend"
        << "AK 12" << QStringList{"2. Mannschaft, Jugend, AK 12", "", "", "", ""};
    QTest::newRow("team with name") << true << true << "Jugend"
                                    << "" << QStringList{"2. Mannschaft, Jugend", "", "", "", ""};
    QTest::newRow("team with class label") << true << true << "" << QString::fromUtf8("Ü40")
                                           << QStringList{QString::fromUtf8("2. Mannschaft, Ü40"), "", "", "", ""};
    QTest::newRow("team with number only") << true << true << ""
                                           << "" << QStringList{"2. Mannschaft", "", "", "", ""};
}

void ListTextsTest::ParticipantRows()
{
    QFETCH(bool, isTeam);
    QFETCH(bool, male);
    QFETCH(QString, teamName);
    QFETCH(QString, classLabel);
    QFETCH(QStringList, row);
    Team team;
    team.teamNumber = "2";
    team.teamName = Model(teamName);
    team.classLabel = Model(classLabel);
    Swimmer swimmer;
    swimmer.surname = Model(QString::fromUtf8("Ölmann"));
    swimmer.firstName = Model(QString::fromUtf8("Jörg"));
    swimmer.yearOfBirth = 2011;
    swimmer.registrationNumber = "004711";
    swimmer.sex = male ? Sex::Male : Sex::Female;
    QCOMPARE(Shown(isTeam ? ParticipantRow(team) : ParticipantRow(swimmer)), row);
}

void ListTextsTest::EntryRows_data()
{
    QTest::addColumn<QString>("swimmerCount");
    QTest::addColumn<QString>("entryTime");
    QTest::addColumn<QString>("round");
    QTest::addColumn<QString>("exercise");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("individual, not entered") << "1"
                                             << ""
                                             << ""
                                             << "" << QStringList{"12", "200m B", "W", ""};
    QTest::newRow("individual, entered") << "1"
                                         << "02:41,07"
                                         << ""
                                         << "" << QStringList{"12", "200m B", "W", "02:41,07"};
    QTest::newRow("relay") << "4"
                           << ""
                           << ""
                           << "" << QStringList{"12", "4x200m B", "W", ""};
    // Formats 6 to 8: exercise and round where they matter.
    QTest::newRow("heats") << "1"
                           << ""
                           << "V"
                           << "GL" << QStringList{"12", "200m B Vorlauf", "W", ""};
    QTest::newRow("decider, whole stroke") << "1"
                                           << ""
                                           << "E"
                                           << "GL" << QStringList{"12", "200m B", "W", ""};
    QTest::newRow("legs only, relay heats") << "4"
                                            << ""
                                            << "V"
                                            << "BE" << QStringList{"12", "4x200m B BE Vorlauf", "W", ""};
}

void ListTextsTest::EntryRows()
{
    QFETCH(QString, swimmerCount);
    QFETCH(QString, entryTime);
    QFETCH(QString, round);
    QFETCH(QString, exercise);
    QFETCH(QStringList, row);
    Event event;
    event.number = "12";
    event.swimmerCount = swimmerCount.toStdString();
    event.distance = "200";
    event.technique = "B";
    event.sex = "W";
    event.round = RoundFromLetter(round.toStdString()).value_or(Round::None);
    event.exercise = exercise.toStdString();
    Swimmer swimmer;
    swimmer.SetEntry("12", entryTime.toStdString());
    swimmer.SetEntry("13", "09:59,99");
    QCOMPARE(Shown(EntryRow(swimmer, event)), row);
}

void ListTextsTest::OfficialRow()
{
    Official official;
    official.surname = Model(QString::fromUtf8("Schäfer"));
    official.firstName = "Birgit";
    official.group = 3;
    official.sectionNumbers = {"1", "3"};
    official.wish = "Zielrichterin";
    QCOMPARE(Shown(natarix::OfficialRow(official)), (QStringList{QString::fromUtf8("Schäfer"), "Birgit", "3", "1;3"}));
    QCOMPARE(Shown(natarix::OfficialRow(official, true)).value(2), QStringLiteral("WKR"));
    official.groupCode = "SPR";
    QCOMPARE(Shown(natarix::OfficialRow(official, true)).value(2), QStringLiteral("SPR"));
}

QTEST_MAIN(ListTextsTest)
#include "ListTextsTest.moc"
