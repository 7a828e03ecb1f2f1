// The commands run in-process on files in a fresh directory per test.
#include "tools/cli/commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "editor/channel_csv.h"
#include "model/radio_image.h"
#include "tests/support/pdf_text.h"

namespace selkan::cli {
namespace {

namespace fs = std::filesystem;

class CliCommands : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(testing::TempDir()) /
           ("selkan_cli_" + std::to_string(getpid()) + "_" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  static void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static RadioImage ReadImage(const std::string& path) {
    const DatLoadResult loaded = LoadDatFile(path);
    EXPECT_EQ(loaded.error, DatLoadError::None) << path;
    return loaded.image;
  }
  // Runs a command and returns its exit code with what it wrote to stderr.
  static std::pair<int, std::string> RunQuiet(int (*run)(const Args&), const Args& args) {
    testing::internal::CaptureStderr();
    const int code = run(args);
    return {code, testing::internal::GetCapturedStderr()};
  }
  std::string Export(const std::string& dat) {
    const std::string csv = Path("export.csv");
    EXPECT_EQ(RunExport({dat, "-o", csv}), kExitOk);
    return ReadFile(csv);
  }

  fs::path dir_;
};

bool IsChannelField(std::size_t offset) {
  return offset >= offset::Channel(1) && offset < offset::Channel(200) &&
         offset % offset::kChannelRecordSize <= record::kFlags;
}

TEST_F(CliCommands, NewWritesTheSavedBlankImageWhichExportsAsEmptyRows) {
  const std::string dat = Path("blank.dat");
  ASSERT_EQ(RunNew({dat}), kExitOk);
  const std::string bytes = ReadFile(dat);
  ASSERT_EQ(bytes.size(), kImageSize);
  const std::string options("\x5F\xB8\x04\x05\x04\x02\x00\x00\x01", 9);
  for (std::size_t i = 0; i < kImageSize; ++i) {
    std::uint8_t expected = 0xFF;
    if (i >= 0xFE0 && i <= 0xFE8) expected = static_cast<std::uint8_t>(options[i - 0xFE0]);
    if (i == 0xFD0 || i == 0xFD1) expected = 0x00;
    if (i >= 0x10 && i < 0xC80 && i % 16 == 12) expected = 0xE1;
    ASSERT_EQ(static_cast<std::uint8_t>(bytes[i]), expected) << "offset " << i;
  }

  std::string expected = std::string(kChannelCsvHeader) + "\r\n";
  for (int channel = 1; channel <= 199; ++channel) {
    expected += std::to_string(channel) + ",,,,,,,\r\n";
  }
  EXPECT_EQ(Export(dat), expected);
  testing::internal::CaptureStdout();
  EXPECT_EQ(RunExport({dat}), kExitOk);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), expected);
}

TEST_F(CliCommands, NewStoresTypeAndBandChecksThemAndKeepsAnExistingFile) {
  const std::string dat = Path("typed.dat");
  ASSERT_EQ(RunNew({"--band=255", dat, "--type", "7"}), kExitOk);
  const RadioImage image = ReadImage(dat);
  EXPECT_EQ(image[offset::kRadioType], 7);
  EXPECT_EQ(image[offset::kBandIndex], 255);
  for (const Args& bad : {Args{Path("a.dat"), "--type", "256"}, Args{Path("a.dat"), "--band", "-1"},
                          Args{Path("a.dat"), "--type", "x"}, Args{}, Args{"a", "b"}}) {
    EXPECT_EQ(RunNew(bad), kExitUsage);
  }
  EXPECT_FALSE(fs::exists(Path("a.dat")));

  WriteFile(dat, "precious");
  EXPECT_EQ(RunNew({dat}), kExitBadInput);
  EXPECT_EQ(ReadFile(dat), "precious");
  EXPECT_EQ(RunNew({dat, "--force"}), kExitOk);
  EXPECT_EQ(ReadFile(dat).size(), kImageSize);
}

TEST_F(CliCommands, HelpGoesToStdoutWithSuccess) {
  for (auto run : {RunNew, RunExport, RunImport, RunShow, RunPrint}) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(run({"--help"}), kExitOk);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("usage: selkan-cli"), std::string::npos);
  }
}

