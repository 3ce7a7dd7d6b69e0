#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QTreeWidget>
#include <memory>

#include "GuiTestSupport.h"
#include "WindowTestSupport.h"
#include "codec/Cp1252.h"
#include "gui/AboutDialog.h"
#include "gui/ApplicationFont.h"
#include "gui/ClubDialog.h"
#include "gui/EntryDialog.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxes.h"
#include "gui/ModelText.h"
#include "gui/OfficialDialog.h"
#include "gui/SwimmerDialog.h"
#include "gui/TeamDialog.h"

using namespace natarix;
using namespace natarix::test;

// The window's start-up, its lists and every command on them, with the
// moments at which the working file is written.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void StartUpOpensTheFirstReadableList();
    void StartUpWithoutListsStaysEmpty();
    void MenusAndWindow();
    void AboutBox_data();
    void AboutBox();
    void QuitClosesTheWindow();

    void EntriesOfSwimmerAndTeam();
    void ParticipantsInAlphabeticalOrder();
    void ImpossibleEntriesAreMarkedAndAskedAboutBeforeTheExport();

    void LoadWritesAfterEachList();
    void LoadWithoutParticipantsWritesOnce();
    void SelectingAParticipantWrites();
    void EntryDialogRefillsTheEntries_data();
    void EntryDialogRefillsTheEntries();
    void ClubDataAreWrittenEvenOnCancel_data();
    void ClubDataAreWrittenEvenOnCancel();
    void NewObjects_data();
    void NewObjects();
    void EditByDoubleClick_data();
    void EditByDoubleClick();
    void EntriesDoubleClickNeedsASelectedParticipant();

    void Delete_data();
    void Delete();
    void NoMenuBesideTheRows();

    void FailedLoadClearsTheForm_data();
    void FailedLoadClearsTheForm();
    void PartlyReadWorkingFileIsKeptBeforeTheRefresh();

    void OpenAsksForAListAndMovesTheCurrentFolder();
    void CancelledOpenKeepsTheCompetition();
    void OpenFileDialogShowsBothKinds();

    void ExportSaysWhereTheFilesWent();

private:
    QString originalCurrent_;
};

