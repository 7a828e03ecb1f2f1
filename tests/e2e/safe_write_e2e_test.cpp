// selkan-cli write with its backup and check, backups and diff, against
// selkan-sim over a pseudo-terminal.
#include <regex>

#include "model/channel_codec.h"
#include "tests/e2e/e2e_fixture.h"

namespace selkan::test {
namespace {

bool SameBelowWriteLimit(const RadioImage& a, const RadioImage& b) {
  return std::equal(a.begin(), a.begin() + offset::kWriteLimit, b.begin());
}

// A configuration with channel 3 in use.
RadioImage WithChannel3() {
  RadioImage image = BlankImage();
  EncodeChannel({"438.50000", "439.50000", "88.5", "88.5", "High", "On", "Wide"}, image, 3);
  return image;
}

using SafeWriteE2E = TransferE2E;

TEST_F(SafeWriteE2E, WriteKeepsABackupWritesVerifiesAndSaysSo) {
  const RadioImage before = RandomImage(21);
  ASSERT_TRUE(SaveDatFile(Path("new.dat"), WithChannel3()));
  const RunResult run = Cli({"write", "--port", StartSim(before), Path("new.dat")});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("verified"), std::string::npos) << run.output;

  std::smatch kept;
  ASSERT_TRUE(std::regex_search(run.output, kept, std::regex("Backup of the radio: (\\S+)")));
  EXPECT_EQ(fs::path(kept[1].str()).parent_path(), BackupDir());
  EXPECT_EQ(LoadDatFile(kept[1].str()).image, before);
  EXPECT_EQ(sim_->Received("52"), 2 * 512);
  EXPECT_EQ(sim_->Received("57"), 510);
  EXPECT_TRUE(SameBelowWriteLimit(RadioAfterStop(), WithChannel3()));

  const RunResult list = Cli({"backups"});
  EXPECT_EQ(list.exitCode, 0);
  EXPECT_NE(list.output.find(kept[1].str()), std::string::npos) << list.output;
}

TEST_F(SafeWriteE2E, ACorruptedBlockExits7AndNamesTheChannel) {
  ASSERT_TRUE(SaveDatFile(Path("new.dat"), WithChannel3()));
  const std::string device = StartSim(BlankImage(), {"--corrupt-write-at", "6"});
  RunResult run = Cli({"write", "--port", device, "--no-backup", Path("new.dat")});
  EXPECT_EQ(run.exitCode, 7) << run.output;
  EXPECT_NE(run.output.find("Channel 3, Rx Frequency: 438.50000 -> 438.50001"), std::string::npos)
      << run.output;
  EXPECT_EQ(sim_->Received("52"), 512);  // the check, no backup
  EXPECT_FALSE(fs::exists(BackupDir()));
  // Unchecked, the same radio goes unnoticed.
  run = Cli({"write", "--port", device, "--no-backup", "--no-verify", Path("new.dat")});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(sim_->Received("52"), 512);
}

TEST_F(SafeWriteE2E, AFailedBackupReadWritesNothing) {
  ASSERT_TRUE(SaveDatFile(Path("new.dat"), RandomImage(1)));
  const RadioImage before = RandomImage(2);
  const std::string device = StartSim(before, {"--short-reply-at", "300"});
  const RunResult run = Cli({"write", "--port", device, Path("new.dat")});
  EXPECT_EQ(run.exitCode, 5) << run.output;
  EXPECT_NE(run.output.find("nothing was written"), std::string::npos) << run.output;
  EXPECT_EQ(sim_->Received("57"), 0);
  EXPECT_EQ(RadioAfterStop(), before);
}

// The message of a write that broke off names the backup and the command
// that puts it back; that command restores the radio.
TEST_F(SafeWriteE2E, ABrokenOffWriteIsRestoredFromItsBackup) {
  const RadioImage before = RandomImage(3);
  ASSERT_TRUE(SaveDatFile(Path("new.dat"), RandomImage(4)));
  RunResult run =
      Cli({"write", "--port", StartSim(before, {"--refuse-write-at", "100"}), Path("new.dat")});
  EXPECT_EQ(run.exitCode, 5) << run.output;
  EXPECT_NE(run.output.find("broke off after 100 of 510 blocks"), std::string::npos) << run.output;
  std::smatch restore;
  ASSERT_TRUE(std::regex_search(run.output, restore,
                                std::regex("selkan-cli write --port \\S+ --no-backup (\\S+)")))
      << run.output;
  const RadioImage halfWritten = RadioAfterStop();
  EXPECT_FALSE(SameBelowWriteLimit(halfWritten, before));

  run = Cli({"write", "--port", StartSim(halfWritten), "--no-backup", restore[1].str()});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(SameBelowWriteLimit(RadioAfterStop(), before));
}

TEST_F(SafeWriteE2E, DiffOfFilesAndOfAFileWithTheRadio) {
  const RadioImage a = WithChannel3();
  RadioImage b = a;
  b[offset::kSquelchLevel] = 9;
  ASSERT_TRUE(SaveDatFile(Path("a.dat"), a));
  ASSERT_TRUE(SaveDatFile(Path("b.dat"), b));
  WriteBytes(Path("short.dat"), std::string(100, '\0'));

  RunResult run = Cli({"diff", Path("a.dat"), Path("a.dat")});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output, "");
  run = Cli({"diff", Path("a.dat"), Path("b.dat")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "Squelch Level: 4 -> 9\n");
  run = Cli({"diff", "--language", "Chinese", Path("a.dat"), Path("b.dat")});
  EXPECT_EQ(run.output, "静噪电平: 4 -> 9\n");
  // Trouble is never 1, which says "different".
  for (const Args& args :
       {Args{"diff", Path("a.dat"), Path("short.dat")}, Args{"diff", Path("a.dat")},
        Args{"diff", "--bogus", "a", "b"}, Args{"diff", "--language", "x", "a", "b"}}) {
    EXPECT_EQ(Cli(args).exitCode, 2) << args[1];
  }

  // With the radio: a read, nothing written, the last 16 bytes left out.
  RadioImage radio = b;
  radio[0xFF5] ^= 0xFF;
  const std::string device = StartSim(radio);
  EXPECT_EQ(Cli({"diff", "--radio", "--port", device, Path("b.dat")}).exitCode, 0);
  run = Cli({"diff", "--radio", "--port", device, Path("a.dat")});
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("Squelch Level: 4 -> 9"), std::string::npos) << run.output;
  EXPECT_EQ(sim_->Received("57"), 0);
}

}  // namespace
}  // namespace selkan::test
