#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "model/Participant.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;

namespace natarix {

class MeetDefinition;

// "Teilnehmer bearbeiten": name, sex, year of birth and registration number
// of one swimmer. The swimmer changes only on an OK that passes the checks.
// With the meet given, OK asks about the entries that the change makes
// impossible in it: to delete them, to keep them, or to go back.
//
// On a meet of formats 6 to 8 the number is the DSV-ID, the sex may be
// diverse, and up to three nationalities and the coach come with it. The
// coach is picked from the club's coaches by name or named anew; the caller
// turns the name into the coach's number (ClubEntries::CoachNumber).
class SwimmerDialog : public QDialog {
    Q_OBJECT

public:
    explicit SwimmerDialog(Swimmer& swimmer, QWidget* parent = nullptr, const MeetDefinition* meet = nullptr,
                           const std::vector<Coach>& coaches = {});

    void accept() override;

    // After OK on a meet of formats 6 to 8: the coach's name, trimmed, or
    // empty for none. Nothing on a format-5 meet.
    const std::optional<std::string>& chosenCoach() const { return chosenCoach_; }

    static constexpr std::size_t kNationalities = 3;

private:
    // The DSV-ID: six digits, or 0 or nothing when it is not known.
    std::optional<std::string> ReadDsvId();
    // The nationalities filled in, in order; nullopt after a refusal.
    std::optional<std::vector<std::string>> ReadNationalities();

    // False when the user goes back to the dialog.
    bool SettleEntriesBarredBy(Swimmer& changed);

    Swimmer& swimmer_;
    const MeetDefinition* meet_;
    QLineEdit* surname_;
    QLineEdit* firstName_;
    QRadioButton* male_;
    QRadioButton* female_;
    QRadioButton* diverse_ = nullptr;
    QDateEdit* yearOfBirth_;
    QLineEdit* registrationNumber_;
    std::array<QLineEdit*, kNationalities> nationalities_{};
    QComboBox* coach_ = nullptr;
    int shownYear_;
    std::optional<std::string> chosenCoach_;
};

}  // namespace natarix
