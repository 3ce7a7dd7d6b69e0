#include "gui/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "DialogParts.h"
#include "ListViews.h"
#include "export/ClubExport.h"
#include "formats/EntryList.h"
#include "gui/AboutDialog.h"
#include "gui/ClubDialog.h"
#include "gui/EntryDialog.h"
#include "gui/FindingsDialog.h"
#include "gui/ListTexts.h"
#include "gui/MeetGlancePanel.h"
#include "gui/MessageBoxes.h"
#include "gui/OfficialDialog.h"
#include "gui/ResultsImport.h"
#include "gui/SwimmerDialog.h"
#include "gui/TakeOverDialog.h"
#include "gui/TeamDialog.h"
#include "model/Labels.h"
#include "review/MeetGlance.h"
#include "times/TimeTexts.h"

// The resources live in a static library, whose registration the linker would
// otherwise drop.
static void InitResources()
{
    Q_INIT_RESOURCE(natarix);
}

namespace natarix {

namespace {

// The widths of the entries list's distance column, in layout units: the
// texts of modern meets carry exercise and round.
constexpr int kDistanceUnits = 70;
constexpr int kModernDistanceUnits = 120;

QString AskForFileToOpen(const MainWindow::OpenFileRequest& request)
{
    return QFileDialog::getOpenFileName(request.parent, request.title, request.directory, request.filter);
}

QStringList AskForFilesToOpen(const MainWindow::OpenFileRequest& request)
{
    return QFileDialog::getOpenFileNames(request.parent, request.title, request.directory, request.filter);
}

// A path from Qt in the encoding that the file layer takes.
std::string NativePath(const QString& path)
{
    return FromFsPath(std::filesystem::path(path.toStdU16String()));
}

QString PathText(const std::string& nativePath)
{
    return QDir::toNativeSeparators(QString::fromStdU16String(ToFsPath(nativePath).u16string()));
}

QPushButton* MakeButton(QWidget& parent, const char* objectName, const QString& text, int widthUnits)
{
    auto* button = new QPushButton(text, &parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setMinimumWidth(HorizontalUnits(*button, widthUnits));
    return button;
}

QGroupBox* MakeGroupBox(QWidget& parent, const char* objectName, const QString& title)
{
    auto* box = new QGroupBox(title, &parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* button : buttons)
        row->addWidget(button);
    row->addStretch();
    return row;
}

}  // namespace

MainWindow::MainWindow(std::string startDirectory, FileOps& ops, Mailer& mailer)
    : cycle_(messages_, std::move(startDirectory), ops),
      mailer_(mailer),
      chooseFile_(AskForFileToOpen),
      chooseFiles_(AskForFilesToOpen),
      today_(Today)
{
    InitResources();
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Natarix"));
    setWindowIcon(QIcon(QStringLiteral(":/natarix.png")));
    // A caption with a close box; neither resizable nor to be maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    BuildMenus();
    BuildForm();
    // The window takes the size its form asks for, at any font and scaling.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ClearMainForm();
}

void MainWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->addAction(QStringLiteral("Wettkampfdefinition öffnen..."), this, &MainWindow::OpenDefinition)
        ->setObjectName(QStringLiteral("openAction"));
    takeOver_ = file->addAction(QStringLiteral("Übernehmen aus Meldeliste..."), this, &MainWindow::TakeOverFromList);
    takeOver_->setObjectName(QStringLiteral("takeOverAction"));
    file->addSeparator();
    file->addAction(QStringLiteral("Ergebnislisten einlesen..."), this, &MainWindow::ImportResults)
        ->setObjectName(QStringLiteral("importResultsAction"));
    fillTimes_ =
        file->addAction(QStringLiteral("Meldezeiten aus Bestzeiten eintragen"), this, &MainWindow::FillEntryTimes);
    fillTimes_->setObjectName(QStringLiteral("fillTimesAction"));
    file->addSeparator();
    file->addAction(QStringLiteral("&Beenden"), this, &QWidget::close)->setObjectName(QStringLiteral("quitAction"));

