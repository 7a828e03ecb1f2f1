#include "tools/cli/args.h"

#include <gtest/gtest.h>

#include <array>

namespace selkan::cli {
namespace {

constexpr std::array<OptionSpec, 3> kSpecs{{{"--type", true}, {"-o", true}, {"--force", false}}};

std::optional<ParsedArgs> Parse(const Args& args, std::string* error) {
  return ParseArgs(args, kSpecs, error);
}

TEST(ParseArgs, SeparatesOptionsValuesAndPositionals) {
  std::string error;
  const auto parsed = Parse({"a.dat", "--type", "3", "-o", "x.csv", "--force", "b"}, &error);
  ASSERT_TRUE(parsed) << error;
  EXPECT_EQ(parsed->positionals, (std::vector<std::string>{"a.dat", "b"}));
  ASSERT_NE(parsed->Value("--type"), nullptr);
  EXPECT_EQ(*parsed->Value("--type"), "3");
  EXPECT_EQ(*parsed->Value("-o"), "x.csv");
  EXPECT_TRUE(parsed->Has("--force"));
  EXPECT_FALSE(parsed->help);
}

TEST(ParseArgs, JoinedValuesDashDashAndHelp) {
  std::string error;
  const auto parsed = Parse({"--type=", "-h", "--", "--force", "-"}, &error);
  ASSERT_TRUE(parsed) << error;
  EXPECT_EQ(*parsed->Value("--type"), "");
  EXPECT_TRUE(parsed->help);
  EXPECT_FALSE(parsed->Has("--force"));
  EXPECT_EQ(parsed->positionals, (std::vector<std::string>{"--force", "-"}));
}

TEST(ParseArgs, RejectsUnknownRepeatedMissingAndUnexpectedValues) {
  for (const Args& args :
       {Args{"--bogus"}, Args{"--type", "1", "--type=2"}, Args{"x", "-o"}, Args{"--force=yes"}}) {
    std::string error;
    EXPECT_FALSE(Parse(args, &error)) << args[0];
    EXPECT_FALSE(error.empty());
  }
}

TEST(ParseIntInRange, DigitsOnlyWithinTheLimits) {
  EXPECT_EQ(ParseIntInRange("0", 0, 255), 0);
  EXPECT_EQ(ParseIntInRange("255", 0, 255), 255);
  EXPECT_EQ(ParseIntInRange("007", 0, 255), 7);
  for (const char* bad : {"256", "-1", "+1", "", " 1", "1 ", "1x", "0x10", "99999999999"}) {
    EXPECT_FALSE(ParseIntInRange(bad, 0, 255)) << bad;
  }
}

TEST(ParseMhzRange, WholeMegahertzToTenHertzLimits) {
  const auto uhf = ParseMhzRange("400-470");
  ASSERT_TRUE(uhf);
  EXPECT_EQ(uhf->lower, 40000000);
  EXPECT_EQ(uhf->upper, 47000000);
  const auto single = ParseMhzRange("446-446");
  ASSERT_TRUE(single);
  EXPECT_EQ(single->lower, single->upper);
  // A record cannot hold frequencies below 10 MHz: they would read back as
  // no frequency at all.
  const auto fromZero = ParseMhzRange("0-999");
  ASSERT_TRUE(fromZero);
  EXPECT_EQ(fromZero->lower, 1000000);
  EXPECT_EQ(fromZero->upper, 99900000);
  const auto lowest = ParseMhzRange("10-10");
  ASSERT_TRUE(lowest);
  EXPECT_EQ(lowest->lower, 1000000);
  for (const char* bad : {"470-400", "400", "400-", "-470", "400-1000", "400.5-470", "0-9", "5-9",
                          "400 - 470", "400-470-480"}) {
    EXPECT_FALSE(ParseMhzRange(bad)) << bad;
  }
}

}  // namespace
}  // namespace selkan::cli
