// selkan-cli read, write, backups and diff against selkan-sim over a pseudo-terminal; each
// test's own folder is also the user's data folder, where backups go.
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
#include <sstream>
#include <thread>
#include <tuple>

#include "editor/csv.h"
#include "link/transfer_outcome.h"
#include "tests/support/files_test.h"
#include "tests/support/radio_images.h"
#include "tests/support/sim_process.h"

namespace selkan::test {
namespace {

namespace fs = std::filesystem;

class TransferE2E : public FilesTest {
 protected:
  static constexpr double kRunLimit = 30;  // seconds; a bound only, no run comes near it

  void SetUp() override { ::setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1); }
  void TearDown() override { ::unsetenv("XDG_DATA_HOME"); }

  std::string StartSim(const RadioImage& image, const Args& options = {}) {
    sim_ = std::make_unique<SimProcess>(image, options);
    EXPECT_TRUE(sim_->Started()) << "selkan-sim did not print its device";
    return sim_->Device();
  }
  RunResult Cli(const Args& args) { return RunProgram(kCliProgram, args, kRunLimit); }
  // As a user runs it, on a terminal, where it draws its progress bars.
  RunResult OnTerminal(const Args& args) {
    RunResult run = CliOnTerminal(args, kRunLimit);
    std::erase(run.output, '\r');  // of its line ends and of the bars drawn over themselves
    return run;
  }
  // The image the virtual radio has stored, once it has ended.
  RadioImage RadioAfterStop() {
    EXPECT_EQ(sim_->Stop(), 0);
    return sim_->Memory();
  }
  std::string Dat(const char* name, const RadioImage& image) {
    EXPECT_TRUE(SaveDatFile(Path(name), image));
    return Path(name);
  }

