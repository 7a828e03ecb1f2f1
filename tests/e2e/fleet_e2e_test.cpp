// selkan-cli fleet against selkan-sim --fleet: queues of virtual radios on pseudo-terminals,
// with stays and swap gaps short enough to keep each case to seconds.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <thread>

#include "editor/csv.h"
#include "tests/support/files_test.h"
#include "tests/support/radio_images.h"
#include "tests/support/sim_process.h"

namespace selkan::test {
namespace {

namespace fs = std::filesystem;

// The radios start from this; what is written differs in every block.
const RadioImage kRadioBefore = RandomImage(11);

// The log's lines below its header, as fields.
std::vector<std::vector<std::string>> LogLines(const std::string& path) {
  std::vector<std::vector<std::string>> lines;
  const CsvParse parsed = ParseCsv(ReadBytes(path));
  EXPECT_TRUE(parsed.errors.empty());
  for (std::size_t i = 1; i < parsed.records.size(); ++i) lines.push_back(parsed.records[i].fields);
  return lines;
}

enum Column { kNumber, kStart, kSeconds, kId, kBackup, kResult, kDocument, kImage, kPort };

class FleetE2E : public FilesTest {
 protected:
  static constexpr double kRunLimit = 80;  // seconds; a bound only

  void SetUp() override {
    ::setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
    ASSERT_TRUE(SaveDatFile(File(), WithChannel3()));
    WriteBytes(Log(), "");  // a log made empty beforehand is taken as a new one
  }

  // A queue of radios; its memories go to dumps<index>/radio-K.dat. The CLI takes a radio for
  // gone after 2 s of silence and a silent probe lasts over a second: in a gap of 3 s a CLI late
  // by a second under load takes the next radio for the last one, and never writes it; with
  // the sanitized build beside other tests on two cores, 5 s fell short too.
  SimProcess& StartQueue(int radios, Args options) {
    const std::string dumps = Path("dumps" + std::to_string(sims_.size()));
    Args args = {"--fleet", std::to_string(radios), "--dump-dir", dumps};
    if (std::ranges::find(options, "--stay") == options.end())
      args.insert(args.end(), {"--stay", "1", "--swap-gap", "8"});
    args.insert(args.end(), options.begin(), options.end());
    sims_.push_back(std::make_unique<SimProcess>(kRadioBefore, args));
    EXPECT_TRUE(sims_.back()->Started());
    return *sims_.back();
  }
  // Radio k of queue q as it was dumped, once the queue has ended.
  std::optional<RadioImage> Dump(std::size_t q, int k) {
    const std::string path =
        Path("dumps" + std::to_string(q)) + "/radio-" + std::to_string(k) + ".dat";
    if (!fs::exists(path)) return std::nullopt;
    return LoadDatFile(path).image;
  }
  // On a pipe, or as a user runs it on a terminal, where it draws a live status line.
  RunResult Fleet(Args args, bool terminal = false) {
    args.insert(args.begin(), {"fleet", File(), "--log", Log()});
    return terminal ? CliOnTerminal(args, kRunLimit) : RunProgram(kCliProgram, args, kRunLimit);
  }
  std::string File() const { return Path("club.dat"); }
  std::string Log() const { return Path("run.csv"); }