namespace {

// Individual events 10, 2, 1 (open), 5 (women), 4 (years 2010-2011) and the
// relays 7 and 3, in this file order.
const char* const kEventsDefinition =
    "WETTKAMPFDEFINITIONSLISTE:\n"
    "FORMAT:5;\n"
    "VERANSTALTUNG:Testwettkampf;Teststadt;;AUTOMATISCH;\n"
    "VERANSTALTUNGSORT:Hallenbad;Weg 1;12345;Teststadt;Deutschland;;;;\n"
    "MELDEADRESSE:Meldestelle;Weg 2;12345;Teststadt;Deutschland;;;;\n"
    "MELDESCHLUSS:01.03.2006;18:00;\n"
    "ABSCHNITT:1;11.03.2006;09:00;\n"
    "ABSCHNITT:2;12.03.2006;09:00;\n"
    "WETTKAMPF:10;1;100 F M;\n"
    "WETTKAMPF:2;1;50 B X;\n"
    "WETTKAMPF:1;1;200 L M;\n"
    "WETTKAMPF:5;2;100 F W;\n"
    "WETTKAMPF:7;2;4x50 F X;\n"
    "WETTKAMPF:3;2;4x100 L M;\n"
    "WETTKAMPF:4;2;50 S M;\n"
    "WERTUNG:10;\n"
    "WERTUNG:2;\n"
    "WERTUNG:1;\n"
    "WERTUNG:5;\n"
    "WERTUNG:7;\n"
    "WERTUNG:3;\n"
    "WERTUNG:4;JG:2010-2011;\n"
    "EINZELMELDEGELD:3,50;\n"
    "DATEIENDE\n";

QByteArray DsvBytes(const char* utf8)
{
    const std::string text = Utf8ToCp1252(utf8);
    QByteArray bytes;
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

// The window on a start folder, with message boxes recorded, saves watched and
// mail kept.
struct Harness {
    explicit Harness(const Folder& start) : window(start.Native(), ops, mailer)
    {
        // Before the deadlines of the test meets.
        window.SetToday([] { return Date("01.01.2025"); });
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the window was not shown");
    }

    QLabel& Title() { return *Find<QLabel>(window, "titleLabel"); }
    QLabel& DateAndPlace() { return *Find<QLabel>(window, "dateAndPlaceLabel"); }
    QTreeWidget& Participants() { return *Find<QTreeWidget>(window, "participantsList"); }
    QTreeWidget& Entries() { return *Find<QTreeWidget>(window, "entriesList"); }
    QTreeWidget& Officials() { return *Find<QTreeWidget>(window, "officialsList"); }
    QPushButton& Button(const char* name) { return *Find<QPushButton>(window, name); }
    QAction& Action(const char* name) { return *Find<QAction>(window, name); }

    MessageBoxes::Recorder boxes;
    FakeFileOps ops;
    RecordingMailer mailer;
    MainWindow window;
};

// A folder with minimal.dsv and its working file: club, official Schäfer,
// swimmer Krüger in event 1, relay team 1 in event 2.
Folder MinimalFolder()
{
    Folder folder;
    folder.Copy("tests/data/minimal.dsv", "minimal.dsv");
    folder.Copy("tests/data/minimal.dsv.meld", "minimal.dsv.meld");
    return folder;
}

QStringList Texts(const std::vector<Message>& messages)
{
    QStringList texts;
    for (const Message& message : messages)
        texts << ToQString(message.text);
    return texts;
}

const QStringList kCompetitionCommands = {"clubDataButton", "newSwimmerButton", "newTeamButton", "newOfficialButton"};

void CheckCompetitionCommands(Harness& harness, bool enabled)
{
    for (const QString& name : kCompetitionCommands)
        QCOMPARE(harness.Button(name.toLatin1().constData()).isEnabled(), enabled);
    QCOMPARE(harness.Action("exportAction").isEnabled(), enabled);
    QCOMPARE(harness.Action("mailAction").isEnabled(), enabled);
}

}  // namespace

void MainWindowTest::initTestCase()
{
    SetApplicationFont();
}

void MainWindowTest::init()
{
    originalCurrent_ = QDir::currentPath();
}

void MainWindowTest::cleanup()
{
    QDir::setCurrent(originalCurrent_);
}

void MainWindowTest::StartUpOpensTheFirstReadableList()
{
    Folder folder;
    folder.Copy("tests/data/malformed.dsv", "a-malformed.dsv");
    folder.Copy("tests/data/minimal.dsv", "b-minimal.dsv");
    Harness harness(folder);
    CheckCompetitionCommands(harness, false);

    harness.window.OpenStartupDefinition();
    QCOMPARE(Texts(harness.boxes.messages), QStringList());
    QCOMPARE(harness.Title().text(), QString::fromUtf8("Frühjahrsschwimmen"));
    QCOMPARE(harness.DateAndPlace().text(), QStringLiteral("am 12.03.2006 in Musterstadt"));
    QCOMPARE(harness.window.cycle().definitionPath(), folder.Native("b-minimal.dsv"));
    // The refresh created the working file at once.
    QVERIFY(folder.Exists("b-minimal.dsv.meld"));
    QVERIFY(!folder.Exists("a-malformed.dsv.meld"));
    CheckCompetitionCommands(harness, true);
}

void MainWindowTest::StartUpWithoutListsStaysEmpty()
{
    Folder folder;
    folder.Write("notes.txt", "WETTKAMPFDEFINITIONSLISTE:\r\n");
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    QCOMPARE(Texts(harness.boxes.messages), QStringList());
    QVERIFY(harness.window.cycle().meet() == nullptr);
    QCOMPARE(harness.Title().text(), QString());
    QCOMPARE(harness.Participants().topLevelItemCount(), 0);
    CheckCompetitionCommands(harness, false);
    QVERIFY(harness.ops.saved.empty());
}

void MainWindowTest::MenusAndWindow()
{
    Folder folder;
    Harness harness(folder);
    MainWindow& window = harness.window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Natarix"));
    QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));

    QStringList menus;
    for (QAction* menuAction : window.menuBar()->actions()) {
        QStringList items;
        for (QAction* item : menuAction->menu()->actions())
            items << item->text();
        menus << menuAction->text() + ": " + items.join(" | ");
    }
    QCOMPARE(menus, (QStringList{QString::fromUtf8("&Datei: Wettkampfdefinition öffnen... | Übernehmen aus "
                                                   "Meldeliste... |  | Ergebnislisten einlesen... | "
                                                   "Meldezeiten aus Bestzeiten eintragen |  | &Beenden"),
                                 "Exportieren: Prüfen... |  | DSV-Datei, Meldebogen und -liste | Per E-Mail senden...",
                                 "&Hilfe: &Info"}));

    QStringList headings;
    for (const char* name : {"eventBox", "participantsBox", "entriesBox", "officialsBox"})
        headings << Find<QWidget>(window, name)->property("title").toString();
    QCOMPARE(headings, (QStringList{"Veranstaltung", "Teilnehmer / Staffeln", "Meldungen", "Kampfrichter"}));
    QStringList buttons;
    for (const QString& name : kCompetitionCommands)
        buttons << harness.Button(name.toLatin1().constData()).text();
    QCOMPARE(buttons, (QStringList{"Vereinsdaten ...", "Neuer Teilnehmer ...", "Neue Staffel ...", "Neu ..."}));

    const auto headerOf = [](QTreeWidget& list) {
        QStringList texts;
        for (int column = 0; column < list.columnCount(); ++column)
            texts << list.headerItem()->text(column);
        return texts;
    };
    QCOMPARE(headerOf(harness.Participants()), (QStringList{"Nachname", "Vorname", "Jg.", "Geschl.", "Reg."}));
    QCOMPARE(headerOf(harness.Entries()), (QStringList{"WK", "Strecke", "Geschl.", "Zeit"}));
    QCOMPARE(headerOf(harness.Officials()), (QStringList{"Nachname", "Vorname", "Gr.", "Abschnitte"}));
    for (QTreeWidget* list : {&harness.Participants(), &harness.Entries(), &harness.Officials()}) {
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        // The selection looks the same with and without the focus.
        QCOMPARE(list->palette().color(QPalette::Inactive, QPalette::Highlight),
                 list->palette().color(QPalette::Active, QPalette::Highlight));
    }
}

