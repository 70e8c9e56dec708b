#include <gtest/gtest.h>

#include <string>

#include "cards/SingleWalletCollectionViewCell.h"
#include "cards/WalletCollectionViewCell.h"
#include "cards/WalletRecord.h"
#include "controls/AttributedAmountString.h"
#include "core/FrameworkResources.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UINib.h"

namespace fv {
namespace {

std::shared_ptr<WalletCellBase> loadWallet(const std::string& nibName) {
    auto nib = UINib::nibWithNibName(nibName, frameworkBundle());
    if (!nib) return nullptr;
    auto objects = nib->instantiateWithOwner(nullptr);
    return objects.empty() ? nullptr : std::dynamic_pointer_cast<WalletCellBase>(objects.front());
}

// Fills a wallet cell as the wallet strip does.
void fill(WalletCellBase& cell, const WalletRecord& wallet) {
    cell.AddShadow();
    cell.Lbl_Currency->setText(wallet.currencyTitle());
    if (auto flag = wallet.flagImageName())
        cell.Img_Flag->setImage(UIImage::imageNamed(*flag, frameworkBundle()));
    if (auto amount = wallet.amountText())
        cell.Lbl_Amount->setAttributedText(attributedAmountString(*amount));
}

WalletRecord wallet(const char* currency, const char* code, const char* amount, const char* country) {
    Value::Dictionary d;
    d[WalletRecord::kCurrency] = Value(currency);
    d[WalletRecord::kCurrencyCode] = Value(code);
    d[WalletRecord::kAmount] = Value(amount);
    d[WalletRecord::kCountry] = Value(country);
    return WalletRecord(Value(std::move(d)));
}

struct WalletKind {
    const char* nibName;
    const char* reuseIdentifier;
    bool single;
};

class WalletCellTest : public TestHostFixture, public ::testing::WithParamInterface<WalletKind> {};

TEST_P(WalletCellTest, LoadsAsItsOwnClassUnderItsReuseIdentifier) {
    const WalletKind& kind = GetParam();
    auto cell = loadWallet(kind.nibName);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->className(), kind.nibName);
    EXPECT_EQ(kind.single, std::dynamic_pointer_cast<SingleWalletCollectionViewCell>(cell) != nullptr);
    EXPECT_EQ(kind.single ? SingleWalletCollectionViewCell::kReuseIdentifier
                          : WalletCollectionViewCell::kReuseIdentifier,
              std::string(kind.reuseIdentifier));
}

TEST_P(WalletCellTest, FlagShadowIsCentredAndTheCellsFallsOnePointRightAndDown) {
    auto cell = loadWallet(GetParam().nibName);
    ASSERT_TRUE(cell);
    const auto& flag = *cell->Img_Flag->layer();
    EXPECT_FALSE(flag.masksToBounds);
    EXPECT_EQ(flag.shadowOffset.width, 0);
    EXPECT_EQ(flag.shadowOffset.height, 0);
    EXPECT_EQ(flag.shadowRadius, 1.0);
    EXPECT_EQ(flag.shadowOpacity, 0.5f);
    for (int pass = 0; pass < 2; ++pass) {
        cell->AddShadow();
        const auto& own = *cell->layer();
        EXPECT_FALSE(own.masksToBounds);
        EXPECT_EQ(own.shadowOffset.width, 1);
        EXPECT_EQ(own.shadowOffset.height, 1);
        EXPECT_EQ(own.shadowRadius, 1.0);
        EXPECT_EQ(own.shadowOpacity, 0.5f);
    }
}

TEST_P(WalletCellTest, ShowsTheWalletAndKeepsItsAmountWhenARecordLacksOne) {
    auto cell = loadWallet(GetParam().nibName);
    ASSERT_TRUE(cell);
    fill(*cell, wallet("usd", "$", "1250.40", "usa"));
    EXPECT_EQ(cell->Lbl_Currency->text(), "USD");
    ASSERT_TRUE(cell->Img_Flag->image());
    EXPECT_TRUE(cell->Img_Flag->image()->isEqual(*UIImage::imageNamed("usa.png", frameworkBundle())));
    ASSERT_TRUE(cell->Lbl_Amount->attributedText());
    EXPECT_EQ(cell->Lbl_Amount->attributedText()->string(), "$ 1250.40");

    fill(*cell, WalletRecord(Value(Value::Dictionary{{WalletRecord::kCurrency, Value("eur")}})));
    EXPECT_EQ(cell->Lbl_Currency->text(), "EUR");
    EXPECT_EQ(cell->Lbl_Amount->attributedText()->string(), "$ 1250.40");
}

INSTANTIATE_TEST_SUITE_P(Kinds, WalletCellTest,
                         ::testing::Values(WalletKind{"WalletCollectionViewCell", "wallet_cell", false},
                                           WalletKind{"SingleWalletCollectionViewCell", "single_wallet_cell",
                                                      true}),
                         [](const auto& info) { return std::string(info.param.nibName); });

class WalletLookTest : public TestHostFixture {};

TEST_F(WalletLookTest, LooksLikeTheWalletStrip) {
    auto strip = UIView::create(CGRectMake(0, 0, 375, 360));
    strip->setBackgroundColor(UIColor::colorWithRed(0.95, 0.96, 0.97, 1));
    host.rootScreen()->view()->addSubview(strip);
    const WalletRecord wallets[] = {wallet("usd", "$", "1250.40", "usa"),
                                    wallet("eur", "€", "830.15", "europe"), wallet("gbp", "£", "402.9", "uk"),
                                    wallet("jpy", "¥", "15800", "japan")};
    for (int i = 0; i < 4; ++i) {
        auto cell = loadWallet(WalletCollectionViewCell::kNibName);
        ASSERT_TRUE(cell);
        cell->setFrame(CGRectMake(20 + 185 * (i % 2), 15 + 115 * (i / 2), 150, 100));
        strip->addSubview(cell);
        cell->layoutIfNeeded();
        fill(*cell, wallets[i]);
    }
    auto single = loadWallet(SingleWalletCollectionViewCell::kNibName);
    ASSERT_TRUE(single);
    single->setFrame(CGRectMake(20, 245, 335, 100));
    strip->addSubview(single);
    single->layoutIfNeeded();
    fill(*single, wallet("chf", "CHF", "2045.75", "switzerland"));
    EXPECT_TRUE(host.snapshot("wallet_cells", strip));
}

}  // namespace
}  // namespace fv
