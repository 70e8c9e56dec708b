#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/Log.h"

namespace fv {
namespace {

const Date kMarch4 = {1614834367};  // 2021-03-04 05:06:07 UTC

class LocaleScope {
  public:
    explicit LocaleScope(const std::string& id) { NSLocale::setCurrentLocaleIdentifier(id); }
    ~LocaleScope() { NSLocale::setCurrentLocaleIdentifier(std::nullopt); }
};

NSDateFormatter utc(const std::string& pattern) {
    NSDateFormatter f;
    f.setTimeZone("UTC");
    f.setDateFormat(pattern);
    return f;
}

TEST(DateFormatterTest, PatternsUsePosixLocaleWhateverTheUserLocale) {
    LocaleScope german("de_DE");
    EXPECT_EQ(utc("MMMM/dd/yyyy").stringFromDate(kMarch4), "March/04/2021");
    EXPECT_EQ(utc("MM/dd/yyyy").stringFromDate(kMarch4), "03/04/2021");
    EXPECT_EQ(utc("yyyy-MM-dd'T'HH:mm:ss").stringFromDate(kMarch4), "2021-03-04T05:06:07");
    EXPECT_EQ(utc("MMMM/dd/yyyy").locale(), "en_US_POSIX");
}

TEST(DateFormatterTest, ParsingIsStrictAndRoundTrips) {
    auto f = utc("yyyy-MM-dd'T'HH:mm:ss");
    EXPECT_EQ(f.dateFromString("2021-03-04T05:06:07"), kMarch4);
    EXPECT_EQ(f.dateFromString("2021-03-04T05:06:07Z"), std::nullopt);  // trailing text
    EXPECT_EQ(f.dateFromString("2021-03-04"), std::nullopt);
    EXPECT_EQ(f.dateFromString(""), std::nullopt);
    auto days = utc("MM/dd/yyyy");
    EXPECT_EQ(days.dateFromString("02/30/2021"), std::nullopt);  // no rolling into March
    EXPECT_EQ(days.dateFromString("13/01/2021"), std::nullopt);
    EXPECT_EQ(days.dateFromString("03/04/2021"), Date{1614816000});
    EXPECT_EQ(utc("MMMM/dd/yyyy").dateFromString("March/04/2021"), Date{1614816000});
}

TEST(DateFormatterTest, TimeZoneMovesTheWallClockAndUnknownZonesAreRefused) {
    auto f = utc("yyyy-MM-dd HH:mm");
    f.setTimeZone("America/New_York");
    EXPECT_EQ(f.stringFromDate(kMarch4), "2021-03-04 00:06");
    LogCapture capture;
    f.setTimeZone("Mars/Olympus");
    EXPECT_EQ(f.timeZone(), "America/New_York");
    EXPECT_TRUE(capture.contains("Mars/Olympus"));
}

TEST(DateFormatterTest, StylesFollowTheCurrentLocaleUnlessOneIsSet) {
    NSDateFormatter f;
    f.setTimeZone("UTC");
    f.setDateStyle(NSDateFormatter::Style::Short);
    f.setTimeStyle(NSDateFormatter::Style::Medium);
    {
        LocaleScope german("de_DE");
        EXPECT_EQ(f.stringFromDate(kMarch4), "04.03.21, 05:06:07");
    }
    f.setLocale("en_US");
    // ICU 72 (CLDR 42) writes a narrow no-break space (U+202F) before AM/PM, not a plain space.
    EXPECT_EQ(f.stringFromDate(kMarch4), "3/4/21, 5:06:07\u202fAM");
    EXPECT_EQ(f.dateFromString(f.stringFromDate(kMarch4)), kMarch4);
    f.setDateFormat("yyyy");  // the last choice wins
    EXPECT_EQ(f.stringFromDate(kMarch4), "2021");
    NSDateFormatter none;
    none.setDateStyle(NSDateFormatter::Style::None);
    EXPECT_EQ(none.stringFromDate(kMarch4), "");
}

struct EnvCase {
    const char *language, *lcAll, *lcMessages, *lang;
    std::string identifier, languageCode;
};

class LocaleEnvTest : public ::testing::TestWithParam<EnvCase> {
  protected:
    void TearDown() override {
        for (auto& [name, value] : saved_) value ? setenv(name, value->c_str(), 1) : unsetenv(name);
        NSLocale::setCurrentLocaleIdentifier(std::nullopt);
    }
    void set(const char* name, const char* value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    std::map<const char*, std::optional<std::string>> saved_;
};

TEST_P(LocaleEnvTest, ReadsTheFirstSetVariable) {
    const auto& c = GetParam();
    set("LANGUAGE", c.language);
    set("LC_ALL", c.lcAll);
    set("LC_MESSAGES", c.lcMessages);
    set("LANG", c.lang);
    NSLocale::setCurrentLocaleIdentifier(std::nullopt);
    EXPECT_EQ(NSLocale::currentLocaleIdentifier(), c.identifier);
    EXPECT_EQ(NSLocale::preferredLanguage(), c.languageCode);
}

INSTANTIATE_TEST_SUITE_P(Env, LocaleEnvTest,
                         ::testing::Values(EnvCase{nullptr, nullptr, nullptr, nullptr, "en_US", "en"},
                                           EnvCase{nullptr, nullptr, nullptr, "de_DE.UTF-8", "de_DE", "de"},
                                           EnvCase{nullptr, nullptr, nullptr, "C.UTF-8", "en_US", "en"},
                                           EnvCase{nullptr, "POSIX", nullptr, "de_DE.UTF-8", "en_US", "en"},
                                           EnvCase{nullptr, nullptr, "fr_CA@euro", "de_DE", "fr_CA", "fr"},
                                           EnvCase{"pt_BR:en", "de_DE", nullptr, nullptr, "pt_BR", "pt"},
                                           EnvCase{"", nullptr, nullptr, "es_ES.UTF-8", "es_ES", "es"}));

TEST(LocaleTest, CountryNamesUseTheCurrentLocale) {
    {
        LocaleScope german("de_DE");
        EXPECT_EQ(NSLocale::countryDisplayName("DE"), "Deutschland");
    }
    LocaleScope american("en_US");
    EXPECT_EQ(NSLocale::countryDisplayName("de"), "Germany");
    EXPECT_EQ(NSLocale::countryDisplayName("QX"), std::nullopt);
    EXPECT_EQ(NSLocale::countryDisplayName("DEU"), std::nullopt);
    EXPECT_EQ(NSLocale::countryDisplayName(""), std::nullopt);
}

}  // namespace
}  // namespace fv