void MainWindowTest::AboutBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("menu, OK") << "menu" << false;
    QTest::newRow("Alt+?, OK") << "Alt+?" << false;
    QTest::newRow("Alt+/, Escape") << "Alt+/" << true;
}

void MainWindowTest::AboutBox()
{
    QFETCH(QString, how);
    QFETCH(bool, byEscape);
    Folder folder;
    Harness harness(folder);
    // Shortcuts reach the active window only.
    harness.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&harness.window));
    QString version;
    QString title;
    QWidget* owner = nullptr;
    const auto about = DriveNext<AboutDialog>([&](AboutDialog& dialog) {
        title = dialog.windowTitle();
        version = Find<QLabel>(dialog, "versionLabel")->text();
        owner = dialog.parentWidget();
        QPushButton* ok = Find<QPushButton>(dialog, "okButton");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        if (byEscape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(ok, Qt::LeftButton);
    });
    if (how == "menu")
        harness.Action("infoAction").trigger();
    else if (how == "Alt+?")
        QTest::keyClick(&harness.window, Qt::Key_Question, Qt::AltModifier);
    else
        QTest::keyClick(&harness.window, Qt::Key_Slash, Qt::AltModifier);
    QVERIFY(about->shown);
    QCOMPARE(title, QStringLiteral("Info"));
    QCOMPARE(version, QStringLiteral("Natarix Version 1.0.4"));
    QCOMPARE(owner, &harness.window);
}

void MainWindowTest::QuitClosesTheWindow()
{
    Folder folder = MinimalFolder();
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    harness.ops.Reset();
    harness.Action("quitAction").trigger();
    QVERIFY(!harness.window.isVisible());
    // Nothing is written at the end: the working file is up to date.
    QVERIFY(harness.ops.saved.empty());
}

void MainWindowTest::EntriesOfSwimmerAndTeam()
{
    Folder folder;
    folder.Write("events.dsv", DsvBytes(kEventsDefinition));
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    QCOMPARE(harness.DateAndPlace().text(), QStringLiteral("vom 11.03.2006 bis 12.03.2006 in Teststadt"));
    Swimmer swimmer;
    swimmer.surname = "Zander";
    swimmer.firstName = "Max";
    swimmer.SetEntry("2", "00:31,50");
    harness.window.cycle().Add(swimmer);
    harness.window.cycle().Add(Team());
    harness.window.RefreshMainForm();

    // The team sorts first and is selected: every relay, nothing else.
    QCOMPARE(Column(harness.Participants(), 0), (QStringList{"1. Mannschaft", "Zander"}));
    QCOMPARE(SelectedRow(harness.Participants()), 0);
    QCOMPARE(Rows(harness.Entries()), (QList<QStringList>{{"3", "4x100m L", "M", ""}, {"7", "4x50m F", "X", ""}}));
    QCOMPARE(SelectedRow(harness.Entries()), 0);

    // The swimmer: the admitted individual events, by number value.
    ClickRow(harness.Participants(), 1);
    QCOMPARE(
        Rows(harness.Entries()),
        (QList<QStringList>{{"1", "200m L", "M", ""}, {"2", "50m B", "X", "00:31,50"}, {"10", "100m F", "M", ""}}));
    QCOMPARE(SelectedRow(harness.Entries()), 0);
}

void MainWindowTest::ImpossibleEntriesAreMarkedAndAskedAboutBeforeTheExport()
{
    Folder folder;
    folder.Write("events.dsv", DsvBytes(kEventsDefinition));
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    Swimmer swimmer;
    swimmer.surname = "Zander";
    swimmer.firstName = "Max";
    swimmer.SetEntry("5", "01:05,00");
    swimmer.SetEntry("10", "01:00,00");
    harness.window.cycle().Add(swimmer);
    harness.window.RefreshMainForm();

    // A man born 1980: event 5 is for women, event 4 for the years 2010-2011.
    QCOMPARE(Column(harness.Entries(), 0), (QStringList{"1", "2", "5", "10"}));
    const QTreeWidgetItem& barred = *harness.Entries().topLevelItem(2);
    const QTreeWidgetItem& allowed = *harness.Entries().topLevelItem(3);
    for (int column = 0; column < 4; ++column) {
        QCOMPARE(barred.foreground(column).color(), QColor(Qt::red));
        QCOMPARE(barred.toolTip(column), QStringLiteral("Nicht zulässig: Geschlecht"));
        QCOMPARE(allowed.toolTip(column), QString());
    }
    QCOMPARE(allowed.foreground(0).style(), Qt::NoBrush);

    // "Nein" to the question: nothing is exported, not even refused.
    harness.boxes.answers = {false};
    harness.Action("exportAction").trigger();
    QCOMPARE(harness.boxes.questions.size(), std::size_t{1});
    QCOMPARE(harness.boxes.questions[0].caption, std::string("Vor dem Versand prüfen"));
    const std::string& asked = harness.boxes.questions[0].text;
    QVERIFY(asked.find("\nFehler: Zander, Max (1980) – Wettkampf 5 (100 F W): nicht zugelassen (Geschlecht). ") !=
            std::string::npos);
    QVERIFY(asked.ends_with(".\n\nTrotzdem exportieren?"));
    QVERIFY(harness.boxes.messages.empty());
}

