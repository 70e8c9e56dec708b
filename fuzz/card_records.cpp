// The card pages and the card-control settings are read from files anyone can edit: every typed read
// of whatever a property list holds must stay in range and never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cards/CardControlSettings.h"
#include "cards/CardOverviewRecord.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"

namespace {

// One index past the end as well, as a screen asking for a stale index would.
void readPages(const fv::CardOverviewRecord& record) {
    for (std::size_t page = 0; page <= record.pageCount(); ++page) {
        (void)record.cardNumber(page);
        (void)record.isWalletPage(page);
        const auto wallets = static_cast<std::size_t>(record.walletCount(page));
        for (std::size_t row = 0; row <= wallets; ++row)
            if (auto wallet = record.wallet(page, row)) (void)wallet->amountText();
        for (std::size_t row = 0; row <= record.transactionCount(page); ++row)
            if (auto transaction = record.transaction(page, row)) (void)transaction->typeTitle();
    }
}

void readSettings(fv::CardControlSettings settings) {
    for (std::size_t card = 0; card <= settings.count(); ++card) {
        fv::CardSettings setting = settings.settings(card);
        (void)setting.isOffered(fv::CardControlOption::BlockCashAtm);
        setting.setInactive(!setting.isInactive());
        settings.setSettings(card, setting);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fv::LogCapture quiet;
    if (auto value = fv::PropertyList::readData(std::string_view(reinterpret_cast<const char*>(data), size)))
        readPages(fv::CardOverviewRecord::fromValue(*value));
    if (auto root = fv::NSKeyedUnarchiver::unarchiveObjectWithData(fv::Value::Bytes(data, data + size)))
        readSettings(fv::CardControlSettings::fromValue(*root));
    return 0;
}
