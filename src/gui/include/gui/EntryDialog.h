#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/Event.h"
#include "model/Participant.h"
#include "times/BestTimes.h"

class QCheckBox;

namespace natarix {

class ClubEntries;
class EntryTimeField;
class LineUpFields;

// "Meldung bearbeiten": enters a swimmer or relay team into one event with an
// entry time, or takes the entry back. OK settles the entry time, which the
// caller then sets; cancel leaves it empty. A swimmer sees the mandatory time
// that applies, where the meet has one, and the best time of the last
// twelve months, where one is known, to take with one click. Given the club side of a meet of
// formats 6 to 8, a relay team's dialog also names the swimmers of its legs.
class EntryDialog : public QDialog {
    Q_OBJECT

public:
    EntryDialog(const Swimmer& swimmer, const Event& event, QWidget* parent = nullptr,
                const std::optional<BestTime>& best = std::nullopt);
    EntryDialog(const Team& team, const Event& event, QWidget* parent = nullptr,
                const ClubEntries* lineUpFrom = nullptr);
    ~EntryDialog() override;

    void accept() override;

    // After OK: the time to enter the participant with; empty takes the entry back.
    const std::string& entryTime() const { return entryTime_; }
    // After OK in a relay team's dialog: the team with the entry set and, where
    // the dialog showed the legs, their line-up; an entry taken back drops it.
    Team ChangedTeam() const;

private:
    EntryDialog(const std::string& participantLine, const Entrant& participant, const Event& event,
                const std::string& mandatoryTimeLine, const Team* team, const ClubEntries* lineUpFrom, QWidget* parent,
                const std::optional<BestTime>& best = std::nullopt);

    const Team* team_;
    std::string eventNumber_;
    QCheckBox* enter_;
    EntryTimeField* timeField_;
    std::unique_ptr<LineUpFields> lineUp_;
    std::string entryTime_;
    std::vector<std::int32_t> legs_;
};

}  // namespace natarix
