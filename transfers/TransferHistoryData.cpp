#include "transfers/TransferHistoryData.h"

#include <vector>

#include "core/FrameworkResources.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Predicate.h"

namespace fv {

namespace {

// The day with its non-dictionary records dropped and a non-array "Records" made empty; `mended`
// counts each change.
Value wellFormedDay(const Value& day, std::size_t& mended) {
    const std::size_t before = mended;
    Value::Array records;
    if (const Value::Array* given = day["Records"].asArray()) {
        for (const Value& record : *given) {
            if (record.isDictionary())
                records.push_back(record);
            else
                ++mended;
        }
    } else {
        ++mended;
    }
    if (mended == before) return day;
    Value out = day;
    out.set("Records", std::move(records));
    return out;
}

std::size_t recordCount(const Value& days) {
    std::size_t count = 0;
    if (const Value::Array* array = days.asArray())
        for (const Value& day : *array) count += day["Records"].size();
    return count;
}

}  // namespace

void TransferHistoryData::loadTransferHistory() {
    const auto days = readFrameworkArray("TransferHistory");
    if (!days) log("TransferHistory.plist could not be read; the transfer history is empty");
    loadTransferHistory(days.value_or(Value::Array{}));
}

void TransferHistoryData::loadTransferHistory(const Value& days) {
    Value::Array loaded;
    std::size_t mended = 0;
    if (const Value::Array* array = days.asArray()) {
        for (const Value& day : *array) {
            if (day.isDictionary())
                loaded.push_back(wellFormedDay(day, mended));
            else
                ++mended;
        }
    } else {
        ++mended;
    }
    if (mended > 0) log("TransferHistory.plist: " + std::to_string(mended) + " malformed entries left out");
    transferHistotyTransactions_ = loaded;
    filteredTransferHistotyTransactions_ = transferHistotyTransactions_;
}

long TransferHistoryData::numberOfSections() const {
    const std::size_t days = filteredTransferHistotyTransactions_.size();
    return days == 0 ? 1 : static_cast<long>(days);
}

long TransferHistoryData::numberOfRowsInSection(long section) const {
    return static_cast<long>(dayForSection(section)["Records"].size());
}

const Value& TransferHistoryData::dayForSection(long section) const {
    if (section < 0) return Value::null();
    return filteredTransferHistotyTransactions_[static_cast<std::size_t>(section)];
}

const Value& TransferHistoryData::recordAtIndexPath(long section, long row) const {
    if (row < 0) return Value::null();
    return dayForSection(section)["Records"][static_cast<std::size_t>(row)];
}

bool TransferHistoryData::typesSegmentChanged(long selectedSegmentIndex) {
    switch (selectedSegmentIndex) {
        case 0:
            filteredTransferHistotyTransactions_ = transferHistotyTransactions_;
            return true;
        case 1:
            filterTransactionByTypeWithType(kCardToCard);
            return true;
        case 2:
            filterTransactionByTypeWithType(kCardToBank);
            return true;
        default:
            return false;
    }
}

void TransferHistoryData::filterTransactionByTypeWithType(const std::string& type) {
    const NSPredicate sameType = NSPredicate::equals("SELF.type", type);
    Value::Array result;
    for (const Value& day : *transferHistotyTransactions_.asArray()) {
        const Value::Array* records = day["Records"].asArray();
        if (!records || records->empty()) continue;
        std::vector<Value> kept = filter(*records, sameType);
        if (kept.empty()) continue;
        // Filtered days carry only these two keys, whatever else the file's day holds. Built in place:
        // moving a temporary in sets off GCC 12's false maybe-uninitialized at -O2.
        result.emplace_back(
            Value::Dictionary{{"Date", day["Date"]}, {"Records", Value::Array(std::move(kept))}});
    }
    // A filter that finds nothing keeps the last result on screen.
    if (!result.empty()) filteredTransferHistotyTransactions_ = Value::Array(std::move(result));
    logShownCounts(type);
}

void TransferHistoryData::logShownCounts(const std::string& type) const {
    log("Transfer history filtered by \"" + type +
        "\" shows days: " + std::to_string(filteredTransferHistotyTransactions_.size()) +
        ", transfers: " + std::to_string(recordCount(filteredTransferHistotyTransactions_)));
}

}  // namespace fv
