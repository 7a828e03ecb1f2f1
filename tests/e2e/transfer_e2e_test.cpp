// selkan-cli read and write against selkan-sim over a pseudo-terminal.
#include <signal.h>

#include <chrono>
#include <thread>

#include "tests/e2e/e2e_fixture.h"

namespace selkan::test {
namespace {

TEST_F(TransferE2E, ReadGivesTheRadioImageByteForByte) {
  // Also when the radio answers the wake-up only after its eighth byte.
  for (const std::vector<std::string>& simArgs : {Args{}, Args{"--answer-after-eighth"}}) {
    const RadioImage image = RandomImage(static_cast<unsigned>(simArgs.size()));
    const std::string device = StartSim(image, simArgs);
    const RunResult run =
        RunProgram(kCli, {"read", "--port", device, "-o", Path("out.dat"), "--force"}, kRunLimit);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const DatLoadResult loaded = LoadDatFile(Path("out.dat"));
    ASSERT_EQ(loaded.error, DatLoadError::None);
    EXPECT_EQ(loaded.image, image);
    EXPECT_EQ(fs::file_size(Path("out.dat")), kImageSize);
    sim_.reset();
    fs::remove(Path("out.dat"));
  }
}

TEST_F(TransferE2E, WriteChangesTheRadioButNotItsLastSixteenBytes) {
  const RadioImage before = RandomImage(2);
  const RadioImage written = RandomImage(3);
  ASSERT_TRUE(SaveDatFile(Path("new.dat"), written));
  const std::string device = StartSim(before, {"--link", Path("radio")});
  // Through the symbolic link and a COMn name mapped by the environment.
  ::setenv("SELKAN_COM2", Path("radio").c_str(), 1);
  const RunResult run = RunProgram(kCli, {"write", "--port", "com2", Path("new.dat")}, kRunLimit);
  ::unsetenv("SELKAN_COM2");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  ASSERT_EQ(sim_->Stop(SIGTERM, 10), 0);
  const DatLoadResult radio = LoadDatFile(simImage_);
  ASSERT_EQ(radio.error, DatLoadError::None);
  EXPECT_TRUE(std::equal(radio.image.begin(), radio.image.begin() + 0xFF0, written.begin()));
  EXPECT_TRUE(std::equal(radio.image.begin() + 0xFF0, radio.image.end(), before.begin() + 0xFF0));
  EXPECT_FALSE(fs::exists(Path("radio"))) << "the sim leaves its link behind";
}

struct Fault {
  std::vector<std::string> simArgs;
  std::string command;  // "read" or "write"
  int exitCode;
  std::string message;
};

TEST_F(TransferE2E, EachFaultGivesItsExitCodeAndMessageAndNoFile) {
  const std::string comm =
      "Communication Error,Please check all the connections and the radio power";
  const std::string interrupt = "Program Interrupt, Please reset the radio and try again";
  const std::string mismatch = "Becuase the type of radio does not match";
  const std::vector<Fault> faults = {
      {{"--no-wakeup-answer"}, "read", 4, comm},
      {{"--no-id-ack"}, "write", 4, comm},
      {{"--wrong-id"}, "read", 6, mismatch + ",\ncommunications is interrupt."},
      {{"--id", "KZ90"}, "read", 6, mismatch},
      {{"--short-reply-at", "300"}, "read", 5, interrupt},
      {{"--refuse-write-at", "7"}, "write", 5, interrupt},
      {{"--silent-from", "20"}, "write", 5, interrupt},
  };
  ASSERT_TRUE(SaveDatFile(Path("new.dat"), RandomImage(5)));
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.simArgs.front());
    const std::string device = StartSim(RandomImage(6), fault.simArgs);
    const Args file = fault.command == "read" ? Args{"-o", Path("out.dat")} : Args{Path("new.dat")};
    Args args = {fault.command, "--port", device};
    args.insert(args.end(), file.begin(), file.end());
    const RunResult run = RunProgram(kCli, args, kRunLimit);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, fault.exitCode) << run.output;
    EXPECT_NE(run.output.find(fault.message), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(Path("out.dat")));
    sim_.reset();
  }
}

TEST_F(TransferE2E, RetryAsksTheRadioAgain) {
  const std::string device = StartSim(RandomImage(7), {"--no-id-ack"});
  const RunResult run = RunProgram(
      kCli, {"read", "--port", device, "--retries", "2", "-o", Path("out.dat")}, kRunLimit);
  EXPECT_EQ(run.exitCode, 4) << run.output;
  const std::string text = ReadText(dir_ / "sim.log");
  std::size_t identifications = 0;
  for (std::size_t at = text.find("(identification)"); at != std::string::npos;
       at = text.find("(identification)", at + 1)) {
    ++identifications;
  }
  EXPECT_EQ(identifications, 3u);
}

TEST_F(TransferE2E, PortAndFileErrors) {
  RunResult run =
      RunProgram(kCli, {"read", "--port", Path("no-such-port"), "-o", Path("out.dat")}, kRunLimit);
  EXPECT_EQ(run.exitCode, 3) << run.output;
  EXPECT_NE(run.output.find("Could not Open the Port,Please check whether the Port are occupied or "
                            "the device are ok"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(Path("out.dat")));

  std::ofstream(Path("short.dat"), std::ios::binary) << std::string(4095, '\xff');
  run = RunProgram(kCli, {"write", "--port", Path("no-such-port"), Path("short.dat")}, kRunLimit);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("Data Format Error"), std::string::npos) << run.output;
}

TEST_F(TransferE2E, PortInUseAndInterruptCancelsLeavingNoFile) {
  // A paced radio, so that the read is still running when the signal comes.
  const std::string device = StartSim(RandomImage(8), {"--realtime", "--link", Path("radio")});
  auto cli = std::make_unique<BackgroundProcess>(
      kCli, std::vector<std::string>{"read", "--port", device, "-o", Path("out.dat")});
  // Wait until blocks flow: the programmer is in its transfer loop.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  for (;;) {
    if (ReadText(dir_ / "sim.log").find("(read reply)") != std::string::npos) break;
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "no block was read";
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  // The port is held for the running transfer, whatever name reaches it.
  for (const std::string& port : {device, Path("radio")}) {
    const RunResult second =
        RunProgram(kCli, {"read", "--port", port, "-o", Path("b.dat")}, kRunLimit);
    EXPECT_EQ(second.exitCode, 3) << port << ": " << second.output;
  }
  EXPECT_EQ(cli->Stop(SIGINT, 15), 130);
  EXPECT_FALSE(fs::exists(Path("out.dat")));
  sim_.reset();
}

}  // namespace
}  // namespace selkan::test
