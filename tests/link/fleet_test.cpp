// Runs over many radios: one port's loop against a queue of virtual radios
// that come and go by a fake clock, the log, and loops on several ports at
// once.
#include "link/fleet.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <memory>
#include <regex>
#include <thread>

#include "link/fleet_log.h"
#include "link/fleet_loop.h"
#include "link/protocol.h"
#include "model/channel_codec.h"
#include "platform/sha256.h"
#include "tests/support/file_tests.h"
#include "tools/sim/virtual_radio.h"

namespace selkan::test {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

class FakeClock : public FleetClock {
 public:
  Clock::time_point Now() override { return Clock::time_point{} + elapsed; }
  std::chrono::system_clock::time_point WallNow() override {
    return std::chrono::system_clock::time_point{} + elapsed;
  }
  void Sleep(milliseconds duration) override {
    elapsed += duration;
    if (onSleep) onSleep();
  }
  milliseconds elapsed{0};
  std::function<void()> onSleep;
};

// A port on which radios come and go: each is on the line over a span of
// the fake clock's time, and bytes sent while none is there are lost. A byte
// on the line takes 1 ms; a read that gets fewer bytes than asked for waits
// out its time-out, as a real port does.
class QueuePort : public SerialPort {
 public:
  explicit QueuePort(FakeClock& clock) : clock_(clock) {}

  sim::VirtualRadio& Add(milliseconds from, milliseconds until, sim::Faults faults = {},
                         std::string id = "KZ904SK1", const RadioImage& memory = BlankImage()) {
    slots_.push_back({from, until,
                      std::make_unique<sim::VirtualRadio>(
                          memory, std::vector<std::uint8_t>(id.begin(), id.end()), faults)});
    return *slots_.back().radio;
  }

  bool Open(const std::string&) override {
    ++opens;
    return !failOpen;
  }
  bool Configure(const LineSettings&, const PortTimeouts&) override { return true; }
  void Purge() override { inbound_.clear(); }
  bool Write(std::span<const std::uint8_t> bytes) override {
    for (std::uint8_t byte : bytes) {
      clock_.elapsed += 1ms;
      sim::VirtualRadio* radio = OnLine();
      if (radio == nullptr) continue;
      if (std::optional<sim::Reply> reply = radio->Receive(byte)) {
        inbound_.insert(inbound_.end(), reply->bytes.begin(), reply->bytes.end());
      }
    }
    return true;
  }
  std::vector<std::uint8_t> Read(std::size_t n) override {
    const std::size_t count = std::min(n, inbound_.size());
    std::vector<std::uint8_t> out(inbound_.begin(), inbound_.begin() + static_cast<long>(count));
    inbound_.erase(inbound_.begin(), inbound_.begin() + static_cast<long>(count));
    const PortTimeouts timeouts;
    clock_.elapsed +=
        out.size() == n
            ? milliseconds(n)
            : milliseconds(timeouts.readTotalConstantMs + timeouts.readTotalPerByteMs * n);
    return out;
  }
  void Close() override {}

  int opens = 0;
  bool failOpen = false;
  // True while the radio on the line hears nothing.
  std::function<bool(milliseconds now)> deaf;

 private:
  struct Slot {
    milliseconds from, until;
    std::unique_ptr<sim::VirtualRadio> radio;
  };
  sim::VirtualRadio* OnLine() {
    if (deaf && deaf(clock_.elapsed)) return nullptr;
    for (Slot& slot : slots_) {
      if (clock_.elapsed >= slot.from && clock_.elapsed < slot.until) return slot.radio.get();
    }
    return nullptr;
  }

