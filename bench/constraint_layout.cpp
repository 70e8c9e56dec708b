// The constraint engine on a list of rows of four equal-width buttons (4 views a row):
// - laid out from scratch, 80 and 160 views;
// - one constant changed per frame on 160 views (the list's top margin, which moves every row);
// - the raw baseline: the same 160 frames set by hand, as a layout pass without constraints would.
#include <benchmark/benchmark.h>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIWindow.h"

namespace {

using namespace fv;

struct Screen {
    UIWindowPtr window;
    UIViewPtr list;
    NSLayoutConstraintPtr topMargin;
    std::vector<UIViewPtr> views;
};

Screen makeScreen(int viewCount) {
    Screen s;
    s.window = UIWindow::create(CGRectMake(0, 0, 375, 4000));
    s.window->makeKeyAndVisible();
    s.list = UIView::create(CGRectMake(0, 0, 375, 4000));
    s.window->addSubview(s.list);
    UIViewPtr rowAbove;
    for (int row = 0; row < viewCount / 4; ++row) {
        UIViewPtr preceding;
        for (int i = 0; i < 4; ++i) {
            auto button = UIView::create();
            button->setTranslatesAutoresizingMaskIntoConstraints(false);
            s.list->addSubview(button);
            std::vector<std::pair<std::string, UIViewPtr>> views{{"button", button}};
            if (preceding) views.emplace_back("precedingView", preceding);
            NSLayoutConstraint::activateConstraints(NSLayoutConstraint::constraintsWithVisualFormat(
                preceding ? "H:[precedingView]-8-[button(==precedingView)]" : "H:|-16-[button]", views));
            auto height =
                NSLayoutConstraint::constraintWithItem(button, NSLayoutAttributeHeight, NSLayoutRelationEqual,
                                                       nullptr, NSLayoutAttributeNotAnAttribute, 1, 44);
            height->setPriority(UILayoutPriorityDefaultHigh);
            auto top = rowAbove ? NSLayoutConstraint::constraintWithItem(button, NSLayoutAttributeTop,
                                                                         NSLayoutRelationEqual, rowAbove,
                                                                         NSLayoutAttributeBottom, 1, 8)
                                : NSLayoutConstraint::constraintWithItem(button, NSLayoutAttributeTop,
                                                                         NSLayoutRelationEqual, s.list,
                                                                         NSLayoutAttributeTop, 1, 12);
            if (!rowAbove && !s.topMargin) s.topMargin = top;
            NSLayoutConstraint::activateConstraints({height, top});
            if (rowAbove) {
                auto floor = NSLayoutConstraint::constraintWithItem(
                    button, NSLayoutAttributeHeight, NSLayoutRelationGreaterThanOrEqual, nullptr,
                    NSLayoutAttributeNotAnAttribute, 1, 20);
                floor->setActive(true);
            }
            s.views.push_back(button);
            preceding = button;
        }
        NSLayoutConstraint::activateConstraints(NSLayoutConstraint::constraintsWithVisualFormat(
            "[precedingView]-16-|", {{"precedingView", preceding}}));
        rowAbove = s.views[s.views.size() - 4];
    }
    return s;
}

void tearDown() {
    UIApplication::sharedApplication()->reset();
    RunLoop::main().reset();
}

void BM_ConstraintLayoutFromScratch(benchmark::State& state) {
    RunLoop::main().setVirtualClock(true);
    for (auto _ : state) {
        state.PauseTiming();
        Screen s = makeScreen(static_cast<int>(state.range(0)));
        state.ResumeTiming();
        s.window->layoutIfNeeded();
        state.PauseTiming();
        if (s.views.back()->frame().size.width != 79.75) state.SkipWithError("wrong frames");
        s = Screen{};
        tearDown();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConstraintLayoutFromScratch)->Arg(80)->Arg(160)->Unit(benchmark::kMillisecond);

void BM_ConstraintLayoutOneConstantPerFrame(benchmark::State& state) {
    RunLoop::main().setVirtualClock(true);
    Screen s = makeScreen(static_cast<int>(state.range(0)));
    s.window->layoutIfNeeded();
    int frame = 0;
    for (auto _ : state) {
        s.topMargin->setConstant(12 + (++frame % 60));
        s.window->layoutIfNeeded();
    }
    if (s.views.back()->frame().origin.y != 12 + (frame % 60) + (s.views.size() / 4 - 1) * 52.0)
        state.SkipWithError("wrong frames");
    s = Screen{};
    tearDown();
}
BENCHMARK(BM_ConstraintLayoutOneConstantPerFrame)->Arg(160)->Unit(benchmark::kMicrosecond);

// The raw baseline: the frames the constraints give, set directly.
void BM_RawFramesPerFrame(benchmark::State& state) {
    RunLoop::main().setVirtualClock(true);
    Screen s = makeScreen(static_cast<int>(state.range(0)));
    s.list->removeConstraints(std::vector<NSLayoutConstraintPtr>(s.list->constraints()));
    for (auto& v : s.views) {
        v->removeConstraints(std::vector<NSLayoutConstraintPtr>(v->constraints()));
        v->setTranslatesAutoresizingMaskIntoConstraints(true);
    }
    int frame = 0;
    for (auto _ : state) {
        CGFloat top = 12 + (++frame % 60);
        for (std::size_t i = 0; i < s.views.size(); ++i)
            s.views[i]->setFrame(CGRectMake(16 + (i % 4) * 87.75, top + (i / 4) * 52.0, 79.75, 44));
        s.window->layoutIfNeeded();
    }
    s = Screen{};
    tearDown();
}
BENCHMARK(BM_RawFramesPerFrame)->Arg(160)->Unit(benchmark::kMicrosecond);

}  // namespace
