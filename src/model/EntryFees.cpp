#include "model/EntryFees.h"

#include <limits>
#include <map>

namespace natarix {

std::string FormatAmount(std::int64_t cents)
{
    // The magnitude as unsigned, so that the lowest value has one too.
    const auto magnitude = cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    digits.insert(digits.size() - 2, 1, ',');
    return cents < 0 ? "-" + digits : digits;
}

std::int64_t SaturatingProduct(std::int64_t amount, std::int64_t count)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    return amount != 0 && count > kMax / amount ? kMax : amount * count;
}

std::int64_t SaturatingSum(std::int64_t a, std::int64_t b)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    return a > kMax - b ? kMax : a + b;
}

namespace {

std::int64_t Charged(std::int64_t fee)
{
    return fee > 0 ? fee : 0;
}

void Complete(FeeRow& row)
{
    row.sum = SaturatingProduct(row.fee.value_or(0), row.count);
}

// The amount of the meet's last fee line of that kind, as the mapping takes
// the last line for the three fees of format 5; nothing when it costs nothing.
std::optional<std::int64_t> ChargedFeeOf(const MeetDefinition& meet, Fee::Kind kind)
{
    std::optional<std::int64_t> found;
    for (const Fee& fee : meet.fees)
        if (fee.kind == kind)
            found = Charged(fee.cents);
    if (found == 0)
        found.reset();
    return found;
}

FeeRow PerSwimmerRow(const ClubEntries& entries, std::int64_t fee)
{
    FeeRow row;
    row.fee = fee;
    for (const auto& swimmer : entries.swimmers())
        if (!swimmer->entries.empty())
            ++row.count;
    Complete(row);
    return row;
}

// An entry whose event the meet lacks has no section; the entry sheets name it.
FeeRow PerSectionRow(const MeetDefinition& meet, const ClubEntries& entries, std::int64_t fee)
{
    FeeRow row;
    row.fee = fee;
    const auto collect = [&](const Entrant& participant) {
        for (const auto& entry : participant.entries)
            if (const Event* event = meet.FindEvent(entry.first))
                row.numbers.insert(event->sectionNumber);
    };
    for (const auto& swimmer : entries.swimmers())
        collect(*swimmer);
    for (const auto& team : entries.teams())
        collect(*team);
    row.count = static_cast<std::int64_t>(row.numbers.size());
    Complete(row);
    return row;
}

}  // namespace

EntryFees ComputeEntryFees(const MeetDefinition& meet, const ClubEntries& entries)
{
    EntryFees fees;
    fees.individual.fee = Charged(meet.individualFee);
    fees.relay.fee = Charged(meet.relayFee);
    std::map<std::int64_t, FeeRow> own;
    const auto charge = [&](const Entrant& participant, FeeRow& standard) {
        for (const auto& entry : participant.entries) {
            const Event* event = meet.FindEvent(entry.first);
            if (event != nullptr && event->hasOwnFee && Charged(event->ownFee) != *standard.fee) {
                FeeRow& row = own[Charged(event->ownFee)];
                ++row.count;
                row.numbers.insert(entry.first);
            } else {
                ++standard.count;
            }
        }
    };
    for (const auto& swimmer : entries.swimmers())
        charge(*swimmer, fees.individual);
    for (const auto& team : entries.teams())
        charge(*team, fees.relay);

    Complete(fees.individual);
    Complete(fees.relay);
    fees.total = SaturatingSum(fees.individual.sum, fees.relay.sum);
    for (auto& [fee, row] : own) {
        row.fee = fee;
        Complete(row);
        fees.total = SaturatingSum(fees.total, row.sum);
        fees.ownFees.push_back(std::move(row));
    }
    if (const auto fee = ChargedFeeOf(meet, Fee::Kind::PerParticipant)) {
        fees.perSwimmer = PerSwimmerRow(entries, *fee);
        fees.total = SaturatingSum(fees.total, fees.perSwimmer->sum);
    }
    if (const auto fee = ChargedFeeOf(meet, Fee::Kind::PerSection)) {
        fees.perSection = PerSectionRow(meet, entries, *fee);
        fees.total = SaturatingSum(fees.total, fees.perSection->sum);
    }
    fees.perTeam = ChargedFeeOf(meet, Fee::Kind::Team);
    fees.total = SaturatingSum(fees.total, Charged(meet.flatFee));
    return fees;
}

void JoinOwnFeeRows(EntryFees& fees, std::size_t rows)
{
    if (rows == 0 || fees.ownFees.size() <= rows)
        return;
    FeeRow& joined = fees.ownFees[rows - 1];
    joined.fee.reset();
    for (std::size_t i = rows; i < fees.ownFees.size(); ++i) {
        const FeeRow& row = fees.ownFees[i];
        joined.count += row.count;
        joined.sum = SaturatingSum(joined.sum, row.sum);
        joined.numbers.insert(row.numbers.begin(), row.numbers.end());
    }
    fees.ownFees.resize(rows);
}

}  // namespace natarix
