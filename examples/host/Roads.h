#pragma once
// The roads through the framework that the example host offers: each is one button on the host's
// first screen and one walk in scripts/demo (all of them in order, or one with --road NAME).
//
// Adding a road is one entry in roads() (Roads.cpp): its name, the host string key of its button's
// title (in examples/host/bundle/en.lproj/Localizable.strings), what the button opens, and the
// walk-through's steps for it (a function in roads/<Name>Road.{h,cpp} handing its steps to
// Walkthrough::run). Its headless test is tests/examples/<Name>RoadTest.cpp.
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/UINavigationController.h"

namespace fv {

class Walkthrough;

struct Road {
    std::string name;
    std::string titleKey;
    std::function<void(const UINavigationControllerPtr& hostStack)> open;
    std::function<bool(Walkthrough& walk)> walk;
};

const std::vector<Road>& roads();
// The road of that name, or none.
const Road* roadNamed(const std::string& name);

}  // namespace fv
