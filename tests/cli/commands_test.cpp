// The file commands run in-process on files in a fresh folder per test. The
// rules they apply (codec, CSV, listing) are the model's and editor's tests;
// these check what reaches the files, the streams and the exit codes.
#include "tools/cli/commands.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include "editor/channel_csv.h"
#include "model/radio_image.h"
#include "tests/support/file_tests.h"
#include "tests/support/pdf_text.h"

namespace selkan::cli {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;
using Command = int (*)(const Args&);

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
    EXPECT_EQ(RunImport({Path("rows.csv"), Path("radio.dat")}), kExitOk);
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
  ASSERT_EQ(RunImport({Path("in.csv"), dat}), kExitOk);
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

  const std::string kept = ReadBytes(dat);
  for (const auto& [run, args] :
       {std::pair<Command, Args>{RunNew, {dat}}, {RunExport, {dat, "-o", dat}}}) {
    EXPECT_EQ(RunQuiet(run, args).first, kExitBadInput) << args.size();
    EXPECT_EQ(ReadBytes(dat), kept);
  }
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
  EXPECT_EQ(RunQuiet(RunImport, {csv, Path("never.dat")}).first, kExitBadInput);

  EXPECT_FALSE(fs::exists(Path("never.dat")));
  // A file too short to be a configuration is not one to replace either.
  WriteBytes(Path("short.dat"), "abc");
  EXPECT_EQ(RunQuiet(RunImport, {Path("rows.csv"), Path("short.dat")}).first, kExitBadInput);
  EXPECT_EQ(ReadBytes(Path("short.dat")), "abc");
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
