// What a volunteer waits for in the window: the rebuild of the lists after a
// change, the entries of a newly selected swimmer, and the start-up. Every
// rebuild writes the working file through the system's file operations, as
// the program does, into a scratch folder under the current directory: the
// system's temporary folder may live in memory, where a flush costs nothing.
//
// Without arguments a Qt Test run (QBENCHMARK); with "--table" only the
// medians of repeated runs, as markdown rows.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "codec/Cp1252.h"
#include "dsv5/DefinitionReader.h"
#include "dsv5/EntryListWriter.h"
#include "gui/ApplicationFont.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxes.h"
#include "platform/FileOps.h"

using namespace natarix;

namespace {

constexpr int kEventCount = 50;

// 50 events in three sections: strokes and distances in turn, women and men
// apart with some open to both, and a relay in every eighth place. Each event
// has an open class and one for the youth years.
std::string DefinitionList()
{
    std::string text =
        "WETTKAMPFDEFINITIONSLISTE:\r\n"
        "FORMAT:5;\r\n" +
        Utf8ToCp1252(
            "VERANSTALTUNG:Bezirksmeisterschaften 2027;Kühlenbrück;25;AUTOMATISCH;\r\n"
            "VERANSTALTUNGSORT:Stadtbad Kühlenbrück;Am Schwanenteich 7;09876;Kühlenbrück;GER;;;;\r\n"
            "MELDEADRESSE:Jörg Weißhaupt;Mühlenweg 12;09876;Kühlenbrück;GER;;;;\r\n") +
        "MELDESCHLUSS:01.03.2027;18:00;\r\n"
        "ABSCHNITT:1;13.03.2027;09:00;\r\n"
        "ABSCHNITT:2;13.03.2027;15:00;\r\n"
        "ABSCHNITT:3;14.03.2027;09:00;\r\n";
    const char* const strokes[] = {"F", "B", "R", "S", "L"};
    const char* const distances[] = {"50", "100", "200"};
    for (int number = 1; number <= kEventCount; ++number) {
        const int section = 1 + (number - 1) * 3 / kEventCount;
        const char* sex = number % 7 == 0 ? "X" : number % 2 == 1 ? "W" : "M";
        const std::string description =
            number % 8 == 0 ? std::string("4x") + distances[number % 2] + " " + strokes[number % 5] + " " + sex
                            : std::string(distances[number % 3]) + " " + strokes[number % 5] + " " + sex;
        text += "WETTKAMPF:" + std::to_string(number) + ";" + std::to_string(section) + ";" + description + ";\r\n";
    }
    for (int number = 1; number <= kEventCount; ++number) {
        text += "WERTUNG:" + std::to_string(number) + ";JG:2010-2013;\r\n";
        text += "WERTUNG:" + std::to_string(number) + ";\r\n";
    }
    return text + "EINZELMELDEGELD:4,50;\r\nSTAFFELMELDEGELD:8,00;\r\nDATEIENDE\r\n";
}

// A club of that many participants, one in twenty a relay team: swimmers of
// nine years with about five entries each, teams with two, and a dozen
// officials.
ClubEntries MakeClub(const MeetDefinition& meet, int participants)
{
    const std::string_view surnames[] = {"Müller", "Schäfer",  "Özdemir", "Becker", "Weiß",       "Krüger", "Hoffmann",
                                         "Jäger",  "Schröder", "Neumann", "Ahrens", "Zimmermann", "Böhm",   "Lange",
                                         "Fuchs",  "Wagner",   "Übel",    "Koch",   "Richter",    "Schulz"};
    const std::string_view firstNames[] = {"Anna",  "Jörg",   "Lea",  "Lukas",  "Zoë",  "Ben",  "Mia",
                                           "Jonas", "Emilia", "Paul", "Sophie", "Léon", "Lina", "Felix"};
    ClubEntries entries;
    entries.club.clubName = "SV Kühlenbrück 1921";
    const int teams = participants / 20;
    for (int index = 0; index < participants - teams; ++index) {
        auto swimmer = std::make_unique<Swimmer>();
        swimmer->surname = surnames[index % std::size(surnames)];
        // Distinct names, as in a real club, so that the order is not left
        // to ties.
        swimmer->surname += " " + std::to_string(index / std::size(surnames));
        swimmer->firstName = firstNames[index % std::size(firstNames)];
        swimmer->yearOfBirth = 2008 + index % 9;
        swimmer->sex = index % 2 == 0 ? Sex::Female : Sex::Male;
        swimmer->registrationNumber = std::to_string(100000 + index);
        std::vector<const Event*> open;
        for (const auto& [number, event] : meet.events())
            if (MayEnter(*swimmer, event))
                open.push_back(&event);
        for (std::size_t entry = 0; entry < 5 && entry < open.size(); ++entry) {
            const Event& event = *open[(entry * open.size() / 5 + static_cast<std::size_t>(index)) % open.size()];
            swimmer->SetEntry(event.number, "01:" + std::to_string(10 + index % 50) + ",00");
        }
        entries.AddSwimmer(std::move(swimmer));
    }
    for (int index = 0; index < teams; ++index) {
        auto team = std::make_unique<Team>();
        team->teamNumber = std::to_string(index + 1);
        team->teamName = index % 2 == 0 ? "Jugend" : "";
        team->SetEntry(std::to_string(8 * (1 + index % 6)), "02:30,00");
        team->SetEntry(std::to_string(8 * (1 + (index + 1) % 6)), "02:20,00");
        entries.AddTeam(std::move(team));
    }
    for (int index = 0; index < 12; ++index) {
        auto official = std::make_unique<Official>();
        official->surname = surnames[(index * 7) % std::size(surnames)];
        official->firstName = firstNames[index % std::size(firstNames)];
        official->group = 1 + index % 3;
        official->sectionNumbers =
            index % 2 == 0 ? std::vector<std::string>{"1", "2", "3"} : std::vector<std::string>{"3"};
        entries.AddOfficial(std::move(official));
    }
    return entries;
}

QString ScratchFolderTemplate()
{
    return QDir::current().filePath(QStringLiteral("natarix-gui-bench-XXXXXX"));
}

std::string NativePath(const QString& path)
{
    return FromFsPath(std::filesystem::path(path.toStdU16String()));
}

// The window, shown, with a generated competition loaded from a scratch
// folder, where every refresh writes its working file. Message boxes are
// recorded, not shown, so that a failed write cannot stop the run.
class Scene {
public:
    explicit Scene(int participants) : folder_(ScratchFolderTemplate()), window_(NativePath(folder_.path()))
    {
        const QString definition = folder_.filePath(QStringLiteral("Bezirk.dsv"));
        QFile file(definition);
        const std::string bytes = DefinitionList();
        if (!folder_.isValid() || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            throw std::runtime_error("cannot write the definition list");
        file.close();
        window_.show();
        if (!QTest::qWaitForWindowExposed(&window_))
            throw std::runtime_error("the window was not shown");
        // The club comes from its working file, as it does for the user.
        DefinitionRead read = DefinitionReader::Parse(bytes);
        if (!read.ok())
            throw std::runtime_error("the definition list was not read");
        const ClubEntries club = MakeClub(*read.value(), participants);
        const std::string meld = EntryListWriter("", *read.value(), club, false).BuildText();
        QFile working(definition + QStringLiteral(".meld"));
        if (!working.open(QIODevice::WriteOnly) ||
            working.write(meld.data(), static_cast<qint64>(meld.size())) != static_cast<qint64>(meld.size()))
            throw std::runtime_error("cannot write the working file");
        working.close();
        window_.LoadDefinition(NativePath(definition));
        if (window_.cycle().meet() == nullptr)
            throw std::runtime_error("the definition list was not read");
        Settle();
    }

    QTreeWidget& list(const char* name) { return *window_.findChild<QTreeWidget*>(QString::fromLatin1(name)); }

    // What the volunteer sees after a change: its working-file write, the
    // refresh with the write of the participant it selects, and the layout
    // and painting that it leaves to the event loop.
    void Refresh()
    {
        window_.cycle().SaveWorkingFile();
        window_.RefreshMainForm();
        QCoreApplication::processEvents();
    }

    void ShowEntriesOfFirstSwimmer()
    {
        // As a click on the participant does: list, then write.
        window_.ShowEntriesOf(window_.cycle().entries().swimmers().front().get());
        window_.cycle().SaveWorkingFile();
        QCoreApplication::processEvents();
    }

    // Whether the last rebuild did its work: every participant listed, the
    // entries of the selected one shown, and the working file on disk.
    bool Shows(int participants)
    {
        return boxes_.messages.empty() && list("participantsList").topLevelItemCount() == participants &&
               list("entriesList").topLevelItemCount() > 0 && list("officialsList").topLevelItemCount() == 12 &&
               QFileInfo(folder_.filePath(QStringLiteral("Bezirk.dsv.meld"))).size() > 0;
    }

    void Settle()
    {
        Refresh();
        QTest::qWait(20);
    }

private:
    MessageBoxes::Recorder boxes_;
    QTemporaryDir folder_;
    MainWindow window_;
};

// The start folder with the example competition, and the probe that runs the
// program's start-up in it.
class StartUp {
public:
    StartUp() : folder_(ScratchFolderTemplate())
    {
        if (!folder_.isValid() ||
            !QFile::copy(QStringLiteral(NATARIX_SOURCE_DIR "/examples/Bezirksmeisterschaften-2027.dsv"),
                         folder_.filePath(QStringLiteral("Bezirksmeisterschaften-2027.dsv"))))
            throw std::runtime_error("cannot prepare the start folder");
    }

