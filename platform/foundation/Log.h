#pragma once
// The console: one line per call, no levels. `log` goes to standard error and carries every line
// the framework and the platform write for a developer; `print` goes to standard output and is left
// to a host's own lines. Tests capture lines with LogCapture. Never pass a full card number, CVV,
// SSN, password or token here; as a last guard, every line has its long digit runs masked before
// anyone sees it.
#include <memory>
#include <string>
#include <vector>

namespace fv {

void log(const std::string& line);
void print(const std::string& line);

// `line` with every run of 12 or more digits replaced by "…" and its last four digits. Digit groups
// parted by runs of blanks, tabs, dashes or no-break spaces count as one run, as in
// "4111 1111 1111 1111" or a card face's "4929   1834   5520   7316".
std::string maskDigitRuns(const std::string& line);

// While alive, captures every line of both streams (and still writes them through when `echo`).
// Captures nest: each live one sees every line; a line reaches the console only if all of them echo.
class LogCapture {
  public:
    explicit LogCapture(bool echo = false);
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> lines() const;
    bool contains(const std::string& fragment) const;
    void clear();

    struct State;  // opaque; shared with the console while the capture is alive

  private:
    std::shared_ptr<State> state_;
};

}  // namespace fv