    QMenu* exports = menuBar()->addMenu(QStringLiteral("Exportieren"));
    check_ = exports->addAction(QStringLiteral("Prüfen..."), this, &MainWindow::CheckEntries);
    check_->setObjectName(QStringLiteral("checkAction"));
    check_->setShortcut(QKeySequence(Qt::Key_F7));
    exports->addSeparator();
    export_ = exports->addAction(QStringLiteral("DSV-Datei, Meldebogen und -liste"), this, [this] { Export(false); });
    export_->setObjectName(QStringLiteral("exportAction"));
    mail_ = exports->addAction(QStringLiteral("Per E-Mail senden..."), this, [this] { Export(true); });
    mail_->setObjectName(QStringLiteral("mailAction"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    QAction* info = help->addAction(QStringLiteral("&Info"), this, &MainWindow::ShowAbout);
    info->setObjectName(QStringLiteral("infoAction"));
    info->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Question), QKeySequence(Qt::ALT | Qt::Key_Slash)});
}

void MainWindow::BuildForm()
{
    form_ = new QWidget(this);
    form_->setObjectName(QStringLiteral("mainForm"));
    QWidget& form = *form_;

    QGroupBox* eventBox = MakeGroupBox(form, "eventBox", QStringLiteral("Veranstaltung"));
    eventBox_ = eventBox;
    title_ = MakeLabel(*eventBox, "titleLabel", QString());
    dateAndPlace_ = MakeLabel(*eventBox, "dateAndPlaceLabel", QString());
    for (QLabel* line : {title_, dateAndPlace_}) {
        // A long title is shortened rather than widening the window.
        line->setMinimumWidth(HorizontalUnits(*line, 419));
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    clubData_ = MakeButton(*eventBox, "clubDataButton", QStringLiteral("Vereinsdaten ..."), 71);
    auto* headerLines = new QVBoxLayout;
    headerLines->setSpacing(0);
    headerLines->addWidget(title_);
    headerLines->addWidget(dateAndPlace_);
    auto* eventLayout = new QHBoxLayout(eventBox);
    eventLayout->addLayout(headerLines, 1);
    eventLayout->addWidget(clubData_, 0, Qt::AlignVCenter);

    QGroupBox* participantsBox = MakeGroupBox(form, "participantsBox", QStringLiteral("Teilnehmer / Staffeln"));
    newSwimmer_ = MakeButton(*participantsBox, "newSwimmerButton", QStringLiteral("Neuer Teilnehmer ..."), 79);
    newTeam_ = MakeButton(*participantsBox, "newTeamButton", QStringLiteral("Neue Staffel ..."), 79);
    participants_ = MakeListView(*participantsBox, "participantsList",
                                 {{"Nachname", 100}, {"Vorname", 100}, {"Jg.", 40}, {"Geschl.", 40}, {"Reg.", 50}});
    auto* participantsLayout = new QVBoxLayout(participantsBox);
    participantsLayout->addLayout(ButtonRow({newSwimmer_, newTeam_}));
    participantsLayout->addWidget(participants_, 1);

    QGroupBox* entriesBox = MakeGroupBox(form, "entriesBox", QStringLiteral("Meldungen"));
    entries_ = MakeListView(*entriesBox, "entriesList",
                            {{"WK", 30}, {"Strecke", kDistanceUnits}, {"Geschl.", 40}, {"Zeit", 70}});
    distanceColumnWidth_ = entries_->columnWidth(1);
    auto* entriesLayout = new QVBoxLayout(entriesBox);
    entriesLayout->addWidget(entries_);

    QGroupBox* officialsBox = MakeGroupBox(form, "officialsBox", QStringLiteral("Kampfrichter"));
    newOfficial_ = MakeButton(*officialsBox, "newOfficialButton", QStringLiteral("Neu ..."), 59);
    officials_ = MakeListView(*officialsBox, "officialsList",
                              {{"Nachname", 100}, {"Vorname", 100}, {"Gr.", 40}, {"Abschnitte", 100}});
    auto* officialsLayout = new QVBoxLayout(officialsBox);
    officialsLayout->addLayout(ButtonRow({newOfficial_}));
    officialsLayout->addWidget(officials_);

    // Both columns equally wide, each list wide enough for all its columns.
    // The heights are counted in rows, so that the window fits a small
    // screen; the participants list takes the height of the right column.
    int listWidth = HorizontalUnits(*participants_, 238);
    for (const QTreeWidget* list : {participants_, entries_, officials_})
        listWidth = std::max(listWidth, ListWidthForColumns(*list));
    for (QTreeWidget* list : {participants_, entries_, officials_})
        list->setMinimumWidth(listWidth);
    participants_->setMinimumHeight(ListHeightForRows(*participants_, 8));
    entries_->setFixedHeight(ListHeightForRows(*entries_, 10));
    officials_->setFixedHeight(ListHeightForRows(*officials_, 3));

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(entriesBox, 1);
    rightColumn->addWidget(officialsBox);
    glance_ = new MeetGlancePanel(&form);
    auto* lower = new QHBoxLayout;
    lower->addWidget(participantsBox);
    lower->addLayout(rightColumn);
    lower->addWidget(glance_);
    auto* formLayout = new QVBoxLayout(form_);
    formLayout->addWidget(eventBox);
    formLayout->addLayout(lower, 1);
    setCentralWidget(form_);

    // Shown only after an export, so that the window keeps its size until then.
    exportStatus_ = new ExportStatusLine(this);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(exportStatus_, 1);

    connect(clubData_, &QPushButton::clicked, this, &MainWindow::EditClubData);
    connect(newSwimmer_, &QPushButton::clicked, this, &MainWindow::NewSwimmer);
    connect(newTeam_, &QPushButton::clicked, this, &MainWindow::NewTeam);
    connect(newOfficial_, &QPushButton::clicked, this, &MainWindow::NewOfficial);

    connect(participants_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::ParticipantSelectionChanged);
    connect(participants_, &QTreeWidget::itemDoubleClicked, this,
            qOverload<QTreeWidgetItem*>(&MainWindow::EditParticipant));
    connect(officials_, &QTreeWidget::itemDoubleClicked, this, qOverload<QTreeWidgetItem*>(&MainWindow::EditOfficial));
    connect(entries_, &QTreeWidget::itemDoubleClicked, this, qOverload<QTreeWidgetItem*>(&MainWindow::EditEntry));
    for (QTreeWidget* list : {participants_, officials_})
        list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(participants_, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        ShowDeleteMenu(*participants_, position, &MainWindow::DeleteParticipant);
    });
    connect(officials_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { ShowDeleteMenu(*officials_, position, &MainWindow::DeleteOfficial); });
}

