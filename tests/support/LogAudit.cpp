#include "tests/support/LogAudit.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "platform/foundation/Log.h"

namespace fv::testing {

namespace {

struct Rule {
    const char* what;
    std::regex pattern;
};

const std::vector<Rule>& rules() {
    using std::regex;
    constexpr auto icase = regex::ECMAScript | regex::icase;
    static const std::vector<Rule> all = {
        // 13 to 19 digits (and longer), whether or not spaces or dashes group them.
        {"a card-length digit run", regex(R"((^|[^0-9])[0-9](?:[ -]?[0-9]){12,})")},
        {"an SSN", regex(R"((^|[^0-9])[0-9]{3}[- ][0-9]{2}[- ][0-9]{4}([^0-9]|$))")},
        {"an SSN next to its key", regex(R"(ssn\W{0,4}[0-9]{9}([^0-9]|$))", icase)},
        {"a CVV next to its key", regex(R"((cvv2?|cvc2?|security.?code)\W{0,4}[0-9]{3,4}([^0-9]|$))", icase)},
        {"a password",
         regex(R"((password|passwd|passcode|\bpin)["']?\s*[:=]\s*["']?(?!<hidden>)[^\s"',;}<]+)", icase)},
        {"a token or secret", regex(R"((token|secret)["']?\s*[:=]\s*["']?(?!<hidden>)[^\s"',;}<]+)", icase)},
    };
    return all;
}

class LogAuditEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { capture_ = std::make_unique<LogCapture>(true); }
    void TearDown() override {
        for (const std::string& finding : logAuditFindings(capture_->lines())) ADD_FAILURE() << finding;
        capture_.reset();
    }

  private:
    std::unique_ptr<LogCapture> capture_;
};

[[maybe_unused]] const auto* const kRegistered = ::testing::AddGlobalTestEnvironment(new LogAuditEnvironment);

}  // namespace

std::vector<std::string> logAuditFindings(const std::vector<std::string>& lines) {
    std::vector<std::string> findings;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (const Rule& rule : rules()) {
            if (std::regex_search(lines[i], rule.pattern))
                findings.push_back("log line " + std::to_string(i + 1) + " carries " + rule.what);
        }
    }
    return findings;
}

}  // namespace fv::testing