  FakeClock& clock_;
  std::vector<Slot> slots_;
  std::deque<std::uint8_t> inbound_;
};

RadioImage Configuration() {
  RadioImage image = BlankImage();
  EncodeChannel({"438.50000", "439.50000", "88.5", "88.5", "High", "On", "Wide"}, image, 3);
  return image;
}

bool Holds(const sim::VirtualRadio& radio, const RadioImage& image) {
  return std::equal(image.begin(), image.begin() + offset::kWriteLimit, radio.Memory().begin());
}

// One port's loop with everything it reports.
struct Rig {
  explicit Rig(FleetOptions options = {}) : port(clock) {
    options.image = Configuration();
    options.document = "club.dat";
    options.keep = [this](const RadioImage& radio, std::string*) -> std::optional<std::string> {
      backups.push_back(radio);
      return "backup-" + std::to_string(backups.size()) + ".dat";
    };
    fleet = std::make_unique<Fleet>(options, Callbacks());
    loop = std::make_unique<FleetLoop>(*fleet, "COM1", "/dev/ttyUSB0", clock);
  }

  FleetCallbacks Callbacks() {
    FleetCallbacks callbacks;
    callbacks.status = [this](const FleetPortStatus& status) {
      statuses.push_back(status);
      if (onStatus) onStatus(status);
    };
    callbacks.done = [this](const FleetRecord& record) { records.push_back(record); };
    return callbacks;
  }
  void Run() { loop->Run(port); }
  // Seconds from the start of the fake time to the start of a radio.
  double StartOf(const FleetRecord& record) const {
    return std::chrono::duration<double>(record.start.time_since_epoch()).count();
  }

