#include "gui/TeamDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>

#include "DialogParts.h"
#include "model/MeetDefinition.h"
#include "model/ValueTexts.h"

namespace natarix {

namespace {

// The JGAK texts of a team's class: "0" (open) or, for JG, a year of four
// digits; for AK an age ("20"), the least total age of a relay ("100+") or a
// youth class letter.
bool IsClassBound(const QString& text, bool byYear)
{
    static const QRegularExpression year(QRegularExpression::anchoredPattern(QStringLiteral("0|[0-9]{4}")));
    static const QRegularExpression age(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,3}\\+?|[ABCDEJ]")));
    return (byYear ? year : age).match(text).hasMatch();
}

std::string ClassBoundRule(std::string_view fieldName, bool byYear, bool mayBeEmpty)
{
    const std::string what = byYear ? "ein Jahrgang mit vier Ziffern" : "eine Altersklasse (wie 20, 100+ oder A)";
    return std::string("Im Feld \"")
        .append(fieldName)
        .append("\" muss ")
        .append(what)
        .append(mayBeEmpty ? ", 0 (offen) oder nichts stehen." : " oder 0 (offen) stehen.");
}

}  // namespace

TeamDialog::TeamDialog(Team& team, QWidget* parent, const MeetDefinition* meet)
    : QDialog(parent), team_(team), modern_(meet != nullptr && meet->formatVersion != 5)
{
    SetUpDialog(*this, "teamDialog", QStringLiteral("Staffel bearbeiten"));
    CheckTextsForFormatOf(*this, meet);
    if (modern_)
        LayOutModern();
    else
        LayOutFormat5();
}

void TeamDialog::LayOutFormat5()
{
    teamNumber_ = MakeDigitsField(*this, "teamNumberEdit", 86);
    teamNumber_->setText(ToQString(team_.teamNumber));
    auto* note = MakeLabel(*this, "formatNoteLabel",
                           QStringLiteral("Der Name und die Wertungsklasse werden\n"
                                          "nur als Kommentar zu den Meldungen\n"
                                          "hinzugefügt. Diese Angaben entsprechen\n"
                                          "nicht dem DSV-Format."));
    teamName_ = MakeTextField(*this, "teamNameEdit", 86);
    teamName_->setText(ToQString(team_.teamName));
    classLabel_ = MakeTextField(*this, "classLabelEdit", 86);
    classLabel_->setText(ToQString(team_.classLabel));

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

void TeamDialog::LayOutModern()
{
    teamNumber_ = MakeDigitsField(*this, "teamNumberEdit", 86);
    teamNumber_->setText(ToQString(team_.teamNumber));
    teamName_ = MakeTextField(*this, "teamNameEdit", 86);
    teamName_->setText(ToQString(team_.teamName));

    classType_ = new QComboBox(this);
    classType_->setObjectName(QStringLiteral("classTypeComboBox"));
    classType_->addItem(QStringLiteral("(wie Wettkampf)"), QString());
    classType_->addItem(QStringLiteral("Jahrgang (JG)"), QStringLiteral("JG"));
    classType_->addItem(QStringLiteral("Altersklasse (AK)"), QStringLiteral("AK"));
    classType_->setCurrentIndex(std::max(0, classType_->findData(ToQString(team_.classType))));
    classMinimum_ = MakeTextField(*this, "classMinimumEdit", 30, 4);
    classMinimum_->setText(ToQString(team_.classMinimum));
    classMaximum_ = MakeTextField(*this, "classMaximumEdit", 30, 4);
    classMaximum_->setText(ToQString(team_.classMaximum));
    const auto enableBounds = [this] {
        const bool hasClass = classType_->currentIndex() > 0;
        classMinimum_->setEnabled(hasClass);
        classMaximum_->setEnabled(hasClass);
    };
    enableBounds();
    connect(classType_, &QComboBox::currentIndexChanged, this, enableBounds);
    auto* note = MakeLabel(*this, "classNoteLabel",
                           QStringLiteral("Ohne Wertungsklasse gilt die des Wettkampfs;\n0 steht für offen."));

    const DialogButtons buttons = MakeDialogButtons(*this);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(MakeLabel(*this, "teamNumberLabel", QStringLiteral("Mannschaft"), teamNumber_), 0, 0);
    grid->addWidget(teamNumber_, 0, 1);
    grid->addWidget(MakeLabel(*this, "teamNameLabel", QStringLiteral("Name der Staffel"), teamName_), 1, 0);
    grid->addWidget(teamName_, 1, 1);
    grid->addWidget(MakeLabel(*this, "classTypeLabel", QStringLiteral("Wertungsklasse"), classType_), 2, 0);
    grid->addWidget(classType_, 2, 1, Qt::AlignLeft);
    grid->addWidget(MakeLabel(*this, "classMinimumLabel", QStringLiteral("Mindest-JG/AK"), classMinimum_), 3, 0);
    grid->addWidget(classMinimum_, 3, 1, Qt::AlignLeft);
    grid->addWidget(MakeLabel(*this, "classMaximumLabel", QStringLiteral("Maximale JG/AK"), classMaximum_), 4, 0);
    grid->addWidget(classMaximum_, 4, 1, Qt::AlignLeft);
    grid->addWidget(note, 5, 0, 1, 2);
    grid->setRowMinimumHeight(6, VerticalUnits(*this, 2));
    grid->addWidget(buttons.ok, 7, 0, Qt::AlignLeft);
    grid->addWidget(buttons.cancel, 7, 1, Qt::AlignLeft);

    SetTabOrder({teamNumber_, teamName_, classType_, classMinimum_, classMaximum_, buttons.ok, buttons.cancel});
}

void TeamDialog::accept()
{
    const auto teamNumber = ReadTextField(*this, *teamNumber_, "Mannschaft");
    if (!teamNumber)
        return;
    const auto teamName = ReadTextField(*this, *teamName_, modern_ ? "Name der Staffel" : "Name");
    if (!teamName)
        return;
    Team changed = team_;
    changed.teamNumber = TrimRight(*teamNumber);
    changed.teamName = TrimRight(*teamName);
    if (modern_) {
        // The Vereinsmeldeliste needs the number as a Zahl of 32 bits.
        if (changed.teamNumber.empty() || changed.teamNumber.size() > 9) {
            ShowCheckFailure(*this, "Im Feld \"Mannschaft\" muss eine Nummer mit höchstens neun Ziffern stehen.");
            teamNumber_->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (!ReadClass(changed))
            return;
    } else {
        const auto classLabel = ReadTextField(*this, *classLabel_, "Wertungsklasse");
        if (!classLabel)
            return;
        // No field is required: an empty team number is stored as it is.
        changed.classLabel = TrimRight(*classLabel);
    }
    team_ = std::move(changed);
    QDialog::accept();
}

bool TeamDialog::ReadClass(Team& changed)
{
    const QString type = classType_->currentData().toString();
    if (type.isEmpty()) {
        // The writer then takes the class of the relay's event.
        changed.classType.clear();
        changed.classMinimum.clear();
        changed.classMaximum.clear();
        return true;
    }
    const bool byYear = type == QStringLiteral("JG");
    const QString minimum = classMinimum_->text().trimmed().toUpper();
    const QString maximum = classMaximum_->text().trimmed().toUpper();
    if (!IsClassBound(minimum, byYear)) {
        ShowCheckFailure(*this, ClassBoundRule("Mindest-JG/AK", byYear, false));
        classMinimum_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // An empty maximum is the minimum's class, as the reader of the list takes it.
    if (!maximum.isEmpty() && !IsClassBound(maximum, byYear)) {
        ShowCheckFailure(*this, ClassBoundRule("Maximale JG/AK", byYear, true));
        classMaximum_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // What passed the check is ASCII.
    changed.classType = type.toStdString();
    changed.classMinimum = minimum.toStdString();
    changed.classMaximum = maximum.toStdString();
    return true;
}

}  // namespace natarix
