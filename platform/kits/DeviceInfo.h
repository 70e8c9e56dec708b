#pragma once
// The device-size query: a small integer code for the class of screen the app runs on, so layouts
// can pick constants per class. Read from the main screen's height in points unless a test sets it.
#include <optional>

namespace fv {

class DeviceInfo {
  public:
    enum DeviceSize : int {
        unknownSize = 0,            // 3.5-inch phones and anything unrecognised
        screen4Inch = 1,            // 568 points high
        screen4Dot7Inch = 2,        // 667
        screen5Dot5Inch = 3,        // 736
        screen5Dot8InchOrMore = 4,  // 812 and taller phones
        padSize = 5,
    };

    static int deviceSize();

    // Test driver: a fixed answer, or none to read the screen again.
    static void setDeviceSize(std::optional<int> code);
    // Back to reading the screen; the test host calls this between tests.
    static void reset();
};

}  // namespace fv
