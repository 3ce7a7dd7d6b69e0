#include "gui/TeamDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogParts.h"
#include "model/ValueTexts.h"

namespace natarix {

TeamDialog::TeamDialog(Team& team, QWidget* parent) : QDialog(parent), team_(team)
{
    SetUpDialog(*this, "teamDialog", QStringLiteral("Staffel bearbeiten"));

    teamNumber_ = MakeDigitsField(*this, "teamNumberEdit", 86);
    teamNumber_->setText(ToQString(team.teamNumber));
    auto* note = MakeLabel(*this, "formatNoteLabel",
                           QStringLiteral("Der Name und die Wertungsklasse werden\n"
                                          "nur als Kommentar zu den Meldungen\n"
                                          "hinzugefügt. Diese Angaben entsprechen\n"
                                          "nicht dem DSV-Format."));
    teamName_ = MakeTextField(*this, "teamNameEdit", 86);
    teamName_->setText(ToQString(team.teamName));
    classLabel_ = MakeTextField(*this, "classLabelEdit", 86);
    classLabel_->setText(ToQString(team.classLabel));

    const DialogButtons buttons = MakeDialogButtons(*this);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(MakeLabel(*this, "teamNumberLabel", QStringLiteral("Mannschaft"), teamNumber_), 0, 0);
    grid->addWidget(teamNumber_, 0, 1);
    grid->addWidget(note, 1, 0, 1, 2);
    grid->addWidget(MakeLabel(*this, "teamNameLabel", QStringLiteral("Name"), teamName_), 2, 0);
    grid->addWidget(teamName_, 2, 1);
    grid->addWidget(MakeLabel(*this, "classLabelLabel", QStringLiteral("Wertungsklasse"), classLabel_), 3, 0);
    grid->addWidget(classLabel_, 3, 1);
    grid->setRowMinimumHeight(4, VerticalUnits(*this, 2));
    grid->addWidget(buttons.ok, 5, 0, Qt::AlignLeft);
    grid->addWidget(buttons.cancel, 5, 1, Qt::AlignLeft);

    SetTabOrder({teamNumber_, teamName_, classLabel_, buttons.ok, buttons.cancel});
}

void TeamDialog::accept()
{
    const auto teamNumber = ReadTextField(*this, *teamNumber_, "Mannschaft");
    if (!teamNumber)
        return;
    const auto teamName = ReadTextField(*this, *teamName_, "Name");
    if (!teamName)
        return;
    const auto classLabel = ReadTextField(*this, *classLabel_, "Wertungsklasse");
    if (!classLabel)
        return;
    // No field is required: an empty team number is stored as it is.
    team_.teamName = TrimRight(*teamName);
    team_.teamNumber = TrimRight(*teamNumber);
    team_.classLabel = TrimRight(*classLabel);
    QDialog::accept();
}

}  // namespace natarix
