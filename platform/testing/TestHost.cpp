#include "platform/testing/TestHost.h"

#include "platform/testing/UserDriver.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/foundation/ResetHooks.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/TouchDispatch.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIDevice.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIViewAnimation.h"
#include "platform/ui/UIViewRendering.h"

namespace fv {

namespace fs = std::filesystem;

namespace {

std::string nameOf(const UIViewPtr& view) {
    return view ? view->className() : std::string("no view");
}

// Fails the test with the driver's problem, if any.
bool passes(const char* step, const std::string& problem) {
    if (!problem.empty()) ADD_FAILURE() << step << ": " << problem;
    return problem.empty();
}

std::uint32_t pixelAt(cairo_surface_t* s, int x, int y) {
    auto* row =
        cairo_image_surface_get_data(s) + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(s);
    std::uint32_t p = reinterpret_cast<const std::uint32_t*>(row)[x];
    if (cairo_image_surface_get_format(s) == CAIRO_FORMAT_RGB24) p |= 0xFF000000u;
    return p;
}

bool writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

TestHost::TestHost() {
    std::string pattern = (fs::temp_directory_path() / "fv-testhost-XXXXXX").string();
    if (char* dir = mkdtemp(pattern.data())) tempDir_ = dir;
    setenv("FERNVAULT_DEFAULTS_PATH", (fs::path(tempDir_) / "defaults.plist").c_str(), 1);
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    ResetHooks::runAll();

    auto& loop = RunLoop::main();
    loop.reset();
    loop.setVirtualClock(true);
    UIApplication::sharedApplication()->reset();
    TouchDispatch::reset();
    UIScreen::mainScreen()->reset();
    UIDevice::currentDevice()->reset();
    AnimationLog::clear();
    UINib::clearLoadErrors();

    root_ = UIViewController::create();
    root_->view()->setBackgroundColor(UIColor::whiteColor());
    nav_ = UINavigationController::create(root_);
    window_ = UIWindow::create();
    window_->setRootViewController(nav_);
    window_->makeKeyAndVisible();
    runUntilIdle();
}

TestHost::~TestHost() {
    finish();
}

void TestHost::finish() {
    if (finished_) return;
    finished_ = true;
    for (const auto& e : UINib::loadErrors()) ADD_FAILURE() << "interface file error: " << e;
    UINib::clearLoadErrors();
    for (const auto& f : faults_.faults()) ADD_FAILURE() << "fault: " << f;
    faults_.clear();
    window_->setRootViewController(nullptr);
    window_->setHidden(true);
    TouchDispatch::reset();
    UIApplication::sharedApplication()->reset();
    RunLoop::main().reset();
    window_.reset();
    nav_.reset();
    root_.reset();
    unsetenv("FERNVAULT_DEFAULTS_PATH");
    NSUserDefaults::resetStandardUserDefaultsForTesting();
    ResetHooks::runAll();
    UIScreen::mainScreen()->reset();
    UIDevice::currentDevice()->reset();
    std::error_code ec;
    if (!tempDir_.empty()) fs::remove_all(tempDir_, ec);
}

// ---- screens ----

void TestHost::useScreen(TestScreen screen) {
    struct Shape {
        CGFloat width, height, scale;
        UIUserInterfaceIdiom idiom;
    };
    Shape shape{375, 667, 2.0, UIUserInterfaceIdiomPhone};
    switch (screen) {
        case TestScreen::Phone375:
            break;
        case TestScreen::Phone320:
            shape = {320, 568, 2.0, UIUserInterfaceIdiomPhone};
            break;
        case TestScreen::Phone414:
            shape = {414, 896, 3.0, UIUserInterfaceIdiomPhone};
            break;
        case TestScreen::Pad:
            shape = {768, 1024, 2.0, UIUserInterfaceIdiomPad};
            break;
    }
    UIScreen::mainScreen()->setBounds({{0, 0}, {shape.width, shape.height}});
    UIScreen::mainScreen()->setScale(shape.scale);
    UIDevice::currentDevice()->setUserInterfaceIdiom(shape.idiom);
    window_->setFrame(UIScreen::mainScreen()->bounds());
    window_->setNeedsLayout();
    window_->layoutIfNeeded();
    runUntilIdle();
}

void TestHost::show(const UIViewControllerPtr& screen) {
    nav_->pushViewController(screen, false);
    runUntilIdle();
}

std::vector<UIViewControllerPtr> TestHost::navigationStack() const {
    return nav_->viewControllers();
}

UIViewControllerPtr TestHost::topViewController() const {
    return nav_->topViewController();
}

UIViewControllerPtr TestHost::presentedViewController() const {
    UIViewControllerPtr shown = nav_->presentedViewController();
    while (shown && shown->presentedViewController()) shown = shown->presentedViewController();
    return shown;
}

// ---- the clock ----

void TestHost::advance(double seconds) {
    RunLoop::main().advance(seconds);
}

void TestHost::runUntilIdle() {
    RunLoop::main().runUntilIdle();
}

// ---- input ----
// Through the user driver, as the example host's walk goes: the touch dispatch shows recognisers the
// touches before the views, as on a device. Taps hold the finger no time, so that they leave the clock
// where the test put it.

bool TestHost::tap(CGPoint windowPoint) {
    return UserDriver::tapAt(windowPoint, 0).empty();
}

bool TestHost::tap(const UIViewPtr& view) {
    return passes("tap", UserDriver::tap(view, nameOf(view), 0));
}

std::string TestHost::tapMissing(const UIViewPtr& view) {
    return UserDriver::tap(view, nameOf(view), 0);
}

bool TestHost::typeText(const UIViewPtr& field, const std::string& text) {
    return passes("typeText", UserDriver::type(field, text, nameOf(field), 0));
}

bool TestHost::deleteBackward(const UIViewPtr& field, int count) {
    return passes("deleteBackward", UserDriver::deleteBackward(field, count, nameOf(field), 0));
}

bool TestHost::drag(const UIViewPtr& view, CGPoint from, CGPoint to, double velocity) {
    constexpr int kSteps = 10;
    const double speed = velocity > 0 ? velocity : 1000;
    const double seconds = std::hypot(to.x - from.x, to.y - from.y) / speed;
    return passes("drag", UserDriver::drag(view, from, to, seconds, kSteps, nameOf(view)));
}

bool TestHost::pan(const UIViewPtr& view, CGPoint translation, double velocity) {
    if (!view) return passes("pan", "no view");
    CGRect b = view->bounds();
    CGPoint c{CGRectGetMidX(b), CGRectGetMidY(b)};
    return drag(view, c, {c.x + translation.x, c.y + translation.y}, velocity);
}

// ---- looking ----

UIViewPtr TestHost::outlet(const NSObjectPtr& owner, const std::string& name) {
    return owner ? std::dynamic_pointer_cast<UIView>(owner->objectForKey(name)) : nullptr;
}

UIViewPtr TestHost::findViewWithText(const std::string& text, const UIViewPtr& root) const {
    if (root) return UserDriver::viewWithText(root, text);
    auto overlays = overlayWindows();
    for (auto it = overlays.rbegin(); it != overlays.rend(); ++it)
        if (auto found = UserDriver::viewWithText(*it, text)) return found;
    return UserDriver::viewWithText(window_, text);
}

std::vector<std::string> TestHost::visibleTexts(const UIViewPtr& root) {
    return UserDriver::visibleTexts(root);
}

std::vector<UIWindowPtr> TestHost::overlayWindows() const {
    auto windows = UIApplication::sharedApplication()->windows();
    auto it = std::find(windows.begin(), windows.end(), window_);
    if (it == windows.end()) return windows;
    return {it + 1, windows.end()};
}

std::vector<UIViewPtr> TestHost::overlayViews() const {
    std::vector<UIViewPtr> views;
    for (const auto& w : overlayWindows())
        for (const auto& v : w->subviews())
            if (UserDriver::isShown(v.get())) views.push_back(v);
    return views;
}

UIAlertControllerPtr TestHost::visibleAlert() const {
    UIAlertControllerPtr alert;
    for (auto c = nav_->presentedViewController(); c; c = c->presentedViewController())
        if (auto a = std::dynamic_pointer_cast<UIAlertController>(c)) alert = a;
    return alert;
}

bool TestHost::tapAlertAction(const std::string& title) {
    auto alert = visibleAlert();
    if (!alert) return false;
    const auto& actions = alert->actions();
    const auto& rows = alert->actionRowFrames();
    for (std::size_t i = 0; i < actions.size() && i < rows.size(); ++i) {
        if (actions[i]->title() != title || !actions[i]->enabled()) continue;
        CGRect card = alert->cardFrame();
        CGPoint inCard{CGRectGetMidX(rows[i]), CGRectGetMidY(rows[i])};
        auto backdrop = alert->viewIfLoaded();
        CGPoint p =
            backdrop->convertPointToView({card.origin.x + inCard.x, card.origin.y + inCard.y}, nullptr);
        if (!tap(p)) return false;
        advance(UIViewControllerTransitionDuration);
        runUntilIdle();
        return true;
    }
    return false;
}

// ---- snapshots ----

bool TestHost::snapshotIn(const std::string& testDir, const std::string& name, const UIViewPtr& view) {
    UIViewPtr target = view ? view : window_;
    runUntilIdle();
    target->layoutIfNeeded();
    auto image = renderView(*target, 1);
    if (!image || image->isEmpty()) {
        ADD_FAILURE() << "snapshot " << name << ": the view has no size";
        return false;
    }
    auto bytes = image->PNGRepresentation();
    fs::path reference = fs::path(testDir) / "snapshots" / (name + ".png");
    const char* record = std::getenv("FV_RECORD_SNAPSHOTS");
    bool recording = record && std::string(record) == "1";
    if (recording || !fs::exists(reference)) {
        if (!writeBytes(reference, bytes)) {
            ADD_FAILURE() << "snapshot " << name << ": cannot write " << reference;
            return false;
        }
        if (recording) return true;
        ADD_FAILURE() << "snapshot " << name << ": no reference image; recorded " << reference
                      << " (check it and run again)";
        return false;
    }
    auto expected = UIImage::imageWithContentsOfFile(reference.string());
    cairo_surface_t* a = image->cairoSurface();
    cairo_surface_t* b = expected ? expected->cairoSurface() : nullptr;
    std::string problem;
    if (!b) {
        problem = "the reference cannot be read";
    } else if (image->pixelWidth() != expected->pixelWidth() ||
               image->pixelHeight() != expected->pixelHeight()) {
        problem = "size " + std::to_string(image->pixelWidth()) + "x" + std::to_string(image->pixelHeight()) +
                  " differs from the reference's " + std::to_string(expected->pixelWidth()) + "x" +
                  std::to_string(expected->pixelHeight());
    } else {
        cairo_surface_flush(a);
        cairo_surface_flush(b);
        long differing = 0;
        for (int y = 0; y < image->pixelHeight(); ++y) {
            for (int x = 0; x < image->pixelWidth(); ++x) {
                std::uint32_t p = pixelAt(a, x, y), q = pixelAt(b, x, y);
                for (int shift = 0; shift < 32; shift += 8) {
                    int d = std::abs(static_cast<int>((p >> shift) & 0xFF) -
                                     static_cast<int>((q >> shift) & 0xFF));
                    if (d > kSnapshotTolerance) {
                        ++differing;
                        break;
                    }
                }
            }
        }
        if (differing > 0) problem = std::to_string(differing) + " pixels differ from the reference";
    }
    if (problem.empty()) return true;
    fs::path actual = fs::temp_directory_path() / "fv-snapshots" / (name + ".actual.png");
    writeBytes(actual, bytes);
    ADD_FAILURE() << "snapshot " << name << ": " << problem << " (actual image: " << actual
                  << "; FV_RECORD_SNAPSHOTS=1 re-records)";
    return false;
}

}  // namespace fv
