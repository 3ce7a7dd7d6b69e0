#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "DialogSamples.h"
#include "GuiTestSupport.h"
#include "gui/ClubDialog.h"
#include "gui/ModelText.h"

using namespace natarix;
using namespace natarix::test;
using club::Sample;

class ClubDialogTest : public QObject {
    Q_OBJECT

private slots:
    void OffersTheTwentyAssociations();
    void LsvSelection_data();
    void LsvSelection();
    void OkStoresEveryFieldAsTyped();
    void EmptyClubIsAccepted();
};

void ClubDialogTest::OffersTheTwentyAssociations()
{
    Club club;
    ClubDialog dialog(club);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Vereinsdaten bearbeiten"));
    auto* lsv = Control<QComboBox>(dialog, "lsvComboBox");
    QStringList items;
    for (int i = 0; i < lsv->count(); ++i)
        items << lsv->itemText(i);
    const QStringList expected = {
        QString::fromUtf8("00: Ausland"),
        QString::fromUtf8("01: Badischer Schwimm-Verband"),
        QString::fromUtf8("02: Bayerischer Schwimm-Verband"),
        QString::fromUtf8("03: Berliner Schwimm-Verband"),
        QString::fromUtf8("04: Landesschwimmverband Brandenburg"),
        QString::fromUtf8("05: Landesschwimmverband Bremen"),
        QString::fromUtf8("06: Hamburger Schwimm-Verband"),
        QString::fromUtf8("07: Hessischer Schwimm-Verband"),
        QString::fromUtf8("08: Schwimmverband Mecklenburg/Vorpommern"),
        QString::fromUtf8("09: Landesschwimmverband Niedersachsen"),
        QString::fromUtf8("10: Schwimmverband Rheinland"),
        QString::fromUtf8("11: Saarländischer Schwimm-Bund"),
        QString::fromUtf8("12: Sächsischer Schwimm-Verband"),
        QString::fromUtf8("13: Landesschwimmverband Sachsen-Anhalt"),
        QString::fromUtf8("14: Schleswig-Holsteinischer Schwimm-Verband"),
        QString::fromUtf8("15: Südwestdeutscher Schwimm-Verband"),
        QString::fromUtf8("16: Thüringer Schwimm-Verband"),
        QString::fromUtf8("17: Schwimmverband Nordrhein-Westfalen"),
        QString::fromUtf8("18: Schwimmverband Württemberg"),
        QString::fromUtf8("99: Auswahlmannschaft"),
    };
    QCOMPARE(items, expected);
}

void ClubDialogTest::LsvSelection_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("selected");
    const QString wuerttemberg = QString::fromUtf8("18: Schwimmverband Württemberg");
    const QString abroad = QStringLiteral("00: Ausland");
    QTest::newRow("number only") << "18" << wuerttemberg;
    QTest::newRow("whole item") << wuerttemberg << wuerttemberg;
    QTest::newRow("other case, umlaut too")
        << QString::fromUtf8("12: SÄCHSISCHER") << QString::fromUtf8("12: Sächsischer Schwimm-Verband");
    QTest::newRow("first item with that beginning") << "1"
                                                    << "10: Schwimmverband Rheinland";
    QTest::newRow("last item") << "99"
                               << "99: Auswahlmannschaft";
    QTest::newRow("empty") << "" << abroad;
    QTest::newRow("no item begins with it") << "Bayern" << abroad;
    QTest::newRow("longer than the item") << "04: Landesschwimmverband Brandenburg e.V." << abroad;
}

void ClubDialogTest::LsvSelection()
{
    QFETCH(QString, stored);
    QFETCH(QString, selected);
    Club club = Sample();
    club.lsv = *ToModelText(stored);
    ClubDialog dialog(club);
    QCOMPARE(Control<QComboBox>(dialog, "lsvComboBox")->currentText(), selected);
    const int result = ExecDriven(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(ToQString(club.lsv), selected);
}

void ClubDialogTest::OkStoresEveryFieldAsTyped()
{
    Club club;
    club.nation = "GER";
    ClubDialog dialog(club);
    const int result = ExecDriven(dialog, [&] {
        // A different text in every field, blanks at both ends, nothing trimmed.
        TypeText(Control<QLineEdit>(dialog, "clubNameEdit"), QString::fromUtf8(" SV Blau-Weiß, Kiel "));
        TypeText(Control<QLineEdit>(dialog, "contactNameEdit"), QStringLiteral("Petra Muster"));
        TypeText(Control<QLineEdit>(dialog, "streetEdit"), QString::fromUtf8("Hauptstraße 1 "));
        TypeText(Control<QLineEdit>(dialog, "postcodeEdit"), QStringLiteral("24 1a03"));  // digits only
        TypeText(Control<QLineEdit>(dialog, "townEdit"), QStringLiteral("Kiel"));
        TypeText(Control<QLineEdit>(dialog, "phoneEdit"), QStringLiteral("0431 1"));
        TypeText(Control<QLineEdit>(dialog, "faxEdit"), QStringLiteral("0431 2"));
        TypeText(Control<QLineEdit>(dialog, "emailEdit"), QStringLiteral("info@example.org"));
        TypeText(Control<QLineEdit>(dialog, "countryEdit"), QStringLiteral("Deutschland"));
        QTest::keyClicks(Control<QComboBox>(dialog, "lsvComboBox"), QStringLiteral("14"));
        TypeText(Control<QLineEdit>(dialog, "clubIdEdit"), QStringLiteral(" 1234 "));
        QTest::mouseClick(Control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(ToQString(club.clubName), QString::fromUtf8(" SV Blau-Weiß, Kiel "));
    QCOMPARE(club.contact.name, std::string("Petra Muster"));
    QCOMPARE(ToQString(club.contact.street), QString::fromUtf8("Hauptstraße 1 "));
    QCOMPARE(club.contact.postcode, std::string("24103"));
    QCOMPARE(club.contact.town, std::string("Kiel"));
    QCOMPARE(club.contact.phone, std::string("0431 1"));
    QCOMPARE(club.contact.fax, std::string("0431 2"));
    QCOMPARE(club.contact.email, std::string("info@example.org"));
    QCOMPARE(club.contact.country, std::string("Deutschland"));
    QCOMPARE(club.lsv, std::string("14: Schleswig-Holsteinischer Schwimm-Verband"));
    QCOMPARE(club.clubId, std::string(" 1234 "));
    QCOMPARE(club.nation, std::string("GER"));  // no field of the dialog
}

void ClubDialogTest::EmptyClubIsAccepted()
{
    Club club;
    ClubDialog dialog(club);
    const int result = ExecDriven(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
    QCOMPARE(result, int(QDialog::Accepted));
    Club expected;
    expected.lsv = "00: Ausland";
    QCOMPARE(club, expected);
}

QTEST_MAIN(ClubDialogTest)
#include "ClubDialogTest.moc"
