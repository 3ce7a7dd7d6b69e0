#include "Checks.h"
#include "times/TimeTexts.h"

namespace natarix::check {

void CheckAgainstBestTimes(const Context& context, const Event& event, const Swimmer& swimmer,
                           std::int64_t entryHundredths, const Finding& entry, Findings& findings)
{
    const KnownTimes known = KnownTimesFor(context.meet, event, swimmer, context.results->CandidatesFor(swimmer));
    if (!known.fastest)
        return;
    Finding finding = entry;
    const std::string time = ShownTimeText(entryHundredths);
    if (entryHundredths < known.fastest->swim.hundredths) {
        finding.text +=
            ": Die Meldezeit " + time + " ist schneller als die beste bekannte Zeit, " + BestTimeNote(*known.fastest);
        finding.advice = "Die Meldezeit prüfen: der Ausrichter kann verlangen, dass sie nachgewiesen wird.";
        findings.push_back(std::move(finding));
    } else if (!known.best || entryHundredths < known.best->swim.hundredths) {
        finding.text += ": Die Meldezeit stützt sich auf eine Zeit, die älter als zwölf Monate ist, " +
                        BestTimeNote(*known.fastest);
        finding.advice = known.best ? "Die Bestzeit der letzten zwölf Monate melden: " + BestTimeNote(*known.best) + "."
                                    : "Eine Zeit der letzten zwölf Monate melden, wenn es eine gibt.";
        findings.push_back(std::move(finding));
    }
}

}  // namespace natarix::check