void MainWindowTest::ParticipantsInAlphabeticalOrder()
{
    Folder folder = MinimalFolder();
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    for (const char* surname : {"Zander", "Öztürk", "adler", "Becker", "Oswald"}) {
        Swimmer swimmer;
        swimmer.surname = surname;
        harness.window.cycle().Add(swimmer);
    }
    Official official;
    official.surname = "Abel";
    harness.window.cycle().Add(official);
    harness.window.RefreshMainForm();
    QCOMPARE(Column(harness.Participants(), 0),
             (QStringList{"1. Mannschaft", "adler", "Becker", QString::fromUtf8("Krüger"), "Oswald",
                          QString::fromUtf8("Öztürk"), "Zander"}));
    QCOMPARE(Column(harness.Officials(), 0), (QStringList{"Abel", QString::fromUtf8("Schäfer")}));
    QCOMPARE(SelectedRow(harness.Officials()), 0);
}

void MainWindowTest::LoadWritesAfterEachList()
{
    Folder folder = MinimalFolder();
    Harness harness(folder);
    const std::string workingFile = folder.Native("minimal.dsv.meld");
    // What the form showed at each write of the working file.
    QStringList seen;
    harness.ops.onSaved = [&](const std::string& path) {
        if (path == workingFile)
            seen << QStringLiteral("%1 participants, %2 entries, %3 officials")
                        .arg(harness.Participants().topLevelItemCount())
                        .arg(harness.Entries().topLevelItemCount())
                        .arg(harness.Officials().topLevelItemCount());
    };
    harness.window.OpenStartupDefinition();
    // First when the first participant (the team, relay event 2) is selected,
    // again once the officials are listed.
    QCOMPARE(seen, (QStringList{"2 participants, 1 entries, 0 officials", "2 participants, 1 entries, 1 officials"}));
    QCOMPARE(harness.ops.saved.size(), std::size_t(2));
    // The file was read before it was rewritten, so it is still the same.
    QCOMPARE(folder.Read("minimal.dsv.meld"), ReadSource("tests/data/minimal.dsv.meld"));
}

void MainWindowTest::LoadWithoutParticipantsWritesOnce()
{
    Folder folder;
    folder.Copy("tests/data/minimal.dsv", "minimal.dsv");
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    QCOMPARE(harness.ops.SavesOf(folder.Native("minimal.dsv.meld")), 1);
    QCOMPARE(harness.Entries().topLevelItemCount(), 0);
    const QByteArray written = folder.Read("minimal.dsv.meld");
    QVERIFY(written.startsWith("VEREINSMELDELISTE:\r\nFORMAT:5;\r\n"));
    QVERIFY(written.endsWith("DATEIENDE"));
}

void MainWindowTest::SelectingAParticipantWrites()
{
    Folder folder = MinimalFolder();
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    const std::string workingFile = folder.Native("minimal.dsv.meld");
    harness.ops.Reset();
    ClickRow(harness.Participants(), 1);
    QCOMPARE(Rows(harness.Entries()), (QList<QStringList>{{"1", "100m F", "M", "01:02,35"}}));
    QCOMPARE(harness.ops.SavesOf(workingFile), 1);
    // Clicking the row that is already selected changes nothing.
    ClickRow(harness.Participants(), 1);
    QCOMPARE(harness.ops.SavesOf(workingFile), 1);
    ClickRow(harness.Participants(), 0);
    QCOMPARE(harness.ops.SavesOf(workingFile), 2);
}

void MainWindowTest::EntryDialogRefillsTheEntries_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("OK") << true;
    QTest::newRow("cancel") << false;
}

