#include "platform/kits/BankLinkViewController.h"

#include <cstdio>
#include <random>

#include "platform/foundation/ResetHooks.h"
#include "platform/foundation/RunLoop.h"
#include "platform/kits/KitTouch.h"

namespace fv {

FV_REGISTER_CLASS(BankLinkViewController);
// The test host clears the scripted outcome before and after every test.
[[maybe_unused]] const bool registered =
    ResetHooks::add("kits.bankLink", [] { BankLinkViewController::reset(); });

namespace {

constexpr CGFloat kMargin = 24;
constexpr CGFloat kButtonHeight = 50;
// What the body text is measured against: more than any screen.
constexpr CGFloat kUnboundedHeight = 10000;

std::optional<BankLinkViewController::Outcome>& scriptedOutcome() {
    static std::optional<BankLinkViewController::Outcome> outcome;
    return outcome;
}

std::weak_ptr<BankLinkViewController>& lastAppeared() {
    static std::weak_ptr<BankLinkViewController> screen;
    return screen;
}

std::string randomHex(int digits) {
    static std::mt19937_64 generator{std::random_device{}()};
    std::string out;
    while (static_cast<int>(out.size()) < digits) {
        char chunk[17];
        std::snprintf(chunk, sizeof chunk, "%016llx", static_cast<unsigned long long>(generator()));
        out += chunk;
    }
    return out.substr(0, static_cast<std::size_t>(digits));
}

Value sandboxMetadata(const char* status) {
    Value institution;
    institution.set("name", "Sandbox Bank");
    institution.set("institution_id", "ins_sandbox");
    Value metadata;
    metadata.set("institution", institution);
    metadata.set("link_session_id", randomHex(32));
    metadata.set("status", status);
    return metadata;
}

}  // namespace

void BankLinkViewController::registerMembers(ClassBuilder<BankLinkViewController>& b) {
    b.action("linkPressed:", &BankLinkViewController::linkPressed);
    b.action("cancelPressed:", &BankLinkViewController::cancelPressed);
}

BankLinkViewControllerPtr BankLinkViewController::create(
    BankLinkConfiguration configuration, const std::shared_ptr<BankLinkViewDelegate>& delegate) {
    return std::make_shared<BankLinkViewController>(std::move(configuration), delegate);
}

BankLinkViewController::BankLinkViewController(BankLinkConfiguration configuration,
                                               std::weak_ptr<BankLinkViewDelegate> delegate)
    : configuration_(std::move(configuration)), delegate_(std::move(delegate)) {}

BankLinkViewController::~BankLinkViewController() = default;

void BankLinkViewController::loadView() {
    auto view = UIView::create();
    view->setBackgroundColor(UIColor::whiteColor());

    titleLabel_ = UILabel::create();
    titleLabel_->setText("Connect your bank");
    titleLabel_->setFont(UIFont::boldSystemFontOfSize(24));
    titleLabel_->setTextColor(UIColor::colorWithWhite(0.1, 1));
    bodyLabel_ = UILabel::create();
    // Says what linking sends, and to whom: the token and the app's credentials do leave the device.
    bodyLabel_->setText(
        "This sandbox links a test account at Sandbox Bank without a sign-in. Link then sends a link "
        "token and this app's credentials to the bank-link service, which returns the account's numbers "
        "to check against the details you entered.");
    bodyLabel_->setFont(UIFont::systemFontOfSize(16));
    bodyLabel_->setTextColor(UIColor::colorWithWhite(0.35, 1));
    bodyLabel_->setNumberOfLines(0);

    auto self = shared_from_this();
    linkButton_ = UIButton::create();
    linkButton_->setTitle("Link", UIControlStateNormal);
    linkButton_->setTitleColor(UIColor::whiteColor(), UIControlStateNormal);
    linkButton_->setBackgroundColor(UIColor::colorWithWhite(0.1, 1));
    linkButton_->layer()->cornerRadius = 8;
    linkButton_->addTarget(self, "linkPressed:", UIControlEventTouchUpInside);
    cancelButton_ = UIButton::create();
    cancelButton_->setTitle("Cancel", UIControlStateNormal);
    cancelButton_->setTitleColor(UIColor::colorWithWhite(0.1, 1), UIControlStateNormal);
    cancelButton_->addTarget(self, "cancelPressed:", UIControlEventTouchUpInside);

    for (const UIViewPtr& v :
         {UIViewPtr(titleLabel_), UIViewPtr(bodyLabel_), UIViewPtr(linkButton_), UIViewPtr(cancelButton_)})
        view->addSubview(v);
    setView(view);
}

void BankLinkViewController::viewDidLayoutSubviews() {
    const CGRect b = view()->bounds();
    const CGFloat width = b.size.width - 2 * kMargin;
    titleLabel_->setFrame({{kMargin, 80}, {width, 32}});
    // As tall as the text needs on this width, so that nothing of it is cut off on a narrow phone.
    const CGFloat bodyHeight = bodyLabel_->sizeThatFits(CGSizeMake(width, kUnboundedHeight)).height;
    bodyLabel_->setFrame({{kMargin, 124}, {width, bodyHeight}});
    cancelButton_->setFrame({{kMargin, CGRectGetMaxY(b) - kMargin - kButtonHeight}, {width, kButtonHeight}});
    linkButton_->setFrame(
        {{kMargin, CGRectGetMaxY(b) - kMargin - 2 * kButtonHeight - 8}, {width, kButtonHeight}});
}

void BankLinkViewController::viewDidAppear(bool animated) {
    UIViewController::viewDidAppear(animated);
    auto self = std::static_pointer_cast<BankLinkViewController>(shared_from_this());
    lastAppeared() = self;
    if (auto outcome = scriptedOutcome()) {
        std::weak_ptr<BankLinkViewController> weak = self;
        RunLoop::main().post([weak, outcome = *outcome] {
            if (auto screen = weak.lock()) screen->report(outcome);
        });
    }
}

void BankLinkViewController::linkPressed(NSObject*) {
    report(Outcome::succeed());
}

void BankLinkViewController::cancelPressed(NSObject*) {
    report(Outcome::exit(std::nullopt, sandboxMetadata("cancelled")));
}

void BankLinkViewController::report(const Outcome& outcome) {
    if (reported_) return;
    reported_ = true;
    auto delegate = delegate_.lock();
    if (!delegate) return;
    auto self = std::static_pointer_cast<BankLinkViewController>(shared_from_this());
    if (outcome.success) {
        const std::string token =
            outcome.publicToken.empty() ? "public-sandbox-" + randomHex(32) : outcome.publicToken;
        delegate->linkViewControllerDidSucceedWithPublicToken(
            self, token, outcome.metadata ? outcome.metadata : sandboxMetadata("linked"));
    } else {
        delegate->linkViewControllerDidExitWithError(self, outcome.error, outcome.metadata);
    }
}

void BankLinkViewController::setScriptedOutcome(std::optional<Outcome> outcome) {
    scriptedOutcome() = std::move(outcome);
}

BankLinkViewControllerPtr BankLinkViewController::visibleLinkScreen() {
    auto screen = lastAppeared().lock();
    return screen && !screen->reported_ && screen->viewIfLoaded() && screen->viewIfLoaded()->window()
               ? screen
               : nullptr;
}

bool BankLinkViewController::tapButton(const UIButtonPtr& button) {
    if (!button || !button->window()) return false;
    const CGRect frame = button->convertRectToView(button->bounds(), nullptr);
    return kits::tapAtScreenPoint({CGRectGetMidX(frame), CGRectGetMidY(frame)});
}

bool BankLinkViewController::tapLink() {
    return tapButton(linkButton_);
}

bool BankLinkViewController::tapCancel() {
    return tapButton(cancelButton_);
}

void BankLinkViewController::reset() {
    scriptedOutcome().reset();
    lastAppeared().reset();
}

}  // namespace fv
