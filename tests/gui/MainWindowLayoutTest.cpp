#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <memory>
#include <optional>

#include "WindowTestSupport.h"
#include "gui/ApplicationFont.h"
#include "gui/FindingsDialog.h"
#include "gui/MainWindow.h"
#include "gui/MessageBoxes.h"
#include "gui/ModelText.h"

using namespace natarix;
using namespace natarix::test;

// How the window is arranged with the example competition loaded, at the
// program's font and at one half again as large (as on a screen scaled to
// 150 %); the suite also runs under QT_SCALE_FACTOR=1.5. With
// NATARIX_SCREENSHOT_DIR set, the window is saved there as
// main-window-swimmer.png and main-window-team.png.
class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void EverythingFits_data();
    void EverythingFits();
    void CapitalUmlautsAreWhole_data();
    void CapitalUmlautsAreWhole();
    void LongTitleIsShortened();
    void Screenshots();

private:
    QFont programFont_;
};

namespace {

// The example competition with a swimmer who has entries, a relay team and
// two officials; the swimmer is selected.
struct ExampleWindow {
    ExampleWindow()
    {
        folder.Copy("examples/Bezirksmeisterschaften-2027.dsv", "Bezirksmeisterschaften-2027.dsv");
        window = std::make_unique<MainWindow>(folder.Native());
        window->LoadDefinition(folder.Native("Bezirksmeisterschaften-2027.dsv"));
        WorkingFileCycle& cycle = window->cycle();
        Club club = cycle.entries().club;
        club.clubName = "SV Beispielstadt";
        cycle.SetClub(club);

        Swimmer swimmer;
        swimmer.surname = std::string("Öztürk-Übelhör");
        swimmer.firstName = std::string("Änne");
        swimmer.yearOfBirth = 2011;
        swimmer.sex = Sex::Female;
        swimmer.registrationNumber = "348211";
        swimmer.SetEntry("1", "01:08,40");
        swimmer.SetEntry("5", "00:36,15");
        swimmer.SetEntry("11", "01:21,90");
        cycle.Add(swimmer);
        Swimmer other;
        other.surname = "Adler";
        other.firstName = "Paul";
        other.yearOfBirth = 2010;
        other.SetEntry("2", "01:02,10");
        cycle.Add(other);
        Team team;
        team.teamNumber = "1";
        team.teamName = "Mixed";
        team.classLabel = "Jugend A";
        team.SetEntry("19", "04:58,00");
        cycle.Add(team);
        using Sections = std::vector<std::string>;
        for (const auto& [surname, firstName, sections] :
             {std::tuple{"Weißhaupt", "Jörg", Sections{"1", "2", "3"}}, std::tuple{"Muster", "Petra", Sections{"3"}}}) {
            Official official;
            official.surname = std::string(surname);
            official.firstName = std::string(firstName);
            official.group = 2;
            official.sectionNumbers = sections;
            cycle.Add(official);
        }
        window->RefreshMainForm();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the window was not shown");
    }

    QTreeWidget& List(const char* name) { return *Find<QTreeWidget>(*window, name); }

    int RowOf(const char* list, const QString& firstColumn)
    {
        return static_cast<int>(Column(List(list), 0).indexOf(firstColumn));
    }

    MessageBoxes::Recorder boxes;
    Folder folder;
    std::unique_ptr<MainWindow> window;
};

void UseFont(const QFont& programFont, double scale)
{
    QFont font = programFont;
    font.setPointSizeF(programFont.pointSizeF() * scale);
    QApplication::setFont(font);
}

QRect GeometryInWindow(const QWidget& widget)
{
    return QRect(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
}

// The first and the last row of the area in which anything clearly darker
// than the background was drawn.
std::optional<std::pair<int, int>> InkRows(const QImage& image, const QRect& area, QColor background)
{
    const int backgroundGray = qGray(background.rgb());
    std::optional<std::pair<int, int>> rows;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (backgroundGray - qGray(image.pixel(x, y)) > 40) {
                if (!rows)
                    rows = {y, y};
                rows->second = y;
                break;
            }
    return rows;
}

}  // namespace

void MainWindowLayoutTest::initTestCase()
{
    SetApplicationFont();
    programFont_ = QApplication::font();
}

void MainWindowLayoutTest::cleanup()
{
    QApplication::setFont(programFont_);
}

void MainWindowLayoutTest::EverythingFits_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("program font") << 1.0;
    QTest::newRow("font at 150 %") << 1.5;
}