void MainWindow::OpenStartupDefinition()
{
    const std::string path = cycle_.FindStartupDefinition();
    if (!path.empty())
        LoadDefinition(path);
}

void MainWindow::LoadDefinition(const std::string& path)
{
    // The load discards the current competition first: no row may outlive it.
    ClearMainForm();
    cycle_.LoadDefinition(path);
    // Before the refresh overwrites a working file that was read only partly.
    cycle_.KeepUnreadOriginal();
    // A competition that another program edits is only shown, which the
    // header says too, where it is seen whatever the window manager shows.
    const bool readOnly = cycle_.readOnly();
    setWindowTitle(readOnly ? QStringLiteral("Natarix – nur lesen") : QStringLiteral("Natarix"));
    eventBox_->setTitle(readOnly ? QStringLiteral("Veranstaltung – nur lesen") : QStringLiteral("Veranstaltung"));
    // "100m F Vorlauf" and "50m S KB" need more room than format 5's texts.
    const bool modern = cycle_.meet() != nullptr && cycle_.meet()->formatVersion != 5;
    entries_->setColumnWidth(
        1, modern ? distanceColumnWidth_ * kModernDistanceUnits / kDistanceUnits : distanceColumnWidth_);
    SetCompetitionCommandsEnabled(Editable());
    // A meet that is only shown can still be checked.
    check_->setEnabled(cycle_.meet() != nullptr);
    RefreshMainForm();
    cycle_.SaveWorkingFile();
}

void MainWindow::ClearMainForm()
{
    title_->clear();
    title_->setToolTip(QString());
    dateAndPlace_->clear();
    dateAndPlace_->setToolTip(QString());
    for (QTreeWidget* list : {entries_, participants_, officials_})
        list->clear();
    glance_->Clear();
    SetCompetitionCommandsEnabled(false);
    check_->setEnabled(false);
    ClearExportStatus();
}

