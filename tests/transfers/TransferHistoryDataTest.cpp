#include "transfers/TransferHistoryData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/Log.h"

namespace fv {
namespace {

Value record(const std::string& type, const std::string& reference, const std::string& transType = "debit") {
    return Value::Dictionary{{"time", "10:00 AM"},
                             {"type", type},
                             {"amount", "$ 1.00"},
                             {"status", "Successful"},
                             {"from", "Card XXXX 0001"},
                             {"beneficiary_details", "Test Person"},
                             {"transferReference", reference},
                             {"trans_type", transType}};
}

Value day(const std::string& date, Value::Array records) {
    return Value::Dictionary{{"Date", date}, {"Records", std::move(records)}};
}

std::vector<std::string> shownDates(const TransferHistoryData& data) {
    std::vector<std::string> dates;
    for (const Value& d : *data.filteredTransferHistotyTransactions().asArray())
        dates.push_back(d["Date"].stringValue());
    return dates;
}

std::vector<long> shownRows(const TransferHistoryData& data) {
    std::vector<long> rows;
    const long days = static_cast<long>(data.filteredTransferHistotyTransactions().size());
    for (long s = 0; s < days; ++s) rows.push_back(data.numberOfRowsInSection(s));
    return rows;
}

std::vector<std::string> shownReferences(const TransferHistoryData& data) {
    std::vector<std::string> references;
    for (const Value& d : *data.filteredTransferHistotyTransactions().asArray())
        for (const Value& r : *d["Records"].asArray())
            references.push_back(r["transferReference"].stringValue());
    return references;
}

TransferHistoryData shippedHistory() {
    TransferHistoryData data;
    data.loadTransferHistory();
    return data;
}

// ---- The shipped file, segment by segment -------------------------------------------------------

struct SegmentCase {
    long segment;
    std::vector<std::string> dates;
    std::vector<long> rows;
    std::vector<std::string> references;
};

class ShippedHistorySegment : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(ShippedHistorySegment, ShowsTheDaysAndRecordsOfItsTypeInFileOrder) {
    const SegmentCase& c = GetParam();
    TransferHistoryData data = shippedHistory();
    // Start from the other filter, so each case also shows that filters never narrow one another.
    data.typesSegmentChanged(c.segment == 1 ? 2 : 1);
    EXPECT_TRUE(data.typesSegmentChanged(c.segment));
    EXPECT_EQ(shownDates(data), c.dates);
    EXPECT_EQ(shownRows(data), c.rows);
    EXPECT_EQ(data.numberOfSections(), static_cast<long>(c.dates.size()));
    EXPECT_EQ(shownReferences(data), c.references);
    EXPECT_EQ(data.transferHistotyTransactions().size(), 6u);
}

INSTANTIATE_TEST_SUITE_P(
    TransferHistory, ShippedHistorySegment,
    ::testing::Values(
        SegmentCase{
            0,
            {"07 Dec 2026", "05 Dec 2026", "03 Dec 2026", "01 Dec 2026", "28 Nov 2026", "24 Nov 2026"},
            {2, 1, 0, 2, 3, 1},
            {"FVT2612070942", "FVB2612070815", "FVT2612051830", "FVB2612011605", "FVB2612011120",
             "FVT2611281955", "FVB2611281410", "FVT2611281048", "FVT2611241200"}},
        SegmentCase{1,
                    {"07 Dec 2026", "05 Dec 2026", "28 Nov 2026", "24 Nov 2026"},
                    {1, 1, 2, 1},
                    {"FVT2612070942", "FVT2612051830", "FVT2611281955", "FVT2611281048", "FVT2611241200"}},
        SegmentCase{2,
                    {"07 Dec 2026", "01 Dec 2026", "28 Nov 2026"},
                    {1, 2, 1},
                    {"FVB2612070815", "FVB2612011605", "FVB2612011120", "FVB2611281410"}}),
    [](const auto& info) { return "Segment" + std::to_string(info.param.segment); });

TEST(TransferHistoryData, ShippedRecordsAreCompleteAndCarryNoFullNumbers) {
    TransferHistoryData data = shippedHistory();
    const std::vector<std::string> keys = {
        "time", "type", "amount", "status", "from", "beneficiary_details", "transferReference", "trans_type"};
    const std::regex longDigitRun("[0-9]{9,}");
    std::vector<std::string> statuses;
    for (long s = 0; s < data.numberOfSections(); ++s) {
        ASSERT_TRUE(data.dayForSection(s)["Date"].isString());
        for (long r = 0; r < data.numberOfRowsInSection(s); ++r) {
            const Value& rec = data.recordAtIndexPath(s, r);
            for (const auto& key : keys) EXPECT_TRUE(rec[key].isString()) << key;
            EXPECT_FALSE(std::regex_search(rec["from"].stringValue(), longDigitRun));
            EXPECT_FALSE(std::regex_search(rec["beneficiary_details"].stringValue(), longDigitRun));
            statuses.push_back(rec["status"].stringValue());
        }
    }
    for (const char* status : {"Successful", "Scheduled", "Failed"})
        EXPECT_NE(std::find(statuses.begin(), statuses.end(), status), statuses.end()) << status;
}

TEST(TransferHistoryData, RowsAndRecordsMapOntoTheShownList) {
    TransferHistoryData data = shippedHistory();
    data.typesSegmentChanged(1);
    // The first row of a filtered list is the first card-to-card record, not the file's first record.
    EXPECT_EQ(data.recordAtIndexPath(2, 0)["transferReference"].stringValue(), "FVT2611281955");
    EXPECT_EQ(data.dayForSection(2)["Date"].stringValue(), "28 Nov 2026");
    const std::vector<std::pair<long, long>> outside = {{-1, 0}, {0, -1}, {0, 1}, {4, 0}, {99, 0}};
    for (auto [section, row] : outside)
        EXPECT_TRUE(data.recordAtIndexPath(section, row).isNull()) << section << "," << row;
    EXPECT_EQ(data.numberOfRowsInSection(4), 0);
    EXPECT_EQ(data.numberOfRowsInSection(-1), 0);
}

// ---- Filter rules on data of the test's own --------------------------------------------------

TEST(TransferHistoryData, AFilterThatFindsNothingKeepsTheLastResult) {
    TransferHistoryData data;
    data.loadTransferHistory(Value::Array{day("A", {record("Card To Card", "1")}), day("B", {})});
    data.typesSegmentChanged(1);
    LogCapture capture;
    // The handler still reports a reload for the table, though the list stays.
    EXPECT_TRUE(data.typesSegmentChanged(2));
    EXPECT_EQ(shownDates(data), std::vector<std::string>{"A"});
    EXPECT_EQ(shownReferences(data), std::vector<std::string>{"1"});
    EXPECT_TRUE(capture.contains("days: 1, transfers: 1"));
    // From the full list, too.
    data.typesSegmentChanged(0);
    data.filterTransactionByTypeWithType("Card To Bank");
    EXPECT_EQ(shownDates(data), (std::vector<std::string>{"A", "B"}));
}

TEST(TransferHistoryData, TypesAreComparedAsExactText) {
    TransferHistoryData data;
    data.loadTransferHistory(
        Value::Array{day("A", {record("card to card", "lower"), record("Card To Card ", "space"),
                               record("Card To Bank", "bank"), record("Card Tó Bank", "accent")}),
                     day("B", {record("Card  To Card", "double"), record("Card To Card", "exact")})});
    data.typesSegmentChanged(1);
    EXPECT_EQ(shownReferences(data), std::vector<std::string>{"exact"});
    data.typesSegmentChanged(2);
    EXPECT_EQ(shownReferences(data), std::vector<std::string>{"bank"});
    data.typesSegmentChanged(0);
    EXPECT_EQ(shownReferences(data).size(), 6u);
}

TEST(TransferHistoryData, FilteredDaysHoldOnlyDateAndRecordsWhileTheFullListKeepsTheFile) {
    Value extra = day("A", {record("Card To Card", "1"), record("Card To Bank", "2")});
    extra.set("Note", "kept only in the full list");
    TransferHistoryData data;
    data.loadTransferHistory(Value::Array{extra});
    data.typesSegmentChanged(2);
    const Value& filtered = data.dayForSection(0);
    EXPECT_EQ(filtered.size(), 2u);
    EXPECT_EQ(filtered["Date"].stringValue(), "A");
    EXPECT_EQ(filtered["Records"].size(), 1u);
    EXPECT_EQ(data.transferHistotyTransactions()[0], extra);
    data.typesSegmentChanged(0);
    EXPECT_EQ(data.dayForSection(0), extra);
}

TEST(TransferHistoryData, OtherSegmentIndexesChangeNothing) {
    TransferHistoryData data = shippedHistory();
    data.typesSegmentChanged(2);
    const Value before = data.filteredTransferHistotyTransactions();
    for (long index : {-1L, 3L, 42L}) {
        EXPECT_FALSE(data.typesSegmentChanged(index));
        EXPECT_EQ(data.filteredTransferHistotyTransactions(), before);
    }
}

TEST(TransferHistoryData, TheLogCarriesCountsNeverTheTransfers) {
    TransferHistoryData data = shippedHistory();
    LogCapture capture;
    data.typesSegmentChanged(1);
    data.typesSegmentChanged(2);
    data.typesSegmentChanged(0);
    ASSERT_EQ(capture.lines().size(), 2u);
    EXPECT_TRUE(capture.contains("\"Card To Card\" shows days: 4, transfers: 5"));
    EXPECT_TRUE(capture.contains("\"Card To Bank\" shows days: 3, transfers: 4"));
    for (const char* personal : {"Elena", "XXXX", "$", "FVT", "Dec"})
        EXPECT_FALSE(capture.contains(personal));
}

// ---- Empty and malformed histories ----------------------------------------------------------

TEST(TransferHistoryData, AnEmptyHistoryIsOneSectionWithNoRowsAndNoDay) {
    for (bool loaded : {false, true}) {
        TransferHistoryData data;
        if (loaded) data.loadTransferHistory(Value::Array{});
        EXPECT_EQ(data.numberOfSections(), 1);
        EXPECT_EQ(data.numberOfRowsInSection(0), 0);
        EXPECT_TRUE(data.dayForSection(0).isNull());
        EXPECT_TRUE(data.typesSegmentChanged(1));
        EXPECT_EQ(data.filteredTransferHistotyTransactions().size(), 0u);
    }
}

TEST(TransferHistoryData, MalformedEntriesAreLeftOutWithOneLogLine) {
    Value noRecords = Value::Dictionary{{"Date", "C"}, {"Records", "none"}};
    Value mixed = day("B", {record("Card To Card", "1"), Value("stray"), Value(7)});
    LogCapture capture;
    TransferHistoryData data;
    data.loadTransferHistory(Value::Array{Value("not a day"), mixed, noRecords, Value::Array{}});
    ASSERT_EQ(capture.lines().size(), 1u);
    EXPECT_TRUE(capture.contains("5 malformed entries left out"));
    EXPECT_EQ(shownDates(data), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(shownRows(data), (std::vector<long>{1, 0}));
    data.typesSegmentChanged(1);
    EXPECT_EQ(shownDates(data), std::vector<std::string>{"B"});
}

TEST(TransferHistoryData, ARootThatIsNoArrayGivesAnEmptyHistory) {
    for (const Value& root : {Value(), Value("days"), Value(Value::Dictionary{{"Date", "A"}})}) {
        LogCapture capture;
        TransferHistoryData data;
        data.loadTransferHistory(root);
        EXPECT_EQ(capture.lines().size(), 1u);
        EXPECT_EQ(data.transferHistotyTransactions().size(), 0u);
        EXPECT_EQ(data.numberOfSections(), 1);
    }
}

}  // namespace
}  // namespace fv
