#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "export/Mailer.h"
#include "gui/ExportStatusLine.h"
#include "gui/FindingsDialog.h"
#include "gui/MessageBoxSink.h"
#include "model/Date.h"
#include "model/Participant.h"
#include "platform/FileOps.h"
#include "resultstore/ResultStore.h"
#include "review/EntryCheck.h"
#include "session/WorkingFileCycle.h"

class QAction;
class QGroupBox;
class QItemSelection;
class QLabel;
class QPoint;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace natarix {
class MeetGlancePanel;
}

namespace natarix {

// The program's one window: the competition's header lines, the participants
// with the entries of the selected one, and the officials, with every command
// on them. It changes the club's side only through the session's operations,
// which save the working file; so do the load and every choice of a
// participant.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // What the open command asks the user for.
    struct OpenFileRequest {
        QWidget* parent;
        QString title;
        QString directory;
        QString filter;
    };
    // Returns the chosen file, or an empty text when the user cancelled.
    using OpenFileChooser = std::function<QString(const OpenFileRequest&)>;
    // Returns the chosen files, none when the user cancelled.
    using OpenFilesChooser = std::function<QStringList(const OpenFileRequest&)>;

    // `startDirectory` (in the file system's encoding) is where definition
    // lists are looked for at start-up and where the export writes.
    explicit MainWindow(std::string startDirectory, FileOps& ops = SystemFileOps(), Mailer& mailer = SystemMailer());

    // Opens the first definition list of the start directory that reads
    // without a content error. Meant to run once the window is shown.
    void OpenStartupDefinition();

    // Opens a definition list with its working file and shows it. After a
    // failure the form is empty and the commands that need a competition are
    // disabled.
    void LoadDefinition(const std::string& path);

    // Rebuilds the header lines and the lists from the model and selects the
    // first participant, whose entries are then listed.
    void RefreshMainForm();

    // A swimmer or team as a row of the participants list.
    using ParticipantItem = ParticipantRef;

    // Lists the events the participant may be entered in, with its times.
    void ShowEntriesOf(ParticipantItem participant);

    void SetOpenFileChooser(OpenFileChooser chooser) { chooseFile_ = std::move(chooser); }
    void SetOpenFilesChooser(OpenFilesChooser chooser) { chooseFiles_ = std::move(chooser); }
    // How the folder of the last export is opened; the desktop's file manager by default.
    void SetFolderOpener(ExportStatusLine::FolderOpener opener) { exportStatus_->SetFolderOpener(std::move(opener)); }

    // The day the deadline is checked against; today's by default.
    void SetToday(std::function<Date()> today) { today_ = std::move(today); }
    WorkingFileCycle& cycle() { return cycle_; }

private:
    void BuildMenus();
    void BuildForm();
    void ClearMainForm();
    void SetCompetitionCommandsEnabled(bool enabled);
    // Whether the open competition may be changed; tells nothing to the user,
    // whom the load has told already.
    bool Editable() const { return cycle_.meet() != nullptr && !cycle_.readOnly(); }
    void SetHeaderLine(QLabel& label, const std::string& text);

    void OpenDefinition();
    // Reads an earlier entry list, lets the user tick what of it to take
    // over, takes that over with one save and reports what came and what not.
    void TakeOverFromList();
    void ShowAbout();
    // Reads result lists into the results database and says what they brought.
    void ImportResults();
    // Gives every entry without a time the best time of the last twelve
    // months and lists what it filled.
    void FillEntryTimes();
    // The results database; opened on first use. With `create`, a missing
    // one is made (and a failure told); without, nullptr while none exists.
    ResultStore* Results(bool create);
    void NewSwimmer();
    void NewTeam();
    void NewOfficial();
    void EditClubData();
    // Lists the check's findings; before an export, asks whether to go on.
    void CheckEntries();
    void Export(bool sendByMail);
    std::vector<Finding> Findings();
    // Opens the dialog that mends what the finding is about.
    void Mend(const Finding& finding);
    // None for a meet that is only shown.
    FindingsDialog::Mender MenderIfEditable();
    void RefreshGlance();
    void ShowExportStatus(const std::string& dsvPath, const std::string& pdfPath);
    void ClearExportStatus();

    void ParticipantSelectionChanged(const QItemSelection& selected);
    void EditParticipant(QTreeWidgetItem* item);
    // Each true when the user changed the record with OK.
    bool EditParticipant(ParticipantItem participant);
    void EditOfficial(QTreeWidgetItem* item);
    bool EditOfficial(const Official& official);
    void EditEntry(QTreeWidgetItem* item);
    bool EditEntry(ParticipantItem participant, const Event& event);
    void ShowDeleteMenu(QTreeWidget& list, const QPoint& position, void (MainWindow::*remove)());
    void DeleteParticipant();
    void DeleteOfficial();

    MessageBoxSink messages_;
    // What the rows of the participants list show; rebuilt with the list.
    std::vector<ParticipantItem> participantItems_;
    WorkingFileCycle cycle_;
    Mailer& mailer_;
    OpenFileChooser chooseFile_;
    OpenFilesChooser chooseFiles_;
    std::unique_ptr<ResultStore> results_;
    std::function<Date()> today_;

    QWidget* form_ = nullptr;
    QGroupBox* eventBox_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* dateAndPlace_ = nullptr;
    QPushButton* clubData_ = nullptr;
    QPushButton* newSwimmer_ = nullptr;
    QPushButton* newTeam_ = nullptr;
    QPushButton* newOfficial_ = nullptr;
    QTreeWidget* participants_ = nullptr;
    QTreeWidget* entries_ = nullptr;
    int distanceColumnWidth_ = 0;  // for format 5
    QTreeWidget* officials_ = nullptr;
    QAction* export_ = nullptr;
    QAction* mail_ = nullptr;
    QAction* takeOver_ = nullptr;
    QAction* check_ = nullptr;
    QAction* fillTimes_ = nullptr;
    MeetGlancePanel* glance_ = nullptr;
    ExportStatusLine* exportStatus_ = nullptr;
};

}  // namespace natarix
