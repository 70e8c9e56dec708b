#include "tests/support/LogAudit.h"

#include <gtest/gtest.h>

namespace fv::testing {
namespace {

struct AuditCase {
    std::string line;
    bool flagged;
};

class LogAuditTest : public ::testing::TestWithParam<AuditCase> {};

TEST_P(LogAuditTest, FlagsWhatALogMustNeverCarry) {
    EXPECT_EQ(logAuditFindings({GetParam().line}).size(), GetParam().flagged ? 1u : 0u) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LogAuditTest,
    ::testing::Values(AuditCase{"card 4111111111111", true}, AuditCase{"card 4111 1111 1111 1111 ok", true},
                      AuditCase{"card 4111-1111-1111-1111111", true}, AuditCase{"ssn 078-05-1120.", true},
                      AuditCase{"\"ssn\": \"078051120\"", true}, AuditCase{"CVV: 123", true},
                      AuditCase{"cvc=9876", true}, AuditCase{"password=hunter2", true},
                      AuditCase{"\"Password\": \"s3cret\"", true}, AuditCase{"token: abc.def", true},
                      AuditCase{"client_secret=xyz", true},
                      // What a log may say.
                      AuditCase{"card …1111, expires 12/29", false}, AuditCase{"ssn: <hidden>", false},
                      AuditCase{"on 2026-12-07 at 06:49:25, code 05", false},
                      AuditCase{"the password is too short", false}, AuditCase{"token: <hidden>", false},
                      AuditCase{"amount 1234.56, account …6789", false}, AuditCase{"", false}));

}  // namespace
}  // namespace fv::testing
