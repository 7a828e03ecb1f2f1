#include "link/transfer_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "link/protocol.h"
#include "tests/link/fake_port.h"

namespace selkan::test {
namespace {

using namespace std::string_literals;
using sim::Faults;
using sim::VirtualRadio;
using Log = std::vector<std::string>;

RadioImage Pattern(std::uint8_t seed) {
  RadioImage image;
  for (std::size_t i = 0; i < image.size(); ++i) {
    image[i] = static_cast<std::uint8_t>((i * 7 + seed) ^ (i >> 8));
  }
  return image;
}

std::vector<std::uint8_t> DefaultId() {
  return {VirtualRadio::kDefaultId.begin(), VirtualRadio::kDefaultId.end()};
}

// Block commands sent ("write 57 0F E8 08"), told from data frames by length.
int CountCommands(const Log& log, const std::string& command) {
  return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& line) {
    return line.size() == "write 52 00 00 08"s.size() && line.starts_with(command);
  }));
}

// The log lines from the one before `from` on, as many as `want` holds.
Log Slice(const Log& log, const std::string& from, std::size_t n) {
  auto at = std::find(log.begin(), log.end(), from);
  if (at == log.end() || at == log.begin()) return {};
  n = std::min<std::size_t>(n, static_cast<std::size_t>(log.end() - at + 1));
  return Log(at - 1, at - 1 + static_cast<long>(n));
}

struct Rig {
  explicit Rig(Faults faults = {}, std::vector<std::uint8_t> id = DefaultId())
      : radio(Pattern(3), std::move(id), faults), port(radio), engine(port, port.Sleeper()) {}

  TransferOutcome Read(RadioImage& image) {
    return engine.Read("COM1", image, recorder.Callbacks());
  }
  TransferOutcome Write(const RadioImage& image) {
    return engine.Write("COM1", image, recorder.Callbacks());
  }

  VirtualRadio radio;
  FakePort port;
  TransferEngine engine;
  Recorder recorder;
};

TEST(TransferRead, HandshakeBlocksAndAcknowledgesInOrder) {
  Rig rig;
  RadioImage image{};
  ASSERT_EQ(rig.Read(image), TransferOutcome::kCompleted);
  EXPECT_EQ(image, rig.radio.Memory());
  const Log& log = rig.port.log;

  // Settings, six pump rounds, then each wake-up byte after a wait and a
  // purge; the radio answers the seventh. Purges come before a request,
  // never between it and its answer.
  Log handshake = {"open COM1", "configure"};
  for (int i = 0; i < 6; ++i) handshake.push_back("sleep 1");
  handshake.push_back("purge");
  const char* wake[] = {"02", "50", "52", "4F", "47", "52", "41", "4D"};
  for (int i = 0; i < 8; ++i) {
    handshake.insert(handshake.end(), {"sleep 2", "purge", "write "s + wake[i]});
    if (i == 6) handshake.push_back("read 1 -> 1");
  }
  handshake.insert(handshake.end(), {"sleep 1", "purge", "write 02", "sleep 1", "read 8 -> 8",
                                     "purge", "write 06", "sleep 1", "read 1 -> 1"});
  ASSERT_GE(log.size(), handshake.size());
  EXPECT_EQ(Log(log.begin(), log.begin() + static_cast<long>(handshake.size())), handshake);

  const Log blocks = {
      "purge",         "write 52 00 00 08", "read 12 -> 12", "sleep 1",  "purge",
      "write 06",      "read 1 -> 1",       "sleep 1",       "purge",    "write 52 00 08 08",
      "read 12 -> 12", "sleep 1",           "purge",         "write 06", "read 1 -> 1",
      "purge",         "write 52 00 10 08"};
  EXPECT_EQ(Slice(log, "write 52 00 00 08", blocks.size()), blocks);
  EXPECT_EQ(CountCommands(log, "write 52 "), 512);
  EXPECT_EQ(CountPrefix(log, "write 52 0F F8 08"), 1);
  ASSERT_EQ(rig.recorder.positions.size(), 256u);
  EXPECT_EQ(rig.recorder.positions.front(), 1);
  EXPECT_EQ(rig.recorder.positions.back(), 256);
  EXPECT_EQ(rig.port.closes, 1);

  EXPECT_EQ(rig.port.line.baudRate, 9600);
  EXPECT_EQ(rig.port.line.dataBits, 8);
  EXPECT_FALSE(rig.port.line.parity);
  EXPECT_EQ(rig.port.timeouts.readIntervalMs, 30);
  EXPECT_EQ(rig.port.timeouts.readTotalPerByteMs, 500);
  EXPECT_EQ(rig.port.timeouts.readTotalConstantMs, 90);
}