  std::unique_ptr<SimProcess> sim_;
};
using SafeWriteE2E = TransferE2E;

// A radio at 9600 baud logs each frame at least its bytes' time (1.04 ms a byte, less the log's
// rounding) after the frame before it the other way.
bool PacedAsAtBaud(const std::string& log) {
  std::istringstream lines(log);  // "    1.1053 rx 4D 02", "    1.1164 tx 4B 5A ...  (what)"
  double before = 0;
  std::string beforeWay;
  for (std::string line, way, byte; std::getline(lines, line);) {
    std::istringstream words(line);
    double time = 0;
    int bytes = 0;
    if (!(words >> time >> way) || (way != "rx" && way != "tx")) continue;
    while (words >> byte && byte.size() == 2) ++bytes;
    if (!beforeWay.empty() && way != beforeWay && time - before < bytes * 0.0009) return false;
    std::tie(before, beforeWay) = std::pair(time, way);
  }
  return !beforeWay.empty();
}

TEST_F(TransferE2E, ReadGivesTheRadioImageByteForByteDiffComparesAFileWithIt) {
  // Also when the radio answers only the eighth wake-up byte, and to "-", standard output.
  for (const Args& options : {Args{}, Args{"--answer-after-eighth"}}) {
    const RadioImage image = RandomImage(static_cast<unsigned>(options.size()));
    const std::string out = options.empty() ? Path("out.dat") : "-";
    const RunResult run = Cli({"read", "--port", StartSim(image, options), "-o", out, "--force"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(options.empty() ? ReadBytes(out) : run.output,
              std::string(image.begin(), image.end()));
  }
  EXPECT_EQ(dir_.Listing(), "out.dat");

  // Diff with the radio: a read, nothing written, the last 16 bytes left out.
  RadioImage b = WithChannel3();
  b[offset::kSquelchLevel] = 9;
  const std::string fileA = Dat("a.dat", WithChannel3()), fileB = Dat("b.dat", b);
  RadioImage radio = b;
  radio[0xFF5] ^= 0xFF;
  const std::string device = StartSim(radio);
  EXPECT_EQ(Cli({"diff", "--radio", "--port", device, fileB}).exitCode, 0);
  const RunResult run = OnTerminal({"diff", "--radio", "--port", device, fileA});
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_HAS(run.output, "Squelch Level: 4 -> 9");
  EXPECT_HAS(run.output, "] 256/256");  // the read's bar
  EXPECT_TRUE(sim_->Stop() == 0 && sim_->Received("57") == 0 && sim_->Saves() == 0) << sim_->Log();
}

TEST_F(TransferE2E, EachFaultGivesItsExitCodeAndMessageAndNoFileAnInterruptToo) {
  const Args read = {"read", "-o", Path("out.dat")};
  const Args write = {"write", "--no-backup", Dat("new.dat", RandomImage(5))};
  const std::tuple<Args, Args, int, std::string_view> faults[] = {
      {{"--no-wakeup-answer"}, read, 4, kCommunicationErrorText},
      {{"--wrong-id", "--realtime"}, read, 6, kRadioMismatchText},  // paced as a real radio
      {{"--short-reply-at", "300"}, read, 5, kProgramInterruptText},
      {{"--refuse-write-at", "7", "--realtime"}, write, 5, kProgramInterruptText},
      {{"--corrupt-write-at", "0"}, write, 7, "\n  Bytes 0x000: "},
      {{"--short-reply-at", "300"}, {"write", write.back()}, 5, "backup; nothing was written"},
      {{"--short-reply-at", "300"}, write, 5, "written, but reading it back to check it failed"},
      {{"--no-id-ack"}, {"read", "--retries", "2", "-o", Path("out.dat")}, 4, "(retrying)"},
  };
  for (const auto& [options, command, exitCode, message] : faults) {
    SCOPED_TRACE(options.front());
    Args args = command;
    args.insert(args.end(), {"--port", StartSim(RandomImage(6), options)});
    const RunResult run = OnTerminal(args);
    EXPECT_EQ(run.exitCode, exitCode) << run.output;
    EXPECT_HAS(run.output, message);
    EXPECT_EQ(run.output.find(" sselkan-cli"), std::string::npos) << "not after the bar";
    EXPECT_FALSE(run.output.starts_with('\n')) << "an empty line for a bar never drawn";
    EXPECT_FALSE(fs::exists(Path("out.dat")));
    EXPECT_TRUE(options.back() != "--realtime" || PacedAsAtBaud(sim_->Log())) << sim_->Log();
  }
  // The last radio was asked again twice: it sent its identification ("KZ...") three times.
  EXPECT_EQ(sim_->Received("4B", "tx"), 3) << sim_->Log();

  // A radio that never answers: the port stays held, no late or short answer frees it early.
  const std::string device = StartSim(RandomImage(8), {"--no-wakeup-answer"});
  BackgroundProcess cli(kCliProgram,
                        {"read", "--port", device, "--retries", "1000", "-o", Path("out.dat")});
  ASSERT_TRUE(WaitFor([&] { return sim_->Received("02") > 0; }, 30)) << "the programmer never came";
  // The port is held for the running transfer, whatever name reaches it.
  for (const std::string& port : {device, sim_->Link()}) {
    const RunResult second = Cli({"read", "--port", port, "-o", Path("b.dat")});
    EXPECT_EQ(second.exitCode, 3) << port << ": " << second.output;
  }
  EXPECT_EQ(cli.Stop(SIGINT, kRunLimit), 130);
  EXPECT_FALSE(fs::exists(Path("out.dat")) || fs::exists(Path("b.dat")));
}

// What the sim cannot use it refuses, saying why; its link never replaces a file.
TEST_F(TransferE2E, TheSimRefusesWhatItCannotUseAndReplacesNoFile) {
  Write("mine", "precious");
  const std::tuple<Args, int, std::string_view> runs[] = {
      {{"--link", Path("mine")}, 1, "mine exists and is not a symbolic link"},
      {{"--link", Path("no/link")}, 1, "cannot link"},
      {{"--image", Path("mine")}, 2, "mine: Data Format Error"},
      {{"--image", Path("no.dat")}, 2, "cannot open"},
      {{"--log", Path("no/log")}, 1, "cannot open log"},
      {{"--fleet", "2", "--dump-dir", Path("mine/x")}, 1, "cannot make"},
      {{"--bogus"}, 1, "unknown option '--bogus'\nusage: selkan-sim"},
      {{"--help"}, 0, "usage: selkan-sim"}};
  for (const auto& [args, exitCode, message] : runs) {
    const RunResult run = RunProgram(kSimProgram, args, kRunLimit);
    EXPECT_EQ(run.exitCode, exitCode) << args[0] << ": " << run.output;
    EXPECT_HAS(run.output, message);
  }
  EXPECT_EQ(Read(Path("mine")), "precious");
  const RunResult cramped =  // descriptor 3 only (one a test runner may pass on is closed)
      RunProgram("/bin/sh", {"-c", "exec 3>&-; ulimit -n 4; exec \"$0\"", kSimProgram}, kRunLimit);
  EXPECT_TRUE(cramped.exitCode == 1 && cramped.output.starts_with("selkan-sim: "))
      << cramped.output;
  // An image it can no longer store it names; the radio keeps what it was sent.
  const std::string port = StartSim(RandomImage(4));
  fs::remove(sim_->ImagePath()), fs::create_directory(sim_->ImagePath());
  const Args write = {"write", "--port", port, "--no-backup", Dat("w.dat", WithChannel3())};
  EXPECT_EQ(Cli(write).exitCode, 0);
  EXPECT_HAS(sim_->Said(), "selkan-sim: cannot write " + sim_->ImagePath() + ": Is a directory");
  // With no standard input, its pseudo-terminal may get descriptor 0.
  BackgroundProcess noInput("/bin/sh", {"-c", "exec \"$0\" <&-", kSimProgram});
  std::string device;
  EXPECT_TRUE(noInput.Read(device, true, kRunLimit) && device.starts_with("/dev/")) << device;
}

TEST_F(SafeWriteE2E, WriteKeepsABackupWritesVerifiesAndSaysSoOrNamesTheWayBack) {
  const std::string dat = Dat("new.dat", WithChannel3());
  const RadioImage before = RandomImage(21);
  StartSim(before);
  EXPECT_TRUE(Cli({"backups"}).output.starts_with("No backups in "));  // none yet
  // Through the symbolic link and a COMn name mapped by the environment.
  ::setenv("SELKAN_COM2", sim_->Link().c_str(), 1);
  const RunResult run = OnTerminal({"write", "--port", "com2", dat});
  ::unsetenv("SELKAN_COM2");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_HAS(run.output, "verified");
  EXPECT_HAS(run.output, "write  [################################] 255/255");
  std::smatch kept;
  ASSERT_TRUE(std::regex_search(run.output, kept, std::regex("Backup of the radio: (\\S+)")));
  EXPECT_EQ(run.output.find("Backup of", kept.position(0) + 1), std::string::npos) << "twice";
  EXPECT_EQ(fs::path(kept[1].str()).parent_path(), dir_.path() / "data/Selkan/backups");
  EXPECT_EQ(LoadDatFile(kept[1].str()).image, before);
  EXPECT_EQ(std::pair(sim_->Received("52"), sim_->Received("57")), std::pair(2 * 512, 510));
  // It stored what it got once, and does not again while it idles.
  const int saves = sim_->Saves();
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  EXPECT_EQ(sim_->Saves(), saves);
  const RadioImage radio = RadioAfterStop();  // all but its last 16 bytes written
  EXPECT_TRUE(WrittenWithChannel3(radio));
  EXPECT_TRUE(std::equal(radio.begin() + 0xFF0, radio.end(), before.begin() + 0xFF0));
  EXPECT_FALSE(fs::exists(sim_->Link())) << "the sim leaves its link behind";
  const std::string table = Cli({"backups"}).output;
  const std::size_t row = table.find('\n') + 1;  // under a header, in its columns
  EXPECT_TRUE(table.starts_with("Date ") && table.find(kept[1].str()) - row == table.find("Path") &&
              table.find("KZ904SK1") - row == table.find("Identification"))
      << table;

  // One object per backup with what the radio sent; the type filter takes any letter case.
  const std::string json = Cli({"backups", "--json"}).output;
  const std::string path = std::regex_replace(kept[1].str(), std::regex("[.+]"), "\\$&");
  const std::regex backup(
      "\\[\n  \\{\"path\": \"" + path +
      "\", \"time\": \"\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\", \"type\": \"([^\"]+)\", "
      "\"identification\": \"KZ904SK1\", \"size\": 4096\\}\n\\]\n");
  std::smatch type;
  ASSERT_TRUE(std::regex_match(json, type, backup)) << json;
  std::string lower = type[1].str();
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(Cli({"backups", "--type", lower, "--json"}).output, json);
  EXPECT_EQ(Cli({"backups", "--type", "x" + lower, "--json"}).output, "[]\n");
  EXPECT_TRUE(Cli({"backups", "--type", "x"}).output.starts_with("No backups of type x in "));

  // A failed verify (naming the difference) or a broken-off write names the backup and the
  // command that puts it back, which works; unchecked, the corrupting radio goes unnoticed.
  const std::tuple<Args, int, std::string> faults[] = {
      {{"--corrupt-write-at", "6"}, 7, "Channel 3, Rx Frequency: 438.50000 -> 438.50001"},
      {{"--refuse-write-at", "100"}, 5, "broke off after 100 of 510 blocks"}};
  for (const auto& [fault, exitCode, said] : faults) {
    const RadioImage original = RandomImage(3);
    const std::string device = StartSim(original, fault);
    RunResult attempt = Cli({"write", "--port", device, dat});
    EXPECT_EQ(attempt.exitCode, exitCode) << attempt.output;
    EXPECT_HAS(attempt.output, said);
    EXPECT_LT(attempt.output.find("Backup of the radio: "), attempt.output.find(said));  // in order
    std::smatch restore;  // the command that puts the backup back
    const std::regex command("selkan-cli write --port \\S+ --no-backup (\\S+)");
    ASSERT_TRUE(std::regex_search(attempt.output, restore, command)) << attempt.output;
    EXPECT_EQ(sim_->Received("52"), (exitCode == 7 ? 2 : 1) * 512);  // a verify reads it again
    if (exitCode == 7) {
      EXPECT_EQ(Cli({"write", "--port", device, "--no-backup", "--no-verify", dat}).exitCode, 0);
      EXPECT_EQ(sim_->Received("52"), 2 * 512);
    }
    // The radio stores what it got once the line is quiet, while it runs on.
    EXPECT_TRUE(WaitFor([&] { return sim_->Saves() > 0; }, 10));
    const RadioImage written = RadioAfterStop();
    EXPECT_FALSE(SameBelowWriteLimit(written, original));
    attempt = Cli({"write", "--port", StartSim(written), "--no-backup", restore[1].str()});
    EXPECT_EQ(attempt.exitCode, 0) << attempt.output;
    EXPECT_TRUE(SameBelowWriteLimit(RadioAfterStop(), original));
  }
  // No folder for the backup (a file stands there): said, and nothing written.
  fs::remove_all(dir_ / "data/Selkan/backups"), WriteBytes(dir_ / "data/Selkan/backups", "");
  EXPECT_HAS(Cli({"write", "--port", StartSim(before), dat}).output,
             "the radio was read, but its backup could not be kept (");
  EXPECT_EQ(sim_->Received("57"), 0);
}

// selkan-cli fleet against selkan-sim --fleet: queues of virtual radios on pseudo-terminals,
// with stays and swap gaps short enough to keep each case to seconds.

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
  std::string named;  // at once on a pipe too, not only with the first radio's line
  EXPECT_TRUE(cli.Read(named, true, 2) && named == "Log: " + Log()) << named;
  ASSERT_TRUE(
      WaitFor([&] { return sim.Log().find("radio 2 connected") != std::string::npos; }, 40));
  // Without Enter the radio on the line is left alone.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_EQ(sim.Received("57"), 510);
  ASSERT_TRUE(cli.Write("\n") && WaitFor([&] { return LogLines(Log()).size() == 2; }, 40));
  const std::string log = ReadBytes(Log());
  EXPECT_EQ(cli.Stop(SIGINT, 10), 130);
  std::string said;  // on a pipe too, the summary comes before why the run ended
  cli.Read(said, false, 5);
  EXPECT_TRUE(said.find("\nLog: ") < said.find("stopped") && said.ends_with(" stopped\n")) << said;
  EXPECT_EQ(std::pair(ReadBytes(Log()), sim.Received("57")), std::pair(log, 2 * 510));
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
    first.emplace(line[kPort], line[kNumber]), numbers.insert(line[kNumber]);
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