void MainWindowTest::EntryDialogRefillsTheEntries()
{
    QFETCH(bool, confirm);
    Folder folder;
    folder.Write("events.dsv", DsvBytes(kEventsDefinition));
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    Swimmer swimmer;
    swimmer.surname = "Zander";
    harness.window.cycle().Add(swimmer);
    harness.window.RefreshMainForm();
    const std::string workingFile = folder.Native("events.dsv.meld");

    harness.ops.Reset();
    QString eventLine;
    const auto entry = DriveNext<EntryDialog>([&](EntryDialog& dialog) {
        eventLine = Find<QLabel>(dialog, "eventLabel")->text();
        QLineEdit* time = Find<QLineEdit>(dialog, "entryTimeEdit");
        time->setFocus();
        time->setCursorPosition(0);
        TypeText(time, "010532");
        QTest::keyClick(&dialog, confirm ? Qt::Key_Return : Qt::Key_Escape);
    });
    DoubleClickRow(harness.Entries(), 2);
    QVERIFY(entry->shown);
    QCOMPARE(eventLine, QStringLiteral("Wettkampf 10: 100m F M"));
    QCOMPARE(harness.ops.SavesOf(workingFile), confirm ? 1 : 0);
    QCOMPARE(Column(harness.Entries(), 3), (QStringList{"", "", confirm ? "01:05,32" : ""}));
    // The participant stays selected; the refilled entries select their first row.
    QCOMPARE(SelectedRow(harness.Participants()), 0);
    QCOMPARE(SelectedRow(harness.Entries()), confirm ? 0 : 2);
}

void MainWindowTest::ClubDataAreWrittenEvenOnCancel_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("OK") << true;
    QTest::newRow("cancel") << false;
}

void MainWindowTest::ClubDataAreWrittenEvenOnCancel()
{
    QFETCH(bool, confirm);
    Folder folder = MinimalFolder();
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    ClickRow(harness.Participants(), 1);
    harness.ops.Reset();
    const auto club = DriveNext<ClubDialog>([&](ClubDialog& dialog) {
        Retype(Find<QLineEdit>(dialog, "clubNameEdit"), QStringLiteral("SV Nord"));
        QTest::mouseClick(Find<QPushButton>(dialog, confirm ? "okButton" : "cancelButton"), Qt::LeftButton);
    });
    QTest::mouseClick(&harness.Button("clubDataButton"), Qt::LeftButton);
    QVERIFY(club->shown);
    QCOMPARE(harness.ops.SavesOf(folder.Native("minimal.dsv.meld")), 1);
    QCOMPARE(folder.Read("minimal.dsv.meld").contains("VEREIN:SV Nord;"), confirm);
    // The lists are not rebuilt: the selection stays where it was.
    QCOMPARE(SelectedRow(harness.Participants()), 1);
}

void MainWindowTest::NewObjects_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("list");
    for (bool confirm : {true, false}) {
        const char* outcome = confirm ? "OK" : "cancel";
        QTest::addRow("swimmer, %s", outcome) << "newSwimmerButton" << confirm << "Adler"
                                              << "participantsList";
        QTest::addRow("team, %s", outcome) << "newTeamButton" << confirm << "1. Mannschaft"
                                           << "participantsList";
        QTest::addRow("official, %s", outcome) << "newOfficialButton" << confirm << "Adler"
                                               << "officialsList";
    }
}

void MainWindowTest::NewObjects()
{
    QFETCH(QString, button);
    QFETCH(bool, confirm);
    QFETCH(QString, row);
    QFETCH(QString, list);
    Folder folder = MinimalFolder();
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    QTreeWidget& rows = *Find<QTreeWidget>(harness.window, list.toLatin1().constData());
    const int before = rows.topLevelItemCount();
    ClickRow(harness.Participants(), 1);
    harness.ops.Reset();

    const auto fill = [&](QDialog& dialog) {
        if (QLineEdit* surname = dialog.findChild<QLineEdit*>("surnameEdit")) {
            Retype(surname, QStringLiteral("Adler"));
            Retype(Find<QLineEdit>(dialog, "firstNameEdit"), QStringLiteral("Eva"));
        }
        QTest::mouseClick(Find<QPushButton>(dialog, confirm ? "okButton" : "cancelButton"), Qt::LeftButton);
    };
    std::shared_ptr<Expected> dialog;
    if (button == "newSwimmerButton")
        dialog = DriveNext<SwimmerDialog>(fill);
    else if (button == "newTeamButton")
        dialog = DriveNext<TeamDialog>(fill);
    else
        dialog = DriveNext<OfficialDialog>(fill);
    QTest::mouseClick(&harness.Button(button.toLatin1().constData()), Qt::LeftButton);
    QVERIFY(dialog->shown);

    const int saves = harness.ops.SavesOf(folder.Native("minimal.dsv.meld"));
    if (!confirm) {
        QCOMPARE(rows.topLevelItemCount(), before);
        QCOMPARE(saves, 0);
        QCOMPARE(SelectedRow(harness.Participants()), 1);
        return;
    }
    QCOMPARE(rows.topLevelItemCount(), before + 1);
    QVERIFY(Column(rows, 0).contains(row));
    // Refreshed: the first participant selected (one write), then the end of
    // the refresh (another).
    QCOMPARE(saves, 2);
    QCOMPARE(SelectedRow(harness.Participants()), 0);
}

