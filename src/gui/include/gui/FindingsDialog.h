#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "review/EntryCheck.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace natarix {

// The check's findings as one list, errors first. A double-click on a row
// opens what mends it; the list is then checked anew. Before an export the
// dialog asks whether to export all the same.
class FindingsDialog : public QDialog {
    Q_OBJECT

public:
    enum class Purpose { Check, Export };
    // Opens the dialog that mends the finding and returns the findings of
    // the check made afterwards.
    using Mender = std::function<std::vector<Finding>(const Finding&)>;

    FindingsDialog(std::vector<Finding> findings, Purpose purpose, Mender mend, QWidget* parent = nullptr);

    // Whether to export despite the findings; true at once when there are
    // none. Where message boxes are recorded, the question is one of them.
    static bool AskBeforeExport(std::vector<Finding> findings, Mender mend, QWidget* parent);

private:
    void Fill();
    void Mend(QTreeWidgetItem* row);

    std::vector<Finding> findings_;
    Purpose purpose_;
    Mender mend_;
    QLabel* summary_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* detail_ = nullptr;
    QPushButton* accept_ = nullptr;
};

}  // namespace natarix
