#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/ClubEntries.h"
#include "model/Event.h"

class QBoxLayout;
class QComboBox;
class QDialog;
class QLabel;
class QWidget;

namespace natarix {

// The line-up of a relay entry on a meet of formats 6 to 8: one row per leg
// ("1. Schwimmer" …), each offering "(offen)" and the club's swimmers the
// event admits by sex. The legs name the swimmers by Veranstaltungs-ID,
// which the club side gives every swimmer it takes in.
class LineUpFields {
public:
    // No rows when the event's swimmer count is no number of legs a dialog
    // can show.
    LineUpFields(QWidget& parent, const Team& team, const Event& event, const ClubEntries& entries);

    bool empty() const { return legs_.empty(); }
    // Adds the rows to the dialog's column.
    void LayOut(QBoxLayout& column) const;
    const std::vector<QComboBox*>& fields() const { return legs_; }
    void SetEnabled(bool enabled);

    // The swimmers of the legs (0: open), or nullopt after the dialog has
    // said which leg is wrong; the focus then goes to it.
    std::optional<std::vector<std::int32_t>> Read(QDialog& dialog) const;

private:
    const Event& event_;
    const ClubEntries& entries_;
    QLabel* heading_ = nullptr;
    std::vector<QLabel*> labels_;
    std::vector<QComboBox*> legs_;
};

}  // namespace natarix
