// The file commands run in-process on files in a fresh folder per test. The
// rules they apply (codec, CSV, listing) are the model's and editor's tests;
// these check what reaches the files, the streams and the exit codes.
#include "tools/cli/commands.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <tuple>

#include "editor/channel_csv.h"
#include "model/radio_image.h"
#include "tests/support/child_process.h"
#include "tests/support/file_tests.h"
#include "tests/support/pdf_text.h"

namespace selkan::cli {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;
using Command = int (*)(const Args&);
const std::string kCli = std::string(SELKAN_BIN_DIR) + "/selkan-cli";

// Runs a command; its exit code and what it wrote to stderr (or stdout).
std::pair<int, std::string> RunQuiet(Command run, const Args& args, bool out = false) {
  out ? testing::internal::CaptureStdout() : testing::internal::CaptureStderr();
  const int code = run(args);
  return {code,
          out ? testing::internal::GetCapturedStdout() : testing::internal::GetCapturedStderr()};
}

class CliCommands : public testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_ / name; }
  // A configuration holding the CSV rows (after the header).
  std::string Configuration(const std::string& rows) {
    WriteBytes(Path("rows.csv"), std::string(kChannelCsvHeader) + "\n" + rows);
    EXPECT_EQ(RunImport({Path("rows.csv"), Path("radio.dat"), "--band", "400-470"}), kExitOk);
    return Path("radio.dat");
  }

  test::ScratchDir dir_;
};

// Import writes channels and keeps every byte it does not own; new, and
// export onto a configuration, replace nothing without --force.
TEST_F(CliCommands, NothingTheUserKeepsIsReplacedOrLost) {
  RadioImage image;
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  const std::string dat = Path("radio.dat");
  ASSERT_TRUE(SaveDatFile(dat, image));
  WriteBytes(Path("in.csv"),
             std::string(kChannelCsvHeader) + "\n2,438.1,,67.0,D023N,Low,Off,Narrow\n");
  ASSERT_EQ(RunImport({Path("in.csv"), dat, "--band", "400-470"}), kExitOk);
  const RadioImage after = LoadDatFile(dat).image;
  // Only bits 1-4 of each record's flags byte belong to the channel fields.
  for (std::size_t i = 0; i < kImageSize; ++i) {
    const std::size_t field = i % offset::kChannelRecordSize;
    const bool record = i >= offset::Channel(1) && i < offset::Channel(200);
    const int kept = !record || field > record::kFlags ? 0xFF : field == record::kFlags ? 0xE1 : 0;
    ASSERT_EQ(after[i] & kept, image[i] & kept) << "offset " << i;
  }
  const std::string csv = RunQuiet(RunExport, {dat}, true).second;
  EXPECT_NE(csv.find("\r\n2,438.10000,438.10000,67.0,D023N,Low,Off,Narrow\r\n"), std::string::npos);

  const std::string kept = ReadBytes(dat), pdf = Path("old.pdf");
  WriteBytes(pdf, "old");
  for (const auto& [run, args, message] :
       {std::tuple<Command, Args, std::string>{RunNew, {dat}, "already exists"},
        {RunExport, {dat, "-o", dat}, "holds a radio configuration"},
        {RunPrint, {dat, "-o", dat}, "holds a radio configuration"},
        {RunPrint, {dat, "-o", pdf}, "already exists"}}) {
    const auto [code, errors] = RunQuiet(run, args);
    EXPECT_EQ(code, kExitBadInput) << args.back();
    EXPECT_NE(errors.find(args.back() + " " + message), std::string::npos) << errors;
    EXPECT_EQ(ReadBytes(dat) + ReadBytes(pdf), kept + "old");
  }
  EXPECT_EQ(RunQuiet(RunPrint, {dat, "-o", pdf, "--force"}).first, kExitOk);
  EXPECT_TRUE(ReadBytes(pdf).starts_with("%PDF-"));
  EXPECT_EQ(RunExport({dat, "-o", dat, "--force"}), kExitOk);
  EXPECT_EQ(ReadBytes(dat), csv);
  EXPECT_EQ(RunNew({dat, "--force"}), kExitOk);
  EXPECT_EQ(ReadBytes(dat).size(), kImageSize);

  // Output that cannot be written is a failure.
  for (Command run : {RunShow, RunExport}) {
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    const int full = ::open("/dev/full", O_WRONLY);
    ::dup2(full, STDOUT_FILENO);
    ::close(full);
    const auto [code, errors] = RunQuiet(run, {dat});
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    EXPECT_EQ(code, kExitBadInput);
    EXPECT_NE(errors.find("cannot write to standard output"), std::string::npos) << errors;
  }
}