    // Milliseconds from the spawn to the first painted window; each run opens
    // the example as for the first time, without a working file.
    double Run()
    {
        QFile::remove(folder_.filePath(QStringLiteral("Bezirksmeisterschaften-2027.dsv.meld")));
        QProcess probe;
        probe.setWorkingDirectory(folder_.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        probe.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        probe.start(QStringLiteral(NATARIX_FIRST_PAINT_PROBE), QStringList());
        while (!probe.canReadLine())
            if (!probe.waitForReadyRead(10000))
                throw std::runtime_error("the probe did not paint");
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (probe.readLine().trimmed() != "first paint" || !probe.waitForFinished(10000) || probe.exitCode() != 0)
            throw std::runtime_error("the probe did not end normally");
        return elapsed;
    }

private:
    QTemporaryDir folder_;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double MedianMilliseconds(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}

void PrintRow(const char* work, const char* scenario, double median, double goal)
{
    std::printf("| %s | %s | %.1f ms | %s | %s |\n", work, scenario, median,
                goal > 0 ? QStringLiteral("< %1 ms").arg(goal).toUtf8().constData() : "-",
                goal > 0 ? (median < goal ? "yes" : "no") : "-");
}

int PrintTable()
{
    try {
        std::vector<double> refresh;
        for (int participants : {100, 1000}) {
            Scene scene(participants);
            refresh.push_back(MedianMilliseconds(30, [&scene] { scene.Refresh(); }));
            if (!scene.Shows(participants))
                throw std::runtime_error("the refresh did not fill the lists");
        }
        Scene scene(1000);
        const double entries = MedianMilliseconds(50, [&scene] { scene.ShowEntriesOfFirstSwimmer(); });
        StartUp startUp;
        startUp.Run();  // the first run reads the libraries from the disk
        std::vector<double> starts;
        for (int run = 0; run < 15; ++run)
            starts.push_back(startUp.Run());

        const char* const writes = "50 events, working file written to disk, repaint included";
        std::printf("| work | case | median | goal | met |\n|---|---|---|---|---|\n");
        PrintRow("RefreshMainForm", (std::string("100 participants, ") + writes).c_str(), refresh[0], 0);
        PrintRow("RefreshMainForm", (std::string("1,000 participants, ") + writes).c_str(), refresh[1], 50);
        PrintRow("ShowEntriesOf", "one swimmer of 1,000 participants, working file written to disk, repaint included",
                 entries, 0);
        PrintRow("start-up to first paint",
                 "window showing the example competition of the start folder, process spawn included, 15 runs",
                 Median(starts), 300);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}

}  // namespace

class GuiBenchmark : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetApplicationFont(); }

    void RefreshMainForm_data()
    {
        QTest::addColumn<int>("participants");
        QTest::newRow("100 participants") << 100;
        QTest::newRow("1000 participants") << 1000;
    }

    void RefreshMainForm()
    {
        QFETCH(int, participants);
        Scene scene(participants);
        QBENCHMARK
        {
            scene.Refresh();
        }
        QVERIFY(scene.Shows(participants));
    }

    void ShowEntriesOf()
    {
        Scene scene(1000);
        QBENCHMARK
        {
            scene.ShowEntriesOfFirstSwimmer();
        }
        QVERIFY(scene.list("entriesList").topLevelItemCount() > 0);
    }

    void StartUpToFirstPaint()
    {
        StartUp startUp;
        QBENCHMARK
        {
            startUp.Run();
        }
    }
};

int main(int argc, char** argv)
{
    // No display is needed, nor wanted: the lists do their work all the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 2 && std::string_view(argv[1]) == "--table") {
        SetApplicationFont();
        return PrintTable();
    }
    GuiBenchmark benchmark;
    return QTest::qExec(&benchmark, argc, argv);
}

#include "GuiBenchmark.moc"
