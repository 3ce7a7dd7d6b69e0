#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "DialogSamples.h"
#include "GuiTestSupport.h"
#include "gui/ModelText.h"
#include "gui/OfficialDialog.h"
#include "model/Labels.h"

using namespace natarix;
using namespace natarix::test;
using official::Sample;

class OfficialDialogTest : public QObject {
    Q_OBJECT

private slots:
    void Sections_data();
    void Sections();
    void Group_data();
    void Group();
    void OkTrimsAndStores();
};

namespace {

MeetDefinition WithSections(const QStringList& numbers)
{
    MeetDefinition meet;
    for (const QString& number : numbers)
        meet.AddSection(Section{number.toStdString(), "11.03.2027", "09:00", ""});
    return meet;
}

// The items of the list from top to bottom, a checked one marked with "+".
QStringList Items(const QListWidget& list)
{
    QStringList items;
    for (int row = 0; row < list.count(); ++row)
        items << (list.item(row)->checkState() == Qt::Checked ? "+" : "") + list.item(row)->text();
    return items;
}

}  // namespace

void OfficialDialogTest::Sections_data()
{
    QTest::addColumn<QStringList>("sections");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("toggled");
    QTest::addColumn<QString>("storedAfter");

    QTest::newRow("1;3, then 2 as well") << QStringList{"1", "2", "3"} << "1;3" << QStringList{"+1", "2", "+3"}
                                         << QStringList{"2"} << "1;2;3";
    QTest::newRow("sorted by text") << QStringList{"1", "2", "10"} << "" << QStringList{"1", "10", "2"}
                                    << QStringList{"1", "2", "10"} << "1;10;2";
    QTest::newRow("one taken back") << QStringList{"1", "2"} << "1;2" << QStringList{"+1", "+2"} << QStringList{"1"}
                                    << "2";
    QTest::newRow("a stored number that is no section is dropped")
        << QStringList{"1", "2", "3"} << "2;9" << QStringList{"1", "+2", "3"} << QStringList{} << "2";
    QTest::newRow("a long number is read whole")
        << QStringList{"1234567890", "2"} << "1234567890" << QStringList{"+1234567890", "2"} << QStringList{"2"}
        << "1234567890;2";
    QTest::newRow("no competition sections") << QStringList{} << "1" << QStringList{} << QStringList{} << "";
}

void OfficialDialogTest::Sections()
{
    QFETCH(QStringList, sections);
    QFETCH(QString, stored);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, toggled);
    QFETCH(QString, storedAfter);
    const MeetDefinition meet = WithSections(sections);
    Official official = Sample();
    official.sectionNumbers.clear();
    for (const QString& number : stored.split(';', Qt::SkipEmptyParts))
        official.sectionNumbers.push_back(number.toStdString());
    OfficialDialog dialog(official, meet);
    auto* list = Control<QListWidget>(dialog, "sectionsList");
    QCOMPARE(Items(*list), shown);
    const int result = ExecDriven(dialog, [&] {
        for (const QString& text : toggled)
            Toggle(*list, text);
        QTest::mouseClick(Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(SectionNumbersText(official)), storedAfter);
}

void OfficialDialogTest::Group_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");  // in the group list, or nothing
    QTest::addColumn<int>("storedAfter");
    QTest::newRow("3") << 3 << "3"
                       << "" << 3;
    QTest::newRow("0 shows none and stays") << 0 << ""
                                            << "" << 0;
    QTest::newRow("5 shows none, kept as 0") << 5 << ""
                                             << "" << 0;
    QTest::newRow("-1 shows none, kept as 0") << -1 << ""
                                              << "" << 0;
    QTest::newRow("0, then 4 chosen") << 0 << ""
                                      << "4" << 4;
    QTest::newRow("1, then 2 chosen") << 1 << "1"
                                      << "2" << 2;
}

void OfficialDialogTest::Group()
{
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(int, storedAfter);
    const MeetDefinition meet = WithSections({"1"});
    Official official = Sample();
    official.group = stored;
    OfficialDialog dialog(official, meet);
    auto* group = Control<QComboBox>(dialog, "groupComboBox");
    QCOMPARE(group->currentText(), shown);
    const int result = ExecDriven(dialog, [&] {
        if (!typed.isEmpty())
            QTest::keyClicks(group, typed);
        QTest::keyClick(group, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(official.group, storedAfter);
}

void OfficialDialogTest::OkTrimsAndStores()
{
    const MeetDefinition meet = WithSections({"1", "2", "3"});
    Official official;
    OfficialDialog dialog(official, meet);
    QCOMPARE(Control<QComboBox>(dialog, "groupComboBox")->currentText(), QStringLiteral("1"));  // the model's default
    const int result = ExecDriven(dialog, [&] {
        TypeText(Control<QLineEdit>(dialog, "surnameEdit"), QString::fromUtf8(" Größer  "));
        TypeText(Control<QLineEdit>(dialog, "firstNameEdit"), QStringLiteral("Paul"));
        TypeText(Control<QLineEdit>(dialog, "wishEdit"), QStringLiteral("Zeitnehmer, Bahn 3 "));
        QTest::keyClick(Control<QLineEdit>(dialog, "wishEdit"), Qt::Key_Enter);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(ToQString(official.surname), QString::fromUtf8(" Größer"));
    QCOMPARE(official.firstName, std::string("Paul"));
    QCOMPARE(official.wish, std::string("Zeitnehmer, Bahn 3"));
    QCOMPARE(official.group, 1);
    QVERIFY(official.sectionNumbers.empty());
}

QTEST_MAIN(OfficialDialogTest)
#include "OfficialDialogTest.moc"
