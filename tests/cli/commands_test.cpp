// The file commands in-process, a fresh folder per test: what reaches the files, the streams
// and the exit codes (their rules are the model's and editor's tests). Command lines, and what
// selkan-cli fleet prints, last.
#include "tools/cli/commands.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <array>
#include <csignal>
#include <filesystem>
#include <tuple>

#include "editor/channel_csv.h"
#include "editor/radio_list_export.h"
#include "link/backup_store.h"
#include "model/radio_image.h"
#include "settings/program_directory.h"
#include "tests/support/files_test.h"
#include "tests/support/pdf_text.h"
#include "tests/support/sim_process.h"
#include "tools/cli/args.h"
#include "tools/cli/fleet_console.h"
#include "tools/cli/transfer_session.h"

namespace selkan::cli {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;
using Command = int (*)(const Args&);

std::pair<int, std::string> RunQuiet(Command run, const Args& args, bool out = false) {
  out ? testing::internal::CaptureStdout() : testing::internal::CaptureStderr();
  const int code = run(args);
  return {code,
          out ? testing::internal::GetCapturedStdout() : testing::internal::GetCapturedStderr()};
}

// Ctrl+C only raises a flag while a guard lives (each starts clear), then ends the program again.
TEST(InterruptGuard, TurnsCtrlCIntoAFlagOnlyWhileItLives) {
  std::signal(SIGINT, SIG_DFL);
  for (int guard = 0; guard < 2; ++guard) {
    const InterruptGuard interrupt;
    EXPECT_FALSE(InterruptGuard::Interrupted());
    std::raise(SIGINT);
    EXPECT_TRUE(InterruptGuard::Interrupted());
  }
  EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);
}

class CliCommands : public test::FilesTest {
 protected:
  std::string Configuration(const std::string& rows) {
    Write("rows.csv", std::string(kChannelCsvHeader) + "\n" + rows);
    EXPECT_EQ(RunImport({Path("rows.csv"), Path("radio.dat"), "--band", "400-470", "--quiet"}),
              kExitOk);
    return Path("radio.dat");
  }
};