void MainWindowTest::EditByDoubleClick_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<bool>("confirm");
    for (bool confirm : {true, false}) {
        const char* outcome = confirm ? "OK" : "cancel";
        QTest::addRow("team, %s", outcome) << "participantsList" << 0 << "natarix::TeamDialog" << confirm;
        QTest::addRow("swimmer, %s", outcome) << "participantsList" << 1 << "natarix::SwimmerDialog" << confirm;
        QTest::addRow("official, %s", outcome) << "officialsList" << 0 << "natarix::OfficialDialog" << confirm;
    }
}

void MainWindowTest::EditByDoubleClick()
{
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(QString, dialogClass);
    QFETCH(bool, confirm);
    Folder folder = MinimalFolder();
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    QTreeWidget& rows = *Find<QTreeWidget>(harness.window, list.toLatin1().constData());
    ClickRow(rows, row);
    harness.ops.Reset();

    const auto dialog = DriveNextDialog(dialogClass, [&](QWidget& shown) {
        if (QLineEdit* field = shown.findChild<QLineEdit*>("firstNameEdit"))
            Retype(field, QStringLiteral("Zoe"));
        else
            Retype(Find<QLineEdit>(shown, "teamNameEdit"), QStringLiteral("Zoe"));
        QTest::mouseClick(Find<QPushButton>(shown, confirm ? "okButton" : "cancelButton"), Qt::LeftButton);
    });
    DoubleClickRow(rows, row);
    QVERIFY(dialog->shown);
    const QString shownRow = Rows(rows).value(row).join(" | ");
    QCOMPARE(shownRow.contains("Zoe"), confirm);
    QCOMPARE(harness.ops.SavesOf(folder.Native("minimal.dsv.meld")), confirm ? 2 : 0);
}

void MainWindowTest::EntriesDoubleClickNeedsASelectedParticipant()
{
    Folder folder = MinimalFolder();
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    harness.Participants().clearSelection();
    harness.ops.Reset();
    const auto entry = DriveNext<EntryDialog>([](EntryDialog& dialog) { dialog.reject(); });
    DoubleClickRow(harness.Entries(), 0);
    QTest::qWait(50);
    QVERIFY(!entry->shown);
    QVERIFY(harness.ops.saved.empty());
}

void MainWindowTest::Delete_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("rowsAfter");
    QTest::addColumn<QByteArray>("goneLine");
    const QString krueger = QString::fromUtf8("Krüger");
    QTest::newRow("swimmer, Ja") << "participantsList" << 1 << true << "Teilnehmer wirklich löschen?"
                                 << QStringList{"1. Mannschaft"} << QByteArray("PNMELDUNG:");
    QTest::newRow("swimmer, Nein") << "participantsList" << 1 << false << "Teilnehmer wirklich löschen?"
                                   << QStringList{"1. Mannschaft", krueger} << QByteArray();
    QTest::newRow("team, Ja") << "participantsList" << 0 << true << "Staffel wirklich löschen?" << QStringList{krueger}
                              << QByteArray("STMELDUNG:");
    QTest::newRow("team, Nein") << "participantsList" << 0 << false << "Staffel wirklich löschen?"
                                << QStringList{"1. Mannschaft", krueger} << QByteArray();
    QTest::newRow("official, Ja") << "officialsList" << 0 << true << "Kampfrichter wirklich löschen?" << QStringList{}
                                  << QByteArray("KARIMELDUNG:");
    QTest::newRow("official, Nein") << "officialsList" << 0 << false << "Kampfrichter wirklich löschen?"
                                    << QStringList{QString::fromUtf8("Schäfer")} << QByteArray();
}

void MainWindowTest::Delete()
{
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(bool, answer);
    QFETCH(QString, question);
    QFETCH(QStringList, rowsAfter);
    QFETCH(QByteArray, goneLine);
    Folder folder = MinimalFolder();
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    QTreeWidget& rows = *Find<QTreeWidget>(harness.window, list.toLatin1().constData());
    harness.boxes.answers = {answer};

    const auto menu = ChooseFromNextMenu(QString::fromUtf8("Löschen"));
    RightClickRow(rows, row);
    QVERIFY(menu->shown);
    QCOMPARE(harness.boxes.questions.size(), std::size_t(1));
    QCOMPARE(ToQString(harness.boxes.questions[0].text), question);
    QCOMPARE(ToQString(harness.boxes.questions[0].caption), QString::fromUtf8("Löschwarnung"));
    QCOMPARE(Column(rows, 0), rowsAfter);
    const QByteArray written = folder.Read("minimal.dsv.meld");
    if (!goneLine.isEmpty())
        QVERIFY(!written.contains(goneLine));
    else
        QCOMPARE(written, ReadSource("tests/data/minimal.dsv.meld"));
}

void MainWindowTest::NoMenuBesideTheRows()
{
    Folder folder = MinimalFolder();
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    for (QTreeWidget* list : {&harness.Participants(), &harness.Officials()}) {
        const auto menu = ChooseFromNextMenu(QString::fromUtf8("Löschen"));
        RightClickAt(*list, QPoint(5, list->viewport()->height() - 5));
        QTest::qWait(50);
        QVERIFY(!menu->shown);
    }
    QVERIFY(harness.boxes.questions.empty());
}

