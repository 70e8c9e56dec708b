// Laying out and rendering a phone-sized window with a realistic tree of about 60 views: a header,
// a list of rows with icons, labels and badges, and a bottom bar with rounded, bordered buttons.
#include <benchmark/benchmark.h>

#include "platform/foundation/RunLoop.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/CAGradientLayer.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIViewRendering.h"
#include "platform/ui/UIWindow.h"

namespace {

using namespace fv;

UIWindowPtr makeScreen() {
    auto window = UIWindow::create(CGRectMake(0, 0, 375, 667));
    window->makeKeyAndVisible();  // windows start hidden, and a hidden one draws nothing
    window->setBackgroundColor(UIColor::whiteColor());
    auto header = UIView::create(CGRectMake(0, 0, 375, 120));
    auto gradient = CAGradientLayer::create();
    gradient->setFrame(header->bounds());
    gradient->colors = {UIColor::colorWithRed(0.1, 0.3, 0.7, 1), UIColor::colorWithRed(0.2, 0.6, 0.9, 1)};
    header->layer()->addSublayer(gradient);
    header->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    window->addSubview(header);
    for (int i = 0; i < 10; ++i) {
        auto row = UIView::create(CGRectMake(0, 130 + i * 44.0, 375, 44));
        row->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
        auto icon = UIView::create(CGRectMake(16, 8, 28, 28));
        icon->setBackgroundColor(UIColor::lightGrayColor());
        icon->layer()->cornerRadius = 14;
        icon->setClipsToBounds(true);
        auto title = UIView::create(CGRectMake(56, 8, 200, 16));
        title->setBackgroundColor(UIColor::darkGrayColor());
        auto badge = UIView::create(CGRectMake(320, 12, 40, 20));
        badge->setBackgroundColor(UIColor::redColor());
        badge->layer()->cornerRadius = 10;
        badge->setAutoresizingMask(UIViewAutoresizingFlexibleLeftMargin);
        auto separator = UIView::create(CGRectMake(16, 43, 359, 1));
        separator->setBackgroundColor(UIColor::grayColor());
        for (auto& v : {icon, title, badge, separator}) row->addSubview(v);
        window->addSubview(row);
    }
    auto bar = UIView::create(CGRectMake(0, 587, 375, 80));
    bar->layer()->shadowOpacity = 0.3;
    bar->setBackgroundColor(UIColor::whiteColor());
    window->addSubview(bar);
    UIViewPtr preceding;
    for (int i = 0; i < 3; ++i) {
        auto button = UIView::create();
        button->setTranslatesAutoresizingMaskIntoConstraints(false);
        button->setBackgroundColor(UIColor::blueColor());
        button->layer()->cornerRadius = 8;
        button->layer()->borderWidth = 1;
        bar->addSubview(button);
        std::vector<std::pair<std::string, UIViewPtr>> views{{"button", button}};
        if (preceding) views.push_back({"precedingView", preceding});
        bar->addConstraints(NSLayoutConstraint::constraintsWithVisualFormat(
            preceding ? "H:[precedingView]-8-[button(==precedingView)]" : "H:|-16-[button]", views));
        bar->addConstraints(NSLayoutConstraint::constraintsWithVisualFormat("V:|-12-[button]-12-|", views));
        preceding = button;
    }
    bar->addConstraints(NSLayoutConstraint::constraintsWithVisualFormat("[precedingView]-16-|",
                                                                        {{"precedingView", preceding}}));
    return window;
}

void BM_LayoutAndRender(benchmark::State& state) {
    RunLoop::main().setVirtualClock(true);
    auto window = makeScreen();
    CGFloat scale = static_cast<CGFloat>(state.range(0));
    // A window that draws nothing (e.g. one never shown) would make this measure nothing.
    UIGraphicsBeginImageContextWithOptions(window->bounds().size, false, scale);
    const UIImagePtr blank = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    if (imagesEqual(renderView(*window, scale), blank)) state.SkipWithError("the window drew nothing");
    for (auto _ : state) {
        window->setNeedsLayout();
        for (auto& v : window->subviews()) v->setNeedsLayout();
        window->layoutIfNeeded();
        auto image = renderView(*window, scale);
        benchmark::DoNotOptimize(image);
    }
    UIApplication::sharedApplication()->reset();
    RunLoop::main().reset();
}
BENCHMARK(BM_LayoutAndRender)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