// Rows go where --at or --append say, or replace all; an unfit row stops the import unless
// --skip-unfit; the summary goes to stderr unless --quiet. Unplaced records keep every byte,
// placed ones every bit the channel's fields do not own.
TEST_F(CliCommands, ImportPlacesSkipsSumsUpAndKeepsWhatItDoesNotOwn) {
  RadioImage image;  // channels from 7 on hold no frequency, so they are not in use
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  for (int channel = 7; channel <= 199; ++channel)
    std::fill_n(image.begin() + offset::Channel(channel), 8, 0xFF);
  const std::string dat = Path("radio.dat"), csv = Path("list.csv");
  ASSERT_TRUE(SaveDatFile(dat, image));
  WriteBytes(csv, "Location,Name,Frequency,Mode\n0,a,446.1,FM\n1,b,446.2,NFM\n2,c,118.1,AM\n");
  const auto import = [&](Args args) {
    args.insert(args.begin(), {csv, dat, "--band", "400-470"});
    return RunQuiet(RunImport, args);
  };
  const auto rx = [&](int channel) {
    return Cell(DecodeChannels(LoadDatFile(dat).image, Language::English)[channel - 1], kColRx);
  };
  auto [code, errors] = import({"--at", "199"});
  EXPECT_EQ(code, kExitBadInput);
  std::size_t at = 0;  // each after the one before: in the order of their lines
  for (const char* part : {"list.csv:3: no channel is left", "list.csv:4: Mode \"AM\"",
                           "--skip-unfit imports the rows that fit (1)"})
    EXPECT_NE(at = errors.find(part, at), std::string::npos) << errors;
  EXPECT_EQ(LoadDatFile(dat).image, image);
  std::tie(code, errors) = RunQuiet(RunImport, {csv, dat, "--band", "144-148", "--skip-unfit"});
  EXPECT_TRUE(code == kExitBadInput && errors.find("skip") == std::string::npos) << errors;

  std::tie(code, errors) = import({"--at", "5", "--skip-unfit"});
  EXPECT_EQ(code, kExitOk);
  for (const char* part : {"Channels imported: 2, into channels 5 to 6.", "Skipped line 4: Mode"})
    EXPECT_NE(errors.find(part), std::string::npos) << errors;
  const RadioImage placed = LoadDatFile(dat).image;
  for (std::size_t at :
       {offset::Channel(1), offset::Channel(4), offset::Channel(7), offset::Channel(199)})
    EXPECT_TRUE(std::equal(&placed[at], &placed[at + 16], &image[at])) << at;
  EXPECT_EQ(rx(5) + rx(6), "446.10000446.20000");

  std::tie(code, errors) = import({"--append", "--skip-unfit", "--quiet"});
  EXPECT_TRUE(code == kExitOk && errors.empty()) << errors;
  EXPECT_EQ(rx(7) + rx(8), "446.10000446.20000");

  std::tie(code, errors) = import({"--skip-unfit"});
  EXPECT_NE(errors.find("Locations 0 to 1 → channels 1 to 2\n"), std::string::npos) << errors;
  EXPECT_EQ(rx(1) + rx(2) + rx(3), "446.10000446.20000");
  // Only bits 1-4 of each record's flags byte belong to the channel fields.
  const RadioImage after = LoadDatFile(dat).image;
  for (std::size_t i = 0; i < kImageSize; ++i) {
    const std::size_t field = i % offset::kChannelRecordSize;
    const bool record = i >= offset::Channel(1) && i < offset::Channel(200);
    const int kept = !record || field > record::kFlags ? 0xFF : field == record::kFlags ? 0xE1 : 0;
    ASSERT_EQ(after[i] & kept, image[i] & kept) << "offset " << i;
  }
}