void MainWindow::SetCompetitionCommandsEnabled(bool enabled)
{
    for (QPushButton* button : {clubData_, newSwimmer_, newTeam_, newOfficial_})
        button->setEnabled(enabled);
    export_->setEnabled(enabled);
    mail_->setEnabled(enabled);
    takeOver_->setEnabled(enabled);
    fillTimes_->setEnabled(enabled);
}

void MainWindow::SetHeaderLine(QLabel& label, const std::string& text)
{
    const QString full = ToQString(text);
    const QString shown = label.fontMetrics().elidedText(full, Qt::ElideRight, label.minimumWidth());
    label.setText(shown);
    label.setToolTip(shown == full ? QString() : full);
}

void MainWindow::RefreshMainForm()
{
    const MeetDefinition* meet = cycle_.meet();
    if (meet == nullptr)
        return;
    SetHeaderLine(*title_, meet->title);
    SetHeaderLine(*dateAndPlace_, DateAndPlaceLine(*meet));
    const ClubEntries& clubEntries = cycle_.entries();

    entries_->clear();
    participantItems_.clear();
    for (const auto& swimmer : clubEntries.swimmers())
        participantItems_.emplace_back(swimmer.get());
    for (const auto& team : clubEntries.teams())
        participantItems_.emplace_back(team.get());
    std::vector<ListRow> participantRows;
    for (const ParticipantItem& item : participantItems_) {
        std::visit([&](const auto* p) { participantRows.push_back(MakeListRow(ParticipantRow(*p), &item)); }, item);
        // The team's label may be longer than the surname column.
        participantRows.back().spanned = std::holds_alternative<const Team*>(item);
    }
    FillList(*participants_, std::move(participantRows), RowOrder::ByFirstColumn);
    // The selection lists the first participant's entries and writes the
    // working file.
    SelectFirstRow(*participants_);

    std::vector<ListRow> officialRows;
    const bool modern = cycle_.meet()->formatVersion != 5;
    for (const auto& official : clubEntries.officials())
        officialRows.push_back(MakeListRow(OfficialRow(*official, modern), official.get()));
    FillList(*officials_, std::move(officialRows), RowOrder::ByFirstColumn);
    SelectFirstRow(*officials_);
    RefreshGlance();
}

void MainWindow::RefreshGlance()
{
    if (cycle_.meet() != nullptr)
        glance_->Show(GlanceAt(*cycle_.meet(), cycle_.entries(), today_()));
}

void MainWindow::ShowEntriesOf(ParticipantItem participant)
{
    std::vector<ListRow> rows;
    for (const Event* event : EventsShownFor(*cycle_.meet(), participant)) {
        rows.push_back(MakeListRow(EntryRow(EntrantOf(participant), *event), event));
        rows.back().warning = ToQString(EntryBarNote(participant, *event));
    }
    // Never sorted by text, which would put 10 before 2.
    FillList(*entries_, std::move(rows), RowOrder::AsGiven);
    SelectFirstRow(*entries_);
}

void MainWindow::OpenDefinition()
{
    const QString chosen = chooseFile_(
        {this, QStringLiteral("Wettkampfdefinitionsliste öffnen"), QDir::currentPath(),
         QStringLiteral("*.dsv;*.dsv6;*.dsv7;*.dsv8;*.dsv8z;*.txt (*.dsv *.dsv6 *.dsv7 *.dsv8 *.dsv8z *.txt)")});
    if (chosen.isEmpty())
        return;
    const QFileInfo file(chosen);
    // The next open starts in this folder; the export still goes to the start
    // directory.
    QDir::setCurrent(file.absolutePath());
    LoadDefinition(NativePath(file.absoluteFilePath()));
}

