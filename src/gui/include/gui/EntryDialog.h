#pragma once

#include <QDialog>
#include <string>

#include "model/Event.h"
#include "model/Participant.h"

class QCheckBox;

namespace natarix {

class EntryTimeField;

// "Meldung bearbeiten": enters a swimmer or relay team into one event with an
// entry time, or takes the entry back. OK settles the entry time, which the
// caller then sets; cancel leaves it empty. A swimmer sees the mandatory time
// that applies, where the meet has one.
class EntryDialog : public QDialog {
    Q_OBJECT

public:
    EntryDialog(const Swimmer& swimmer, const Event& event, QWidget* parent = nullptr);
    EntryDialog(const Team& team, const Event& event, QWidget* parent = nullptr);

    void accept() override;

    // After OK: the time to enter the participant with; empty takes the entry back.
    const std::string& entryTime() const { return entryTime_; }

private:
    EntryDialog(const std::string& participantLine, const Entrant& participant, const Event& event,
                const std::string& mandatoryTimeLine, QWidget* parent);

    QCheckBox* enter_;
    EntryTimeField* timeField_;
    std::string entryTime_;
};

}  // namespace natarix
