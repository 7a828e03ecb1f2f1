#include "link/safe_write.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/link/fake_port.h"

namespace selkan::test {
namespace {

using sim::Faults;
using sim::VirtualRadio;

RadioImage Filled(std::uint8_t seed) {
  RadioImage image;
  for (std::size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<std::uint8_t>(i * 13 + seed);
  return image;
}

// The radio as it starts and the image written into it.
const RadioImage kRadio = Filled(1);
const RadioImage kImage = Filled(2);

bool HoldsBelowWriteLimit(const RadioImage& radio, const RadioImage& image) {
  return std::equal(image.begin(), image.begin() + offset::kWriteLimit, radio.begin());
}

struct Rig {
  explicit Rig(Faults faults = {})
      : radio(kRadio, {VirtualRadio::kDefaultId.begin(), VirtualRadio::kDefaultId.end()}, faults),
        port(radio),
        engine(port, port.Sleeper()) {
    hooks.transfer = recorder.Callbacks();
    hooks.stepStarted = [this](WriteStep step) { steps.push_back(step); };
    hooks.keep = [this](const RadioImage& image, std::string* error) {
      kept.push_back(image);
      if (keepFails) {
        *error = "disk full";
        return std::optional<std::string>();
      }
      return std::optional<std::string>("/backups/1.dat");
    };
  }

  SafeWriteResult Run(bool backup = true, bool verify = true) {
    return RunSafeWrite(engine, {"COM1", kImage, backup, verify}, hooks, Language::English);
  }
  int Commands(const char* command) const {
    return static_cast<int>(std::count_if(port.log.begin(), port.log.end(), [&](auto& line) {
      return line.size() == 17 && line.starts_with(std::string("write ") + command);
    }));
  }

  VirtualRadio radio;
  FakePort port;
  TransferEngine engine;
  Recorder recorder;
  SafeWriteHooks hooks;
  std::vector<WriteStep> steps;
  std::vector<RadioImage> kept;
  bool keepFails = false;
};

TEST(SafeWrite, BacksUpWritesAndVerifiesInThreeSessions) {
  Rig rig;
  const SafeWriteResult result = rig.Run();
  EXPECT_EQ(result.outcome, TransferOutcome::kCompleted);
  EXPECT_EQ(rig.steps,
            (std::vector<WriteStep>{WriteStep::kBackup, WriteStep::kWrite, WriteStep::kVerify}));
  ASSERT_EQ(rig.kept.size(), 1u);
  EXPECT_EQ(rig.kept[0], kRadio);
  EXPECT_EQ(result.backup, kRadio);
  EXPECT_EQ(result.backupPath, "/backups/1.dat");
  EXPECT_EQ(result.blocksWritten, 510u);
  EXPECT_FALSE(result.BrokeOff());
  EXPECT_TRUE(HoldsBelowWriteLimit(rig.radio.Memory(), kImage));
  // Each step is a transfer of its own: three handshakes, three closes.
  EXPECT_EQ(CountPrefix(rig.port.log, "open"), 3);
  EXPECT_EQ(rig.port.closes, 3);
  EXPECT_EQ(rig.Commands("52"), 2 * 512);
  EXPECT_EQ(rig.Commands("57"), 510);

  // Without either step it is the plain write.
  Rig plain;
  EXPECT_EQ(plain.Run(false, false).outcome, TransferOutcome::kCompleted);
  EXPECT_EQ(plain.steps, std::vector<WriteStep>{WriteStep::kWrite});
  EXPECT_EQ(plain.Commands("52"), 0);
  EXPECT_TRUE(plain.kept.empty());
}

// Nothing is written when the radio cannot be read or its copy not kept.
TEST(SafeWrite, NoBackupNoWrite) {
  Rig unreadable(Faults{.shortReplyAt = 300});
  SafeWriteResult result = unreadable.Run();
  EXPECT_EQ(result.outcome, TransferOutcome::kProgramInterrupt);
  EXPECT_EQ(result.step, WriteStep::kBackup);
  EXPECT_FALSE(result.BrokeOff());
  EXPECT_TRUE(unreadable.kept.empty());
  EXPECT_EQ(unreadable.Commands("57"), 0);
  EXPECT_EQ(unreadable.radio.Memory(), kRadio);

  Rig full;
  full.keepFails = true;
  result = full.Run();
  EXPECT_EQ(result.outcome, TransferOutcome::kBackupNotSaved);
  EXPECT_EQ(result.backupError, "disk full");
  EXPECT_EQ(full.Commands("57"), 0);
  EXPECT_EQ(full.radio.Memory(), kRadio);
}

TEST(SafeWrite, VerifyNamesWhatTheRadioHoldsOtherwise) {
  Rig rig(Faults{.corruptWriteAt = 7});  // the second half of channel 3's record
  const SafeWriteResult result = rig.Run(false, true);
  EXPECT_EQ(result.outcome, TransferOutcome::kVerifyMismatch);
  EXPECT_EQ(result.step, WriteStep::kVerify);
  ASSERT_EQ(result.mismatches.size(), 1u);
  EXPECT_EQ(result.mismatches[0].channel, 3);

  // The same radio goes unnoticed without the check.
  Rig unchecked(Faults{.corruptWriteAt = 7});
  EXPECT_EQ(unchecked.Run(false, false).outcome, TransferOutcome::kCompleted);
}

TEST(SafeWrite, HowFarABrokenOffWriteGot) {
  Rig refused(Faults{.refuseWriteAt = 100});
  SafeWriteResult result = refused.Run();
  EXPECT_EQ(result.outcome, TransferOutcome::kProgramInterrupt);
  EXPECT_TRUE(result.BrokeOff());
  EXPECT_EQ(result.blocksWritten, 100u);
  EXPECT_EQ(result.backup, kRadio);
  EXPECT_EQ(refused.steps.back(), WriteStep::kWrite);

  // Cancelled between blocks: broken off. Cancelled before the first block
  // (in the write's handshake): the radio is untouched.
  Rig cancelled;
  cancelled.recorder.cancelAtPump = 6 + 5 * 256 + 6 + 5 * 4;
  result = cancelled.Run();
  EXPECT_EQ(result.outcome, TransferOutcome::kCancelled);
  EXPECT_TRUE(result.BrokeOff());
  EXPECT_EQ(result.blocksWritten, 8u);

  Rig early;
  early.recorder.cancelAtPump = 6 + 5 * 256 + 1;
  result = early.Run();
  EXPECT_EQ(result.outcome, TransferOutcome::kCancelled);
  EXPECT_EQ(result.step, WriteStep::kWrite);
  EXPECT_FALSE(result.BrokeOff());
  EXPECT_EQ(early.radio.Memory(), kRadio);
}

}  // namespace
}  // namespace selkan::test
