#include "examples/host/roads/BankAccountsRoad.h"

#include "core/DataModel.h"
#include "core/SDKManager.h"
#include "core/ScreenNames.h"
#include "examples/host/DemoBankLinkVendor.h"
#include "examples/host/Walkthrough.h"
#include "examples/host/roads/BannerSteps.h"
#include "examples/host/roads/TransferSteps.h"
#include "platform/foundation/Log.h"
#include "platform/kits/BankLinkViewController.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UITableView.h"

namespace fv {

namespace {

constexpr const char* kAwaitingDeposits = "Bills Account";
// An account number the vendor reports for no login, so that its check fails.
constexpr const char* kUnknownAccountNumber = "1111222233339999";

UIViewPtr outlet(const Walkthrough& walk, const std::string& name) {
    return UserDriver::outlet(walk.topScreen(), name);
}

// What is presented over the screen on top, whether it or its stack presented it.
UIViewControllerPtr presented(const Walkthrough& walk) {
    auto screen = walk.topScreen();
    if (!screen) return nullptr;
    if (auto over = screen->presentedViewController()) return over;
    auto stack = screen->navigationController();
    return stack ? stack->presentedViewController() : nullptr;
}

std::string tapOutlet(const Walkthrough& walk, const std::string& name, const std::string& what) {
    return UserDriver::tap(outlet(walk, name), what);
}

// The row of the account with that nickname, or none.
UITableViewCellPtr rowOf(const Walkthrough& walk, const std::string& nickname) {
    auto table = std::dynamic_pointer_cast<UITableView>(outlet(walk, "tbl_bankAccs"));
    if (!table) return nullptr;
    for (const auto& cell : table->visibleCells())
        if (UserDriver::viewWithText(cell, nickname)) return cell;
    return nullptr;
}

// Where the row's content sits across the window: left of 0 while its swipe buttons show.
double rowContentX(const UITableViewCellPtr& cell) {
    return cell->contentView()->convertRectToView(cell->contentView()->bounds(), nullptr).origin.x;
}

std::string swipeRow(const Walkthrough& walk) {
    auto cell = rowOf(walk, "Everyday Checking");
    if (!cell) return "no row shows Everyday Checking";
    const CGRect frame = cell->convertRectToView(cell->bounds(), nullptr);
    const double y = CGRectGetMidY(frame);
    if (auto problem = UserDriver::drag({frame.size.width - 40, y}, {frame.size.width - 200, y}, 0.3, 12);
        !problem.empty())
        return problem;
    if (!UserDriver::waitFor([&] { return rowContentX(cell) <= -100; }))
        return "the row's buttons did not show";
    return "";
}

// A tap on the revealed delete button only closes the buttons again.
std::string tapDelete(const Walkthrough& walk) {
    auto cell = rowOf(walk, "Everyday Checking");
    if (!cell) return "no row shows Everyday Checking";
    const CGRect frame = cell->convertRectToView(cell->bounds(), nullptr);
    if (auto problem = UserDriver::tapAt({frame.size.width - 30, CGRectGetMidY(frame)}); !problem.empty())
        return problem;
    if (!UserDriver::waitFor([&] { return rowContentX(cell) == 0; })) return "the row's buttons stayed open";
    if (!rowOf(walk, "Everyday Checking")) return "the row is gone";
    return "";
}

// The Verify button of the account awaiting micro-deposits.
std::string verifyAwaitingAccount(const Walkthrough& walk) {
    auto cell = rowOf(walk, kAwaitingDeposits);
    if (!cell) return std::string("no row shows ") + kAwaitingDeposits;
    if (auto problem = UserDriver::tap(UserDriver::outlet(cell, "btn_verify"), "the Verify button");
        !problem.empty())
        return problem;
    return walk.reach(screen::MicroPaymentsVerificationViewController);
}

std::string typeDeposits(const Walkthrough& walk) {
    for (const auto& [name, amount] :
         {std::pair{"tfMicroPaymentOne", "0.32"}, std::pair{"tfMicroPaymentTwo", "0.45"}}) {
        auto field = outlet(walk, name);
        if (auto problem = UserDriver::type(field, amount, name); !problem.empty()) return problem;
        if (field->valueForKey("text").stringValue() != amount)
            return std::string(name) + " does not read " + amount;
    }
    walk.topScreen()->view()->endEditing(true);
    return "";
}

// Add on the bank accounts, which show after every result screen.
std::string openForm(const Walkthrough& walk) {
    if (auto problem = tapOutlet(walk, "Btn_AddNewBankAccount", "Add"); !problem.empty()) return problem;
    return walk.reach(screen::AddBankAccountViewController);
}

// The details of an account at the bank, by default the one the host's vendor reports; the type stays
// the preselected "Checking".
std::string fillForm(const Walkthrough& walk,
                     const std::string& accountNumber = DemoBankLinkVendor::kAccountNumber) {
    const std::pair<const char*, std::string> fields[] = {
        {"tf_LegalName", "Jordan A. Reyes"}, {"tf_BankName", "Harbor Point Bank"},
        {"tf_AccountNumber", accountNumber}, {"tf_RoutingNumber", DemoBankLinkVendor::kRoutingNumber},
        {"tf_nickName", "Salary"},
    };
    for (const auto& [name, text] : fields)
        if (auto problem = UserDriver::type(outlet(walk, name), text, name); !problem.empty()) return problem;
    walk.topScreen()->view()->endEditing(true);
    return "";
}

std::string openSheet(const Walkthrough& walk) {
    if (auto problem = tapOutlet(walk, "btn_submit", "Submit"); !problem.empty()) return problem;
    if (!UserDriver::waitFor([&] { return presented(walk) != nullptr; }))
        return "no verification-method sheet";
    UserDriver::waitFor([] { return false; }, 0.4);  // the sheet's slide-in
    return "";
}

std::string chooseMethod(const Walkthrough& walk, const std::string& title) {
    auto sheet = presented(walk);
    if (!sheet) return "no verification-method sheet";
    if (auto problem = UserDriver::tap(UserDriver::viewWithText(sheet->view(), title), title);
        !problem.empty())
        return problem;
    return walk.reach(screen::AccountAddingConfirmationViewController);
}

std::string openLinkScreen(const Walkthrough& walk) {
    if (auto problem = tapOutlet(walk, "btn_continue", "Continue"); !problem.empty()) return problem;
    if (!UserDriver::waitFor([] {
            auto link = BankLinkViewController::visibleLinkScreen();
            return link && link->isViewLoaded() &&
                   link->appearance() == UIViewController::Appearance::Appeared;
        }))
        return "the vendor's link screen did not show";
    return "";
}

std::string tapOnLinkScreen(bool link) {
    auto screen = BankLinkViewController::visibleLinkScreen();
    if (!screen) return "the vendor's link screen is not showing";
    return UserDriver::tap(link ? screen->linkButton() : screen->cancelButton(), link ? "Link" : "Cancel");
}

std::string linkAndVerify(const Walkthrough& walk) {
    if (auto problem = tapOnLinkScreen(true); !problem.empty()) return problem;
    const std::string added = screen::AccountAddedSuccessfullyViewController.className;
    if (!Walkthrough::awaitInRealTime([&] {
            auto top = walk.topScreen();
            return top && top->className() == added && !presented(walk);
        }))
        return "the vendor check did not end on the account-added screen";
    return walk.reach(screen::AccountAddedSuccessfullyViewController);
}

std::string cancelLink(const Walkthrough& walk) {
    if (auto problem = tapOnLinkScreen(false); !problem.empty()) return problem;
    if (!UserDriver::waitFor([&] { return !presented(walk); })) return "the link screen stayed";
    return walk.reach(screen::AccountAddingConfirmationViewController);
}

// The result screen's button goes back to the root of its stack: the bank accounts, shown by the host
// over its own first screen.
std::string backToAccounts(const Walkthrough& walk) {
    const auto host = walk.app().navigationController();
    if (auto problem = tapOutlet(walk, "btn_continue", "the result's button"); !problem.empty())
        return problem;
    if (auto problem = walk.reach(screen::MyBankAccountsViewController); !problem.empty()) return problem;
    const auto accounts = walk.topScreen();
    if (accounts->navigationController() != host->presentedViewController() ||
        host->viewControllers().size() != 1)
        return "the bank accounts are not on the framework's own stack over the host's first screen";
    const auto title = outlet(walk, "lbl_headerTitle");
    print("   shows " + (title ? title->valueForKey("text").stringValue() : std::string("no title")));
    return "";
}

// The vendor route with an account number the vendor does not report: Link ends in the error banner
// over the confirmation.
std::string linkFails(const Walkthrough& walk) {
    if (auto problem = openForm(walk); !problem.empty()) return problem;
    if (auto problem = fillForm(walk, kUnknownAccountNumber); !problem.empty()) return problem;
    if (auto problem = openSheet(walk); !problem.empty()) return problem;
    if (auto problem = chooseMethod(walk, "Bank Link"); !problem.empty()) return problem;
    if (auto problem = openLinkScreen(walk); !problem.empty()) return problem;
    if (auto problem = tapOnLinkScreen(true); !problem.empty()) return problem;
    if (auto problem = awaitErrorBanner("Verification Failed"); !problem.empty()) return problem;
    if (presented(walk)) return "the vendor's link screen stayed";
    return walk.reach(screen::AccountAddingConfirmationViewController);
}

// The host's own way home: the framework's stack taken away and its own first screen again.
std::string hostGoesHome(const Walkthrough& walk) {
    const auto host = walk.app().navigationController();
    if (host->presentedViewController()) host->dismissViewControllerAnimated(true);
    host->popToRootViewControllerAnimated(true);
    return walk.awaitHost();
}

// The framework prepared afresh, then the first screen of the stack `pick` names on the host's stack.
std::string hostShows(const Walkthrough& walk,
                      const std::function<UINavigationControllerPtr(const DataModel&)>& pick,
                      ScreenName screen) {
    if (auto problem = hostGoesHome(walk); !problem.empty()) return problem;
    SDKManager::sharedInstance()->initAllView();
    showFrameworkRoot(walk.app().navigationController(), pick(*DataModel::sharedInstance()));
    return walk.reach(screen);
}

}  // namespace

void openBankAccounts(const UINavigationControllerPtr& hostStack) {
    SDKManager::sharedInstance()->initAllView();
    const auto stack = DataModel::sharedInstance()->myBankAccountsNavView();
    if (!hostStack || !stack) return;
    // Over the host's own stack, whole: the framework's screens go back to the root of theirs.
    stack->setModalPresentationStyle(UIModalPresentationFullScreen);
    hostStack->presentViewController(stack, true);
}

bool walkBankAccounts(Walkthrough& walk) {
    const Walkthrough& w = walk;
    return walk.run({
        {"accounts", "\"Bank accounts\" shows the user's bank accounts by status",
         [&] { return w.openRoad("bankaccounts", screen::MyBankAccountsViewController); }},
        {"swipe", "a row swiped to the left shows its edit and delete buttons", [&] { return swipeRow(w); }},
        {"swipe-closed", "delete only closes them; the account stays", [&] { return tapDelete(w); }},
        {"verify", "Verify on the account awaiting micro-deposits opens their verification",
         [&] { return verifyAwaitingAccount(w); }},
        {"deposits", "the two deposited amounts are typed", [&] { return typeDeposits(w); }},
        {"verified", "Done shows the account added and verified",
         [&] {
             if (auto problem = tapOutlet(w, "btn_continue", "Done"); !problem.empty()) return problem;
             return w.reach(screen::AccountAddedSuccessfullyViewController);
         }},
        {"verified-done", "its button returns to My Bank Accounts", [&] { return backToAccounts(w); }},
        {"form", "Add on the bank accounts opens the add-account form", [&] { return openForm(w); }},
        {"details", "the new account's details are typed", [&] { return fillForm(w); }},
        {"method", "Submit asks for the verification method", [&] { return openSheet(w); }},
        {"micro", "\"Micro Payments\" opens the confirmation",
         [&] { return chooseMethod(w, "Micro Payments"); }},
        {"unverified", "Continue shows the account added but not yet verified",
         [&] {
             if (auto problem = tapOutlet(w, "btn_continue", "Continue"); !problem.empty()) return problem;
             return w.reach(screen::UnVerifiedAccountAddedViewController);
         }},
        {"unverified-done", "its button returns to My Bank Accounts", [&] { return backToAccounts(w); }},
        {"link-form", "Add again: the form, filled in",
         [&] {
             if (auto problem = openForm(w); !problem.empty()) return problem;
             return fillForm(w);
         }},
        {"link-method", "\"Bank Link\" opens the confirmation",
         [&] {
             if (auto problem = openSheet(w); !problem.empty()) return problem;
             return chooseMethod(w, "Bank Link");
         }},
        {"link", "Continue shows the vendor's link screen", [&] { return openLinkScreen(w); }},
        {"linked", "Link: the vendor's numbers agree and the account is added",
         [&] { return linkAndVerify(w); }},
        {"linked-done", "its button returns to My Bank Accounts", [&] { return backToAccounts(w); }},
        {"link-failed",
         "the vendor route with an account number the vendor does not report: Link ends in the "
         "verification-failed banner",
         [&] { return linkFails(w); }},
        {"exit-link", "the banner tapped away, Continue shows the vendor's link screen again",
         [&] {
             if (auto problem = tapAwayBanner(); !problem.empty()) return problem;
             return openLinkScreen(w);
         }},
        {"exited", "Cancel on the link screen leaves the confirmation as it was",
         [&] { return cancelLink(w); }},
        {"direct-deposit", "the host shows the direct-deposit details",
         [&] {
             return hostShows(
                 w, [](const DataModel& m) { return m.directDepositNavView(); },
                 screen::DirectDepositViewController);
         }},
        {"load-centers", "the host shows the load centres",
         [&] {
             return hostShows(
                 w, [](const DataModel& m) { return m.loadCenterNavView(); },
                 screen::LoadCenterViewController);
         }},
        {"load-check", "the host shows loading a cheque",
         [&] {
             return hostShows(
                 w, [](const DataModel& m) { return m.loadCheckNavView(); }, screen::LoadCheckViewController);
         }},
        {"back", "the host takes its first screen back", [&] { return hostGoesHome(w); }},
    });
}

}  // namespace fv