// Command lines beside a log holding "old\n": "-" is stdout, a descriptor named as a file
// stays a stream (the log keeps its line). Import checks the band of the file's type in
// Selkan.ini (uhf.dat: 400 - 470 MHz, link.dat's new file: 136 - 174 MHz). No input fills memory.
TEST_F(CliCommands, CommandLinesAsTypedIntoAShell) {
  const std::string radio = ReadBytes(Configuration("1,438.1,,,,,,\n2,,438.2,,,,,\n"));
  ASSERT_EQ(RunNew({Path("uhf.dat"), "--band", "1"}) + RunNew({Path("odd.dat"), "--type", "9"}), 0);
  const std::string blank = (RunNew({Path("blank.dat")}), ReadBytes(Path("blank.dat")));
  EXPECT_EQ(blank[offset::Channel(199) + 12], '\xE1');  // an empty channel as New saves it
  Write("vhf.csv", std::string(kChannelCsvHeader) + "\n1,146.52,,,,,,\n");
  fs::resize_file(Write("huge.csv", ""), (16 << 20) + 1);
  fs::create_symlink("made.dat", Path("link.dat"));
  Write("short.dat", "abc"), Write("old.pdf", "old");
  // A command, its exit code, and what follows the log's old line when it names the log, else a
  // message it gives.
  const std::tuple<std::string, int, std::string> cases[] = {
      // New, export and print replace nothing without --force.
      {"new radio.dat", kExitBadInput, "radio.dat already exists"},
      {"export radio.dat -o radio.dat", kExitBadInput, "radio.dat holds a radio configuration"},
      {"print radio.dat -o radio.dat", kExitBadInput, "radio.dat holds a radio configuration"},
      {"print radio.dat -o old.pdf", kExitBadInput, "old.pdf already exists"},
      {"new - >>log", kExitOk, blank},
      {"new /dev/stdout >>log", kExitOk, blank},
      {"export radio.dat -o /dev/stderr --format=radio-list 2>>log", kExitOk,
       std::string(kRadioListHeader) +
           "\r\n1,,438.100000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
           "selkan-cli export: channel 2 left out: transmit only (every channel of such a list "
           "has an Rx frequency)\n"},
      {"show radio.dat", kExitOk,
       "CH  Rx Frequency  Tx Frequency  QT/DQT Dec  QT/DQT Enc  Power  Scan  W/N\n 1  438.10000\n"},
      {"show blank.dat", kExitOk, "Channels in use\nNo channels in use.\n"},
      {"diff blank.dat blank.dat >>log", kExitOk, ""},
      {"diff blank.dat uhf.dat >>log", 1, "Band index: 0 -> 1\n"},
      {"diff --language Chinese uhf.dat blank.dat >>log", 1, "频段序号: 1 -> 0\n"},
      {"show radio.dat >/dev/full", kExitBadInput, "cannot write to standard output"},
      {"export radio.dat >/dev/full", kExitBadInput, "cannot write to standard output"},
      {"export radio.dat --format xml", kExitUsage,
       "--format is csv or radio-list\nusage: selkan-cli export "},
      {"print radio.dat -o - >>log", kExitOk, "%PDF-"},
      {"print radio.dat -o /proc/self/fd/0 0>>log", kExitOk, "%PDF-"},
      {"print radio.dat -o /proc/thread-self/fd/0 0>>log", kExitOk, "%PDF-"},
      {"new /proc/self/fd/9999999999", kExitBadInput,
       "fd/9999999999: No such file"},  // past any descriptor
      {"import rows.csv /dev/stdout >>uhf.dat", kExitBadInput, "/dev/stdout is a stream"},
      {"import vhf.csv -", kExitBadInput, "\"-\" (standard output) cannot be one"},
      {"import rows.csv /dev/null", kExitBadInput, "/dev/null is a stream"},
      {"import rows.csv .", kExitBadInput, "cannot open .: Is a directory"},
      {"import . x.dat", kExitBadInput, "cannot open .: Is a directory"},
      {"import huge.csv x.dat", kExitBadInput, "huge.csv: File too large (more than 16 MiB)"},
      {"show /dev/zero", kExitBadInput, "cannot read /dev/zero: File too large"},
      {"import vhf.csv uhf.dat", kExitBadInput, "Out of range"},
      {"import rows.csv x.dat --band 144-148", kExitBadInput, "Out of range"},
      {"import rows.csv uhf.dat", kExitOk, ""},
      {"import vhf.csv uhf.dat --band 144-148", kExitOk, ""},
      {"import rows.csv odd.dat", kExitUsage, "gives no band for radio type index 9, band index 0"},
      {"import rows.csv uhf.dat --at 200", kExitUsage, "--at must be a channel, 1 to 199"},
      {"import rows.csv uhf.dat --at 0", kExitUsage, "--at must be a channel, 1 to 199"},
      {"import rows.csv uhf.dat --at 2 --append", kExitUsage, "--at and --append exclude"},
      {"import vhf.csv link.dat --at 199", kExitOk, ""},
      {"show link.dat", kExitOk, "\n199  146.52000\n"},
      // The trouble diff has is never 1, which says "different".
      {"diff radio.dat huge.csv", kExitBadInput, "cannot read huge.csv: File too large"},
      {"diff radio.dat", kExitBadInput, "two files are needed"},
      {"diff --bogus radio.dat uhf.dat", kExitBadInput, "unknown option '--bogus'"},
      {"diff --language x radio.dat uhf.dat", kExitBadInput, "--lang is English or Chinese"},
      // Read checks its file before the port, and keeps it when the port fails.
      {"read --port no-port -o radio.dat", kExitBadInput, "radio.dat already exists; use --force"},
      {"read --port COM3 -o radio.dat --force", kExitPortError,
       "device are ok (COM3 (" + Path("no") + "): "},
      {"diff --radio --port COM3 radio.dat", kExitPortError, "device are ok (COM3 (" + Path("no")},
      {"write --port no-port short.dat", kExitBadInput, "short.dat: Data Format Error"},
      {"import rows.csv short.dat", kExitBadInput, "short.dat: Data Format Error"},
      {"fleet radio.dat --port no-port --log - >>log", kExitPortError,
       "number,start,seconds,identification,backup,result,document,image,port\n"},
      {"fleet radio.dat --port no-port --log log", kExitBadInput, ""},  // not a log: left alone
      {"fleet radio.dat --count 1000001", kExitUsage, "--count takes a number from 1 to 1000000"},
      {"read", kExitUsage, "-o FILE.dat is needed\nusage: selkan-cli read"},
      {"read --port= -o x.dat", kExitUsage, "--port needs a port name\nusage: selkan-cli read"},
      {"read --port p --retries 1001 -o x.dat", kExitUsage, "--retries takes a number from 0 to"},
      {"export radio.dat -o no/x.csv", kExitBadInput, "cannot write no/x.csv: No such file"},
      {"read --port COM3 -o no/x.dat", kExitBadInput, "read: cannot write no/x.dat: No such"},
      {"print radio.dat -o no/x.pdf", kExitBadInput, "cannot write no/x.pdf: No such file"},
      {"new no/x.dat", kExitBadInput, "cannot write no/x.dat: No such file"},
      {"import rows.csv radio.dat/x.dat", kExitBadInput, "cannot open radio.dat/x.dat: Not a dir"},
      {"bogus", 1, "unknown command 'bogus'\nusage: selkan-cli COMMAND"},  // README: 1
      {"", kExitUsage, "  fleet    write a configuration into radio after radio\n"},
      {"--help", kExitOk, "usage: selkan-cli COMMAND"},
      {"export --help", kExitOk, "usage: selkan-cli export FILE.dat"},
  };
  const std::string log = Path("log");
  ::setenv("SELKAN_COM3", Path("no").c_str(), 1);
  for (const auto& [command, exitCode, expected] : cases) {
    WriteBytes(log, "old\n");
    struct stat before = {}, after = {};
    ::stat(log.c_str(), &before);
    const test::RunResult run = test::RunProgram(
        "/bin/sh", {"-c", "cd \"$0\" && \"$1\" " + command, dir_.path(), test::kCliProgram}, 60);
    EXPECT_EQ(run.exitCode, exitCode) << command << ": " << run.output;
    const std::string added = ReadBytes(log).substr(4);
    if (command.ends_with("log")) {
      EXPECT_EQ(added.substr(0, expected.size()), expected) << command;
      EXPECT_TRUE(expected.starts_with("%PDF") || added.size() == expected.size()) << command;
    } else {
      EXPECT_NE(run.output.find(expected), std::string::npos) << command << ": " << run.output;
    }
    EXPECT_EQ(::stat(log.c_str(), &after) == 0 ? after.st_ino : 0, before.st_ino) << command;
  }
  ::unsetenv("SELKAN_COM3");
  EXPECT_EQ(
      ReadBytes(Path("radio.dat")) + ReadBytes(Path("short.dat")) + ReadBytes(Path("old.pdf")),
      radio + "abc" + "old");
  EXPECT_TRUE(fs::is_symlink(Path("link.dat")) && fs::file_size(Path("made.dat")) == kImageSize);
  EXPECT_FALSE(fs::exists(Path("-")) || fs::exists(Path("x.dat")));
}

