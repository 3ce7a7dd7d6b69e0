#include "LineUpFields.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <string>
#include <utility>

#include "DialogParts.h"
#include "model/Labels.h"
#include "model/ValueTexts.h"

namespace natarix {

namespace {

// More legs would not fit a dialog; real relays have up to ten.
constexpr std::int32_t kMostLegs = 40;
constexpr std::size_t kLegsPerColumn = 10;

std::string LegName(std::size_t leg)
{
    return std::to_string(leg + 1) + ". Schwimmer";
}

std::string SwimmerName(const Swimmer& swimmer)
{
    return swimmer.surname + ", " + swimmer.firstName;
}

QString SwimmerItem(const Swimmer& swimmer)
{
    return ToQString(SwimmerLabel(swimmer));
}

// Why the leg may not name that swimmer after the legs before it; nullopt
// when it may.
std::optional<std::string> LegFault(const Event& event, const ClubEntries& entries, std::size_t leg,
                                    std::int32_t meetId, const std::vector<std::int32_t>& earlier)
{
    if (meetId == 0)
        return std::nullopt;
    const std::string field = "Im Feld \"" + LegName(leg) + "\"";
    const Swimmer* swimmer = entries.FindSwimmer(meetId);
    if (swimmer == nullptr)
        return field + " steht niemand aus dem Verein.";
    if (!event.IsOpenTo(swimmer->sex))
        return field + ": " + SwimmerName(*swimmer) + " passt nicht zum Geschlecht des Wettkampfs (" + event.sex + ").";
    const auto before = std::find(earlier.begin(), earlier.end(), meetId);
    if (before != earlier.end())
        return field + ": " + SwimmerName(*swimmer) + " schwimmt schon als " +
               LegName(static_cast<std::size_t>(before - earlier.begin())) + ".";
    return std::nullopt;
}

}  // namespace

LineUpFields::LineUpFields(QWidget& parent, const Team& team, const Event& event, const ClubEntries& entries)
    : event_(event), entries_(entries)
{
    const std::int32_t count = NumberValue(event.swimmerCount);
    if (count < 2 || count > kMostLegs)
        return;
    // Every swimmer the club side holds has a Veranstaltungs-ID; 0 would be an open leg.
    std::vector<std::pair<QString, std::int32_t>> offered;
    for (const auto& swimmer : entries.swimmers())
        if (swimmer->meetId != 0 && event.IsOpenTo(swimmer->sex))
            offered.emplace_back(SwimmerItem(*swimmer), swimmer->meetId);
    std::stable_sort(offered.begin(), offered.end(),
                     [](const auto& a, const auto& b) { return QString::localeAwareCompare(a.first, b.first) < 0; });
    const auto stored = team.lineUps.find(event.number);

    heading_ = MakeLabel(parent, "lineUpLabel", QStringLiteral("Aufstellung:"));
    for (std::size_t leg = 0; leg < static_cast<std::size_t>(count); ++leg) {
        auto* field = new QComboBox(&parent);
        field->setObjectName(QStringLiteral("leg%1ComboBox").arg(leg + 1));
        field->setMaxVisibleItems(15);
        field->addItem(QStringLiteral("(offen)"), 0);
        for (const auto& [text, meetId] : offered)
            field->addItem(text, meetId);
        const std::int32_t named =
            stored != team.lineUps.end() && leg < stored->second.size() ? stored->second[leg] : 0;
        int index = field->findData(named);
        if (index < 0) {
            // A swimmer the event does not admit, or one the club does not
            // have, stays in view, so that OK can name the fault.
            const Swimmer* swimmer = entries.FindSwimmer(named);
            field->addItem(swimmer != nullptr ? SwimmerItem(*swimmer)
                                              : QStringLiteral("(nicht im Verein: Veranstaltungs-ID %1)").arg(named),
                           named);
            index = field->count() - 1;
        }
        field->setCurrentIndex(index);
        const std::string labelName = "leg" + std::to_string(leg + 1) + "Label";
        labels_.push_back(MakeLabel(parent, labelName.c_str(), ToQString(LegName(leg)), field));
        legs_.push_back(field);
    }
}

void LineUpFields::LayOut(QBoxLayout& column) const
{
    if (legs_.empty())
        return;
    column.addWidget(heading_);
    auto* grid = new QGridLayout;
    column.addLayout(grid);
    for (std::size_t leg = 0; leg < legs_.size(); ++leg) {
        const int row = static_cast<int>(leg % kLegsPerColumn);
        const int gridColumn = 2 * static_cast<int>(leg / kLegsPerColumn);
        grid->addWidget(labels_[leg], row, gridColumn);
        grid->addWidget(legs_[leg], row, gridColumn + 1, Qt::AlignLeft);
    }
}

void LineUpFields::SetEnabled(bool enabled)
{
    for (QComboBox* leg : legs_)
        leg->setEnabled(enabled);
}

std::optional<std::vector<std::int32_t>> LineUpFields::Read(QDialog& dialog) const
{
    std::vector<std::int32_t> legs;
    for (std::size_t leg = 0; leg < legs_.size(); ++leg) {
        const std::int32_t meetId = legs_[leg]->currentData().toInt();
        if (auto fault = LegFault(event_, entries_, leg, meetId, legs)) {
            ShowCheckFailure(dialog, std::move(*fault));
            legs_[leg]->setFocus(Qt::OtherFocusReason);
            return std::nullopt;
        }
        legs.push_back(meetId);
    }
    return legs;
}

}  // namespace natarix
