// A port's loop against virtual radios coming and going by a fake clock; the board of a run.
#include "link/fleet.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <regex>

#include "link/fleet_board.h"
#include "link/fleet_log.h"
#include "link/fleet_loop.h"
#include "link/fleet_text.h"
#include "platform/sha256.h"
#include "tests/support/file_tests.h"
#include "tests/support/radio_images.h"
#include "tools/sim/pty_line.h"
#include "tools/sim/virtual_radio.h"

namespace selkan::test {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds, std::chrono::steady_clock, std::chrono::system_clock;

// A line on which radios come and go by its own fake clock. Bytes no radio hears are lost;
// a byte takes 1 ms; a short read waits out its time-out, as a real port's does.
class Line : public FleetClock, public SerialPort {
 public:
  sim::VirtualRadio& Add(milliseconds from, milliseconds until, sim::Faults faults = {}) {
    const std::vector<std::uint8_t> id = {'K', 'Z', '9', '0', '4', 'S', 'K', '1'};  // accepted
    radios_.push_back({from, until, std::make_unique<sim::VirtualRadio>(BlankImage(), id, faults)});
    return *radios_.back().radio;
  }

  steady_clock::time_point Now() override { return steady_clock::time_point(elapsed); }
  system_clock::time_point WallNow() override { return system_clock::time_point(elapsed); }
  void Sleep(milliseconds duration) override {
    elapsed += duration;
    if (onSleep) onSleep();
  }

  bool Open(const std::string&) override { return ++openings, opens; }
  bool Configure(const LineSettings&, const PortTimeouts&) override { return true; }
  void Purge() override { inbound_.clear(); }
  bool Write(std::span<const std::uint8_t> bytes) override {
    for (std::uint8_t byte : bytes) {
      elapsed += 1ms;
      std::optional<sim::Reply> reply;
      for (auto& on : radios_)
        if (elapsed >= on.from && elapsed < on.until && !(deaf && deaf()))
          reply = on.radio->Receive(byte);
      if (reply) inbound_.insert(inbound_.end(), reply->bytes.begin(), reply->bytes.end());
    }
    return true;
  }
  std::vector<std::uint8_t> Read(std::size_t n) override {
    const auto end = inbound_.begin() + static_cast<long>(std::min(n, inbound_.size()));
    const std::vector<std::uint8_t> out(inbound_.begin(), end);
    inbound_.erase(inbound_.begin(), end);
    const PortTimeouts timeouts;
    elapsed += milliseconds(out.size() == n || quick
                                ? n
                                : timeouts.readTotalConstantMs + timeouts.readTotalPerByteMs * n);
    return out;
  }
  void Close() override {}

  milliseconds elapsed{0};
  bool opens = true, quick = false;  // quick: a short read ends at once
  int openings = 0;
  std::function<void()> onSleep;
  std::function<bool()> deaf;  // true while the radio on the line hears nothing

 private:
  struct OnLine {
    milliseconds from, until;
    std::unique_ptr<sim::VirtualRadio> radio;
  };
  std::vector<OnLine> radios_;
  std::deque<std::uint8_t> inbound_;
};

struct Rig {
  explicit Rig(int count, bool stopOnFailure = false, bool confirm = false) {
    FleetOptions options;
    options.count = count, options.stopOnFailure = stopOnFailure, options.confirm = confirm;
    options.image = WithChannel3();
    options.keep = [this](const RadioImage& radio, const std::string&, std::string*) {
      backups.push_back(radio);
      return std::optional("backup-" + std::to_string(backups.size()) + ".dat");
    };
    const auto tell = [this](const FleetPortStatus& status) {
      statuses.push_back(status);
      if (onStatus) onStatus(status);
    };
    const auto done = [this](const FleetRecord& record) { records.push_back(record); };
    fleet = std::make_unique<Fleet>(options, FleetCallbacks{tell, done});
    loop = std::make_unique<FleetLoop>(*fleet, "COM1", "/dev/ttyUSB0", line);
  }
  void Run() { loop->Run(line); }
  double Start(std::size_t i) const {
    return std::chrono::duration<double>(records.at(i).start.time_since_epoch()).count();
  }
  void StopAt(milliseconds when) {
    line.onSleep = [this, when] {
      if (line.elapsed >= when) fleet->Stop();
    };
  }
  TransferOutcome Ended() const { return statuses.back().ended; }

