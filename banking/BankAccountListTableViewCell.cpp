#include "banking/BankAccountListTableViewCell.h"

#include <array>

#include "core/FrameworkResources.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UINib.h"

namespace fv {

FV_REGISTER_CLASS(BankAccountListTableViewCell);

namespace {

enum class StatusShows { Badge, VerifyButton };

struct StatusLine {
    const char* status;
    const char* accountStatus;
    StatusShows shows;
    const char* image;
    const char* label;  // none: the style's in-process label
};

// Tested in order; the first line whose two values both equal the account's applies.
constexpr std::array<StatusLine, 4> kStatusTable{{
    {"Verified", "V", StatusShows::Badge, "verified.png", "Verified"},
    {"In-Process", "L", StatusShows::Badge, "inprogress.png", nullptr},
    {"In-Process", "I", StatusShows::VerifyButton, nullptr, nullptr},
    {"Un-Verified", "F", StatusShows::Badge, "unverified.png", "Un-Verified"},
}};

const StatusLine* statusLineFor(const BankAccountModel& account) {
    for (const auto& line : kStatusTable) {
        if (account.status() == line.status && account.accountStatus() == line.accountStatus) return &line;
    }
    return nullptr;
}

}  // namespace

BankAccountListTableViewCell::BankAccountListTableViewCell() = default;

BankAccountListTableViewCell::BankAccountListTableViewCell(UITableViewCellStyle style,
                                                           const std::string& reuseIdentifier)
    : SwipeTableViewCell(style, reuseIdentifier) {}

BankAccountListTableViewCell::~BankAccountListTableViewCell() = default;

void BankAccountListTableViewCell::showBankAccount(const BankAccountModel& account, long row,
                                                   const BankAccountRowStyle& style) {
    lbl_legalName->setText(account.nickName());
    lbl_bankName->setText(account.bankName() + " - " + account.accountNumber());

    auto verify = btn_verify.get();
    auto badge = Img_status.get();
    auto status = lbl_status.get();
    verify->setHidden(true);
    verify->setBackgroundColor(UIColor::clearColor());
    verify->titleLabel()->setFont(namedOrSystemFont(style.verifyFontName, 12));
    // The row may come back from the reuse queue with the action of its previous account.
    verify->removeTarget(nullptr, "", UIControlEventTouchUpInside);
    badge->setHidden(false);
    status->setHidden(false);

    const StatusLine* line = statusLineFor(account);
    if (!line) {
        // No known status: no badge and no text rather than whatever the row showed before.
        badge->setImage(nullptr);
        status->setText("");
        return;
    }
    if (line->shows == StatusShows::VerifyButton) {
        badge->setHidden(true);
        status->setHidden(true);
        verify->setHidden(false);
        verify->setTag(row);
        if (auto target = style.verifyTarget.lock(); target && !style.verifySelector.empty())
            verify->addTarget(target, style.verifySelector, UIControlEventTouchUpInside);
        return;
    }
    badge->setImage(UIImage::imageNamed(line->image, frameworkBundle()));
    status->setText(line->label ? std::string(line->label) : style.inProcessLabel);
}

}  // namespace fv