  FakeClock clock;
  QueuePort port;
  std::unique_ptr<Fleet> fleet;
  std::unique_ptr<FleetLoop> loop;
  std::vector<FleetPortStatus> statuses;
  std::vector<FleetRecord> records;
  std::vector<RadioImage> backups;
  std::function<void(const FleetPortStatus&)> onStatus;
};

FleetOptions Count(int count) {
  FleetOptions options;
  options.count = count;
  return options;
}

TEST(FleetLoop, WaitsForEachRadioAndWritesItOnceSafely) {
  Rig rig(Count(2));
  // The first radio is plugged in after 5 s and stays for a minute after
  // its write; the second follows a swap gap of one second.
  const RadioImage before = BlankImage();
  sim::VirtualRadio& first = rig.port.Add(5s, 90s);
  sim::VirtualRadio& second = rig.port.Add(91s, 1000s);
  rig.Run();

  ASSERT_EQ(rig.records.size(), 2u);
  EXPECT_TRUE(Holds(first, Configuration()));
  EXPECT_TRUE(Holds(second, Configuration()));
  for (int i = 0; i < 2; ++i) {
    const FleetRecord& record = rig.records[i];
    EXPECT_EQ(record.number, i + 1);
    EXPECT_EQ(record.Result(), "verified");
    EXPECT_EQ(record.identification, "KZ904SK1");
    EXPECT_EQ(record.backupPath, "backup-" + std::to_string(i + 1) + ".dat");
    EXPECT_EQ(record.imageHash, Sha256Hex(Configuration(), 12));
    EXPECT_EQ(rig.backups[i], before);
  }
  // Found within a probe interval and a probe of its coming; the still
  // connected first radio was not taken for a new one, and the second was
  // written soon after the first had gone.
  EXPECT_GE(rig.StartOf(rig.records[0]), 5.0);
  EXPECT_LT(rig.StartOf(rig.records[0]), 5.0 + 0.9 + 1.3);
  EXPECT_GE(rig.StartOf(rig.records[1]), 91.0);
  EXPECT_LT(rig.StartOf(rig.records[1]), 91.0 + 1.5);
  // Three transfers of a few seconds each at 1 ms a byte.
  EXPECT_GT(rig.records[0].seconds, 20.0);
  EXPECT_LT(rig.records[0].seconds, 40.0);
  // The count reached, the loop ends without waiting for the last to go.
  EXPECT_EQ(rig.statuses.back().phase, FleetPhase::kEnded);
  EXPECT_EQ(rig.statuses.back().ended, TransferOutcome::kCompleted);
  EXPECT_LT(rig.clock.elapsed, 91s + 40s);
  const FleetSummary summary = rig.fleet->Summary();
  EXPECT_EQ(summary.succeeded, 2);
  EXPECT_FALSE(summary.firstFailure);
}

// A radio counts as gone once a wake-up went unanswered two seconds after
// its last answer; a short swap gap of one second is seen, a radio that
// answers every time is never taken for a new one.
TEST(FleetLoop, ARadioIsGoneAfterTwoSecondsWithoutAnAnswer) {
  for (const auto gap : {1000ms, 1500ms, 4000ms}) {
    SCOPED_TRACE(gap.count());
    Rig rig(Count(2));
    rig.port.Add(0s, 40s);
    sim::VirtualRadio& second = rig.port.Add(40s + gap, 1000s);
    rig.Run();
    ASSERT_EQ(rig.records.size(), 2u);
    EXPECT_TRUE(Holds(second, Configuration()));
    // Seen gone no later than a probe and two seconds after it went.
    EXPECT_LT(rig.StartOf(rig.records[1]), 40.0 + std::max(gap.count() / 1000.0, 2.0) + 1.5);
  }

  // Still there after its write, even one that misses a wake-up as it
  // restarts: one radio, one write.
  for (const auto deafFor : {0ms, 1000ms}) {
    Rig rig(Count(2));
    sim::VirtualRadio& only = rig.port.Add(0s, 1000s);
    std::optional<milliseconds> written;
    rig.onStatus = [&](const FleetPortStatus& status) {
      if (status.phase == FleetPhase::kWaitingForRemoval) written = rig.clock.elapsed;
    };
    rig.port.deaf = [&](milliseconds now) { return written && now < *written + deafFor; };
    rig.clock.onSleep = [&] {
      if (rig.clock.elapsed >= 300s) rig.fleet->Stop();
    };
    rig.Run();
    EXPECT_EQ(rig.records.size(), 1u);
    EXPECT_TRUE(Holds(only, Configuration()));
    EXPECT_EQ(rig.statuses.back().phase, FleetPhase::kEnded);
    EXPECT_EQ(rig.statuses.back().ended, TransferOutcome::kCancelled);
    EXPECT_EQ(rig.statuses[rig.statuses.size() - 2].phase, FleetPhase::kWaitingForRemoval);
  }
}

TEST(FleetLoop, ARadioOfAnotherTypeIsLoggedNotWrittenAndWaitedOut) {
  Rig rig(Count(1));
  sim::VirtualRadio& other = rig.port.Add(0s, 10s, {}, "KZ905SK1", BlankImage());
  sim::VirtualRadio& ours = rig.port.Add(13s, 1000s);
  rig.Run();
  ASSERT_EQ(rig.records.size(), 2u);
  EXPECT_EQ(rig.records[0].Result(), "wrong type");
  EXPECT_EQ(rig.records[0].identification, "KZ905SK1");
  EXPECT_EQ(rig.records[0].backupPath, "");
  EXPECT_EQ(other.Memory(), BlankImage());
  // Not one of the count: the radio after it is still written.
  EXPECT_EQ(rig.records[1].number, 2);
  EXPECT_EQ(rig.records[1].Result(), "verified");
  EXPECT_TRUE(Holds(ours, Configuration()));
  EXPECT_EQ(rig.fleet->Summary().firstFailure, TransferOutcome::kRadioMismatch);
}

TEST(FleetLoop, FailuresAreLoggedAndTheNextRadioWrittenUnlessStopOnFailure) {
  // Block 6 holds channel 3's frequencies; block 100 is far into the write.
  sim::Faults corrupt, refuse, silentAfterId;
  corrupt.corruptWriteAt = 6;
  refuse.refuseWriteAt = 100;
  silentAfterId.noIdAck = true;
  for (const bool stopOnFailure : {false, true}) {
    SCOPED_TRACE(stopOnFailure);
    FleetOptions options = Count(4);
    options.stopOnFailure = stopOnFailure;
    Rig rig(options);
    rig.port.Add(0s, 40s, corrupt);
    rig.port.Add(45s, 80s, refuse);
    rig.port.Add(85s, 120s, silentAfterId);
    sim::VirtualRadio& last = rig.port.Add(125s, 1000s);
    rig.Run();
    if (stopOnFailure) {
      ASSERT_EQ(rig.records.size(), 1u);
      EXPECT_EQ(rig.statuses.back().phase, FleetPhase::kEnded);
      EXPECT_LT(rig.clock.elapsed, 40s);  // no wait for the failed radio to go
      EXPECT_FALSE(Holds(last, Configuration()));
      continue;
    }
    ASSERT_EQ(rig.records.size(), 4u);
    EXPECT_EQ(rig.records[0].Result(),
              "verify failed: Channel 3, Rx Frequency: 438.50000 -> 438.50001");
    EXPECT_EQ(rig.records[0].outcome, TransferOutcome::kVerifyMismatch);
    EXPECT_EQ(rig.records[1].Result(), "broke off at block 100 of 510");
    EXPECT_EQ(rig.records[1].backupPath, "backup-2.dat");
    EXPECT_EQ(rig.records[2].Result(), "no answer after the wake-up");
    EXPECT_EQ(rig.records[3].Result(), "verified");
    EXPECT_TRUE(Holds(last, Configuration()));
    const FleetSummary summary = rig.fleet->Summary();
    EXPECT_EQ(summary.failed, 3);
    EXPECT_EQ(summary.firstFailure, TransferOutcome::kVerifyMismatch);
  }
}

TEST(FleetLoop, StopEndsAWaitAtOnceAndAWriteAsItsCancelDoes) {
  {
    Rig rig;  // no radio ever comes
    rig.clock.onSleep = [&] {
      if (rig.clock.elapsed >= 10s) rig.fleet->Stop();
    };
    rig.Run();
    EXPECT_TRUE(rig.records.empty());
    EXPECT_LT(rig.clock.elapsed, 10s + 1300ms);
    EXPECT_EQ(rig.statuses.back().ended, TransferOutcome::kCancelled);
  }
  Rig rig;
  rig.port.Add(0s, 1000s);
  rig.onStatus = [&](const FleetPortStatus& status) {
    if (status.step == WriteStep::kWrite && status.percent == 40) rig.fleet->Stop();
  };
  rig.Run();
  ASSERT_EQ(rig.records.size(), 1u);
  EXPECT_TRUE(std::regex_match(rig.records[0].Result(),
                               std::regex("broke off at block 20[0-9] of 510 \\(stopped\\)")))
      << rig.records[0].Result();
  EXPECT_EQ(rig.records[0].backupPath, "backup-1.dat");
  EXPECT_EQ(rig.fleet->Summary().firstFailure, TransferOutcome::kCancelled);
  EXPECT_EQ(rig.statuses.back().ended, TransferOutcome::kCancelled);
}

// Radios that stay connected: the user passes each next one with Next, which
// counts only while the loop waits for it.
TEST(FleetLoop, ConfirmModeWaitsForNextInsteadOfARemoval) {
  FleetOptions options = Count(3);
  options.confirm = true;
  Rig rig(options);
  rig.port.Add(0s, 1000s);
  int waits = 0;
  rig.onStatus = [&](const FleetPortStatus& status) {
    if (status.phase == FleetPhase::kWriting) rig.loop->Next();  // too early: no effect
    if (status.phase == FleetPhase::kWaitingForNext && ++waits == 1) rig.loop->Next();
  };
  rig.clock.onSleep = [&] {
    if (rig.clock.elapsed >= 500s) rig.fleet->Stop();
  };
  rig.Run();
  EXPECT_EQ(rig.records.size(), 2u);
  EXPECT_EQ(waits, 2);
  // No probe while waiting for Next: the second radio was started at once.
  EXPECT_LT(rig.StartOf(rig.records[1]) - rig.StartOf(rig.records[0]),
            rig.records[0].seconds + 0.1);
  EXPECT_EQ(rig.statuses.back().ended, TransferOutcome::kCancelled);
}

TEST(FleetLoop, APortThatCannotBeOpenedEndsItsLoop) {
  Rig rig;
  rig.port.failOpen = true;
  rig.Run();
  EXPECT_TRUE(rig.records.empty());
  EXPECT_EQ(rig.port.opens, 1);
  EXPECT_EQ(rig.statuses.back().ended, TransferOutcome::kPortError);
  EXPECT_EQ(rig.fleet->Summary().firstFailure, TransferOutcome::kPortError);
}

TEST(FleetRecord, ResultsOfEachWayAWriteEnds) {
  FleetRecord record;
  record.verify = false;
  EXPECT_EQ(record.Result(), "written");
  const struct {
    TransferOutcome outcome;
    WriteStep step;
    std::size_t blocks;
    const char* result;
  } cases[] = {
      {TransferOutcome::kCancelled, WriteStep::kWrite, 0, "stopped; nothing written"},
      {TransferOutcome::kCancelled, WriteStep::kBackup, 0, "stopped; nothing written"},
      {TransferOutcome::kCancelled, WriteStep::kVerify, 510, "written; stopped during the verify"},
      {TransferOutcome::kProgramInterrupt, WriteStep::kBackup, 0,
       "the backup read broke off; nothing written"},
      {TransferOutcome::kProgramInterrupt, WriteStep::kVerify, 510,
       "written; the verify read broke off"},
      {TransferOutcome::kCommunicationError, WriteStep::kVerify, 510,
       "written; no answer after the wake-up for the verify"},
      {TransferOutcome::kPortError, WriteStep::kWrite, 0,
       "the port could not be opened; nothing written"},
  };
  for (const auto& c : cases) {
    record.outcome = c.outcome;
    record.step = c.step;
    record.blocksWritten = c.blocks;
    EXPECT_EQ(record.Result(), c.result);
  }
  record.outcome = TransferOutcome::kVerifyMismatch;
  record.mismatches.assign(5, {"Squelch Level", "4", "9", 0});
  EXPECT_EQ(record.Result(),
            "verify failed: Squelch Level: 4 -> 9; Squelch Level: 4 -> 9; "
            "Squelch Level: 4 -> 9; 2 more");
}

class FleetLogTest : public ::testing::Test {
 protected:
  static FleetRecord Record(int number) {
    FleetRecord record;
    record.number = number;
    record.start = std::chrono::system_clock::from_time_t(1772373909);  // 2026-03-01 14:05:09 UTC
    record.seconds = 27.84;
    record.identification = "KZ904SK1";
    record.port = "/dev/pts/3";
    record.backupPath = "/backups/fleet, one/20260301-140509_SK-100.dat";
    record.document = "club \"A\".dat";
    record.imageHash = "0123456789ab";
    return record;
  }
  std::string Path(const char* name) const { return dir_ / name; }
  ScratchDir dir_;
};

TEST_F(FleetLogTest, LinesAreCsvWithLocalTimeAndItsOffset) {
  const char* tz = std::getenv("TZ");
  const std::string saved = tz ? tz : "";
  ::setenv("TZ", "<+0530>-5:30", 1);
  ::tzset();
  EXPECT_EQ(FleetLogLine(Record(4)),
            "4,2026-03-01T19:35:09+05:30,27.8,KZ904SK1,"
            "\"/backups/fleet, one/20260301-140509_SK-100.dat\",verified,\"club \"\"A\"\".dat\","
            "0123456789ab,/dev/pts/3");
  if (tz) {
    ::setenv("TZ", saved.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
  const std::uint8_t odd[] = {'K', 'Z', 0x00, '\\', 0xFF};
  EXPECT_EQ(IdentificationText(odd), "KZ\\x00\\x5C\\xFF");
}

TEST_F(FleetLogTest, EachLineIsOnDiskAtOnceAndOnlyLogsAreAppendedTo) {
  const std::string header = std::string(kFleetLogHeader) + "\n";
  {
    FleetLog log;
    std::string error;
    ASSERT_TRUE(log.Open(Path("run.csv"), &error)) << error;
    ASSERT_TRUE(log.Append(Record(1), &error)) << error;
    EXPECT_EQ(ReadBytes(Path("run.csv")), header + FleetLogLine(Record(1)) + "\n");
  }
  {
    FleetLog log;  // a second run goes on below the first
    ASSERT_TRUE(log.Open(Path("run.csv"), nullptr));
    ASSERT_TRUE(log.Append(Record(2), nullptr));
  }
  EXPECT_EQ(ReadBytes(Path("run.csv")),
            header + FleetLogLine(Record(1)) + "\n" + FleetLogLine(Record(2)) + "\n");

  WriteBytes(Path("radio.dat"), std::string(4096, '\xff'));
  WriteBytes(Path("empty.csv"), "");
  FleetLog refused, empty;
  std::string error;
  EXPECT_FALSE(refused.Open(Path("radio.dat"), &error));
  EXPECT_NE(error.find("not a fleet log"), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(Path("radio.dat")), std::string(4096, '\xff'));
  EXPECT_TRUE(empty.Open(Path("empty.csv"), nullptr));
  EXPECT_EQ(ReadBytes(Path("empty.csv")), header);
  EXPECT_FALSE(FleetLog().Open(Path("no-such-dir/run.csv"), &error));
}

// Two ports at once, each loop on a thread of its own with its own port and
// clock: they share the numbering, the count and the log, and a port that
// fails leaves the others alone.
TEST_F(FleetLogTest, LoopsOnSeveralPortsShareTheNumbersAndTheLog) {
  FleetLog log;
  ASSERT_TRUE(log.Open(Path("two.csv"), nullptr));
  FleetOptions options = Count(4);
  options.image = Configuration();
  options.backup = false;
  std::vector<FleetRecord> records;
  std::mutex mutex;
  FleetCallbacks callbacks;
  callbacks.done = [&](const FleetRecord& record) {
    std::lock_guard lock(mutex);
    records.push_back(record);
  };
  Fleet fleet(options, callbacks, &log);

  struct Line {
    explicit Line(Fleet& fleet, std::string name) : port(clock), loop(fleet, name, name, clock) {}
    FakeClock clock;
    QueuePort port;
    FleetLoop loop;
  };
  std::vector<std::unique_ptr<Line>> lines;
  for (const char* name : {"A", "B", "C"}) lines.push_back(std::make_unique<Line>(fleet, name));
  for (int i = 0; i < 3; ++i) {
    lines[0]->port.Add(std::chrono::seconds(30 * i), std::chrono::seconds(30 * i + 25));
    lines[1]->port.Add(std::chrono::seconds(30 * i + 10), std::chrono::seconds(30 * i + 35));
  }
  lines[2]->port.failOpen = true;
  std::vector<std::thread> threads;
  for (auto& line : lines) threads.emplace_back([&line] { line->loop.Run(line->port); });
  for (std::thread& thread : threads) thread.join();

  ASSERT_EQ(records.size(), 4u);
  std::vector<int> numbers;
  int onA = 0;
  for (const FleetRecord& record : records) {
    numbers.push_back(record.number);
    EXPECT_EQ(record.Result(), "verified");
    onA += record.port == "A";
  }
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_GE(onA, 1);
  EXPECT_LE(onA, 3);
  const FleetSummary summary = fleet.Summary();
  EXPECT_EQ(summary.succeeded, 4);
  EXPECT_EQ(summary.firstFailure, TransferOutcome::kPortError);
  std::string expected = std::string(kFleetLogHeader) + "\n";
  for (const FleetRecord& record : records) expected += FleetLogLine(record) + "\n";
  EXPECT_EQ(ReadBytes(Path("two.csv")), expected);
}

TEST(Sha256, KnownDigests) {
  auto hex = [](std::string_view text, std::size_t digits = 64) {
    return Sha256Hex({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, digits);
  };
  EXPECT_EQ(hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first padded block.
  EXPECT_EQ(hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(hex(std::string(1000, 'a'), 12), "41edece42d63");  // whole blocks, then the rest
}

}  // namespace
}  // namespace selkan::test