  Line line;
  std::unique_ptr<Fleet> fleet;
  std::unique_ptr<FleetLoop> loop;
  std::vector<FleetPortStatus> statuses;
  std::vector<FleetRecord> records;
  std::vector<RadioImage> backups;
  std::function<void(const FleetPortStatus&)> onStatus;
};

// Radios come 5 s after the start and after a swap gap; the first, staying, is not taken for a
// new one. Gone is a wake-up unanswered 2 s after the last answer: a gap of 1 s is seen.
TEST(FleetLoop, FindsEachRadioWritesItOnceAndSeesItGo) {
  for (const auto gap : {1000ms, 4000ms}) {
    Rig rig(2);
    sim::VirtualRadio& first = rig.line.Add(5s, 60s);
    sim::VirtualRadio& second = rig.line.Add(60s + gap, 1000s);
    EXPECT_EQ(rig.fleet->NextNumber(), 1);
    rig.Run();
    ASSERT_EQ(rig.records.size(), 2u);
    EXPECT_EQ(rig.fleet->NextNumber(), 3);
    EXPECT_TRUE(WrittenWithChannel3(first.Memory()) && WrittenWithChannel3(second.Memory()));
    for (int i = 0; i < 2; ++i) {
      const FleetRecord& r = rig.records[i];
      EXPECT_EQ(std::tuple(r.number, r.Result(), r.backupPath, r.imageHash, rig.backups[i]),
                std::tuple(i + 1, "verified", "backup-" + std::to_string(i + 1) + ".dat",
                           Sha256Hex(WithChannel3(), 12), BlankImage()));
    }
    const double came = 60.0 + gap.count() / 1000.0;  // the second radio
    EXPECT_TRUE(rig.Start(0) >= 5.0 && rig.Start(0) < 5.0 + 0.9 + 1.3) << rig.Start(0);
    EXPECT_TRUE(rig.Start(1) >= came && rig.Start(1) < std::max(came, 62.0) + 1.5) << rig.Start(1);
    std::map<WriteStep, int> most;  // each step's bar ends full, each percent said once
    for (const auto& s : rig.statuses) most[s.step] = std::max(most[s.step], s.percent);
    for (std::size_t i = 1; i < rig.statuses.size(); ++i) {
      const FleetPortStatus &a = rig.statuses[i - 1], &b = rig.statuses[i];
      EXPECT_FALSE(a.phase == FleetPhase::kWriting && b.phase == a.phase && b.step == a.step &&
                   b.radio == a.radio && b.percent <= a.percent);
    }
    EXPECT_EQ(most[WriteStep::kBackup] + most[WriteStep::kWrite] + most[WriteStep::kVerify], 300);
    // The count reached, the loop ends, said once, without waiting for the last to go.
    EXPECT_EQ(rig.Ended(), TransferOutcome::kCompleted);
    EXPECT_EQ(std::ranges::count(rig.statuses, FleetPhase::kEnded, &FleetPortStatus::phase), 1);
    EXPECT_LT(rig.line.elapsed, 60s + gap + 40s);
  }
}

// On a port whose short reads end at once, the probes for a radio still come 900 ms apart.
TEST(FleetLoop, ProbesKeepTheirIntervalOnAPortThatDoesNotWait) {
  Rig rig(1);
  rig.line.quick = true, rig.line.Add(9s, 1000s), rig.Run();
  // 0 s, 0.9 s, ..., 9 s: 10 silent probes and the one answered, then the backup, write, verify.
  EXPECT_TRUE(rig.records.size() == 1 && rig.line.openings == 11 + 3) << rig.line.openings;
}

// Each radio that fails is logged and the next one written, unless stop-on-failure.
TEST(FleetLoop, AfterAFailureTheNextRadioUnlessStopOnFailureStopEndsAWaitOrAWrite) {
  const sim::Faults refuse{.refuseWriteAt = 100}, silentAfterId{.noIdAck = true};
  for (const bool stopOnFailure : {false, true}) {
    Rig rig(3, stopOnFailure);
    rig.line.Add(0s, 40s, refuse), rig.line.Add(45s, 80s, silentAfterId);
    sim::VirtualRadio& last = rig.line.Add(85s, 1000s);
    rig.Run();
    EXPECT_EQ(WrittenWithChannel3(last.Memory()), !stopOnFailure);
    if (stopOnFailure) {  // no wait for the failed radio to go
      EXPECT_TRUE(rig.records.size() == 1 && rig.line.elapsed < 40s) << rig.line.elapsed.count();
      continue;
    }
    ASSERT_EQ(rig.records.size(), 3u);
    EXPECT_EQ(rig.records[0].Result(), "broke off at block 100 of 510");
    EXPECT_EQ(rig.records[0].backupPath, "backup-1.dat");
    EXPECT_EQ(rig.records[1].Result(), "no answer after the wake-up");
    EXPECT_EQ(rig.records[2].Result(), "verified");
    const FleetSummary summary = rig.fleet->Summary();  // the radios' times added up
    EXPECT_EQ(summary.firstFailure, TransferOutcome::kProgramInterrupt);
    EXPECT_DOUBLE_EQ(summary.seconds,
                     rig.records[0].seconds + rig.records[1].seconds + rig.records[2].seconds);
  }

  // Stop ends a wait or a write; confirm mode waits for Next. Waits for a radio to come (none
  // ever does) or for one on the line to go end at once; stopped during the probe, none is
  // taken. A radio missing a wake-up as it restarts after its write is not written again.
  for (const auto& [radios, stop, slack, taken] :
       {std::tuple{0, 10000ms, 1300ms, 0u}, {1, 300000ms, 300ms, 1u}, {1, 1ms, 300ms, 0u}}) {
    Rig rig(0);
    if (radios > 0) rig.line.Add(0s, 1000s);
    std::optional<milliseconds> written;
    rig.onStatus = [&](const FleetPortStatus& status) {
      if (status.phase == FleetPhase::kWaitingForRemoval) written = rig.line.elapsed;
    };
    rig.line.deaf = [&] { return written && rig.line.elapsed < *written + 1s; };
    rig.StopAt(stop), rig.Run();
    EXPECT_TRUE(rig.records.size() == taken && rig.line.elapsed < stop + slack &&
                rig.statuses.back().phase == FleetPhase::kEnded &&
                (!taken || rig.statuses.end()[-2].phase == FleetPhase::kWaitingForRemoval) &&
                rig.Ended() == TransferOutcome::kCancelled)
        << stop.count() << " " << rig.line.elapsed.count();
  }

  Rig writing(0);
  writing.line.Add(0s, 1000s);
  writing.onStatus = [&](const FleetPortStatus& status) {
    if (status.step == WriteStep::kWrite && status.percent == 40) writing.fleet->Stop();
  };
  writing.Run();
  ASSERT_EQ(writing.records.size(), 1u);
  EXPECT_TRUE(std::regex_match(writing.records[0].Result(),
                               std::regex("broke off at block 20[0-9] of 510 \\(stopped\\)")))
      << writing.records[0].Result();
  EXPECT_EQ(writing.records[0].backupPath, "backup-1.dat");
  EXPECT_EQ(writing.fleet->Summary().firstFailure, TransferOutcome::kCancelled);

  // The port goes while its written radio waits to be taken away; another port takes the
  // count's last radio: either ends the wait for removal.
  for (const bool unplugged : {true, false}) {
    Rig rig(unplugged ? 0 : 2);
    rig.line.Add(0s, 1000s);
    rig.onStatus = [&](const FleetPortStatus& status) {
      if (status.phase != FleetPhase::kWaitingForRemoval) return;
      if (unplugged) rig.line.opens = false;
      EXPECT_TRUE(unplugged || rig.fleet->Claim(true));
    };
    rig.Run();
    const auto ended = unplugged ? TransferOutcome::kPortError : TransferOutcome::kCompleted;
    EXPECT_TRUE(rig.records.size() == 1 && rig.line.elapsed < 100s && rig.Ended() == ended &&
                rig.statuses.end()[-2].phase == FleetPhase::kWaitingForRemoval)
        << unplugged;
    EXPECT_EQ(rig.fleet->Summary().firstFailure, unplugged ? std::optional(ended) : std::nullopt);
  }

  // Radios that stay connected: Next passes each on, counting only while the loop waits.
  Rig rig(3, false, true);
  rig.line.Add(0s, 1000s);
  int waits = 0;
  rig.onStatus = [&](const FleetPortStatus& status) {
    if (status.phase == FleetPhase::kWriting) rig.loop->Next();  // too early: no effect
    if (status.phase == FleetPhase::kWaitingForNext && ++waits == 1) rig.loop->Next();
  };
  rig.StopAt(500s), rig.Run();
  EXPECT_TRUE(rig.records.size() == 2 && waits == 2 && rig.Ended() == TransferOutcome::kCancelled);
  EXPECT_LT(rig.Start(1) - rig.Start(0), rig.records[0].seconds + 0.1);  // no removal awaited
}

// Tells the board a port's status; what its headline then says.
std::string Tell(FleetBoard& board, std::string port, FleetPhase phase, int radio = 0,
                 WriteStep step = WriteStep::kBackup, int percent = 0,
                 TransferOutcome ended = TransferOutcome::kCancelled) {
  board.Update({std::move(port), phase, radio, step, percent, ended});
  return EnglishText(board.Headline());
}

FleetRecord Done(std::string port, int number, TransferOutcome outcome) {
  FleetRecord record;
  record.number = number, record.seconds = 27.84, record.identification = "KZ905SK1";
  record.port = std::move(port), record.outcome = outcome;
  return record;
}

// The headline: a radio to take away, else the lowest being written, else the wait.
TEST(FleetBoard, TheHeadlineOnePortAndTheTextsAsTheUserReadsThem) {
  using enum FleetPhase;
  using enum WriteStep;
  FleetBoard board({"COM2", "COM1"}, true, true);  // the lower radio on the later port
  EXPECT_EQ(EnglishText(board.Headline()), "Connect radios and turn them on");
  Tell(board, "COM2", kWriting, 2, kVerify, 70);
  EXPECT_EQ(Tell(board, "COM1", kWriting, 1, kWrite, 40), "Radio 1, step 2 of 3: writing it");
  EXPECT_EQ(board.HeadlinePercent(), 40);
  board.Add(Done("COM1", 1, TransferOutcome::kCompleted));
  EXPECT_EQ(Tell(board, "COM1", kWaitingForRemoval, 1),
            "Radio 1 verified in 27.8 s \u2014 remove it");
  EXPECT_EQ(board.HeadlinePercent(), 100);
  EXPECT_EQ(EnglishText(board.PortText(0)), "Radio 2, step 3 of 3: reading it back to verify it");
  Tell(board, "COM1", kWaitingForRadio);
  EXPECT_EQ(board.HeadlinePercent(), 70);
  board.Add(Done("COM2", 2, TransferOutcome::kVerifyMismatch));
  EXPECT_EQ(Tell(board, "COM2", kWaitingForRemoval, 2), "Radio 2 failed \u2014 remove it");
  EXPECT_EQ(board.PortPercent(0), -1);
  EXPECT_EQ(Tell(board, "COM2", kWaitingForRadio), "Connect radios and turn them on");
  board.Stop(), Tell(board, "COM2", kWriting, 3, kWrite, 50);
  EXPECT_EQ(Tell(board, "COM1", kEnded), "Stopping...");  // the other port still runs: no bar
  EXPECT_TRUE(board.HeadlinePercent() == -1 && !board.Ended());
  EXPECT_EQ(Tell(board, "COM2", kEnded), "Stopped. Radios: 2, verified: 1, failed: 1");
  FleetBoard two({"COM1", "COM2"}, true, true);  // the lowest radio, but one to take away first
  Tell(two, "COM1", kWriting, 1);                // both reading their backups
  EXPECT_EQ(Tell(two, "COM2", kWriting, 2), "Radio 1, step 1 of 3: reading it into a backup");
  two.Add(Done("COM2", 2, TransferOutcome::kVerifyMismatch));
  EXPECT_EQ(Tell(two, "COM2", kWaitingForRemoval, 2), "Radio 2 failed \u2014 remove it");

  // One port: the wait names the next radio; without a backup the write is step 1 of 2; in
  // confirm mode it waits for Next. A port not opened names no radio; with none the run ends.
  FleetBoard one({"COM3"}, false, true);
  EXPECT_EQ(EnglishText(one.Headline()), "Radio 1: connect it and turn it on");
  Tell(one, "COM1", kWriting, 9);  // not a port of the run
  EXPECT_EQ(Tell(one, "COM3", kWriting, 4, kWrite), "Radio 4, step 1 of 2: writing it");
  one.Add(Done("COM3", 4, TransferOutcome::kRadioMismatch));
  EXPECT_EQ(Tell(one, "COM3", kWaitingForNext, 4),
            "Radio 4 is of another type (KZ905SK1) \u2014 connect the next radio and press Next "
            "Radio");
  EXPECT_TRUE(one.WaitsForNext());
  EXPECT_EQ(Tell(one, "COM3", kWaitingForRadio), "Radio 5: connect it and turn it on");
  EXPECT_FALSE(one.WaitsForNext());

  Rig broken(0);  // on COM1
  broken.line.opens = false, broken.Run();
  FleetBoard none({"COM1", "COM2"}, true, false);
  for (const FleetPortStatus& status : broken.statuses) none.Update(status);
  EXPECT_EQ(Tell(none, "COM2", kWaitingForRadio), "Radio 1: connect it and turn it on");
  EXPECT_EQ(Tell(none, "COM2", kEnded, 0, kBackup, 0, TransferOutcome::kPortError),
            "No port could be opened");
  EXPECT_EQ(EnglishText(none.PortText(0)), "The port could not be opened");

  // Args fill in one pass ("%2" in an identification stays); a failed verify names, in the
  // user's language, the first three differences and how many more.
  EXPECT_EQ(FillArguments("%1 of %2, 100% %3", {"%2", "x"}), "%2 of x, 100% %3");
  EXPECT_EQ(FillArguments("%9%0%", {"1", "2", "3", "4", "5", "6", "7", "8", "nine", "ten"}),
            "nine%0%");  // %9 the last argument; %0 and a % at the end stay
  FleetRecord record = Done("COM1", 1, TransferOutcome::kVerifyMismatch);
  record.step = WriteStep::kVerify, record.readBack = BlankImage();
  const auto english = MismatchesIn(record, WithChannel3(), Language::English);
  ASSERT_EQ(english.size(), 1u);
  EXPECT_EQ(english[0].field, "Channel 3");
  EXPECT_EQ(MismatchesIn(record, WithChannel3(), Language::Chinese)[0].field.substr(0, 6), "信道");
  record.mismatches.assign(5, english[0]);
  const std::string line = DifferenceLine(english[0]);
  EXPECT_EQ(record.Result(), "verify failed: " + line + "; " + line + "; " + line + "; 2 more");
  record.mismatches.resize(3);  // all three named: no "0 more"
  EXPECT_EQ(record.Result(), "verify failed: " + line + "; " + line + "; " + line);
  record = Done("COM1", 1, TransferOutcome::kCancelled), record.step = WriteStep::kWrite;
  EXPECT_EQ(record.Result(), "stopped; nothing written");  // before its first block
}

TEST(FleetLog, FailuresAreSaidAndTheFileGoesWithTheLog) {
  const std::string before = OpenDescriptors();
  {
    const sim::PtyLine unopened;  // a line never opened closes none either
    FleetLog log;
    std::string error;
    EXPECT_FALSE(log.Append(Done("COM1", 1, TransferOutcome::kCompleted), &error));
    EXPECT_FALSE(log.Open("/no-such-folder/run.csv", &error));
    EXPECT_TRUE(error.starts_with("cannot open /no-such-folder/run.csv: ")) << error;
    EXPECT_FALSE(log.Open("/dev/full", &error));  // the header does not fit
    EXPECT_EQ(error, "cannot write /dev/full: No space left on device");
    std::string said = "nothing";  // said only on failure, and only where asked
    EXPECT_TRUE(FleetLog().Open("/dev/null", &said) && !FleetLog().Open("/dev/full", nullptr));
    EXPECT_EQ(said, "nothing");
  }
  EXPECT_EQ(OpenDescriptors(), before);
}

}  // namespace
}  // namespace selkan::test
