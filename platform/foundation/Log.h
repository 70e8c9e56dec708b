#pragma once
// The console: one line per call, no levels. `log` goes to standard error, `print` to standard
// output. Tests capture lines with LogCapture. Never pass a full card number, CVV, SSN, password or
// token here.
#include <string>
#include <vector>

namespace fv {

void log(const std::string& line);
void print(const std::string& line);

// While alive, captures every line of both streams (and still writes them through when `echo`).
class LogCapture {
public:
    explicit LogCapture(bool echo = false);
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> lines() const;
    bool contains(const std::string& fragment) const;
    void clear();
};

}  // namespace fv