// Print needs no display, not even after a transfer in the process. A Selkan.ini that cannot
// be read is said, not taken for a type without a band; nothing is written. New, export and
// print replace with --force (without, see the command lines).
TEST_F(CliCommands, PrintWithoutADisplayAProfileThatCannotBeReadForceAndBackupsAsJson) {
  const std::string dat = Configuration("12,438.1,,,,,,\n3,446.00625,,67.0,D023N,Low,Off,Narrow\n");
  const std::string pdf = Write("listing.pdf", "old"), radio = ReadBytes(dat);
  EXPECT_EQ(RunQuiet(RunRead, {"--port", Path("no-port"), "-o", Path("r.dat")}).first,
            kExitPortError);
  ASSERT_EQ(RunPrint({dat, "-o", pdf, "--force", "--lang", "Chinese", "--paper", "Letter"}),
            kExitOk);
  const auto pages = test::PdfPageTexts(pdf);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NE(pages[1].find("信道12:"), std::string::npos) << pages[1];
  Write("Selkan.ini", "[Setup]\nField1=0 - 2000MHz\n");  // wider than a record's 10 to 999.99999
  Write("edge.csv", std::string(kChannelCsvHeader) + "\n1,10,,,,,,\n");  // a record's lowest
  SetProgramDirectory(Path(""));
  EXPECT_HAS(RunQuiet(RunImport, {Path("edge.csv"), Path("e.dat"), "--skip-unfit"}).second,
             "Channels imported: 1.\n");
  ASSERT_EQ(::chmod(Path("").c_str(), 0755) + ::chmod(Path("Selkan.ini").c_str(), 0), 0);
  const std::string said = test::InChild(true, [this, &dat] {
    return RunQuiet(RunImport, {Path("rows.csv"), Path("radio.dat")}).second +
           RunQuiet(RunPrint, {dat, "-o", Path("not.pdf")}).second;
  });
  const std::string denied = ": cannot open " + Path("Selkan.ini") + ": Permission denied\n";
  EXPECT_EQ(said, "selkan-cli import" + denied + "selkan-cli print" + denied);
  SetProgramDirectory("");
  EXPECT_TRUE(!fs::exists(Path("not.pdf")) && ReadBytes(dat) == radio);
  const std::string csv = RunQuiet(RunExport, {dat}, true).second;
  EXPECT_HAS(csv, "\r\n3,446.00625,446.00625,67.0,D023N,Low,Off,Narrow\r\n");
  EXPECT_TRUE(RunExport({dat, "-o", dat, "--force"}) == kExitOk && ReadBytes(dat) == csv);
  EXPECT_TRUE(RunNew({dat, "--force"}) == kExitOk && ReadBytes(dat).size() == kImageSize);

  // Backups as JSON: a control character in a path is escaped, the text stays one JSON string.
  ::setenv("XDG_DATA_HOME", Path("a\tb").c_str(), 1);
  ASSERT_TRUE(BackupStore(Path("a\tb/Selkan/backups")).Save(BlankImage(), "SK", {}));
  EXPECT_HAS(RunQuiet(RunBackups, {"--json"}, true).second, "/a\\u0009b/Selkan/backups/");
  const std::string table = RunQuiet(RunBackups, {}, true).second;  // a short type: in its column
  EXPECT_EQ(table.find(Path("a\tb")) - table.find('\n') - 1, table.find("Path")) << table;
  ::unsetenv("XDG_DATA_HOME");
}

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
  off_t inFile = 0;  // what the file holds once a radio is done, before gtest flushes every stream
  const auto drawn = [&](FleetPhase phase, bool done = false) {
    testing::internal::CaptureStderr();
    if (done) callbacks.done(record), inFile = ::lseek(::fileno(out), 0, SEEK_END);
    callbacks.status({"COM1", phase, 4, WriteStep::kWrite, 37});
    return testing::internal::GetCapturedStderr();
  };
  EXPECT_EQ(drawn(FleetPhase::kWaitingForRadio), "\rRadio 1: connect it and turn it on\x1b[K");
  EXPECT_EQ(drawn(FleetPhase::kWriting), "\rRadio 4: writing 37 %\x1b[K");
  EXPECT_EQ(drawn(FleetPhase::kWaitingForRemoval, true),
            "\r\x1b[K\a\rRadio 4 verified in 27.8 s \u2014 remove it\x1b[K");
  EXPECT_GT(inFile, 0);  // the radio's line at once
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
