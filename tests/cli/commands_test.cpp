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

// Runs a command; its exit code and what it wrote to stderr.
std::pair<int, std::string> RunQuiet(Command run, const Args& args) {
  testing::internal::CaptureStderr();
  const int code = run(args);
  return {code, testing::internal::GetCapturedStderr()};
}

// Runs a command; its exit code and what it wrote to stdout.
std::pair<int, std::string> RunToStdout(Command run, const Args& args) {
  testing::internal::CaptureStdout();
  const int code = run(args);
  return {code, testing::internal::GetCapturedStdout()};
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

TEST_F(CliCommands, NewMakesAFileOfEmptyChannelsAndKeepsAnExistingOne) {
  const std::string dat = Path("typed.dat");
  ASSERT_EQ(RunNew({"--band=255", dat, "--type", "7"}), kExitOk);
  const RadioImage image = LoadDatFile(dat).image;
  EXPECT_EQ(image[offset::kRadioType], 7);
  EXPECT_EQ(image[offset::kBandIndex], 255);
  std::string empty = std::string(kChannelCsvHeader) + "\r\n";
  for (int channel = 1; channel <= 199; ++channel) empty += std::to_string(channel) + ",,,,,,,\r\n";
  EXPECT_EQ(RunToStdout(RunExport, {dat}), std::make_pair(int(kExitOk), empty));

  for (const Args& bad : {Args{Path("a.dat"), "--type", "256"}, Args{Path("a.dat"), "--band", "x"},
                          Args{}, Args{"a", "b"}}) {
    EXPECT_EQ(RunQuiet(RunNew, bad).first, kExitUsage);
  }
  EXPECT_FALSE(fs::exists(Path("a.dat")));
  WriteBytes(dat, "precious");
  EXPECT_EQ(RunQuiet(RunNew, {dat}).first, kExitBadInput);
  EXPECT_EQ(ReadBytes(dat), "precious");
  EXPECT_EQ(RunNew({dat, "--force"}), kExitOk);
  EXPECT_EQ(ReadBytes(dat).size(), kImageSize);
}

TEST_F(CliCommands, ImportWritesChannelsAndKeepsEveryOtherByte) {
  RadioImage image;
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  const std::string dat = Path("radio.dat");
  ASSERT_TRUE(SaveDatFile(dat, image));
  WriteBytes(Path("in.csv"), std::string(kChannelCsvHeader) +
                                 "\n2,438.1,,67.0,D023N,Low,Off,Narrow\n199,446.00625,,,,,,\n");
  ASSERT_EQ(RunImport({Path("in.csv"), dat, "--band", "400-470"}), kExitOk);
  const RadioImage after = LoadDatFile(dat).image;
  // Only bits 1-4 of each record's flags byte belong to the channel fields.
  for (std::size_t i = 0; i < kImageSize; ++i) {
    const bool record = i >= offset::Channel(1) && i < offset::Channel(200);
    const std::size_t field = i % offset::kChannelRecordSize;
    if (!record || field > record::kFlags) {
      ASSERT_EQ(after[i], image[i]) << "offset " << i;
    } else if (field == record::kFlags) {
      ASSERT_EQ(after[i] & 0xE1, image[i] & 0xE1) << "offset " << i;
    }
  }
  const std::string csv = RunToStdout(RunExport, {dat}).second;
  EXPECT_NE(csv.find("\r\n1,,,,,,,\r\n2,438.10000,438.10000,67.0,D023N,Low,Off,Narrow\r\n3,,"),
            std::string::npos);
  EXPECT_TRUE(csv.ends_with("\r\n199,446.00625,,,,,,\r\n"));

  // A missing configuration is made as new makes it.
  ASSERT_EQ(RunImport({Path("in.csv"), Path("made.dat")}), kExitOk);
  ASSERT_EQ(RunNew({Path("blank.dat")}), kExitOk);
  ASSERT_EQ(RunImport({Path("in.csv"), Path("blank.dat")}), kExitOk);
  EXPECT_EQ(ReadBytes(Path("made.dat")), ReadBytes(Path("blank.dat")));
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

  // A short configuration, a missing CSV file, bad arguments.
  WriteBytes(Path("short.dat"), "abc");
  EXPECT_EQ(RunQuiet(RunImport, {Path("rows.csv"), Path("short.dat")}).first, kExitBadInput);
  EXPECT_EQ(ReadBytes(Path("short.dat")), "abc");
  EXPECT_EQ(RunQuiet(RunImport, {Path("missing.csv"), Path("x.dat")}).first, kExitBadInput);
  EXPECT_EQ(RunQuiet(RunImport, {csv, Path("x.dat"), "--band", "470-400"}).first, kExitUsage);
  EXPECT_FALSE(fs::exists(Path("never.dat")));
  EXPECT_FALSE(fs::exists(Path("x.dat")));
}

TEST_F(CliCommands, OutputThatCannotBeWrittenIsAFailure) {
  const std::string dat = Configuration("");
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
    EXPECT_NE(errors.find("cannot write to standard output: No space left on device"),
              std::string::npos)
        << errors;
  }
}

