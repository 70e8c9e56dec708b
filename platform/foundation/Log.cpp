#include "platform/foundation/Log.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <string_view>

namespace fv {

struct LogCapture::State {
    bool echo = false;
    mutable std::mutex mutex;
    std::vector<std::string> lines;
};

namespace {

// One lock for the streams and the capture list, so lines from different threads never interleave.
struct Console {
    std::mutex mutex;
    std::vector<std::shared_ptr<LogCapture::State>> captures;
};

// Never destroyed, so work torn down during exit may still log.
Console& console() {
    static Console* instance = new Console;
    return *instance;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The byte length of a character that may stand between the digit groups of a written number at
// `at` (blank, tab, dash, and the no-break, narrow no-break, figure and thin spaces), or 0.
std::size_t separatorWidth(const std::string& line, std::size_t at) {
    if (at >= line.size()) return 0;
    const char c = line[at];
    if (c == ' ' || c == '\t' || c == '-') return 1;
    const std::string_view rest = std::string_view(line).substr(at);
    for (std::string_view wide : {"\u00A0", "\u202F", "\u2007", "\u2009"}) {
        if (rest.starts_with(wide)) return wide.size();
    }
    return 0;
}

void emit(std::FILE* stream, const std::string& text) {
    const std::string line = maskDigitRuns(text);
    Console& c = console();
    std::lock_guard lock(c.mutex);
    bool writeThrough = true;
    for (const auto& capture : c.captures) {
        std::lock_guard captureLock(capture->mutex);
        capture->lines.push_back(line);
        writeThrough = writeThrough && capture->echo;
    }
    if (writeThrough) {
        std::string out = line + "\n";
        std::fwrite(out.data(), 1, out.size(), stream);
        std::fflush(stream);
    }
}

}  // namespace

std::string maskDigitRuns(const std::string& line) {
    // Long enough for any card or account number, short enough to leave dates and amounts alone.
    constexpr std::size_t kMinRun = 12;
    std::string out;
    out.reserve(line.size());
    std::size_t i = 0;
    while (i < line.size()) {
        if (!isDigit(line[i])) {
            out += line[i++];
            continue;
        }
        // Each byte is looked at at most twice (a separator run that ends the number is copied by the
        // outer loop), so a hostile line costs linear time.
        std::string digits;
        std::size_t end = i;
        for (std::size_t j = i; j < line.size();) {
            if (isDigit(line[j])) {
                digits += line[j++];
                end = j;
                continue;
            }
            std::size_t next = j;
            while (std::size_t width = separatorWidth(line, next)) next += width;
            if (next == j || next == line.size() || !isDigit(line[next])) break;
            j = next;
        }
        if (digits.size() >= kMinRun)
            out += "…" + digits.substr(digits.size() - 4);
        else
            out.append(line, i, end - i);
        i = end;
    }
    return out;
}

void log(const std::string& line) {
    emit(stderr, line);
}

void print(const std::string& line) {
    emit(stdout, line);
}

LogCapture::LogCapture(bool echo) : state_(std::make_shared<State>()) {
    state_->echo = echo;
    Console& c = console();
    std::lock_guard lock(c.mutex);
    c.captures.push_back(state_);
}

LogCapture::~LogCapture() {
    Console& c = console();
    std::lock_guard lock(c.mutex);
    std::erase(c.captures, state_);
}

std::vector<std::string> LogCapture::lines() const {
    std::lock_guard lock(state_->mutex);
    return state_->lines;
}

bool LogCapture::contains(const std::string& fragment) const {
    std::lock_guard lock(state_->mutex);
    return std::any_of(state_->lines.begin(), state_->lines.end(),
                       [&](const std::string& l) { return l.find(fragment) != std::string::npos; });
}

void LogCapture::clear() {
    std::lock_guard lock(state_->mutex);
    state_->lines.clear();
}

}  // namespace fv