TEST_F(CliCommands, ABadImportReportsEveryBadLineAndTouchesNothing) {
  const std::string dat = Configuration("");
  const std::string before = ReadBytes(dat);
  const std::string csv = Path("bad.csv");
  WriteBytes(csv, std::string(kChannelCsvHeader) +
                      "\n1,438.1,,,,,,\n2,480,,,,,,\n1,440,,,,,,\n3,438.1,,None,None,Hi,On,Wide\n");
  const auto [code, errors] = RunQuiet(RunImport, {csv, dat, "--band", "400-470"});
  EXPECT_EQ(code, kExitBadInput);
  for (const char* line : {":3: Rx Frequency \"480\": Out of range", ":4: ", ":5: "}) {
    EXPECT_NE(errors.find(csv + line), std::string::npos) << errors;
  }
  EXPECT_EQ(errors.find(csv + ":2: "), std::string::npos);
  EXPECT_EQ(ReadBytes(dat), before);
  EXPECT_EQ(RunQuiet(RunImport, {csv, Path("never.dat"), "--band", "400-470"}).first,
            kExitBadInput);

  EXPECT_FALSE(fs::exists(Path("never.dat")));
  // A file too short to be a configuration is not one to replace either.
  WriteBytes(Path("short.dat"), "abc");
  EXPECT_EQ(RunQuiet(RunImport, {Path("rows.csv"), Path("short.dat")}).first, kExitBadInput);
  EXPECT_EQ(ReadBytes(Path("short.dat")), "abc");
}

// As typed into a shell: "-" is standard output, and a descriptor named as
// a file stays a stream when the shell sends it to a file: the log's old
// lines stay. Import changes its file in place and refuses streams.
TEST_F(CliCommands, DashAndDescriptorsAreStreamsAlsoOnAFile) {
  const std::string dat = Configuration("1,438.1,,,,,,\n");
  ASSERT_EQ(RunNew({Path("blank.dat")}), kExitOk);
  const std::string blank = ReadBytes(Path("blank.dat"));
  const std::string csv = RunQuiet(RunExport, {dat}, true).second;
  const std::string log = Path("log");
  const struct {
    std::string command;
    int exitCode;
    std::string added;  // after the old line; a PDF is checked by its start
  } cases[] = {
      {"new - >>log", kExitOk, blank},
      {"new /dev/stdout >>log", kExitOk, blank},
      {"export radio.dat -o /dev/stderr 2>>log", kExitOk, csv},
      {"print radio.dat -o - >>log", kExitOk, "%PDF-"},
      {"print radio.dat -o /proc/self/fd/3 3>>log", kExitOk, "%PDF-"},
      {"import rows.csv /dev/stdout --band 400-470 >>log", kExitBadInput, ""},
  };
  for (const auto& [command, exitCode, added] : cases) {
    WriteBytes(log, "old\n");
    struct stat before {
    }, after{};
    ::stat(log.c_str(), &before);
    const test::RunResult run = test::RunProgram(
        "/bin/sh", {"-c", "cd \"$0\" && \"$1\" " + command, dir_.path(), kCli}, 60);
    EXPECT_EQ(run.exitCode, exitCode) << command << ": " << run.output;
    const std::string now = ReadBytes(log);
    EXPECT_EQ(now.substr(0, 4 + added.size()), "old\n" + added) << command;
    if (!added.starts_with("%PDF")) {
      EXPECT_EQ(now.size(), 4 + added.size()) << command;
    }
    ::stat(log.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino) << command;
  }
  EXPECT_FALSE(fs::exists(Path("-")));
}