void MainWindowLayoutTest::EverythingFits()
{
    QFETCH(double, scale);
    UseFont(programFont_, scale);
    ExampleWindow example;
    MainWindow& window = *example.window;
    // With the line that an export leaves under the form, whatever the check finds.
    example.boxes.answers = {true};
    Find<QAction>(window, "exportAction")->trigger();
    QVERIFY(Find<QWidget>(window, "exportStatus")->isVisible());

    // Fixed at the size that the form asks for.
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.size(), window.maximumSize());
    QVERIFY(window.size().width() >= window.sizeHint().width());
    QVERIFY(window.size().height() >= window.sizeHint().height());

    const QRect inside = window.rect();
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->isWindow())
            continue;
        const QString name = widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
        QVERIFY2(inside.contains(GeometryInWindow(*widget)), qPrintable(name + " reaches out of the window"));
    }
    // Texts shown whole.
    for (QPushButton* button : window.findChildren<QPushButton*>())
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
    for (QGroupBox* box : window.findChildren<QGroupBox*>())
        QVERIFY2(box->width() >= box->minimumSizeHint().width(), qPrintable(box->title()));
    for (const char* name : {"titleLabel", "dateAndPlaceLabel"}) {
        QLabel* line = Find<QLabel>(window, name);
        QVERIFY(line->width() >= line->fontMetrics().horizontalAdvance(line->text()));
        QVERIFY(line->toolTip().isEmpty());
        QVERIFY(line->height() >= line->sizeHint().height());
    }
    QCOMPARE(Find<QLabel>(window, "titleLabel")->text(), QStringLiteral("Bezirksmeisterschaften 2027"));
    QCOMPARE(Find<QLabel>(window, "dateAndPlaceLabel")->text(),
             QString::fromUtf8("vom 13.03.2027 bis 14.03.2027 in Kühlenbrück"));
    // Every column and heading in view, with no sideways scrolling.
    for (QTreeWidget* list : window.findChildren<QTreeWidget*>()) {
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        for (int column = 0; column < list->columnCount(); ++column)
            QVERIFY2(list->header()->sectionSize(column) >= list->header()->sectionSizeHint(column),
                     qPrintable(list->objectName() + ": " + list->headerItem()->text(column)));
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = list->topLevelItem(row);
            for (int column = 0; column < list->columnCount(); ++column) {
                const int room =
                    item->isFirstColumnSpanned() ? list->viewport()->width() : list->header()->sectionSize(column);
                const QString text = item->text(column);
                QVERIFY2(room > list->fontMetrics().horizontalAdvance(text) + 4,
                         qPrintable(list->objectName() + ": " + text));
            }
        }
    }
    // Ten events and two officials in view at once.
    ClickRow(example.List("participantsList"), example.RowOf("participantsList", QString::fromUtf8("Öztürk-Übelhör")));
    for (const auto& [name, row] : {std::pair{"entriesList", 9}, std::pair{"officialsList", 1}}) {
        QTreeWidget& list = example.List(name);
        QVERIFY2(list.viewport()->rect().contains(list.visualItemRect(list.topLevelItem(row))), name);
    }
    // Small enough for a screen of 1366 x 768 or 1920 x 1080 at 150 %, with a
    // task bar and the title bar, at the program's font.
    if (scale == 1.0)
        QVERIFY2(window.frameGeometry().height() <= 660, qPrintable(QString::number(window.height())));
}

void MainWindowLayoutTest::CapitalUmlautsAreWhole_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("program font") << 1.0;
    QTest::newRow("font at 150 %") << 1.5;
}

