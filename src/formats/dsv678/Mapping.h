#pragma once

#include "dsv678/Document.h"
#include "model/MeetDefinition.h"
#include "model/Messages.h"

namespace natarix::dsv678 {

// The steps from a validated document to the meet model, in this order:
// events need their sections, classes and fees their events.
void MapMeetElements(const Document& document, MeetDefinition& meet);
void MapSections(const Document& document, MeetDefinition& meet);
void MapEvents(const Document& document, MeetDefinition& meet);
void MapClassesAndTimes(const Document& document, MeetDefinition& meet);
void MapFees(const Document& document, MeetDefinition& meet);

// The meet, sections and events a Vereinsmeldeliste copies from its
// definition list, as far as it carries them (no classes, no fees).
void MapListedMeet(const Document& entryList, MeetDefinition& meet);

// The reader's warnings as the model shows them, one plain message each.
std::vector<Message> PlainMessages(const std::vector<Diagnostic>& warnings);

// Who a class takes, from its Wertungsklasse Typ and its two JGAK texts:
// sets the kind and its years or ages.
void SetClassLimits(ScoringClass& scoringClass);

}  // namespace natarix::dsv678