  std::vector<std::unique_ptr<SimProcess>> sims_;
};

// The second radio stores a block wrong: its verify names the channel; the third is written.
TEST_F(FleetE2E, ThreeRadiosTheSecondFailingItsVerify) {
  SimProcess& sim = StartQueue(3, {"--corrupt-write-at", "6", "--on-radio", "2"});
  const RunResult run = Fleet({"--port", sim.Device(), "--count", "3"});
  EXPECT_EQ(run.exitCode, 7) << run.output;
  EXPECT_HAS(run.output, "3 radios: 2 verified, 1 failed");
  EXPECT_HAS(run.output, "\nRadio 2 on " + sim.Device() +  // a line as each radio is done
                             ": verify failed: Channel 3, Rx Frequency: 438.50000 -> 438.50001 (");
  EXPECT_TRUE(run.output.starts_with("Log: " + Log() + "\n") &&  // named first, and again last
              run.output.ends_with(" s a radio\nLog: " + Log() + "\n"))
      << "not stopped";
  EXPECT_EQ(run.output.find('\r'), std::string::npos) << "a live status line on a pipe";
  EXPECT_EQ(run.output.find("Could not Open the Port"), std::string::npos) << "no port failed";
  ASSERT_EQ(sim.Stop(), 0);
  EXPECT_EQ(sim.Memory(), kRadioBefore);  // a queue's radios go to dumps, not to its image

  const auto lines = LogLines(Log());
  ASSERT_EQ(lines.size(), 3u) << ReadBytes(Log());
  const std::string results[] = {
      "verified", "verify failed: Channel 3, Rx Frequency: 438.50000 -> 438.50001", "verified"};
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    const auto& line = lines[k - 1];
    ASSERT_EQ(line.size(), 9u);
    EXPECT_EQ(line[kNumber] + " " + line[kResult], std::to_string(k) + " " + results[k - 1]);
    EXPECT_TRUE(std::regex_match(line[kStart],
                                 std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)")));
    EXPECT_EQ(line[kDocument] + " " + line[kPort], "club.dat " + sim.Device());
    EXPECT_EQ(LoadDatFile(line[kBackup]).image, kRadioBefore);
    EXPECT_EQ(WrittenWithChannel3(Dump(0, k).value()), k != 2);  // value() throws without a dump
  }
  EXPECT_NE(lines[0][kBackup], lines[1][kBackup]);
}

// A radio of another type is logged, left alone, not counted; the run ends at the count.
TEST_F(FleetE2E, ARadioOfAnotherTypeIsSkippedAndTheCountEndsTheRun) {
  SimProcess& sim = StartQueue(3, {"--wrong-id", "--on-radio", "1"});
  const RunResult run = Fleet({"--port", sim.Device(), "--count", "1", "--no-backup"}, true);
  EXPECT_EQ(run.exitCode, 6) << run.output;
  EXPECT_HAS(run.output, "Radio 2: connect it and turn it on");  // the next one's number
  EXPECT_HAS(run.output, "\r\x1b[K2 radios: 1 verified");        // the live line cleared first
  ASSERT_EQ(sim.Stop(), 0);
  const auto lines = LogLines(Log());
  ASSERT_EQ(lines.size(), 2u) << ReadBytes(Log());
  EXPECT_EQ(lines[0][kResult] + " " + lines[0][kId], "wrong type KZ905SK1");
  EXPECT_EQ(lines[0][kBackup] + lines[1][kResult], "verified");
  EXPECT_TRUE(Dump(0, 1) == kRadioBefore && WrittenWithChannel3(*Dump(0, 2)));
  EXPECT_FALSE(Dump(0, 3)) << "the third radio came although the count was done";
}

// Each next radio is written only after Enter; Ctrl+C while waiting ends with 130.
TEST_F(FleetE2E, ConfirmWaitsForEnterAndCtrlCEndsTheWait) {
  SimProcess& sim = StartQueue(2, {"--stay", "0.3", "--swap-gap", "0"});
  BackgroundProcess cli(
      kCliProgram,
      {"fleet", File(), "--port", sim.Device(), "--log", Log(), "--confirm", "--no-backup"}, true,
      true);
  ASSERT_TRUE(
      WaitFor([&] { return sim.Log().find("radio 2 connected") != std::string::npos; }, 40));
  // Without Enter the radio on the line is left alone.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_EQ(sim.Received("57"), 510);
  ASSERT_TRUE(cli.Write("\n"));
  ASSERT_TRUE(WaitFor([&] { return LogLines(Log()).size() == 2; }, 40));
  const std::string log = ReadBytes(Log());
  EXPECT_EQ(cli.Stop(SIGINT, 10), 130);
  std::string said;  // on a pipe too, the summary comes before why the run ended
  cli.Read(said, false, 5);
  EXPECT_TRUE(said.find("\nLog: ") < said.find("stopped") && said.ends_with(" stopped\n")) << said;
  EXPECT_EQ(ReadBytes(Log()), log);
  EXPECT_EQ(sim.Received("57"), 2 * 510);
  ASSERT_EQ(sim.Stop(), 0);
  EXPECT_TRUE(WrittenWithChannel3(*Dump(0, 1)) && WrittenWithChannel3(*Dump(0, 2)));
  EXPECT_NE(sim.Log().find("saved " + Path("dumps0") + "/radio-2.dat"), std::string::npos);
}

// The log's reader goes once it has the header: the radio written is whole, the run ends there
// and says why (on stderr), not killed by the pipe it wrote to.
TEST_F(FleetE2E, ALogWithNoReaderLeftEndsTheRunAndSaysWhy) {
  SimProcess& sim = StartQueue(2, {});
  const std::string log = Path("log.fifo");
  ASSERT_EQ(::mkfifo(log.c_str(), 0600), 0);
  const int reader = ::open(log.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  BackgroundProcess cli(
      kCliProgram, {"fleet", File(), "--port", sim.Device(), "--log", log, "--count", "2"}, true);
  std::string said(200, '\0');
  EXPECT_TRUE(WaitFor([&] { return ::read(reader, said.data(), said.size()) > 0; }, 20));
  ::close(reader);
  EXPECT_EQ(cli.Stop(0, kRunLimit), 2);
  cli.Read(said, false, 5);
  EXPECT_HAS(said, "the log could not be written: cannot write " + log + ": Broken pipe");
  ASSERT_EQ(sim.Stop(), 0);
  EXPECT_TRUE(WrittenWithChannel3(Dump(0, 1).value()) &&
              !WrittenWithChannel3(Dump(0, 2).value_or(kRadioBefore)));
}

// Two cables and a port that cannot be opened: a loop each, one log, radios numbered as they
// start; the bad port ends only its own loop.
TEST_F(FleetE2E, TwoQueuesOnTwoPortsAtOnce) {
  SimProcess& a = StartQueue(3, {});
  SimProcess& b = StartQueue(3, {});
  const RunResult run = Fleet({"--port", a.Device(), "--port", b.Device(), "--port",
                               Path("no-such-port"), "--count", "6", "--no-backup"});
  EXPECT_EQ(run.exitCode, 3) << run.output;
  EXPECT_HAS(run.output, "Could not Open the Port");
  for (SimProcess* queue : {&a, &b}) ASSERT_EQ(queue->Stop(), 0);
  const auto lines = LogLines(Log());
  ASSERT_EQ(lines.size(), 6u) << ReadBytes(Log());
  std::map<std::string, std::string> first;  // each port's first radio
  std::set<std::string> numbers;
  for (const auto& line : lines) {
    EXPECT_EQ(line[kResult], "verified");
    first.emplace(line[kPort], line[kNumber]);
    numbers.insert(line[kNumber]);
  }
  EXPECT_EQ(numbers.size(), 6u);
  // Both first radios started before either port's second one.
  EXPECT_EQ((std::set<std::string>{first[a.Device()], first[b.Device()]}),
            (std::set<std::string>{"1", "2"}));
  for (std::size_t q = 0; q < 2; ++q)
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(WrittenWithChannel3(*Dump(q, k))) << q << " " << k;
  // The next run goes on with the log (no second header); its one port failing, it adds nothing.
  EXPECT_TRUE(Fleet({"--port", Path("no-such-port")}).exitCode == 3 && LogLines(Log()) == lines);
}

}  // namespace
}  // namespace selkan::test
