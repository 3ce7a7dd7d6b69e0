#pragma once

#include <QDialog>
#include <vector>

#include "roster/TakeOver.h"

class QCheckBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace natarix {

// The checklist of an earlier entry list: club data, swimmers, teams and
// officials in groups, each with its mark (already recorded here, no event
// admits it, a text the meet cannot carry). What may be taken and takes part
// comes ticked; a record the meet cannot carry cannot be ticked.
class TakeOverDialog : public QDialog {
    Q_OBJECT

public:
    TakeOverDialog(std::vector<RosterItem> items, const QString& fileName, QWidget* parent = nullptr);

    // What the ticks and the entries box ask for.
    TakeOverOptions options() const;

private:
    std::vector<RosterItem> items_;
    QTreeWidget* tree_ = nullptr;
    QCheckBox* entries_ = nullptr;
    // The row of each item, in the order of items_.
    std::vector<QTreeWidgetItem*> rows_;
};

}  // namespace natarix