void MainWindow::TakeOverFromList()
{
    const QString chosen = chooseFile_(
        {this, QStringLiteral("Meldeliste zum Übernehmen öffnen"), QDir::currentPath(),
         QStringLiteral("Meldelisten (*.dsv *.dsv6 *.dsv7 *.dsv8 *.dsv8z *.meld *.txt);;Alle Dateien (*)")});
    if (chosen.isEmpty())
        return;
    auto earlier = ReadEarlierEntryList(NativePath(QFileInfo(chosen).absoluteFilePath()));
    if (!earlier.warnings().empty())
        messages_.Show(WarningsMessage(earlier.warnings(), "Hinweise zur Meldeliste"));
    if (!earlier.ok()) {
        messages_.Show(earlier.failure());
        return;
    }
    const EarlierEntryList& list = earlier.value();
    TakeOverDialog dialog(ListRoster(list.entries, *cycle_.meet(), cycle_.entries()), QFileInfo(chosen).fileName(),
                          this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto taken = cycle_.TakeOver(*list.meet, list.entries, dialog.options());
    RefreshMainForm();
    if (taken.saved)
        messages_.Show(Message::Captioned(TakeOverReport(taken.lines), "Aus Meldeliste übernommen"));
}

ResultStore* MainWindow::Results(bool create)
{
    if (results_)
        return results_.get();
    const std::string path = ResultStorePath();
    std::error_code error;
    if (path.empty() || (!create && !std::filesystem::exists(ToFsPath(path), error))) {
        if (create)
            messages_.Show(Message::Warning("Es ist kein Ordner für die Ergebnisdatenbank bekannt."));
        return nullptr;
    }
    auto opened = ResultStore::Open(path);
    if (!opened.ok()) {
        if (create)
            messages_.Show(opened.failure());
        return nullptr;
    }
    results_ = std::move(opened).value();
    return results_.get();
}

void MainWindow::ImportResults()
{
    const QStringList chosen =
        chooseFiles_({this, QStringLiteral("Ergebnislisten einlesen"), QDir::currentPath(),
                      QStringLiteral("Ergebnislisten (*.dsv6 *.dsv7 *.dsv8 *.dsv8z *.dsv *.txt);;Alle Dateien (*)")});
    if (chosen.isEmpty())
        return;
    ResultStore* store = Results(true);
    if (store == nullptr)
        return;
    messages_.Show(ImportResultLists(*store, chosen, this));
    if (cycle_.meet() != nullptr)
        RefreshGlance();
}

void MainWindow::FillEntryTimes()
{
    if (!Editable())
        return;
    ResultStore* store = Results(false);
    const auto filled = store != nullptr ? cycle_.FillEntryTimes(*store) : WorkingFileCycle::FilledTimes{};
    if (filled.entries.empty()) {
        messages_.Show(Message::Captioned(
            store == nullptr ? "Es sind noch keine Ergebnislisten eingelesen (Datei → Ergebnislisten einlesen...)."
                             : "Keine Meldung ohne Zeit, für die eine Bestzeit der letzten zwölf Monate bekannt ist.",
            "Meldezeiten aus Bestzeiten"));
        return;
    }
    RefreshMainForm();
    std::string text = std::to_string(filled.entries.size()) +
                       (filled.entries.size() == 1 ? " Meldezeit eingetragen:" : " Meldezeiten eingetragen:");
    for (const SwimmerBestTime& line : filled.entries)
        text += "\n" + SwimmerLabel(*line.swimmer) + " – " + EventLabel(*line.event) + ": " +
                EntryTimeText(line.best.swim.hundredths) + " (" + BestTimeNote(line.best) + ")";
    messages_.Show(Message::Captioned(std::move(text), "Meldezeiten aus Bestzeiten"));
}

void MainWindow::ShowAbout()
{
    AboutDialog(this).exec();
}

void MainWindow::NewSwimmer()
{
    Swimmer swimmer;
    SwimmerDialog dialog(swimmer, this, cycle_.meet(), cycle_.entries().coaches);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto& coach = dialog.chosenCoach())
        swimmer.coachNumber = cycle_.CoachNumber(*coach);
    cycle_.Add(std::move(swimmer));
    RefreshMainForm();
}

void MainWindow::NewTeam()
{
    Team team;
    if (TeamDialog(team, this, cycle_.meet()).exec() != QDialog::Accepted)
        return;
    cycle_.Add(std::move(team));
    RefreshMainForm();
}