// A radio whose answers are on the line before the programmer looks for
// them: nothing may clear them away between a request and its read.
TEST(TransferEngine, AnswersThatComeAtOnceAreNeverPurged) {
  for (const bool write : {false, true}) {
    SCOPED_TRACE(write ? "write" : "read");
    Rig rig;
    rig.port.promptReplies = true;
    RadioImage image{};
    EXPECT_EQ(write ? rig.Write(Pattern(77)) : rig.Read(image), TransferOutcome::kCompleted);
    const Log& log = rig.port.log;
    int reads = 0;
    for (std::size_t i = 0; i < log.size(); ++i) {
      if (!log[i].starts_with("read ")) continue;
      ++reads;
      for (std::size_t k = i; k-- > 0 && !log[k].starts_with("write ");) {
        ASSERT_NE(log[k], "purge") << "between the request and read " << reads;
      }
    }
    // The wake-up answer, the identification and its acknowledge, then the blocks.
    EXPECT_EQ(reads, 3 + (write ? 510 : 2 * 512));
  }
}

// Only a reply that echoes the block's address and count is taken; the
// first byte differs between radios.
TEST(TransferRead, AReplyHeaderMustEchoItsRequest) {
  const struct {
    const char* name;
    std::size_t byte;  // of the 12-byte reply
    std::uint8_t value;
    bool whole;  // every byte of the reply takes the value
    TransferOutcome outcome;
  } cases[] = {{"first byte", 0, 0x00, false, TransferOutcome::kCompleted},
               {"address high", 1, 0x0A, false, TransferOutcome::kProgramInterrupt},
               {"address low", 2, 0x99, false, TransferOutcome::kProgramInterrupt},
               {"count", 3, 0x10, false, TransferOutcome::kProgramInterrupt},
               {"only acknowledges", 0, 0x06, true, TransferOutcome::kProgramInterrupt}};
  constexpr int kTamperedBlock = 41;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.port.tamper = [&c, replies = 0](std::vector<std::uint8_t>& reply) mutable {
      if (reply.size() != protocol::kReadReplySize || replies++ != kTamperedBlock) return;
      if (c.whole) std::fill(reply.begin(), reply.end(), c.value);
      reply[c.byte] = c.value;
    };
    RadioImage image = Pattern(9);
    EXPECT_EQ(rig.Read(image), c.outcome);
    if (c.outcome == TransferOutcome::kCompleted) {
      EXPECT_EQ(image, rig.radio.Memory());
    } else {
      EXPECT_EQ(image, Pattern(9));
      EXPECT_EQ(CountCommands(rig.port.log, "write 52 "), kTamperedBlock + 1);
      EXPECT_EQ(CountPrefix(rig.port.log, "write 06"), 1 + kTamperedBlock)
          << "no acknowledge for the bad reply";
    }
  }
}

TEST(TransferWrite, SendsAddresses0x000To0xFEFOnlyEachDataAfterItsCommand) {
  Rig rig;
  const RadioImage before = rig.radio.Memory();
  const RadioImage image = Pattern(77);
  ASSERT_EQ(rig.Write(image), TransferOutcome::kCompleted);
  const RadioImage& after = rig.radio.Memory();
  EXPECT_TRUE(std::equal(after.begin(), after.begin() + 0xFF0, image.begin()));
  EXPECT_TRUE(std::equal(after.begin() + 0xFF0, after.end(), before.begin() + 0xFF0));
  EXPECT_EQ(CountCommands(rig.port.log, "write 57 "), 510);
  EXPECT_EQ(CountPrefix(rig.port.log, "write 57 0F F0"), 0);
  ASSERT_EQ(rig.recorder.positions.size(), 255u);
  EXPECT_EQ(rig.recorder.positions.back(), 255);
  const std::vector<std::uint8_t> data(image.begin() + 0xFE8, image.begin() + 0xFF0);
  EXPECT_EQ(Slice(rig.port.log, "write 57 0F E8 08", 5),
            (Log{"purge", "write 57 0F E8 08", "sleep 1", "write " + sim::FrameText(data),
                 "read 1 -> 1"}));
}

// A transfer that does not complete: its outcome, what it sent and what it
// left. A failed read never touches the image; the port is always closed.
// A write count of -1 and a last position of 0 are not checked.
enum class Twist { kNone, kFailOpen, kFailConfigure, kNack10thAck, kRetryTwice };
struct Failure {
  const char* name;
  Faults faults;
  const char* id;
  Twist twist;
  int cancelAtPump;
  bool write;
  TransferOutcome outcome;
  int retryQuestions, writes, blockCommands;
  int lastPosition = 0;
};

