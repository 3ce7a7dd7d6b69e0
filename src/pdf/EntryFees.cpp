#include "EntryFees.h"

#include <map>

#include "pdf/EntryFormPage.h"

namespace natarix {

namespace {

std::int64_t Charged(std::int64_t fee)
{
    return fee > 0 ? fee : 0;
}

void Complete(FeeRow& row)
{
    row.sum = SaturatingProduct(row.fee.value_or(0), row.count);
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
                row.events.insert(entry.first);
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
        joined.events.insert(row.events.begin(), row.events.end());
    }
    fees.ownFees.resize(rows);
}

}  // namespace natarix
