#pragma once
// The data behind the transfer history screen: the days of "TransferHistory.plist" as shipped, the
// list the table shows, and the filter by kind of transfer. Days and records keep the order of the
// file under every filter; nothing is grouped, sorted or parsed here.
//
// A day is a dictionary with a text "Date" and an array "Records"; a record is a dictionary of texts
// ("time", "type", "amount", "status", "from", "beneficiary_details", "transferReference",
// "trans_type").
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

class TransferHistoryData {
  public:
    // The two kinds of transfer the filter knows, compared with a record's "type" by exact text.
    static constexpr const char* kCardToCard = "Card To Card";
    static constexpr const char* kCardToBank = "Card To Bank";

    // Reads "TransferHistory.plist" of the framework bundle into both lists. A missing or unreadable
    // file leaves both lists empty, with one log line.
    void loadTransferHistory();
    // Takes `days` as the history. Entries that are not dictionaries are dropped and a day whose
    // "Records" is not an array gets an empty one, with one log line counting what was mended; a
    // value that is not an array gives an empty history.
    void loadTransferHistory(const Value& days);

    // The full history as loaded; an empty array before loading.
    const Value& transferHistotyTransactions() const { return transferHistotyTransactions_; }
    // The list the table shows: the full list, or the days a filter made (only "Date" and "Records").
    const Value& filteredTransferHistotyTransactions() const { return filteredTransferHistotyTransactions_; }

    // One section per shown day; an empty list still gives one (empty) section.
    long numberOfSections() const;
    // The records of that day; 0 for an empty list or a section past it.
    long numberOfRowsInSection(long section) const;
    // The shown day of a section; null past the list, so an empty history has no day to read.
    const Value& dayForSection(long section) const;
    // Record `row` of the shown day `section`; null past either.
    const Value& recordAtIndexPath(long section, long row) const;

    // The type control's choice: 0 shows the full list again, 1 filters by "Card To Card", 2 by
    // "Card To Bank". False for any other index, which changes nothing and needs no reload.
    bool typesSegmentChanged(long selectedSegmentIndex);

    // Filters the full list (never the shown one, so filters do not narrow one another) down to the
    // records whose "type" is exactly `type`, leaving out days without one. When no day is left, the
    // shown list stays as it was. Logs how many days and records are shown, never their contents.
    void filterTransactionByTypeWithType(const std::string& type);

  private:
    void logShownCounts(const std::string& type) const;

    Value transferHistotyTransactions_ = Value::Array{};
    Value filteredTransferHistotyTransactions_ = Value::Array{};
};

}  // namespace fv