TEST(TransferFailure, OutcomeWhatWasSentAndWhatIsLeft) {
  using enum TransferOutcome;
  using enum Twist;
  const char* kz = "KZ904SK1";
  const Failure failures[] = {
      // Cancel on the retry question: eight wake-up bytes and nothing more.
      {"no wake-up", {.noWakeUpAnswer = true}, kz, kNone, 0, false, kCommunicationError, 1, 8, 0},
      {"no id ack", {.noIdAck = true}, kz, kRetryTwice, 0, false, kCommunicationError, 3, 30, 0},
      // Another radio ends the session: no retry, no acknowledge.
      {"KZ905SK1", {}, "KZ905SK1", kNone, 0, false, kRadioMismatch, 0, 9, 0},
      {"KZ90", {}, "KZ90", kNone, 0, false, kRadioMismatch, 0, 9, 0},
      {"abcQ4", {}, "abcQ4", kNone, 0, false, kRadioMismatch, 0, 9, 0},
      {"no id", {}, "", kNone, 0, false, kRadioMismatch, 0, 9, 0},
      {"short", {.shortReplyAt = 300}, kz, kNone, 0, false, kProgramInterrupt, -1, -1, 301, 150},
      {"silent", {.silentFrom = 0}, kz, kNone, 0, false, kProgramInterrupt, -1, -1, 1},
      {"nack", {}, kz, kNack10thAck, 0, false, kProgramInterrupt, -1, -1, 8},
      {"cancel read", {}, kz, kNone, 6 + 5 * 3 + 1, false, kCancelled, -1, -1, 8},
      {"cancel at once", {}, kz, kNone, 1, false, kCancelled, -1, 0, 0},
      {"open fails", {}, kz, kFailOpen, 0, false, kPortError, -1, 0, 0},
      {"settings fail", {}, kz, kFailConfigure, 0, true, kPortError, -1, 0, 0},
      {"cancel write", {}, kz, kNone, 6 + 1, true, kCancelled, -1, -1, 2},
      {"refused", {.refuseWriteAt = 101}, kz, kNone, 0, true, kProgramInterrupt, -1, -1, 102, 50},
  };
  for (const Failure& f : failures) {
    SCOPED_TRACE(f.name);
    const std::string id = f.id;
    Rig rig(f.faults, std::vector<std::uint8_t>(id.begin(), id.end()));
    rig.recorder.cancelAtPump = f.cancelAtPump;
    rig.recorder.retriesToGive = f.twist == kRetryTwice ? 2 : 0;
    rig.port.failOpen = f.twist == kFailOpen;
    rig.port.failConfigure = f.twist == kFailConfigure;
    if (f.twist == kNack10thAck) {
      rig.port.tamper = [acks = 0](std::vector<std::uint8_t>& reply) mutable {
        if (reply == std::vector<std::uint8_t>{0x06} && ++acks == 10) reply = {0x15};
      };
    }
    const RadioImage before = rig.radio.Memory();
    RadioImage image = Pattern(9);
    EXPECT_EQ(f.write ? rig.Write(Pattern(77)) : rig.Read(image), f.outcome);
    EXPECT_EQ(image, Pattern(9));
    EXPECT_FALSE(rig.port.open);
    EXPECT_EQ(rig.port.closes, rig.port.failOpen ? 0 : 1);
    EXPECT_EQ(rig.recorder.retryQuestions, std::max(f.retryQuestions, 0));
    if (f.writes >= 0) {
      EXPECT_EQ(CountPrefix(rig.port.log, "write"), f.writes);
    }
    EXPECT_EQ(CountCommands(rig.port.log, f.write ? "write 57 " : "write 52 "), f.blockCommands);
    if (f.lastPosition > 0) {
      ASSERT_FALSE(rig.recorder.positions.empty());
      EXPECT_EQ(rig.recorder.positions.back(), f.lastPosition);
    }
    if (f.faults.refuseWriteAt > 0) {  // the radio keeps the blocks before the refused one
      const RadioImage& after = rig.radio.Memory();
      const long kept = f.faults.refuseWriteAt * 8;
      EXPECT_TRUE(std::equal(after.begin(), after.begin() + kept, Pattern(77).begin()));
      EXPECT_TRUE(std::equal(after.begin() + kept, after.end(), before.begin() + kept));
    }
  }
}

TEST(TransferFailure, PortClosedWhenItThrows) {
  Rig rig;
  rig.port.throwOnRead = 40;
  RadioImage image = Pattern(9);
  EXPECT_THROW(rig.Read(image), std::runtime_error);
  EXPECT_EQ(rig.port.closes, 1);
  EXPECT_FALSE(rig.port.open);
  EXPECT_EQ(image, Pattern(9));
}

TEST(TransferHandshake, IdentificationRules) {
  auto accepted = [](const std::string& id) {
    return protocol::IsAcceptedIdentification(std::vector<std::uint8_t>(id.begin(), id.end()));
  };
  // Bytes 0-4 "KZ904" or bytes 3-5 "Q47"; nothing else is looked at.
  for (const std::string& id : {"KZ904SK1"s, "KZ904"s, "\xff\0\x10Q47zz"s, "abcQ47"s}) {
    EXPECT_TRUE(accepted(id)) << id;
  }
  for (const char* id : {"KZ905SK1", "kz904SK1", "KZ90", "abcQ4", "abQ47xyz"}) {
    EXPECT_FALSE(accepted(id)) << id;
  }
}

}  // namespace
}  // namespace selkan::test