TEST_F(CliCommands, ExportRejectsShortAndMissingFiles) {
  const std::string dat = Path("short.dat");
  WriteFile(dat, std::string(kImageSize - 1, '\xFF'));
  const auto [code, errors] = RunQuiet(RunExport, {dat, "-o", Path("out.csv")});
  EXPECT_EQ(code, kExitBadInput);
  EXPECT_NE(errors.find("selkan-cli export: "), std::string::npos);
  EXPECT_FALSE(fs::exists(Path("out.csv")));
  EXPECT_EQ(RunExport({Path("missing.dat")}), kExitBadInput);
  EXPECT_EQ(RunExport({dat, "-o"}), kExitUsage);
}

TEST_F(CliCommands, ImportWritesChannelsAndKeepsEveryOtherByte) {
  RadioImage image;
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  const std::string dat = Path("radio.dat");
  WriteFile(dat, std::string(image.begin(), image.end()));
  const std::string csv = Path("in.csv");
  WriteFile(csv, std::string(kChannelCsvHeader) +
                     "\n2,438.1,,67.0,D023N,Low,Off,Narrow\n199,446.00625,,,,,,\n");

  ASSERT_EQ(RunImport({csv, dat, "--band", "400-470"}), kExitOk);
  const RadioImage after = ReadImage(dat);
  for (std::size_t i = 0; i < kImageSize; ++i) {
    if (!IsChannelField(i)) {
      ASSERT_EQ(after[i], image[i]) << "offset " << i;
    }
  }
  // Only bits 1-4 of the flags byte belong to the channel fields.
  for (int channel = 1; channel <= 199; ++channel) {
    const std::size_t flags = offset::Channel(channel) + record::kFlags;
    EXPECT_EQ(after[flags] & 0xE1, image[flags] & 0xE1) << channel;
  }
  const std::string exported = Export(dat);
  EXPECT_NE(exported.find("\r\n1,,,,,,,\r\n2,438.10000,438.10000,67.0,D023N,Low,Off,Narrow\r\n3,,"),
            std::string::npos);
  EXPECT_TRUE(exported.ends_with("\r\n199,446.00625,,,,,,\r\n"));
}

TEST_F(CliCommands, ImportMakesAMissingFileAsNewWould) {
  const std::string csv = Path("in.csv");
  WriteFile(csv, std::string(kChannelCsvHeader) + "\r\n");
  const std::string made = Path("made.dat");
  ASSERT_EQ(RunImport({csv, made}), kExitOk);
  const std::string blank = Path("blank.dat");
  ASSERT_EQ(RunNew({blank}), kExitOk);
  EXPECT_EQ(ReadFile(made), ReadFile(blank));
}

TEST_F(CliCommands, ImportReadsAMultiRadioChannelList) {
  const std::string csv = Path("list.csv");
  WriteFile(csv,
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
            "DtcsPolarity,Mode,TStep,Skip,Comment\r\n"
            "3,Rptr,442.500000,+,5.000000,Tone,100.0,88.5,023,NN,NFM,5.00,S,\r\n");
  const std::string dat = Path("radio.dat");
  ASSERT_EQ(RunImport({csv, dat, "--band", "400-470"}), kExitOk);
  EXPECT_NE(Export(dat).find("\r\n3,442.50000,447.50000,None,100.0,High,Off,Narrow\r\n"),
            std::string::npos);
}

TEST_F(CliCommands, ImportReportsEveryBadLineAndTouchesNothing) {
  const std::string csv = Path("bad.csv");
  WriteFile(csv, std::string(kChannelCsvHeader) +
                     "\n1,438.1,,,,,,\n2,480,,,,,,\n1,440,,,,,,\n3,438.1,,None,None,Hi,On,Wide\n");
  const std::string dat = Path("radio.dat");
  ASSERT_EQ(RunNew({dat}), kExitOk);
  const std::string before = ReadFile(dat);

  const auto [code, errors] = RunQuiet(RunImport, {csv, dat, "--band", "400-470"});
  EXPECT_EQ(code, kExitBadInput);
  EXPECT_NE(errors.find(csv + ":3: Rx Frequency \"480\": Out of range,please input again."),
            std::string::npos)
      << errors;
  EXPECT_NE(errors.find(csv + ":4: "), std::string::npos);
  EXPECT_NE(errors.find(csv + ":5: "), std::string::npos);
  EXPECT_EQ(errors.find(csv + ":2: "), std::string::npos);
  EXPECT_EQ(ReadFile(dat), before);

  const std::string missing = Path("never.dat");
  EXPECT_EQ(RunQuiet(RunImport, {csv, missing}).first, kExitBadInput);
  EXPECT_FALSE(fs::exists(missing));
}