void MainWindowLayoutTest::CapitalUmlautsAreWhole()
{
    QFETCH(double, scale);
    UseFont(programFont_, scale);
    ExampleWindow example;
    QTreeWidget& list = example.List("participantsList");
    const int row = example.RowOf("participantsList", QString::fromUtf8("Öztürk-Übelhör"));
    QVERIFY(row >= 0);
    QVERIFY(SelectedRow(list) != row);

    const QImage shot = list.viewport()->grab().toImage();
    const double ratio = shot.devicePixelRatio();
    const QRect rowRect = list.visualItemRect(list.topLevelItem(row));
    const int textWidth = list.fontMetrics().horizontalAdvance(QString::fromUtf8("ÖÜ"));
    const QRect area(QPoint(int(rowRect.left() * ratio), int(rowRect.top() * ratio)),
                     QPoint(int((rowRect.left() + textWidth + 8) * ratio), int((rowRect.bottom() + 1) * ratio) - 1));
    const auto drawn = InkRows(shot, area, list.palette().color(QPalette::Base));
    QVERIFY(drawn.has_value());

    // The same letters drawn freely, with room all around.
    const QSize free(int(textWidth * 2 * ratio), int(list.fontMetrics().height() * 3 * ratio));
    QImage reference(free, QImage::Format_RGB32);
    reference.setDevicePixelRatio(ratio);
    reference.fill(Qt::white);
    {
        QPainter painter(&reference);
        painter.setFont(list.font());
        painter.setPen(Qt::black);
        painter.drawText(QPointF(4, list.fontMetrics().height() * 1.5), QString::fromUtf8("ÖÜ"));
    }
    const auto whole = InkRows(reference, QRect(QPoint(0, 0), free - QSize(1, 1)), Qt::white);
    QVERIFY(whole.has_value());

    const int drawnHeight = drawn->second - drawn->first;
    const int wholeHeight = whole->second - whole->first;
    QVERIFY2(drawnHeight >= wholeHeight,
             qPrintable(QStringLiteral("dots cut off: %1 of %2 pixel rows drawn").arg(drawnHeight).arg(wholeHeight)));
    // Clear of the row's edges, too.
    QVERIFY(drawn->first > area.top());
    QVERIFY(drawn->second < area.bottom());
}

void MainWindowLayoutTest::LongTitleIsShortened()
{
    ExampleWindow example;
    MainWindow& window = *example.window;
    const QSize before = window.size();
    const std::string title(300, 'W');
    QByteArray list = example.folder.Read("Bezirksmeisterschaften-2027.dsv");
    list.replace("VERANSTALTUNG:Bezirksmeisterschaften 2027;",
                 "VERANSTALTUNG:" + QByteArray::fromStdString(title) + ";");
    example.folder.Write("Lang.dsv", list);
    window.LoadDefinition(example.folder.Native("Lang.dsv"));
    QLabel* line = Find<QLabel>(window, "titleLabel");
    QVERIFY(line->text().endsWith(QChar(0x2026)));
    QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->width());
    QCOMPARE(line->toolTip(), QString::fromStdString(title));
    QCOMPARE(window.size(), before);
}

void MainWindowLayoutTest::Screenshots()
{
    const QString directory = qEnvironmentVariable("NATARIX_SCREENSHOT_DIR");
    if (directory.isEmpty())
        QSKIP("NATARIX_SCREENSHOT_DIR is not set");
    ExampleWindow example;
    QTreeWidget& participants = example.List("participantsList");
    const auto save = [&](const QString& name) {
        // The lists settle their scroll bars once the loop runs.
        QTest::qWait(50);
        return example.window->grab().save(directory + "/" + name);
    };
    ClickRow(participants, example.RowOf("participantsList", QString::fromUtf8("Öztürk-Übelhör")));
    QVERIFY(save("main-window-swimmer.png"));
    ClickRow(participants, example.RowOf("participantsList", "1. Mannschaft, Mixed, Jugend A"));
    QVERIFY(save("main-window-team.png"));

    // Three days after the deadline, with what the check finds.
    Swimmer late;
    late.surname = "Brandt";
    late.firstName = "Lea";
    late.yearOfBirth = 2012;
    late.sex = Sex::Female;
    late.SetEntry("2", "01:15,00");
    late.SetEntry("3", "00:00,00");
    example.window->cycle().Add(late);
    example.window->SetToday([] { return Date("04.03.2027"); });
    example.window->RefreshMainForm();
    QVERIFY(save("main-window-deadline-passed.png"));
    const auto findings = DriveNext<FindingsDialog>([&](FindingsDialog& dialog) {
        QTest::qWait(50);
        QVERIFY(dialog.grab().save(directory + "/findings.png"));
        dialog.reject();
    });
    Find<QAction>(*example.window, "checkAction")->trigger();
    QVERIFY(findings->shown);
}

QTEST_MAIN(MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
