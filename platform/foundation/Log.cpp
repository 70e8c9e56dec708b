#include "platform/foundation/Log.h"

#include <algorithm>
#include <cstdio>
#include <mutex>

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
        std::string digits;
        std::size_t end = i;
        for (std::size_t j = i; j < line.size();) {
            if (isDigit(line[j])) {
                digits += line[j++];
                end = j;
            } else if ((line[j] == ' ' || line[j] == '-') && j + 1 < line.size() && isDigit(line[j + 1])) {
                ++j;
            } else {
                break;
            }
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
