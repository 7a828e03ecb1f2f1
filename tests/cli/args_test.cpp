// Command lines, and what selkan-cli fleet prints.
#include "tools/cli/args.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "tools/cli/fleet_console.h"

namespace selkan::cli {
namespace {

constexpr std::array<OptionDef, 5> kDefs{{{"--type", true},
                                          {"-o", true},
                                          {"--force", false},
                                          {"--port", true, true},
                                          {"--lang", true, false, "--language"}}};

TEST(ParseArgs, OptionsValuesPositionalsDashDashHelpLanguageAndBand) {
  std::string error;
  auto parsed = ParseArgs({"a.dat", "--type", "3", "-o", "x.csv", "--force", "b"}, kDefs, &error);
  ASSERT_TRUE(parsed) << error;
  EXPECT_EQ(parsed->positionals, (std::vector<std::string>{"a.dat", "b"}));
  ASSERT_NE(parsed->Value("--type"), nullptr);
  EXPECT_EQ(*parsed->Value("--type") + " " + *parsed->Value("-o"), "3 x.csv");
  EXPECT_TRUE(parsed->Has("--force") && !parsed->help);

  parsed = ParseArgs({"--type=", "-h", "--", "--force", "-"}, kDefs, &error);
  ASSERT_TRUE(parsed && parsed->help && !parsed->Has("--force")) << error;
  EXPECT_EQ(*parsed->Value("--type"), "");
  EXPECT_EQ(parsed->positionals, (std::vector<std::string>{"--force", "-"}));

  // A repeatable option keeps every value in order; an alias is the option.
  parsed =
      ParseArgs({"--port=A", "--language", "Chinese", "--port", "B", "--port="}, kDefs, &error);
  ASSERT_TRUE(parsed) << error;
  EXPECT_EQ(parsed->Values("--port"), (std::vector<std::string>{"A", "B", ""}));
  EXPECT_EQ(*parsed->Value("--port"), "");
  EXPECT_EQ(LanguageOption(*parsed), Language::Chinese);

  // Unknown, repeated (under either spelling), missing value, value on a flag.
  for (const Args& args :
       {Args{"--bogus"}, Args{"--type", "1", "--type=2"}, Args{"--lang=x", "--language", "y"},
        Args{"--force", "--force"}, Args{"x", "-o"}, Args{"--force=yes"}}) {
    error.clear();
    EXPECT_TRUE(!ParseArgs(args, kDefs, &error) && !error.empty()) << args[0];
  }
  EXPECT_EQ(error, "option '--force' takes no value");

  const std::pair<const char*, std::optional<Language>> languages[] = {
      {"chinese", Language::Chinese}, {"ENGLISH", Language::English}, {"German", {}}, {"", {}}};
  for (const auto& [value, language] : languages)
    EXPECT_EQ(LanguageOption({{}, {{"--lang", value}}}), language) << value;
  EXPECT_EQ(LanguageOption({}), Language::English);

  // Limits in MHz, read in 10 Hz units; below 10 MHz (no frequency in a record) the lower is 10.
  const std::tuple<const char*, int, int> ranges[] = {
      {"400-470", 400, 470}, {"446-446", 446, 446}, {"0-999", 10, 999}, {"10-10", 10, 10}};
  for (const auto& [text, lower, upper] : ranges) {
    const auto range = ParseMhzRange(text);
    EXPECT_TRUE(range && range->lower == lower * 100000 && range->upper == upper * 100000) << text;
  }
  for (const char* bad : {"470-400", "400", "400-", "-470", "400-1000", "400.5-470", "0-9", "5-9",
                          "400 - 470", "400-470-480"})
    EXPECT_FALSE(ParseMhzRange(bad)) << bad;
}

// Printed commands are pasted into a shell: a word must reach the program as it is.
TEST(CliTexts, ShellWordsStatusLinesAndRadioLines) {
  EXPECT_EQ(ShellWord("/home/a/20260301-140509_SK-100.dat"), "/home/a/20260301-140509_SK-100.dat");
  EXPECT_EQ(ShellWord("/home/my files/x.dat"), "'/home/my files/x.dat'");
  EXPECT_EQ(ShellWord("it's"), "'it'\\''s'");
  EXPECT_EQ(ShellWord("$HOME;rm") + " " + ShellWord(""), "'$HOME;rm' ''");

  // What selkan-cli fleet tells of a port and the run: on a terminal, a line drawn over itself.
  std::FILE* out = std::tmpfile();
  FleetConsole console(out, true);
  const FleetCallbacks callbacks = console.Callbacks();
  FleetRecord record;
  record.port = "COM1", record.seconds = 27.84;
  const auto drawn = [&](FleetPhase phase, bool done = false) {
    testing::internal::CaptureStderr();
    if (done) callbacks.done(record);
    callbacks.status({"COM1", phase, 4, WriteStep::kWrite, 37});
    return testing::internal::GetCapturedStderr();
  };
  EXPECT_EQ(drawn(FleetPhase::kWaitingForRadio), "\rRadio 1: connect it and turn it on\x1b[K");
  EXPECT_EQ(drawn(FleetPhase::kWriting), "\rRadio 4: writing 37 %\x1b[K");
  EXPECT_EQ(drawn(FleetPhase::kWaitingForRemoval, true),
            "\r\x1b[K\a\rRadio 4 verified in 27.8 s \u2014 remove it\x1b[K");
  record.outcome = TransferOutcome::kRadioMismatch, record.identification = "KZ905SK1";
  EXPECT_EQ(drawn(FleetPhase::kWaitingForNext, true),
            "\r\x1b[K\a\rRadio 4 is of another type (KZ905SK1) \u2014 connect the next radio and "
            "press Enter\x1b[K");
  testing::internal::CaptureStderr();  // two radios done in a row, a word: the status cleared once
  callbacks.done(record), callbacks.done(record), console.Say([] {});
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "\r\x1b[K\a\a");
  EXPECT_EQ(drawn(FleetPhase::kEnded), "\rdone\x1b[K");
  EXPECT_EQ(FleetSummaryText({5, 4, 1, 140.5, {}, {}, false}, true, 59.97),
            "5 radios: 4 verified, 1 failed; 1 min 0.0 s in all, 28.1 s a radio");
  EXPECT_EQ(FleetSummaryText({0, 0, 0, 0, {}, {}, true}, false, 3),  // no time a radio of none
            "0 radios: 0 written, 0 failed; 3.0 s in all");
  std::fclose(out);

  // A broken-off write says how to put the radio's backup back.
  record.outcome = TransferOutcome::kProgramInterrupt, record.step = WriteStep::kWrite;
  record.blocksWritten = 212, record.number = 3, record.port = "COM2";
  record.backupPath = "/b/my radio.dat";
  EXPECT_EQ(FleetRecordText(record),
            "Radio 3 on COM2: broke off at block 212 of 510 (27.8 s)\n"
            "  backup: /b/my radio.dat\n"
            "  the radio is only partly written; to put its backup back:\n"
            "    selkan-cli write --port COM2 --no-backup '/b/my radio.dat'");
}

}  // namespace
}  // namespace selkan::cli
