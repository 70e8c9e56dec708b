#include "cards/CardOverviewRecord.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "core/FrameworkResources.h"
#include "platform/foundation/Log.h"

namespace fv {

namespace {

// Damaged entries logged one by one; the rest are counted in one more line.
constexpr std::size_t kMaxDamageLines = 8;

using Problems = std::vector<std::string>;

void requireType(const Value& dict, const char* key, Value::Type type, Problems& problems) {
    if (dict[key].type() != type) problems.emplace_back(key);
}

// Every record of `key` must be a dictionary holding a text under each of `textKeys`. Damaged records
// are counted, not listed, so the line stays short however long the list.
void checkRecords(const Value& page, const char* key, std::initializer_list<const char*> textKeys,
                  Problems& problems) {
    const Value::Array* records = page[key].asArray();
    if (!records) {
        problems.emplace_back(key);
        return;
    }
    const auto damaged = std::count_if(records->begin(), records->end(), [&](const Value& record) {
        return !record.isDictionary() ||
               std::any_of(textKeys.begin(), textKeys.end(),
                           [&](const char* textKey) { return !record[textKey].isString(); });
    });
    if (damaged) problems.push_back(std::string(key) + " (" + std::to_string(damaged) + " damaged)");
}

Problems pageProblems(const Value& page) {
    if (!page.isDictionary()) return {"not a dictionary"};
    Problems problems;
    for (const char* key :
         {CardOverviewRecord::kCardNumber, CardOverviewRecord::kExp, CardOverviewRecord::kCVV})
        requireType(page, key, Value::Type::String, problems);
    if (page.contains(CardOverviewRecord::kDate))
        requireType(page, CardOverviewRecord::kDate, Value::Type::String, problems);
    checkRecords(page, CardOverviewRecord::kRecords,
                 {TransactionRecord::kTransType, TransactionRecord::kCategoryIcon}, problems);
    const auto wallet = page[CardOverviewRecord::kWallet].asBool();
    if (!wallet) problems.emplace_back(CardOverviewRecord::kWallet);
    if (!wallet.value_or(false)) return problems;
    checkRecords(page, CardOverviewRecord::kWalletRecords, {WalletRecord::kCurrency}, problems);
    const auto text = page[CardOverviewRecord::kWalletCount].asString();
    const auto count = text ? CardOverviewRecord::parseWalletCount(*text) : std::nullopt;
    if (!count || *count < 0 ||
        static_cast<std::uint64_t>(*count) > page[CardOverviewRecord::kWalletRecords].size())
        problems.emplace_back(CardOverviewRecord::kWalletCount);
    return problems;
}

// One line per damaged page, naming the keys only: the values may be card details.
void logDamagedPages(const Value& pages) {
    std::size_t damaged = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const auto problems = pageProblems(pages[i]);
        if (problems.empty() || ++damaged > kMaxDamageLines) continue;
        std::string line = "Card pages: page " + std::to_string(i) + " is damaged:";
        for (std::size_t k = 0; k < problems.size(); ++k) line += (k ? ", " : " ") + problems[k];
        log(line);
    }
    if (damaged > kMaxDamageLines)
        log("Card pages: " + std::to_string(damaged - kMaxDamageLines) + " more pages are damaged");
}

}  // namespace

CardOverviewRecord CardOverviewRecord::load() {
    const auto root = readFrameworkArray(kResourceName);
    if (!root) {
        log("Card pages: \"sample.plist\" is missing from the framework bundle or unreadable; no cards are "
            "shown");
        return CardOverviewRecord();
    }
    return fromValue(*root);
}

CardOverviewRecord CardOverviewRecord::fromValue(const Value& root) {
    if (!root.isArray()) {
        log("Card pages: the card pages are not an array; no cards are shown");
        return CardOverviewRecord();
    }
    if (root.size() == 0) log("Card pages: \"sample.plist\" holds no card page");
    logDamagedPages(root);
    return CardOverviewRecord(root);
}

std::optional<std::int64_t> CardOverviewRecord::parseWalletCount(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    // from_chars takes a "-" but no "+"; it reports overflow instead of wrapping.
    const std::string_view signedDigits = text.front() == '+' ? text.substr(1) : text;
    std::int64_t value = 0;
    const auto [end, ec] =
        std::from_chars(signedDigits.data(), signedDigits.data() + signedDigits.size(), value);
    if (ec != std::errc() || end != signedDigits.data() + signedDigits.size()) return std::nullopt;
    return value;
}

std::string CardOverviewRecord::text(std::size_t page, const char* key) const {
    return pages_[page][key].asString().value_or("");
}

std::string CardOverviewRecord::cardNumber(std::size_t page) const {
    return text(page, kCardNumber);
}
std::string CardOverviewRecord::exp(std::size_t page) const {
    return text(page, kExp);
}
std::string CardOverviewRecord::cvv(std::size_t page) const {
    return text(page, kCVV);
}
std::string CardOverviewRecord::date(std::size_t page) const {
    return text(page, kDate);
}

bool CardOverviewRecord::isWalletPage(std::size_t page) const {
    return pages_[page][kWallet].asBool().value_or(false);
}

std::int64_t CardOverviewRecord::walletCount(std::size_t page) const {
    const auto text = pages_[page][kWalletCount].asString();
    const auto count = text ? parseWalletCount(*text) : std::nullopt;
    return std::clamp<std::int64_t>(count.value_or(0), 0, kMaxWalletCount);
}

std::optional<Value> CardOverviewRecord::dictionaryAt(const Value& array, std::size_t index) {
    const Value& item = array[index];
    if (!item.isDictionary()) return std::nullopt;
    return item;
}

std::optional<WalletRecord> CardOverviewRecord::wallet(std::size_t page, std::size_t row) const {
    auto record = dictionaryAt(pages_[page][kWalletRecords], row);
    if (!record) return std::nullopt;
    return WalletRecord(std::move(*record));
}

std::size_t CardOverviewRecord::transactionCount(std::size_t page) const {
    const Value& records = pages_[page][kRecords];
    return records.isArray() ? records.size() : 0;
}

std::optional<TransactionRecord> CardOverviewRecord::transaction(std::size_t page, std::size_t row) const {
    auto record = dictionaryAt(pages_[page][kRecords], row);
    if (!record) return std::nullopt;
    return TransactionRecord(std::move(*record));
}

}  // namespace fv