// Import takes FILE.dat as every writer takes its file, and no input may
// fill memory. Run as programs: a FIFO that blocked would only time out.
TEST_F(CliCommands, ImportRefusesWhatItCannotChangeInPlaceAndInputsTooLarge) {
  const std::string rows = Path("rows.csv"), fifo = Path("fifo"), huge = Path("huge.csv");
  WriteBytes(rows, std::string(kChannelCsvHeader) + "\n1,438.1,,,,,,\n");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  WriteBytes(huge, "");
  fs::resize_file(huge, (16 << 20) + 1);
  const std::string folder = dir_.path();
  const struct {
    Args args;
    std::string message;
  } cases[] = {
      {{"import", rows, "-"}, "\"-\" (standard output) cannot be one"},
      {{"import", rows, fifo}, fifo + " is a stream"},
      {{"import", rows, "/dev/null"}, "/dev/null is a stream"},
      {{"import", rows, folder}, "cannot open " + folder + ": Is a directory"},
      {{"import", folder, Path("x.dat")}, "cannot open " + folder + ": Is a directory"},
      {{"import", huge, Path("x.dat")}, "cannot read " + huge + ": File too large"},
      {{"show", "/dev/zero"}, "cannot read /dev/zero: File too large"},
  };
  for (const auto& [args, message] : cases) {
    Args withBand = args;
    if (args[0] == "import") withBand.insert(withBand.end(), {"--band", "400-470"});
    const test::RunResult run = test::RunProgram(kCli, withBand, 20);
    EXPECT_EQ(run.exitCode, kExitBadInput) << args[2 % args.size()] << ": " << run.output;
    EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_FALSE(fs::exists(Path("x.dat")));

  // A dangling link: the file it names is made, as new would make it.
  fs::create_symlink("made.dat", Path("link.dat"));
  EXPECT_EQ(RunImport({rows, Path("link.dat"), "--band", "400-470"}), kExitOk);
  EXPECT_TRUE(fs::is_symlink(Path("link.dat")));
  EXPECT_EQ(fs::file_size(Path("made.dat")), kImageSize);
}

// Without --band, frequencies are checked against the band of the file's
// own radio type and band in the program's Selkan.ini (type 0, band 1:
// 400 - 470 MHz), as the program checks typed ones.
TEST_F(CliCommands, ImportChecksTheBandOfTheFilesOwnTypeAndBand) {
  const std::string dat = Path("uhf.dat"), vhf = Path("vhf.csv"), uhf = Path("uhf.csv");
  ASSERT_EQ(RunNew({dat, "--type", "0", "--band", "1"}), kExitOk);
  ASSERT_EQ(RunNew({Path("unknown.dat"), "--type", "9"}), kExitOk);
  WriteBytes(vhf, std::string(kChannelCsvHeader) + "\n1,146.52,,,,,,\n");
  WriteBytes(uhf, std::string(kChannelCsvHeader) + "\n1,438.1,,,,,,\n");
  const struct {
    Args args;
    int exitCode;
    std::string message;
  } cases[] = {
      {{vhf, dat}, kExitBadInput, "Out of range"},
      {{uhf, dat}, kExitOk, ""},
      {{vhf, dat, "--band", "144-148"}, kExitOk, ""},
      {{uhf, Path("unknown.dat")},
       kExitUsage,
       "gives no band for radio type index 9, band index 0"},
  };
  for (const auto& [args, exitCode, message] : cases) {
    Args command = {"import"};
    command.insert(command.end(), args.begin(), args.end());
    const test::RunResult run = test::RunProgram(kCli, command, 20);
    EXPECT_EQ(run.exitCode, exitCode) << args[0] << " " << args.size() << ": " << run.output;
    EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
  }
}

TEST_F(CliCommands, ReadChecksItsOutputBeforeTalkingToTheRadio) {
  const std::string noPort = Path("no-port"), kept = Path("kept.dat");
  WriteBytes(kept, "precious");
  auto [code, errors] = RunQuiet(RunRead, {"--port", noPort, "-o", kept});
  EXPECT_EQ(code, kExitBadInput);
  EXPECT_NE(errors.find(kept + " already exists; use --force to replace it"), std::string::npos);
  // With --force the port comes next, and names the device it stands for.
  ::setenv("SELKAN_COM3", noPort.c_str(), 1);
  std::tie(code, errors) = RunQuiet(RunRead, {"--port", "COM3", "-o", kept, "--force"});
  ::unsetenv("SELKAN_COM3");
  EXPECT_EQ(code, kExitPortError);
  EXPECT_NE(errors.find("(COM3 (" + noPort + "): "), std::string::npos) << errors;
  EXPECT_EQ(ReadBytes(kept), "precious");
}

TEST_F(CliCommands, PrintWritesTheListingAsPdfWithoutADisplay) {
  const std::string dat = Configuration("12,438.1,,,,,,\n3,446.00625,,,,Low,,\n");
  const std::string pdf = Path("listing.pdf");
  // A transfer earlier in the same process leaves no application behind that
  // print could not draw with.
  EXPECT_EQ(RunQuiet(RunRead, {"--port", Path("no-port"), "-o", Path("r.dat")}).first,
            kExitPortError);
  ASSERT_EQ(RunQuiet(RunPrint, {dat, "-o", pdf, "--lang", "Chinese", "--paper", "Letter"}).first,
            kExitOk);
  const auto pages = test::PdfPageTexts(pdf);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NE(pages[1].find("信道12:"), std::string::npos) << pages[1];
}

}  // namespace
}  // namespace selkan::cli