void MainWindowTest::FailedLoadClearsTheForm_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("kind");
    QTest::newRow("malformed") << "tests/data/malformed.dsv"
                               << "Falsches Format" << int(MessageKind::Plain);
    QTest::newRow("missing") << ""
                             << "Die Wettkampfdefinitionsdatei konnte nicht geöffnet werden!"
                             << int(MessageKind::Warning);
}

void MainWindowTest::FailedLoadClearsTheForm()
{
    QFETCH(QString, source);
    QFETCH(QString, message);
    QFETCH(int, kind);
    Folder folder = MinimalFolder();
    if (!source.isEmpty())
        folder.Copy(source, "other.dsv");
    Harness harness(folder);
    harness.window.LoadDefinition(folder.Native("minimal.dsv"));
    harness.ops.Reset();

    harness.window.LoadDefinition(folder.Native("other.dsv"));
    QCOMPARE(harness.boxes.messages.size(), std::size_t(1));
    QCOMPARE(ToQString(harness.boxes.messages[0].text), message);
    QCOMPARE(int(harness.boxes.messages[0].kind), kind);
    QVERIFY(harness.window.cycle().meet() == nullptr);
    QCOMPARE(harness.Title().text(), QString());
    QCOMPARE(harness.DateAndPlace().text(), QString());
    for (QTreeWidget* list : {&harness.Participants(), &harness.Entries(), &harness.Officials()})
        QCOMPARE(list->topLevelItemCount(), 0);
    CheckCompetitionCommands(harness, false);
    QVERIFY(harness.ops.saved.empty());

    // Loading a good list again brings everything back.
    harness.window.LoadDefinition(folder.Native("minimal.dsv"));
    CheckCompetitionCommands(harness, true);
    QCOMPARE(harness.Participants().topLevelItemCount(), 2);
}

void MainWindowTest::PartlyReadWorkingFileIsKeptBeforeTheRefresh()
{
    Folder folder;
    folder.Copy("tests/data/partial.dsv", "partial.dsv");
    folder.Copy("tests/data/partial.dsv.meld", "partial.dsv.meld");
    const QByteArray original = folder.Read("partial.dsv.meld");
    Harness harness(folder);
    const std::string workingFile = folder.Native("partial.dsv.meld");
    std::vector<std::size_t> messagesAtWrite;
    harness.ops.onSaved = [&](const std::string& path) {
        if (path == workingFile)
            messagesAtWrite.push_back(harness.boxes.messages.size());
    };
    harness.window.LoadDefinition(folder.Native("partial.dsv"));

    const QStringList texts = Texts(harness.boxes.messages);
    QCOMPARE(texts.size(), 2);
    QVERIFY2(texts[0].contains("Falsche Geschlechtsangabe"), qPrintable(texts[0]));
    QVERIFY2(texts[1].contains(folder.Path("partial.dsv.meld.original")), qPrintable(texts[1]));
    // The user had learnt where the copy is before anything was rewritten.
    QVERIFY(!messagesAtWrite.empty());
    QCOMPARE(messagesAtWrite.front(), std::size_t(2));
    QCOMPARE(folder.Read("partial.dsv.meld.original"), original);
    QCOMPARE(Column(harness.Participants(), 0), QStringList{QString::fromUtf8("Krüger")});
}

void MainWindowTest::OpenAsksForAListAndMovesTheCurrentFolder()
{
    Folder start;
    Folder other = MinimalFolder();
    QDir::setCurrent(start.Path());
    Harness harness(start);
    std::vector<MainWindow::OpenFileRequest> requests;
    harness.window.SetOpenFileChooser([&](const MainWindow::OpenFileRequest& request) {
        requests.push_back(request);
        return other.Path("minimal.dsv");
    });
    harness.Action("openAction").trigger();
    QCOMPARE(requests.size(), std::size_t(1));
    QCOMPARE(requests[0].parent, &harness.window);
    QCOMPARE(requests[0].title, QString::fromUtf8("Wettkampfdefinitionsliste öffnen"));
    QCOMPARE(requests[0].filter,
             QStringLiteral("*.dsv;*.dsv6;*.dsv7;*.dsv8;*.dsv8z;*.txt (*.dsv *.dsv6 *.dsv7 *.dsv8 *.dsv8z *.txt)"));
    QCOMPARE(QDir(requests[0].directory).canonicalPath(), QDir(start.Path()).canonicalPath());
    QCOMPARE(harness.window.cycle().definitionPath(), other.Native("minimal.dsv"));
    QCOMPARE(harness.Participants().topLevelItemCount(), 2);

    // The next open starts beside the chosen list; the start directory stays.
    QCOMPARE(QDir::current().canonicalPath(), QDir(other.Path()).canonicalPath());
    QCOMPARE(harness.window.cycle().startDirectory(), start.Native());
    harness.Action("openAction").trigger();
    QCOMPARE(QDir(requests[1].directory).canonicalPath(), QDir(other.Path()).canonicalPath());
}