TEST_F(CliCommands, ImportRejectsAShortTargetAndBadArguments) {
  const std::string csv = Path("in.csv");
  WriteFile(csv, std::string(kChannelCsvHeader) + "\n");
  const std::string dat = Path("short.dat");
  WriteFile(dat, "abc");
  EXPECT_EQ(RunImport({csv, dat}), kExitBadInput);
  EXPECT_EQ(ReadFile(dat), "abc");
  EXPECT_EQ(RunImport({Path("missing.csv"), Path("x.dat")}), kExitBadInput);
  EXPECT_EQ(RunImport({csv, Path("x.dat"), "--band", "470-400"}), kExitUsage);
  EXPECT_EQ(RunImport({csv}), kExitUsage);
  EXPECT_FALSE(fs::exists(Path("x.dat")));
}

TEST_F(CliCommands, ShowListsOptionsIndexesAndUsedChannels) {
  const std::string dat = Path("radio.dat");
  ASSERT_EQ(RunNew({dat, "--type", "2", "--band", "1"}), kExitOk);
  const std::string csv = Path("in.csv");
  WriteFile(csv, std::string(kChannelCsvHeader) + "\n12,438.1,,,,,,\n3,446.00625,,,,Low,,\n");
  ASSERT_EQ(RunImport({csv, dat}), kExitOk);

  testing::internal::CaptureStdout();
  EXPECT_EQ(RunShow({dat}), kExitOk);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Radio type index: 2\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Busy Lock:"), std::string::npos);
  const std::size_t ch3 =
      out.find("\n 3  446.00625     446.00625     None        None        Low    On    Wide\n");
  const std::size_t ch12 = out.find("\n12  438.10000\n");
  ASSERT_NE(ch3, std::string::npos) << out;
  ASSERT_NE(ch12, std::string::npos) << out;
  EXPECT_LT(ch3, ch12);
  EXPECT_EQ(RunShow({Path("missing.dat")}), kExitBadInput);
  EXPECT_EQ(RunShow({}), kExitUsage);
}

TEST_F(CliCommands, PrintWritesTheListingAsPdfWithoutADisplay) {
  const std::string dat = Path("radio.dat");
  ASSERT_EQ(RunNew({dat}), kExitOk);
  const std::string csv = Path("in.csv");
  WriteFile(csv, std::string(kChannelCsvHeader) + "\n12,438.1,,,,,,\n3,446.00625,,,,Low,,\n");
  ASSERT_EQ(RunImport({csv, dat}), kExitOk);
  const std::string pdf = Path("listing.pdf");
  for (const Args& bad : {Args{dat}, Args{dat, "-o", pdf, "--lang", "chinese"},
                          Args{dat, "-o", pdf, "--paper", "A5"}, Args{"-o", pdf}}) {
    EXPECT_EQ(RunQuiet(RunPrint, bad).first, kExitUsage);
  }
  EXPECT_EQ(RunQuiet(RunPrint, {Path("missing.dat"), "-o", pdf}).first, kExitBadInput);
  EXPECT_FALSE(fs::exists(pdf));

  ASSERT_EQ(RunQuiet(RunPrint, {dat, "-o", pdf, "--lang", "Chinese", "--paper", "Letter"}).first,
            kExitOk);
  const auto pages = test::PdfPageTexts(pdf);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NE(pages[0].find("Page 1 of 2"), std::string::npos) << pages[0];
  EXPECT_NE(pages[1].find("信道12:"), std::string::npos) << pages[1];
}

}  // namespace
}  // namespace selkan::cli
