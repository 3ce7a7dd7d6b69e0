#include "gui/TakeOverDialog.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

#include "DialogParts.h"

namespace natarix {

namespace {

using Kind = RosterItem::Kind;

struct Group {
    Kind kind;
    const char* title;
};
constexpr std::array<Group, 4> kGroups = {{
    {Kind::Club, "Vereinsdaten"},
    {Kind::Swimmer, "Schwimmer"},
    {Kind::Team, "Staffeln"},
    {Kind::Official, "Kampfrichter"},
}};

QString MarkOf(const RosterItem& item)
{
    if (item.refusal)
        return ToQString(*item.refusal);
    QStringList marks;
    if (item.alreadyThere)
        marks << (item.kind == Kind::Club ? QStringLiteral("schon eingetragen, leere Felder werden ergänzt")
                                          : QStringLiteral("schon vorhanden, leere Felder werden ergänzt"));
    if (!item.cannotTakePart.empty())
        marks << ToQString(item.cannotTakePart);
    return marks.join(QStringLiteral("; "));
}

}  // namespace

TakeOverDialog::TakeOverDialog(std::vector<RosterItem> items, const QString& fileName, QWidget* parent)
    : QDialog(parent), items_(std::move(items))
{
    SetUpDialog(*this, "takeOverDialog", QStringLiteral("Übernehmen aus Meldeliste"));
    auto* intro = new QLabel(QStringLiteral("Aus „%1“ übernehmen:").arg(fileName), this);
    intro->setObjectName(QStringLiteral("introLabel"));

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("rosterTree"));
    tree_->setHeaderLabels({QStringLiteral("Eintrag"), QStringLiteral("Hinweis")});
    tree_->setRootIsDecorated(true);
    tree_->setMinimumSize(HorizontalUnits(*tree_, 420), VerticalUnits(*tree_, 200));
    tree_->header()->resizeSection(0, HorizontalUnits(*tree_, 170));
    rows_.resize(items_.size());
    for (const Group& group : kGroups) {
        QTreeWidgetItem* groupRow = nullptr;
        int count = 0;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const RosterItem& item = items_[i];
            if (item.kind != group.kind)
                continue;
            if (groupRow == nullptr) {
                groupRow = new QTreeWidgetItem(tree_);
                groupRow->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
            }
            auto* row = new QTreeWidgetItem(groupRow, {ToQString(item.record), MarkOf(item)});
            row->setToolTip(1, row->text(1));
            const bool takeable = !item.refusal;
            row->setFlags(takeable ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::ItemFlags());
            row->setCheckState(0, takeable && item.cannotTakePart.empty() ? Qt::Checked : Qt::Unchecked);
            rows_[i] = row;
            ++count;
        }
        if (groupRow != nullptr) {
            groupRow->setText(0, QStringLiteral("%1 (%2)").arg(QString::fromUtf8(group.title)).arg(count));
            groupRow->setExpanded(true);
        }
    }

    entries_ = new QCheckBox(QStringLiteral("Meldungen zu passenden Wettkämpfen mit übernehmen"), this);
    entries_->setObjectName(QStringLiteral("entriesCheckBox"));

    const DialogButtons buttons = MakeDialogButtons(*this);
    buttons.ok->setText(QStringLiteral("Übernehmen"));
    auto* form = new QVBoxLayout;
    form->addWidget(intro);
    form->addWidget(tree_);
    form->addWidget(entries_);
    LayOutFormBesideButtons(*this, form, buttons, 6);
    SetTabOrder({tree_, entries_, buttons.ok, buttons.cancel});
}

TakeOverOptions TakeOverDialog::options() const
{
    TakeOverOptions options;
    options.entries = entries_->isChecked();
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (rows_[i]->checkState(0) != Qt::Checked)
            options.leftOut.insert({items_[i].kind, items_[i].index});
    return options;
}

}  // namespace natarix