void MainWindow::NewOfficial()
{
    Official official;
    if (OfficialDialog(official, *cycle_.meet(), this).exec() != QDialog::Accepted)
        return;
    cycle_.Add(std::move(official));
    RefreshMainForm();
}

void MainWindow::EditClubData()
{
    Club club = cycle_.entries().club;
    ClubDialog(club, this, cycle_.meet()).exec();
    // Set, and so written, whether the dialog ended with OK or not; the lists stay.
    cycle_.SetClub(std::move(club));
}

std::vector<Finding> MainWindow::Findings()
{
    return natarix::CheckEntries(*cycle_.meet(), cycle_.entries(), today_(), Results(false));
}

FindingsDialog::Mender MainWindow::MenderIfEditable()
{
    if (!Editable())
        return {};
    return [this](const Finding& finding) {
        Mend(finding);
        return Findings();
    };
}

void MainWindow::CheckEntries()
{
    if (cycle_.meet() == nullptr)
        return;
    auto findings = Findings();
    if (findings.empty()) {
        messages_.Show(Message::Captioned("Die Prüfung hat nichts gefunden.", "Prüfen"));
        return;
    }
    FindingsDialog(std::move(findings), FindingsDialog::Purpose::Check, MenderIfEditable(), this).exec();
}

void MainWindow::Mend(const Finding& finding)
{
    const Event* event = finding.eventNumber.empty() ? nullptr : cycle_.meet()->FindEvent(finding.eventNumber);
    bool changed = false;
    if (std::holds_alternative<ClubDataSubject>(finding.subject)) {
        EditClubData();
    } else if (const auto* official = std::get_if<const Official*>(&finding.subject)) {
        changed = EditOfficial(**official);
    } else if (const auto* swimmer = std::get_if<const Swimmer*>(&finding.subject)) {
        changed = event != nullptr ? EditEntry(*swimmer, *event) : EditParticipant(*swimmer);
    } else if (const auto* team = std::get_if<const Team*>(&finding.subject)) {
        changed = event != nullptr ? EditEntry(*team, *event) : EditParticipant(*team);
    }
    if (changed)
        RefreshMainForm();
}

void MainWindow::Export(bool sendByMail)
{
    if (cycle_.meet() != nullptr && !FindingsDialog::AskBeforeExport(Findings(), MenderIfEditable(), this))
        return;
    const ExportOutcome outcome =
        ExportClubEntries(cycle_.meet(), cycle_.entries(), cycle_.startDirectory(), sendByMail, messages_, mailer_,
                          cycle_.fileOps(), {0, cycle_.producer()});
    if (outcome.dsvWritten && outcome.pdfWritten)
        ShowExportStatus(outcome.dsvPath, outcome.pdfPath);
    else
        ClearExportStatus();
}

void MainWindow::ShowExportStatus(const std::string& dsvPath, const std::string& pdfPath)
{
    exportStatus_->ShowExport(QFileInfo(PathText(dsvPath)).fileName(), QFileInfo(PathText(pdfPath)).fileName(),
                              PathText(cycle_.startDirectory()));
    statusBar()->show();
}

void MainWindow::ClearExportStatus()
{
    exportStatus_->Clear();
    statusBar()->hide();
}

void MainWindow::ParticipantSelectionChanged(const QItemSelection& selected)
{
    if (selected.isEmpty())
        return;
    const QTreeWidgetItem* item = participants_->topLevelItem(selected.indexes().first().row());
    ShowEntriesOf(*RowObject<const ParticipantItem>(*item));
    cycle_.SaveWorkingFile();
}

void MainWindow::EditParticipant(QTreeWidgetItem* item)
{
    if (!Editable())
        return;
    if (EditParticipant(*RowObject<const ParticipantItem>(*item)))
        RefreshMainForm();
}

