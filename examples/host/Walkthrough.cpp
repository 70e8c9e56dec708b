#include "examples/host/Walkthrough.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "core/ScreenNames.h"
#include "examples/host/Roads.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIViewRendering.h"

namespace fv {

namespace fs = std::filesystem;

namespace {

// How long a step may take before the walk gives up on it.
constexpr double kStepTimeout = 5.0;

RunLoop& loop() {
    return RunLoop::main();
}

bool waitFor(const std::function<bool()>& done) {
    return UserDriver::waitFor(done, kStepTimeout);
}

std::string describe(const UIViewControllerPtr& screen) {
    return screen ? screen->className() : "no screen";
}

std::string tap(const UIViewPtr& view, const std::string& what) {
    return UserDriver::tap(view, what);
}

// The key window with whatever shows above it (banners, pop-ups, alerts), as the user sees the screen.
UIImagePtr renderScreen(UIWindow& keyWindow) {
    const auto windows = UIApplication::sharedApplication()->windows();
    if (windows.size() <= 1) return renderView(keyWindow);
    const CGRect screen = keyWindow.frame();
    const UIGraphicsImageRenderer renderer(screen.size, true, UIScreen::mainScreen()->scale());
    return renderer.imageWithActions([&](const CGContextRef& context) {
        for (const auto& window : windows) {
            window->layoutIfNeeded();
            context->saveGState();
            context->translateCTM(window->frame().origin.x - screen.origin.x,
                                  window->frame().origin.y - screen.origin.y);
            renderViewTree(*window, context);
            context->restoreGState();
        }
    });
}

bool hasAppeared(const UIViewControllerPtr& screen, ScreenName name) {
    return screen && screen->className() == name.className &&
           screen->appearance() == UIViewController::Appearance::Appeared;
}

}  // namespace

Walkthrough::Walkthrough(HostApplication& app, std::string outputDir)
    : app_(app), outputDir_(std::move(outputDir)) {}

std::string Walkthrough::savePicture(const std::string& name) {
    char file[64];
    std::snprintf(file, sizeof file, "%02d-%s.png", stepNumber_, name.c_str());
    const std::string path = (fs::path(outputDir_) / file).string();
    loop().runUntilIdle();
    app_.window()->layoutIfNeeded();
    if (outputDir_.empty()) return renderScreen(*app_.window()) ? "(not saved)" : "";
    // Pictures are written in the background; a folder that cannot take them stops the walk at once.
    std::error_code ec;
    if (!fs::is_directory(outputDir_, ec)) return "";
    if (!writer_.write(renderScreen(*app_.window()), path)) return "";
    pictures_.push_back(path);
    return path;
}

bool Walkthrough::step(const Step& step) {
    ++stepNumber_;
    const std::string problem = step.action();
    const std::string picture = savePicture(step.name);
    char number[8];
    std::snprintf(number, sizeof number, "%02d", stepNumber_);
    if (!problem.empty()) {
        print(std::string(number) + " " + step.name + ": FAILED: " + problem +
              " (top screen: " + describe(topScreen()) + ")");
        return false;
    }
    if (picture.empty()) {
        print(std::string(number) + " " + step.name + ": FAILED: cannot write the picture into " +
              outputDir_);
        return false;
    }
    print(std::string(number) + " " + step.name + ": " + step.description + " -> " + picture);
    return true;
}

bool Walkthrough::runAll() {
    for (const auto& road : roads())
        if (!road.walk(*this)) return false;
    return true;
}

bool Walkthrough::run(const std::vector<Step>& steps) {
    std::error_code ec;
    if (!outputDir_.empty()) fs::create_directories(outputDir_, ec);
    bool walked = step({"host", "the host's own first screen", [&] { return awaitHost(); }});
    for (std::size_t i = 0; walked && i < steps.size(); ++i) walked = step(steps[i]);
    return finishPictures() && walked;
}

bool Walkthrough::finishPictures() {
    const auto failed = writer_.finish();
    for (const auto& path : failed) print("FAILED: cannot write the picture " + path);
    std::erase_if(pictures_, [&](const std::string& p) {
        return std::find(failed.begin(), failed.end(), p) != failed.end();
    });
    return failed.empty();
}

UIViewControllerPtr Walkthrough::topScreen() const {
    // A framework stack the host presents covers the host's own.
    UINavigationControllerPtr stack = app_.navigationController();
    while (auto over = std::dynamic_pointer_cast<UINavigationController>(stack->presentedViewController()))
        stack = over;
    return stack->topViewController();
}

std::string Walkthrough::reach(ScreenName screen) const {
    if (waitFor([&] { return hasAppeared(topScreen(), screen); })) return "";
    return std::string("expected ") + screen.className + " on top";
}

bool Walkthrough::awaitInRealTime(const std::function<bool()>& done, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!UserDriver::waitFor(done, 0.05)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::string Walkthrough::reachInRealTime(ScreenName screen) const {
    if (!awaitInRealTime([&] {
            auto top = topScreen();
            return top && top->className() == screen.className;
        }))
        return std::string(screen.className) + " does not open";
    return reach(screen);
}

std::string Walkthrough::awaitHost() const {
    const auto root = app_.rootScreen();
    if (!waitFor([&] {
            return topScreen() == root && root->appearance() == UIViewController::Appearance::Appeared;
        }))
        return "the host's first screen is not showing";
    if (app_.navigationController()->viewControllers().size() != 1 ||
        app_.navigationController()->presentedViewController())
        return "screens are left above the host's first screen";
    return "";
}

std::string Walkthrough::openRoad(const std::string& road, ScreenName screen) const {
    auto button = app_.rootScreen()->buttonForRoad(road);
    if (!button) return "the host has no button for the road " + road;
    if (auto problem = tap(button, "the host's " + road + " button"); !problem.empty()) return problem;
    return reach(screen);
}

}  // namespace fv
