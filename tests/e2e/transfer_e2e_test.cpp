// selkan-cli read and write against selkan-sim over a pseudo-terminal.
#include <signal.h>

#include <chrono>
#include <thread>

#include "tests/e2e/e2e_fixture.h"

namespace selkan::test {
namespace {

TEST_F(TransferE2E, ReadGivesTheRadioImageByteForByte) {
  // Also when the radio answers the wake-up only after its eighth byte.
  for (const Args& options : {Args{}, Args{"--answer-after-eighth"}}) {
    const RadioImage image = RandomImage(static_cast<unsigned>(options.size()));
    const std::string device = StartSim(image, options);
    const RunResult run = Cli({"read", "--port", device, "-o", Path("out.dat"), "--force"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(ReadBytes(Path("out.dat")), std::string(image.begin(), image.end()));
  }
}

TEST_F(TransferE2E, WriteChangesTheRadioButNotItsLastSixteenBytes) {
  const RadioImage before = RandomImage(2);
  const RadioImage written = RandomImage(3);
  ASSERT_TRUE(SaveDatFile(Path("new.dat"), written));
  StartSim(before);
  // Through the symbolic link and a COMn name mapped by the environment.
  ::setenv("SELKAN_COM2", sim_->Link().c_str(), 1);
  const RunResult run = Cli({"write", "--port", "com2", Path("new.dat")});
  ::unsetenv("SELKAN_COM2");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const RadioImage radio = RadioAfterStop();
  EXPECT_TRUE(std::equal(radio.begin(), radio.begin() + 0xFF0, written.begin()));
  EXPECT_TRUE(std::equal(radio.begin() + 0xFF0, radio.end(), before.begin() + 0xFF0));
  EXPECT_FALSE(fs::exists(sim_->Link())) << "the sim leaves its link behind";
}

TEST_F(TransferE2E, EachFaultGivesItsExitCodeAndMessageAndNoFile) {
  const struct {
    Args options;
    const char* command;
    int exitCode;
    std::string message;
  } faults[] = {
      {{"--no-wakeup-answer"}, "read", 4, std::string(kCommunicationErrorText)},
      {{"--wrong-id"}, "read", 6, std::string(kRadioMismatchText)},
      {{"--short-reply-at", "300"}, "read", 5, std::string(kProgramInterruptText)},
      {{"--refuse-write-at", "7"}, "write", 5, std::string(kProgramInterruptText)},
  };
  ASSERT_TRUE(SaveDatFile(Path("new.dat"), RandomImage(5)));
  for (const auto& fault : faults) {
    SCOPED_TRACE(fault.options.front());
    const std::string device = StartSim(RandomImage(6), fault.options);
    Args args = {fault.command, "--port", device};
    if (fault.command == std::string("read")) {
      args.insert(args.end(), {"-o", Path("out.dat")});
    } else {
      args.insert(args.end(), {"--no-backup", Path("new.dat")});
    }
    const RunResult run = Cli(args);
    EXPECT_EQ(run.exitCode, fault.exitCode) << run.output;
    EXPECT_NE(run.output.find(fault.message), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(Path("out.dat")));
  }
}

TEST_F(TransferE2E, RetryAsksTheRadioAgain) {
  const std::string device = StartSim(RandomImage(7), {"--no-id-ack"});
  const RunResult run = Cli({"read", "--port", device, "--retries", "2", "-o", Path("out.dat")});
  EXPECT_EQ(run.exitCode, 4) << run.output;
  const std::string log = sim_->Log();
  std::size_t identifications = 0;
  for (std::size_t at = log.find("(identification)"); at != std::string::npos;
       at = log.find("(identification)", at + 1)) {
    ++identifications;
  }
  EXPECT_EQ(identifications, 3u);
}

TEST_F(TransferE2E, PortAndFileErrors) {
  RunResult run = Cli({"read", "--port", Path("no-such-port"), "-o", Path("out.dat")});
  EXPECT_EQ(run.exitCode, 3) << run.output;
  EXPECT_NE(run.output.find(kPortErrorText), std::string::npos) << run.output;
  EXPECT_FALSE(fs::exists(Path("out.dat")));

  WriteBytes(Path("short.dat"), std::string(4095, '\xff'));
  run = Cli({"write", "--port", Path("no-such-port"), Path("short.dat")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("Data Format Error"), std::string::npos) << run.output;

  // The radio's link never replaces a file of the user's.
  WriteBytes(Path("mine"), "precious");
  run = RunProgram(kSimProgram, {"--link", Path("mine")}, kRunLimit);
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_EQ(ReadBytes(Path("mine")), "precious");
}

// A radio that never answers the wake-up: the programmer asks again and
// again and holds the port meanwhile. No answer can come late or short
// here, so the first transfer is still running whatever the machine's load
// (a paced transfer could break off on a late byte and free the port).
TEST_F(TransferE2E, PortInUseAndInterruptCancelsLeavingNoFile) {
  const std::string device = StartSim(RandomImage(8), {"--no-wakeup-answer"});
  BackgroundProcess cli(kCliProgram,
                        {"read", "--port", device, "--retries", "1000", "-o", Path("out.dat")});
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (sim_->Received("02") == 0) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the programmer never came";
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  // The port is held for the running transfer, whatever name reaches it.
  for (const std::string& port : {device, sim_->Link()}) {
    const RunResult second = Cli({"read", "--port", port, "-o", Path("b.dat")});
    EXPECT_EQ(second.exitCode, 3) << port << ": " << second.output;
  }
  EXPECT_EQ(cli.Stop(SIGINT, kRunLimit), 130);
  EXPECT_FALSE(fs::exists(Path("out.dat")));
  EXPECT_FALSE(fs::exists(Path("b.dat")));
}

}  // namespace
}  // namespace selkan::test
