#include <gtest/gtest.h>

#include "platform/ui/UIActivityIndicatorView.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIPageControl.h"
#include "platform/ui/UIProgressView.h"
#include "platform/ui/UISearchBar.h"
#include "platform/ui/UISegmentedControl.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UIToolbar.h"
#include "tests/platform/ui/controls/Support.h"

namespace fv::testing_controls {
namespace {

using GalleryTest = ControlsTest;

// Every control drawn once, in the states a screen shows them in.
TEST_F(GalleryTest, ControlsDrawThemselves) {
    auto bg = UIView::create({{0, 0}, {375, 667}});
    bg->setBackgroundColor(UIColor::colorWithWhite(0.95, 1));
    place(bg, bg->frame());

    auto search = UISearchBar::create({{0, 64}, {375, 56}});
    search->setPlaceholder("Search transactions");
    search->setShowsCancelButton(true);
    search->setText("Rent");
    bg->addSubview(search);

    auto title = UILabel::create({{20, 125}, {335, 30}});
    title->setText("Move money");
    title->setFont(UIFont::boldSystemFontOfSize(24));
    bg->addSubview(title);
    auto body = UILabel::create({{20, 157}, {335, 36}});
    body->setText("Choose an account and an amount. Transfers usually arrive within one business day.");
    body->setNumberOfLines(2);
    body->setFont(UIFont::systemFontOfSize(13));
    body->setTextColor(UIColor::darkGrayColor());
    bg->addSubview(body);

    auto amount = UITextField::create({{20, 200}, {335, 40}});
    amount->setBorderStyle(UITextBorderStyleRoundedRect);
    amount->setPlaceholder("Amount");
    bg->addSubview(amount);
    auto pin = UITextField::create({{20, 248}, {335, 40}});
    pin->setBorderStyle(UITextBorderStyleLine);
    pin->setSecureTextEntry(true);
    pin->setText("1234");
    bg->addSubview(pin);

    auto seg = UISegmentedControl::create({"Checking", "Savings", "Card"});
    seg->setFrame({{20, 298}, {335, 30}});
    seg->setSelectedSegmentIndex(1);
    bg->addSubview(seg);

    auto off = UISwitch::create({{20, 340}, {0, 0}});
    auto on = UISwitch::create({{90, 340}, {0, 0}});
    on->setOn(true);
    bg->addSubview(off);
    bg->addSubview(on);
    auto spinner = UIActivityIndicatorView::create(UIActivityIndicatorViewStyleGray);
    spinner->setCenter({200, 355});
    spinner->startAnimating();
    bg->addSubview(spinner);

    auto progress = UIProgressView::create({{20, 385}, {335, 4}});
    progress->setProgress(0.6f);
    bg->addSubview(progress);

    auto pages = UIPageControl::create({{20, 395}, {335, 30}});
    pages->setNumberOfPages(4);
    pages->setCurrentPage(1);
    pages->setPageIndicatorTintColor(UIColor::lightGrayColor());
    pages->setCurrentPageIndicatorTintColor(UIColor::darkGrayColor());
    bg->addSubview(pages);

    auto primary = UIButton::buttonWithType(UIButtonTypeCustom);
    primary->setFrame({{20, 435}, {335, 50}});
    primary->setTitle("Continue", UIControlStateNormal);
    primary->setBackgroundColor(UIColor::colorWithRed(0.08, 0.44, 0.94, 1));
    primary->layer()->cornerRadius = 8;
    bg->addSubview(primary);
    auto secondary = UIButton::buttonWithType(UIButtonTypeSystem);
    secondary->setFrame({{20, 495}, {335, 44}});
    secondary->setTitle("Not now", UIControlStateNormal);
    bg->addSubview(secondary);
    auto disabled = UIButton::buttonWithType(UIButtonTypeSystem);
    disabled->setFrame({{20, 545}, {335, 44}});
    disabled->setTitle("Unavailable", UIControlStateNormal);
    disabled->setEnabled(false);
    bg->addSubview(disabled);

    auto toolbar = UIToolbar::create({{0, 617}, {375, 50}});
    toolbar->setItems({UIBarButtonItem::create("Cancel", UIBarButtonItemStylePlain, nullptr, ""),
                       UIBarButtonItem::flexibleSpace(),
                       UIBarButtonItem::createWithSystemItem(UIBarButtonSystemItemDone)});
    bg->addSubview(toolbar);

    host.runUntilIdle();
    EXPECT_TRUE(host.snapshot("controls_gallery"));
}

}  // namespace
}  // namespace fv::testing_controls
