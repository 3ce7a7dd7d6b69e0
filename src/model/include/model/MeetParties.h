#pragma once

#include <string>

#include "model/Address.h"
#include "model/Date.h"

namespace natarix {

// What formats 6 to 8 tell beyond format 5 about who runs the meet and how
// it is paid; shown to the club, never needed to enter.

// "AUSRICHTER": the club that hosts the meet and its contact person, whose
// name stands in `contact.name` ("Nachname, Vorname").
struct Host {
    std::string name;
    Address contact;
};

// "BANKVERBINDUNG". The holder is a field from format 8 on; older lists
// of one producer name it in a comment only, and then it stays empty.
struct BankAccount {
    std::string bankName;
    std::string iban;
    std::string bic;
    std::string holder;
};

// "NACHWEIS": the period in which entry times must have been swum, and on
// which course ("25", "50", "FW", "AL").
struct QualifyingWindow {
    Date from;
    Date until;  // empty: up to the entry deadline
    std::string course;
};

}  // namespace natarix
