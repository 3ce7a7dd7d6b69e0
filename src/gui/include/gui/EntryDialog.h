#pragma once

#include <QDialog>
#include <string>

#include "model/Event.h"
#include "model/Participant.h"

class QCheckBox;

namespace natarix {

class EntryTimeField;

// "Meldung bearbeiten": enters a swimmer or relay team into one event with an
// entry time, or takes the entry back. OK sets or removes the participant's
// entry for the event; cancel changes nothing.
class EntryDialog : public QDialog {
    Q_OBJECT

public:
    EntryDialog(Swimmer& swimmer, const Event& event, QWidget* parent = nullptr);
    EntryDialog(Team& team, const Event& event, QWidget* parent = nullptr);

    void accept() override;

private:
    EntryDialog(const std::string& participantLine, Entrant& participant, const Event& event, QWidget* parent);

    Entrant& participant_;
    const Event& event_;
    QCheckBox* enter_;
    EntryTimeField* entryTime_;
};

}  // namespace natarix
