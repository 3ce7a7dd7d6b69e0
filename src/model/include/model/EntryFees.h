#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/ClubEntries.h"
#include "model/MeetDefinition.h"

namespace natarix {

// Cents as euros, a comma and two digits of cents, without thousands
// separator or currency sign: 5 -> "0,05", 123456 -> "1234,56". A negative
// amount gets a leading "-".
std::string FormatAmount(std::int64_t cents);

// Fee arithmetic on amounts and counts that are not negative: held at the
// largest 64-bit value instead of overflowing.
std::int64_t SaturatingProduct(std::int64_t amount, std::int64_t count);
std::int64_t SaturatingSum(std::int64_t a, std::int64_t b);

// The entries that one row of the entry form's fee table charges.
struct FeeRow {
    std::int64_t count = 0;
    // The fee per entry in cents, 0 for none; empty for a row that joins
    // entries of different fees.
    std::optional<std::int64_t> fee;
    std::int64_t sum = 0;
    // The events whose own fee the row charges, or the sections the section
    // fee charges; empty for the other rows.
    std::set<NumberKey, NumberKeyLess> numbers;
};

// The club's entries by what they cost. An entry in an event with its own fee
// ("WKMELDEGELD:") costs that fee instead of the individual or relay fee; one
// that costs the same either way stays in its individual or relay row, so a
// meet without own fees keeps just those two rows. Fees of 0 or less cost
// nothing. Sums saturate at the largest 64-bit value.
//
// Formats 6 to 8 add fees of their own kinds, each present only when the meet
// asks for more than 0: per swimmer with an entry, per section with an entry,
// and per team of a team competition. The club's entries cannot say which of
// its teams such a competition counts, so that fee is only named, not summed.
// The flat fee is charged once, which is what both of its meanings (per entry
// file in format 7, per club in format 8) come to for one club's entries.
struct EntryFees {
    FeeRow individual;
    FeeRow relay;
    std::vector<FeeRow> ownFees;  // one per amount, ascending
    std::optional<FeeRow> perSwimmer;
    std::optional<FeeRow> perSection;
    std::optional<std::int64_t> perTeam;
    std::int64_t total = 0;  // including the flat fee, without the team fee
};
EntryFees ComputeEntryFees(const MeetDefinition& meet, const ClubEntries& entries);

// At most `rows` own-fee rows: the last one joins all that do not fit.
void JoinOwnFeeRows(EntryFees& fees, std::size_t rows);

}  // namespace natarix