TEST_F(CliCommands, ExportReplacesAChannelListButNotAConfiguration) {
  std::string rows;
  for (int channel = 1; channel <= 199; ++channel)
    rows += std::to_string(channel) + ",438.1,,,,,,\n";
  const std::string dat = Configuration(rows);
  const std::string other = Path("other.dat");
  ASSERT_EQ(RunNew({other}), kExitOk);
  const std::string kept = ReadBytes(other);
  const auto [code, errors] = RunQuiet(RunExport, {dat, "-o", other});
  EXPECT_EQ(code, kExitBadInput);
  EXPECT_NE(errors.find(other + " holds a radio configuration; use --force"), std::string::npos);
  EXPECT_EQ(ReadBytes(other), kept);

  // A channel list long enough to load as an image is replaced again.
  ASSERT_EQ(RunExport({dat, "-o", Path("list.csv")}), kExitOk);
  const std::string csv = ReadBytes(Path("list.csv"));
  ASSERT_GT(csv.size(), kImageSize);
  ASSERT_EQ(RunExport({dat, "-o", Path("list.csv")}), kExitOk);
  EXPECT_EQ(RunExport({dat, "-o", other, "--force"}), kExitOk);
  EXPECT_EQ(ReadBytes(other), csv);
  // "-" and /dev/stdout are standard output, written where it points.
  for (const char* name : {"-", "/dev/stdout"}) {
    EXPECT_EQ(RunToStdout(RunExport, {dat, "-o", name}), std::make_pair(int(kExitOk), csv));
  }
  EXPECT_EQ(RunQuiet(RunExport, {Path("missing.dat")}).first, kExitBadInput);
  EXPECT_EQ(RunQuiet(RunExport, {dat, "-o"}).first, kExitUsage);
}

TEST_F(CliCommands, ReadChecksItsOutputBeforeTalkingToTheRadio) {
  const std::string noPort = Path("no-port");
  const std::string kept = Path("kept.dat");
  WriteBytes(kept, "precious");
  auto [code, errors] = RunQuiet(RunRead, {"--port", noPort, "-o", kept});
  EXPECT_EQ(code, kExitBadInput);
  EXPECT_NE(errors.find(kept + " already exists; use --force to replace it"), std::string::npos);
  fs::create_directory(Path("folder"));
  for (const std::string& target : {Path("folder"), Path("missing/x.dat")}) {
    std::tie(code, errors) = RunQuiet(RunRead, {"--port", noPort, "-o", target, "--force"});
    EXPECT_EQ(code, kExitBadInput) << target;
    EXPECT_NE(errors.find("selkan-cli read: cannot write " + target + ": "), std::string::npos)
        << errors;
  }
  EXPECT_TRUE(fs::is_empty(Path("folder")));

  // A writable target: the port comes next, and names the device it stands for.
  ::setenv("SELKAN_COM3", noPort.c_str(), 1);
  std::tie(code, errors) = RunQuiet(RunRead, {"--port", "COM3", "-o", kept, "--force"});
  ::unsetenv("SELKAN_COM3");
  EXPECT_EQ(code, kExitPortError);
  EXPECT_NE(errors.find("(COM3 (" + noPort + "): "), std::string::npos) << errors;
  EXPECT_EQ(ReadBytes(kept), "precious");
  for (const Args& bad : {Args{"--force", kept}, Args{"--retries", "x", kept}}) {
    EXPECT_EQ(RunQuiet(RunWrite, bad).first, kExitUsage);
  }
}

TEST_F(CliCommands, PrintWritesTheListingAsPdfWithoutADisplay) {
  const std::string dat = Configuration("12,438.1,,,,,,\n3,446.00625,,,,Low,,\n");
  const std::string pdf = Path("listing.pdf");
  // A transfer earlier in the same process leaves no application behind that
  // print could not draw with.
  EXPECT_EQ(RunQuiet(RunRead, {"--port", Path("no-port"), "-o", Path("r.dat")}).first,
            kExitPortError);
  for (const Args& bad : {Args{dat}, Args{dat, "-o", pdf, "--lang", "chinese"},
                          Args{dat, "-o", pdf, "--paper", "A5"}}) {
    EXPECT_EQ(RunQuiet(RunPrint, bad).first, kExitUsage);
  }
  EXPECT_EQ(RunQuiet(RunPrint, {Path("missing.dat"), "-o", pdf}).first, kExitBadInput);
  EXPECT_FALSE(fs::exists(pdf));
  ASSERT_EQ(RunQuiet(RunPrint, {dat, "-o", pdf, "--lang", "Chinese", "--paper", "Letter"}).first,
            kExitOk);
  const auto pages = test::PdfPageTexts(pdf);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NE(pages[1].find("信道12:"), std::string::npos) << pages[1];
}

}  // namespace
}  // namespace selkan::cli
