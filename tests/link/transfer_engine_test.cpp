// The transfer engine and the safe write on it, against the virtual radio behind a fake port.
#include "link/transfer_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <tuple>

#include "link/protocol.h"
#include "link/safe_write.h"
#include "link/serial_port.h"
#include "tests/support/radio_images.h"
#include "tools/sim/virtual_radio.h"

namespace selkan::test {
namespace {

// A serial port wired to an in-process virtual radio; every call is logged ("purge", "write
// 52 00 10 08", "read 12 -> 12"). A reply after a turnaround comes at the next wait or read.
class FakePort : public SerialPort {
 public:
  explicit FakePort(sim::VirtualRadio& radio) : radio_(radio) {}

  bool Open(const std::string& name) override {
    log.push_back("open " + name);
    return open = !failOpen;
  }
  bool Configure(const LineSettings&, const PortTimeouts&) override {
    log.push_back("configure");
    return !failConfigure;
  }
  void Purge() override { log.push_back("purge"), inbound_.clear(); }
  bool Write(std::span<const std::uint8_t> bytes) override {
    log.push_back("write " + sim::FrameText({bytes.begin(), bytes.end()}));
    for (std::uint8_t byte : bytes) {
      std::optional<sim::Reply> reply = open ? radio_.Receive(byte) : std::nullopt;
      if (!reply) continue;
      if (tamper) tamper(reply->bytes);
      auto& to = reply->turnaroundMs > 0 ? delayed_ : inbound_;
      to.insert(to.end(), reply->bytes.begin(), reply->bytes.end());
    }
    return open;
  }
  std::vector<std::uint8_t> Read(std::size_t n) override {
    Deliver();
    const auto end = inbound_.begin() + static_cast<long>(std::min(n, inbound_.size()));
    const std::vector<std::uint8_t> out(inbound_.begin(), end);
    inbound_.erase(inbound_.begin(), end);
    log.push_back("read " + std::to_string(n) + " -> " + std::to_string(out.size()));
    return out;
  }
  void Close() override { log.push_back("close"), open = false, ++closes; }
  SleepFunction Sleeper() {
    return [this](int ms) { log.push_back("sleep " + std::to_string(ms)), Deliver(); };
  }

  std::vector<std::string> log;
  bool failOpen = false, failConfigure = false, open = false;
  std::function<void(std::vector<std::uint8_t>& reply)> tamper;
  int closes = 0;

 private:
  void Deliver() {
    inbound_.insert(inbound_.end(), delayed_.begin(), delayed_.end()), delayed_.clear();
  }

  sim::VirtualRadio& radio_;
  std::deque<std::uint8_t> inbound_, delayed_;
};

using namespace std::string_literals;
using sim::Faults;
using Log = std::vector<std::string>;

// Frames sent that begin with the bytes given; with commands, block commands only (by length).
int Writes(const Log& log, const std::string& bytes, bool commands = true) {
  return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const auto& line) {
    return line.starts_with("write " + bytes) && (!commands || line.size() == 17);
  }));
}

constexpr const char* kId = "KZ904SK1";  // a radio the programmer takes

// The log lines from the one before `from` on, n of them at most.
Log Slice(const Log& log, const std::string& from, std::size_t n) {
  const auto at = std::find(log.begin(), log.end(), from);
  if (at == log.end() || at == log.begin()) return {};
  return Log(at - 1, at - 1 + std::min(static_cast<long>(n), log.end() - at + 1));
}

// A radio behind a fake port, and what the transfer's callbacks were told and asked.
struct Rig {
  explicit Rig(Faults faults = {}, const std::string& id = kId,
               const RadioImage& memory = RandomImage(3))
      : radio(memory, {id.begin(), id.end()}, faults), port(radio), engine(port, port.Sleeper()) {}

