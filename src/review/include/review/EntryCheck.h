#pragma once

#include <string>
#include <variant>
#include <vector>

#include "model/ClubEntries.h"
#include "model/Date.h"
#include "model/MeetDefinition.h"
#include "times/BestTimes.h"

namespace natarix {

// The club's own data as what a finding concerns.
struct ClubDataSubject {
    bool operator==(const ClubDataSubject&) const = default;
};

// What a finding is about, so that the window can open the dialog that mends
// it; nothing for the deadline, which no dialog changes.
using FindingSubject = std::variant<std::monostate, ClubDataSubject, const Swimmer*, const Team*, const Official*>;

// One thing to look at before the entries are sent.
struct Finding {
    // An error makes the entry list unusable for the organiser (a field the
    // DSV standard demands, an entry its software refuses); a warning is
    // what the organiser may reject or charge for, or what the club should
    // look at once more.
    enum class Severity { Error, Warning };
    Severity severity = Severity::Warning;
    std::string text;    // who and what: "Lehmann, Ida (2014) – Wettkampf 3 (100 F W): ohne Meldezeit"
    std::string advice;  // what to do, a sentence
    FindingSubject subject;
    std::string eventNumber;  // the entry concerned; empty when the finding is about no entry
};

// Every finding in a fixed order: club data, deadline, officials, file
// names, swimmers, then each participant's entries and line-ups. `today`
// decides whether the entry deadline has passed; with `results`, entry
// times are also held against the swimmers' known times.
std::vector<Finding> CheckEntries(const MeetDefinition& meet, const ClubEntries& entries, const Date& today,
                                  const ResultSource* results = nullptr);

// "Fehler: <text>. <advice>" or "Warnung: …"
std::string FindingLine(const Finding& finding);
// Those of every finding, one a line, without a line break after the last.
std::string FindingLines(const std::vector<Finding>& findings);

bool HasErrors(const std::vector<Finding>& findings);

// The local calendar day as TT.MM.JJJJ.
Date Today();

}  // namespace natarix