bool MainWindow::EditParticipant(ParticipantItem participant)
{
    if (const Team* const* team = std::get_if<const Team*>(&participant)) {
        Team changed = **team;
        if (TeamDialog(changed, this, cycle_.meet()).exec() != QDialog::Accepted)
            return false;
        cycle_.Change(**team, std::move(changed));
    } else {
        const Swimmer& swimmer = *std::get<const Swimmer*>(participant);
        Swimmer changed = swimmer;
        SwimmerDialog dialog(changed, this, cycle_.meet(), cycle_.entries().coaches);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (const auto& coach = dialog.chosenCoach())
            changed.coachNumber = cycle_.CoachNumber(*coach);
        cycle_.Change(swimmer, std::move(changed));
    }
    return true;
}

void MainWindow::EditOfficial(QTreeWidgetItem* item)
{
    if (!Editable())
        return;
    if (EditOfficial(*RowObject<const Official>(*item)))
        RefreshMainForm();
}

bool MainWindow::EditOfficial(const Official& official)
{
    Official changed = official;
    if (OfficialDialog(changed, *cycle_.meet(), this).exec() != QDialog::Accepted)
        return false;
    cycle_.Change(official, std::move(changed));
    return true;
}

void MainWindow::EditEntry(QTreeWidgetItem* item)
{
    if (!Editable())
        return;
    const QTreeWidgetItem* participantItem = participants_->selectedItems().value(0);
    if (participantItem == nullptr)
        return;
    const ParticipantItem participant = *RowObject<const ParticipantItem>(*participantItem);
    if (!EditEntry(participant, *RowObject<const Event>(*item)))
        return;
    ShowEntriesOf(participant);
    RefreshGlance();
}

bool MainWindow::EditEntry(ParticipantItem participant, const Event& event)
{
    const Team* const* team = std::get_if<const Team*>(&participant);
    if (team != nullptr && cycle_.meet()->formatVersion != 5) {
        // The entry and its line-up reach the session as one change, saved once.
        EntryDialog dialog(**team, event, this, &cycle_.entries());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        cycle_.Change(**team, dialog.ChangedTeam());
    } else {
        const auto dialog = std::visit(
            [&](const auto* p) {
                if constexpr (std::is_same_v<decltype(p), const Swimmer*>) {
                    ResultStore* store = Results(false);
                    const auto best = store != nullptr
                                          ? KnownTimesFor(*cycle_.meet(), event, *p, store->CandidatesFor(*p)).best
                                          : std::nullopt;
                    return std::make_unique<EntryDialog>(*p, event, this, best);
                } else {
                    return std::make_unique<EntryDialog>(*p, event, this);
                }
            },
            participant);
        if (dialog->exec() != QDialog::Accepted)
            return false;
        cycle_.SetEntry(participant, event.number, dialog->entryTime());
    }
    return true;
}

void MainWindow::ShowDeleteMenu(QTreeWidget& list, const QPoint& position, void (MainWindow::*remove)())
{
    if (list.itemAt(position) == nullptr || !Editable())
        return;
    QMenu menu(form_);
    menu.setObjectName(QStringLiteral("deleteMenu"));
    const QAction* removeAction = menu.addAction(QStringLiteral("Löschen"));
    if (menu.exec(list.viewport()->mapToGlobal(position)) == removeAction)
        (this->*remove)();
}

void MainWindow::DeleteParticipant()
{
    const QTreeWidgetItem* item = participants_->currentItem();
    if (item == nullptr)
        return;
    const ParticipantItem participant = *RowObject<const ParticipantItem>(*item);
    const bool isTeam = std::holds_alternative<const Team*>(participant);
    const std::string question =
        isTeam ? std::string("Staffel wirklich löschen?") : std::string("Teilnehmer wirklich löschen?");
    if (!MessageBoxes::AskYesNo(question, std::string("Löschwarnung"), form_))
        return;
    if (isTeam)
        cycle_.Remove(*std::get<const Team*>(participant));
    else
        cycle_.Remove(*std::get<const Swimmer*>(participant));
    RefreshMainForm();
}

void MainWindow::DeleteOfficial()
{
    const QTreeWidgetItem* item = officials_->currentItem();
    if (item == nullptr)
        return;
    if (!MessageBoxes::AskYesNo(std::string("Kampfrichter wirklich löschen?"), std::string("Löschwarnung"), form_))
        return;
    cycle_.Remove(*RowObject<const Official>(*item));
    RefreshMainForm();
}

}  // namespace natarix