void MainWindowTest::CancelledOpenKeepsTheCompetition()
{
    Folder folder = MinimalFolder();
    Harness harness(folder);
    harness.window.OpenStartupDefinition();
    const MeetDefinition* before = harness.window.cycle().meet();
    harness.ops.Reset();
    harness.window.SetOpenFileChooser([](const MainWindow::OpenFileRequest&) { return QString(); });
    harness.Action("openAction").trigger();
    QCOMPARE(harness.window.cycle().meet(), before);
    QCOMPARE(harness.Participants().topLevelItemCount(), 2);
    QVERIFY(harness.ops.saved.empty());
}

void MainWindowTest::OpenFileDialogShowsBothKinds()
{
    Folder folder;
    folder.Copy("tests/data/minimal.dsv", "b.dsv");
    folder.Copy("tests/data/minimal.dsv", "a.txt");
    folder.Copy("tests/data/two-rounds.dsv7", "d.DSV7");
    folder.Write("c.csv", "1;2\r\n");
    QDir::setCurrent(folder.Path());
    Harness harness(folder);
    QString title;
    QStringList filters;
    QString directory;
    QStringList listed;
    const auto chooser = DriveNext<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        filters = dialog.nameFilters();
        directory = dialog.directory().canonicalPath();
        auto* view = dialog.findChild<QTreeView*>("treeView");
        QVERIFY(view != nullptr);
        // The folder is read in the background.
        QVERIFY(QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 3; }));
        QTest::qWait(100);
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        // As a user types the name and confirms.
        QLineEdit* name = Find<QLineEdit>(dialog, "fileNameEdit");
        name->setFocus();
        TypeText(name, "a.txt");
        QTest::keyClick(name, Qt::Key_Return);
    });
    harness.Action("openAction").trigger();
    QVERIFY(chooser->shown);
    QCOMPARE(title, QString::fromUtf8("Wettkampfdefinitionsliste öffnen"));
    QCOMPARE(filters, QStringList{QStringLiteral(
                          "*.dsv;*.dsv6;*.dsv7;*.dsv8;*.dsv8z;*.txt (*.dsv *.dsv6 *.dsv7 *.dsv8 *.dsv8z *.txt)")});
    QCOMPARE(directory, QDir(folder.Path()).canonicalPath());
    listed.sort();
    QCOMPARE(listed, (QStringList{"a.txt", "b.dsv", "d.DSV7"}));
    QCOMPARE(harness.window.cycle().definitionPath(), folder.Native("a.txt"));
    QCOMPARE(harness.Title().text(), QString::fromUtf8("Frühjahrsschwimmen"));
}

void MainWindowTest::ExportSaysWhereTheFilesWent()
{
    const QString dsv = QStringLiteral("060312-Musterstadt-Me-SVGruen-WeissMusterstadt.DSV");
    const QString pdf = QStringLiteral("060312-Musterstadt-Meldungen-SVGruen-WeissMusterstadt.PDF");
    Folder folder = MinimalFolder();
    Harness harness(folder);
    std::vector<QUrl> opened;
    harness.window.SetFolderOpener([&](const QUrl& url) { opened.push_back(url); });
    harness.window.OpenStartupDefinition();
    QWidget& status = *Find<QWidget>(harness.window, "exportStatus");
    QLabel& text = *Find<QLabel>(harness.window, "exportStatusText");
    QVERIFY(!harness.window.statusBar()->isVisible());

    // The check asks before each of the three exports.
    harness.boxes.answers = {true, true, true};
    harness.Action("exportAction").trigger();
    QVERIFY(harness.boxes.messages.empty());
    QVERIFY(status.isVisible());
    const QString expected = QString::fromUtf8("Exportiert: „%1“ und „%2“ im Ordner „%3“")
                                 .arg(dsv, pdf, QDir::toNativeSeparators(folder.Path()));
    QCOMPARE(text.toolTip(), expected);
    QVERIFY2(text.text().startsWith(QString::fromUtf8("Exportiert: „060312")), qPrintable(text.text()));
    QTest::mouseClick(Find<QPushButton>(harness.window, "openExportFolderButton"), Qt::LeftButton);
    QCOMPARE(opened, std::vector<QUrl>{QUrl::fromLocalFile(folder.Path())});

    // A failed export takes the line away: the DSV file cannot be put in place.
    QVERIFY(QDir(folder.Path()).remove(dsv));
    QVERIFY(QDir(folder.Path()).mkdir(dsv));
    harness.Action("exportAction").trigger();
    QCOMPARE(harness.boxes.messages.size(), std::size_t(1));
    QVERIFY(!status.isVisible());
    QVERIFY(!harness.window.statusBar()->isVisible());

    // So does a new load.
    QVERIFY(QDir(folder.Path()).rmdir(dsv));
    harness.Action("exportAction").trigger();
    QVERIFY(status.isVisible());
    harness.window.LoadDefinition(folder.Native("minimal.dsv"));
    QVERIFY(!status.isVisible());
    QCOMPARE(text.text(), QString());
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
