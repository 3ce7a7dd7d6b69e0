#include "gui/EntryDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "DialogParts.h"
#include "LineUpFields.h"
#include "gui/EntryTimeField.h"
#include "model/Labels.h"
#include "times/TimeTexts.h"

namespace natarix {

namespace {

// "Wettkampf 3: 100m F W", in formats 6 to 8 with exercise and round where
// they matter: "Wettkampf 3: 100m F W Vorlauf".
std::string EventLine(const Event& event)
{
    const std::string exerciseAndRound = ExerciseAndRound(event);
    return "Wettkampf " + event.number + ": " + DistanceLabel(event, event.IsRelay()) + " " + event.sex +
           (exerciseAndRound.empty() ? "" : " " + exerciseAndRound);
}

std::string MandatoryTimeLine(const Swimmer& swimmer, const Event& event)
{
    const MandatoryTime* mandatory = event.MandatoryTimeFor(swimmer);
    return mandatory == nullptr ? std::string() : "Pflichtzeit: " + mandatory->time;
}

}  // namespace

EntryDialog::EntryDialog(const Swimmer& swimmer, const Event& event, QWidget* parent,
                         const std::optional<BestTime>& best)
    : EntryDialog("Teilnehmer: " + swimmer.surname + ", " + swimmer.firstName, swimmer, event,
                  MandatoryTimeLine(swimmer, event), nullptr, nullptr, parent, best)
{
}

EntryDialog::EntryDialog(const Team& team, const Event& event, QWidget* parent, const ClubEntries* lineUpFrom)
    : EntryDialog("Staffel: " + TeamLabel(team), team, event, std::string(), &team, lineUpFrom, parent)
{
}

EntryDialog::~EntryDialog() = default;

EntryDialog::EntryDialog(const std::string& participantLine, const Entrant& participant, const Event& event,
                         const std::string& mandatoryTimeLine, const Team* team, const ClubEntries* lineUpFrom,
                         QWidget* parent, const std::optional<BestTime>& best)
    : QDialog(parent), team_(team), eventNumber_(event.number)
{
    SetUpDialog(*this, "entryDialog", QStringLiteral("Meldung bearbeiten"));

    QLabel* participantLabel = MakeLabel(*this, "participantLabel", ToQString(participantLine));
    QLabel* eventLine = MakeLabel(*this, "eventLabel", ToQString(EventLine(event)));
    enter_ = new QCheckBox(QStringLiteral("Teilnehmer melden"), this);
    enter_->setObjectName(QStringLiteral("enterCheckBox"));
    enter_->setChecked(true);
    timeField_ = new EntryTimeField(this);
    timeField_->setObjectName(QStringLiteral("entryTimeEdit"));
    timeField_->setMinimumWidth(HorizontalUnits(*timeField_, 79));
    const std::string stored = participant.EntryTime(event.number);
    timeField_->setText(stored.empty() ? QStringLiteral("00:00,00") : ToQString(stored));

    if (team != nullptr && lineUpFrom != nullptr) {
        lineUp_ = std::make_unique<LineUpFields>(*this, *team, event, *lineUpFrom);
        connect(enter_, &QCheckBox::toggled, this, [this](bool entered) { lineUp_->SetEnabled(entered); });
    }

    // The best time with where and when it was swum, and beside the time
    // the button that takes it.
    QLabel* bestLabel = nullptr;
    QPushButton* takeBest = nullptr;
    const QString bestTime = best ? ToQString(EntryTimeText(best->swim.hundredths)) : QString();
    if (!bestTime.isEmpty()) {
        bestLabel = MakeLabel(*this, "bestTimeLabel", ToQString("Bestzeit: " + BestTimeNote(*best)));
        bestLabel->setWordWrap(true);
        bestLabel->setMaximumWidth(HorizontalUnits(*bestLabel, 240));
        takeBest = new QPushButton(QStringLiteral("Bestzeit übernehmen"), this);
        takeBest->setObjectName(QStringLiteral("takeBestTimeButton"));
        takeBest->setAutoDefault(false);
        connect(takeBest, &QPushButton::clicked, this, [this, bestTime] {
            enter_->setChecked(true);
            timeField_->setText(bestTime);
        });
    }

    const DialogButtons buttons = MakeDialogButtons(*this);

    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(MakeLabel(*this, "entryTimeLabel", QStringLiteral("Meldezeit:"), timeField_));
    timeRow->addWidget(timeField_, 1);
    if (takeBest != nullptr)
        timeRow->addWidget(takeBest);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(buttons.ok);
    buttonRow->addSpacing(HorizontalUnits(*this, 6));
    buttonRow->addWidget(buttons.cancel);
    buttonRow->addStretch();

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addWidget(participantLabel);
    column->addWidget(eventLine);
    if (!mandatoryTimeLine.empty())
        column->addWidget(MakeLabel(*this, "mandatoryTimeLabel", ToQString(mandatoryTimeLine)));
    column->addWidget(enter_);
    column->addLayout(timeRow);
    if (bestLabel != nullptr)
        column->addWidget(bestLabel);
    if (lineUp_ != nullptr)
        lineUp_->LayOut(*column);
    column->addSpacing(VerticalUnits(*this, 3));
    column->addLayout(buttonRow);

    // The check box comes first and so takes the focus when the dialog opens.
    if (takeBest != nullptr)
        SetTabOrder({enter_, timeField_, takeBest, buttons.ok, buttons.cancel});
    else
        SetTabOrder({enter_, timeField_, buttons.ok, buttons.cancel});
    if (lineUp_ != nullptr && !lineUp_->empty()) {
        QWidget* previous = timeField_;
        for (QWidget* leg : lineUp_->fields()) {
            QWidget::setTabOrder(previous, leg);
            previous = leg;
        }
        QWidget::setTabOrder(previous, buttons.ok);
    }
}

void EntryDialog::accept()
{
    const bool entered = enter_->isChecked();
    legs_.clear();
    if (entered && lineUp_ != nullptr) {
        auto legs = lineUp_->Read(*this);
        if (!legs)
            return;
        legs_ = std::move(*legs);
    }
    // Only digits are ever typed into a text that came from the model, so the
    // text converts back; it is stored without further test.
    entryTime_ = entered ? ToModelText(timeField_->text()).value() : std::string();
    QDialog::accept();
}

Team EntryDialog::ChangedTeam() const
{
    Team changed = *team_;
    changed.SetEntry(eventNumber_, entryTime_);
    // Legs are only read for an entry that stays.
    const bool anyLegNamed = std::any_of(legs_.begin(), legs_.end(), [](std::int32_t leg) { return leg != 0; });
    const bool legsShown = lineUp_ != nullptr && !lineUp_->empty();
    if (anyLegNamed)
        changed.lineUps[eventNumber_] = legs_;
    else if (entryTime_.empty() || legsShown)
        changed.lineUps.erase(eventNumber_);
    return changed;
}

}  // namespace natarix