  TransferCallbacks Callbacks() {
    return {.pump = [this] { return ++pumps >= cancelAtPump && cancelAtPump > 0; },
            .progress = [this](int position) { positions.push_back(position); },
            .askRetry = [this] { return ++retryQuestions <= retriesToGive; }};
  }
  TransferOutcome Read(RadioImage& image) { return engine.Read("COM1", image, Callbacks()); }
  TransferOutcome Write(const RadioImage& in) { return engine.Write("COM1", in, Callbacks()); }

  sim::VirtualRadio radio;
  FakePort port;
  TransferEngine engine;
  std::vector<int> positions;
  int pumps = 0, retryQuestions = 0;
  int cancelAtPump = -1;  // pump number (1-based) from which on the user has cancelled
  int retriesToGive = 0;  // Retry for the first questions, then Cancel
};

TEST(Transfer, ReadsInOrderAndWritesAddresses0x000To0xFEFOnly) {
  Rig rig;
  RadioImage image{};
  ASSERT_EQ(rig.Read(image), TransferOutcome::kCompleted);
  EXPECT_EQ(image, rig.radio.Memory());
  const Log& log = rig.port.log;

  // Six pump rounds, each wake-up byte after a wait and a purge; never a purge before an answer.
  Log handshake = {"open COM1", "configure", "sleep 1", "sleep 1", "sleep 1",
                   "sleep 1",   "sleep 1",   "sleep 1", "purge"};
  const char* wake[] = {"02", "50", "52", "4F", "47", "52", "41", "4D"};
  for (int i = 0; i < 8; ++i) {
    handshake.insert(handshake.end(), {"sleep 2", "purge", "write "s + wake[i]});
    if (i == 6) handshake.push_back("read 1 -> 1");
  }
  handshake.insert(handshake.end(), {"sleep 1", "purge", "write 02", "sleep 1", "read 8 -> 8",
                                     "purge", "write 06", "sleep 1", "read 1 -> 1"});
  EXPECT_EQ(Log(log.begin(), log.begin() + std::min(log.size(), handshake.size())), handshake);

  const Log blocks = {
      "purge",         "write 52 00 00 08", "read 12 -> 12", "sleep 1",  "purge",
      "write 06",      "read 1 -> 1",       "sleep 1",       "purge",    "write 52 00 08 08",
      "read 12 -> 12", "sleep 1",           "purge",         "write 06", "read 1 -> 1",
      "purge",         "write 52 00 10 08"};
  EXPECT_EQ(Slice(log, "write 52 00 00 08", blocks.size()), blocks);
  EXPECT_EQ(std::pair(Writes(log, "52"), Writes(log, "52 0F F8 08")), std::pair(512, 1));
  EXPECT_TRUE(rig.positions.size() == 256 && rig.positions.front() == 1 &&
              rig.positions.back() == 256 && rig.port.closes == 1);

  Rig writing;
  RadioImage expected = writing.radio.Memory();  // the image below 0xFF0, the radio's above
  const RadioImage written = RandomImage(77);
  std::copy_n(written.begin(), 0xFF0, expected.begin());
  ASSERT_EQ(writing.Write(written), TransferOutcome::kCompleted);
  EXPECT_TRUE(writing.radio.Memory() == expected && Writes(writing.port.log, "57") == 510);
  EXPECT_TRUE(writing.positions.size() == 255 && writing.positions.back() == 255);
  const std::vector<std::uint8_t> data(written.begin() + 0xFD8, written.begin() + 0xFE0);
  EXPECT_EQ(Slice(writing.port.log, "write 57 0F D8 08", 7),  // no wait between pairs
            (Log{"purge", "write 57 0F D8 08", "sleep 1", "write " + sim::FrameText(data),
                 "read 1 -> 1", "purge", "write 57 0F E0 08"}));
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// A transfer that does not complete: its outcome, what it sent and left (-1, 0: unchecked).
enum class Twist { kNone, kFailOpen, kFailConfigure, kNack10thAck, kLose10thAck, kRetryTwice };
struct Failure {
  const char *name, *id;
  Faults faults;
  Twist twist;
  bool write;
  TransferOutcome outcome;
  int cancelAtPump, retryQuestions, writes, blockCommands, lastPosition = 0;
};

TEST(TransferFailure, OutcomeWhatWasSentAndWhatIsLeftTheIdentificationsAccepted) {
  using enum TransferOutcome;
  using enum Twist;
  const Failure failures[] = {
      // Cancel on the retry question: eight wake-up bytes and nothing more.
      {"no wake-up", kId, {.noWakeUpAnswer = true}, kNone, false, kCommunicationError, 0, 1, 8, 0},
      {"no id ack", kId, {.noIdAck = true}, kRetryTwice, false, kCommunicationError, 0, 3, 30, 0},
      // Another radio ends the session: no retry, no acknowledge.
      {"KZ905SK1", "KZ905SK1", {}, kNone, false, kRadioMismatch, 0, 0, 9, 0},
      {"no id", "", {}, kNone, false, kRadioMismatch, 0, 0, 9, 0},
      {"short", kId, {.shortReplyAt = 300}, kNone, false, kProgramInterrupt, 0, -1, -1, 301, 150},
      {"silent", kId, {.silentFrom = 0}, kNone, false, kProgramInterrupt, 0, -1, -1, 1},
      {"nack", kId, {}, kNack10thAck, false, kProgramInterrupt, 0, -1, -1, 8},
      {"ack not sent", kId, {}, kLose10thAck, false, kProgramInterrupt, 0, -1, -1, 8},
      {"cancel read", kId, {}, kNone, false, kCancelled, 6 + 5 * 3 + 1, -1, -1, 8},
      {"cancel at once", kId, {}, kNone, false, kCancelled, 1, -1, 0, 0},
      {"open fails", kId, {}, kFailOpen, false, kPortError, 0, -1, 0, 0},
      {"settings fail", kId, {}, kFailConfigure, true, kPortError, 0, -1, 0, 0},
      {"cancel write", kId, {}, kNone, true, kCancelled, 6 + 1, -1, -1, 2},
      {"refused", kId, {.refuseWriteAt = 101}, kNone, true, kProgramInterrupt, 0, -1, -1, 102, 50},
  };
  for (const Failure& f : failures) {
    SCOPED_TRACE(f.name);
    Rig rig(f.faults, f.id);
    rig.cancelAtPump = f.cancelAtPump, rig.retriesToGive = f.twist == kRetryTwice ? 2 : 0;
    rig.port.failOpen = f.twist == kFailOpen, rig.port.failConfigure = f.twist == kFailConfigure;
    if (f.twist == kNack10thAck || f.twist == kLose10thAck)  // the 10th acknowledge: refused, or
      rig.port.tamper = [&, acks = 0](std::vector<std::uint8_t>& reply) mutable {
        if (reply == std::vector<std::uint8_t>{0x06} && ++acks == 10)  // its write fails
          f.twist == kNack10thAck ? void(reply = {0x15}) : void(rig.port.open = false);
      };
    RadioImage image = RandomImage(9), kept = rig.radio.Memory();
    EXPECT_EQ(f.write ? rig.Write(RandomImage(77)) : rig.Read(image), f.outcome);
    EXPECT_EQ(image, RandomImage(9));
    EXPECT_TRUE(!rig.port.open && rig.port.closes == (rig.port.failOpen ? 0 : 1));
    EXPECT_EQ(rig.retryQuestions, std::max(f.retryQuestions, 0));
    EXPECT_TRUE(f.writes < 0 || Writes(rig.port.log, "", false) == f.writes);
    EXPECT_EQ(Writes(rig.port.log, f.write ? "57" : "52"), f.blockCommands);
    EXPECT_TRUE(f.lastPosition <= 0 ||
                (rig.positions.empty() ? 0 : rig.positions.back()) == f.lastPosition);
    if (f.faults.refuseWriteAt > 0) {  // the radio keeps the blocks before the refused one
      std::copy_n(RandomImage(77).begin(), f.faults.refuseWriteAt * 8, kept.begin());
      EXPECT_EQ(rig.radio.Memory(), kept);
    }
  }

  // Identifications: bytes 0-4 "KZ904" or bytes 3-5 "Q47"; nothing else is looked at.
  for (const std::string& id : {"KZ904SK1"s, "KZ904"s, "\xff\0\x10Q47zz"s, "abcQ47"s})
    EXPECT_TRUE(protocol::IsAcceptedIdentification(Bytes(id))) << id;
  for (const char* id : {"KZ905SK1", "kz904SK1", "KZ90", "abcQ4", "abQ47xyz"})
    EXPECT_FALSE(protocol::IsAcceptedIdentification(Bytes(id))) << id;
  // As text, bytes that are not printable are spelled out, and so is "\".
  EXPECT_EQ(protocol::IdentificationText(Bytes("\xff\0\x1f\\Q47 ~\x7f"s)),
            "\\xFF\\x00\\x1F\\x5CQ47 ~\\x7F");
  // A block's reply echoes its address and size; its first byte is not looked at.
  const auto command = protocol::BlockCommand(protocol::kReadCommand, 0x0F08);
  for (const std::string& reply : {"W\x0F\x08\x08"s, "R\x0F\x08\x08xyz"s})
    EXPECT_TRUE(protocol::IsReplyTo(Bytes(reply), command)) << reply;
  for (const std::string& reply :
       {"R\x0E\x08\x08"s, "R\x0F\x09\x08"s, "R\x0F\x08\x07"s, "R\x0F\x08"s})
    EXPECT_FALSE(protocol::IsReplyTo(Bytes(reply), command)) << reply;
}

const RadioImage kRadio = RandomImage(1), kImage = RandomImage(2);

// Nothing is written when the radio cannot be read or its copy not kept; refused or cancelled
// between blocks, a write broke off, before the first none did.
TEST(SafeWrite, HowFarAFailedWriteGot) {
  using enum TransferOutcome;
  using enum WriteStep;
  const std::tuple<Faults, bool, int, TransferOutcome, WriteStep, std::size_t> cases[] = {
      {{.shortReplyAt = 300}, false, -1, kProgramInterrupt, kBackup, 0},
      {{}, true, -1, kBackupNotSaved, kBackup, 0},
      {{.refuseWriteAt = 100}, false, -1, kProgramInterrupt, kWrite, 100},
      {{}, false, 6 + 5 * 256 + 6 + 5 * 4, kCancelled, kWrite, 8},
      {{}, false, 6 + 5 * 256 + 1, kCancelled, kWrite, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    const auto& [faults, keepFails, cancelAtPump, outcome, step, blocksWritten] = c;
    Rig rig(faults, kId, kRadio);
    rig.cancelAtPump = cancelAtPump;
    std::vector<RadioImage> kept;  // the backups, also when saving them fails
    const auto keep = [&kept, fails = keepFails](const RadioImage& image, const std::string&,
                                                 std::string* error) {
      kept.push_back(image);
      if (fails) *error = "disk full";
      return fails ? std::nullopt : std::optional<std::string>("/backups/1.dat");
    };
    const SafeWriteResult result = RunSafeWrite(rig.engine, {"COM1", kImage, true, true},
                                                {rig.Callbacks(), {}, keep}, Language::English);
    const bool backupRead = faults.shortReplyAt < 0;
    EXPECT_EQ(std::tuple(result.outcome, result.step, result.blocksWritten, result.BrokeOff(),
                         result.backupError, kept.size()),
              std::tuple(outcome, step, blocksWritten, blocksWritten > 0,
                         std::string(keepFails ? "disk full" : ""), backupRead ? 1u : 0u));
    EXPECT_TRUE(!backupRead || result.backup == kRadio);
    EXPECT_TRUE(step == kWrite || Writes(rig.port.log, "57") == 0);
    EXPECT_EQ(rig.radio.Memory() == kRadio, blocksWritten == 0);
  }
}

}  // namespace
}  // namespace selkan::test
