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
int CountCommands(const std::vector<std::string>& log, const std::string& command) {
  int count = 0;
  for (const std::string& line : log) {
    count += line.size() == std::string("write 52 00 00 08").size() && line.rfind(command, 0) == 0;
  }
  return count;
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

// Everything a successful handshake does, in order.
std::vector<std::string> HandshakeLog() {
  std::vector<std::string> log = {"open COM1", "configure"};
  for (int i = 0; i < 6; ++i) log.push_back("sleep 1");
  log.push_back("purge");
  const char* wake[] = {"02", "50", "52", "4F", "47", "52", "41", "4D"};
  for (int i = 0; i < 8; ++i) {
    log.insert(log.end(), {"sleep 2", "purge", std::string("write ") + wake[i]});
    if (i == 6) log.push_back("read 1 -> 1");
  }
  log.insert(log.end(), {"sleep 1", "purge", "write 02", "sleep 1", "read 8 -> 8", "purge",
                         "write 06", "purge", "sleep 1", "read 1 -> 1"});
  return log;
}

TEST(TransferHandshake, RunsFramesPurgesAndWaitsInOrder) {
  Rig rig;
  RadioImage image{};
  ASSERT_EQ(rig.Read(image), TransferOutcome::kCompleted);
  const std::vector<std::string> expected = HandshakeLog();
  ASSERT_GE(rig.port.log.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(rig.port.log.begin(),
                                     rig.port.log.begin() + static_cast<long>(expected.size())),
            expected);
  EXPECT_EQ(rig.port.line.baudRate, 9600);
  EXPECT_EQ(rig.port.line.dataBits, 8);
  EXPECT_FALSE(rig.port.line.parity);
  EXPECT_EQ(rig.port.timeouts.readIntervalMs, 30);
  EXPECT_EQ(rig.port.timeouts.readTotalPerByteMs, 500);
  EXPECT_EQ(rig.port.timeouts.readTotalConstantMs, 90);
}

TEST(TransferHandshake, AcceptsAnAnswerAfterTheEighthByteOnly) {
  Rig rig(Faults{.answerAfterEighth = true});
  RadioImage image{};
  ASSERT_EQ(rig.Read(image), TransferOutcome::kCompleted);
  auto log = rig.port.log;
  auto afterA = std::find(log.begin(), log.end(), "write 41");
  ASSERT_NE(afterA, log.end());
  EXPECT_EQ(*(afterA + 1), "read 1 -> 0");
  auto afterM = std::find(log.begin(), log.end(), "write 4D");
  EXPECT_EQ(*(afterM + 1), "read 1 -> 1");
  EXPECT_EQ(image, rig.radio.Memory());
}

TEST(TransferHandshake, NoWakeUpAnswerAsksRetryAndCancelGivesCommunicationError) {
  Rig rig(Faults{.noWakeUpAnswer = true});
  RadioImage image = Pattern(9);
  EXPECT_EQ(rig.Read(image), TransferOutcome::kCommunicationError);
  EXPECT_EQ(rig.recorder.retryQuestions, 1);
  EXPECT_EQ(CountPrefix(rig.port.log, "write 02"), 1);  // no identify request
  EXPECT_EQ(image, Pattern(9));
  EXPECT_EQ(rig.port.log.back(), "close");
}

TEST(TransferHandshake, RetryRepeatsTheWholeHandshakeOnTheOpenPort) {
  Rig rig;
  rig.port.deafBytes = 8;  // the radio sleeps through the first wake-up
  rig.recorder.retriesToGive = 1;
  RadioImage image{};
  EXPECT_EQ(rig.Read(image), TransferOutcome::kCompleted);
  EXPECT_EQ(rig.recorder.retryQuestions, 1);
  EXPECT_EQ(CountPrefix(rig.port.log, "open"), 1);
  EXPECT_EQ(CountPrefix(rig.port.log, "write 50"), 2);  // 'P' of both wake-ups
  // Six pump rounds before each attempt, five after each pair of blocks.
  EXPECT_EQ(rig.recorder.pumps, 12 + 5 * 256);
  EXPECT_EQ(image, rig.radio.Memory());
}

TEST(TransferHandshake, MissingIdentificationAcknowledgeIsACommunicationError) {
  Rig rig(Faults{.noIdAck = true});
  rig.recorder.retriesToGive = 2;
  RadioImage image{};
  EXPECT_EQ(rig.Read(image), TransferOutcome::kCommunicationError);
  EXPECT_EQ(rig.recorder.retryQuestions, 3);
  EXPECT_EQ(CountCommands(rig.port.log, "write 52 "), 0);  // no block asked for
}

TEST(TransferHandshake, WrongRadioEndsWithoutRetryOrAcknowledge) {
  for (const std::string id : {"KZ905SK1", "KZ90", "abcQ4", ""}) {
    Rig rig({}, std::vector<std::uint8_t>(id.begin(), id.end()));
    RadioImage image{};
    EXPECT_EQ(rig.Read(image), TransferOutcome::kRadioMismatch) << id;
    EXPECT_EQ(rig.recorder.retryQuestions, 0);
    EXPECT_EQ(CountPrefix(rig.port.log, "write 06"), 0);
    EXPECT_EQ(rig.port.log.back(), "close");
  }
}

TEST(TransferHandshake, IdentificationRules) {
  auto accepted = [](std::string id) {
    return protocol::IsAcceptedIdentification(std::vector<std::uint8_t>(id.begin(), id.end()));
  };
  EXPECT_TRUE(accepted("KZ904SK1"));
  EXPECT_TRUE(accepted("KZ904"));  // bytes 5-7 are never looked at
  EXPECT_TRUE(accepted("\xff\0\x10Q47zz"s));
  EXPECT_TRUE(accepted("abcQ47"));
  EXPECT_FALSE(accepted("KZ905SK1"));
  EXPECT_FALSE(accepted("kz904SK1"));
  EXPECT_FALSE(accepted("KZ90"));
  EXPECT_FALSE(accepted("abcQ4"));
  EXPECT_FALSE(accepted("abQ47xyz"));
}

TEST(TransferRead, FillsTheWholeImageBlockByBlock) {
  Rig rig;
  RadioImage image{};
  ASSERT_EQ(rig.Read(image), TransferOutcome::kCompleted);
  EXPECT_EQ(image, rig.radio.Memory());
  EXPECT_EQ(CountCommands(rig.port.log, "write 52 "), 512);
  EXPECT_EQ(CountPrefix(rig.port.log, "write 52 0F F8 08"), 1);
  ASSERT_EQ(rig.recorder.positions.size(), 256u);
  EXPECT_EQ(rig.recorder.positions.front(), 1);
  EXPECT_EQ(rig.recorder.positions.back(), 256);
  EXPECT_EQ(rig.port.closes, 1);
}

TEST(TransferRead, BlockFramesAndAcknowledgesComeInOrder) {
  Rig rig;
  RadioImage image{};
  ASSERT_EQ(rig.Read(image), TransferOutcome::kCompleted);
  const auto& log = rig.port.log;
  auto first = std::find(log.begin(), log.end(), "write 52 00 00 08");
  ASSERT_NE(first, log.end());
  const std::vector<std::string> want = {
      "purge",         "write 52 00 00 08", "read 12 -> 12", "sleep 1",  "purge",
      "write 06",      "read 1 -> 1",       "sleep 1",       "purge",    "write 52 00 08 08",
      "read 12 -> 12", "sleep 1",           "purge",         "write 06", "read 1 -> 1",
      "purge",         "write 52 00 10 08"};
  const std::vector<std::string> got(first - 1, first - 1 + static_cast<long>(want.size()));
  EXPECT_EQ(got, want);
}

TEST(TransferRead, ShortReplyInterruptsAndLeavesTheImageUntouched) {
  Rig rig(Faults{.shortReplyAt = 300});
  RadioImage image = Pattern(9);
  EXPECT_EQ(rig.Read(image), TransferOutcome::kProgramInterrupt);
  EXPECT_EQ(image, Pattern(9));
  EXPECT_EQ(CountCommands(rig.port.log, "write 52 "), 301);
  EXPECT_EQ(rig.port.log.back(), "close");
  EXPECT_EQ(rig.recorder.positions.back(), 150);
}

TEST(TransferRead, SilentRadioAndWrongAcknowledgeInterrupt) {
  {
    Rig rig(Faults{.silentFrom = 0});
    RadioImage image = Pattern(9);
    EXPECT_EQ(rig.Read(image), TransferOutcome::kProgramInterrupt);
    EXPECT_EQ(image, Pattern(9));
  }
  {
    Rig rig;
    int acks = 0;
    rig.port.tamper = [&acks](std::vector<std::uint8_t>& reply) {
      if (reply == std::vector<std::uint8_t>{0x06} && ++acks == 10) reply = {0x15};
    };
    RadioImage image = Pattern(9);
    EXPECT_EQ(rig.Read(image), TransferOutcome::kProgramInterrupt);
    EXPECT_EQ(image, Pattern(9));
  }
}

TEST(TransferRead, CancelStopsWithinOnePairAndKeepsTheImage) {
  Rig rig;
  rig.recorder.cancelAtPump = 6 + 5 * 3 + 1;  // first pump after the fourth pair
  RadioImage image = Pattern(9);
  EXPECT_EQ(rig.Read(image), TransferOutcome::kCancelled);
  EXPECT_EQ(CountCommands(rig.port.log, "write 52 "), 8);
  EXPECT_EQ(image, Pattern(9));
  EXPECT_EQ(rig.port.log.back(), "close");
}

TEST(TransferWrite, SendsAddresses0x000To0xFEFOnly) {
  Rig rig;
  const RadioImage before = rig.radio.Memory();
  const RadioImage image = Pattern(77);
  ASSERT_EQ(rig.Write(image), TransferOutcome::kCompleted);
  const RadioImage& after = rig.radio.Memory();
  EXPECT_TRUE(std::equal(after.begin(), after.begin() + 0xFF0, image.begin()));
  EXPECT_TRUE(std::equal(after.begin() + 0xFF0, after.end(), before.begin() + 0xFF0));
  EXPECT_EQ(CountCommands(rig.port.log, "write 57 "), 510);
  EXPECT_EQ(CountPrefix(rig.port.log, "write 57 0F E8 08"), 1);
  EXPECT_EQ(CountPrefix(rig.port.log, "write 57 0F F0"), 0);
  ASSERT_EQ(rig.recorder.positions.size(), 255u);
  EXPECT_EQ(rig.recorder.positions.back(), 255);
}

TEST(TransferWrite, DataFollowsItsCommandAfterAWait) {
  Rig rig;
  const RadioImage image = Pattern(77);
  ASSERT_EQ(rig.Write(image), TransferOutcome::kCompleted);
  const auto& log = rig.port.log;
  auto command = std::find(log.begin(), log.end(), "write 57 0F E8 08");
  ASSERT_NE(command, log.end());
  EXPECT_EQ(*(command - 1), "purge");
  EXPECT_EQ(*(command + 1), "sleep 1");
  std::vector<std::uint8_t> data(image.begin() + 0xFE8, image.begin() + 0xFF0);
  EXPECT_EQ(*(command + 2), "write " + sim::FrameText(data));
  EXPECT_EQ(*(command + 3), "read 1 -> 1");
  // 510 data frames of 8 bytes: 4080 bytes.
  int dataBytes = 0;
  for (auto it = log.begin(); it != log.end(); ++it) {
    if (it->rfind("write 57 ", 0) != 0) continue;
    const std::string& frame = *(it + 2);  // "write XX XX ..."
    dataBytes += static_cast<int>(frame.size() - std::string("write ").size() + 1) / 3;
  }
  EXPECT_EQ(dataBytes, 4080);
}

TEST(TransferWrite, RefusedBlockInterruptsWithTheRadioPartlyWritten) {
  Rig rig(Faults{.refuseWriteAt = 101});
  const RadioImage before = rig.radio.Memory();
  const RadioImage image = Pattern(77);
  EXPECT_EQ(rig.Write(image), TransferOutcome::kProgramInterrupt);
  const RadioImage& after = rig.radio.Memory();
  EXPECT_TRUE(std::equal(after.begin(), after.begin() + 101 * 8, image.begin()));
  EXPECT_TRUE(std::equal(after.begin() + 101 * 8, after.end(), before.begin() + 101 * 8));
  EXPECT_EQ(rig.recorder.positions.back(), 50);
  EXPECT_EQ(rig.port.log.back(), "close");
}

TEST(TransferWrite, CancelStopsAfterTheCurrentPair) {
  Rig rig;
  rig.recorder.cancelAtPump = 6 + 1;  // first pump after the first pair
  EXPECT_EQ(rig.Write(Pattern(77)), TransferOutcome::kCancelled);
  EXPECT_EQ(CountCommands(rig.port.log, "write 57 "), 2);
}

TEST(TransferPort, CancelBeforeTheHandshakeSendsNothing) {
  Rig rig;
  rig.recorder.cancelAtPump = 1;
  RadioImage image{};
  EXPECT_EQ(rig.Read(image), TransferOutcome::kCancelled);
  EXPECT_EQ(CountPrefix(rig.port.log, "write"), 0);
  EXPECT_EQ(rig.port.closes, 1);
}

TEST(TransferPort, OpenAndSetupFailuresArePortErrors) {
  {
    Rig rig;
    rig.port.failOpen = true;
    RadioImage image{};
    EXPECT_EQ(rig.Read(image), TransferOutcome::kPortError);
    EXPECT_EQ(CountPrefix(rig.port.log, "write"), 0);
  }
  {
    Rig rig;
    rig.port.failConfigure = true;
    EXPECT_EQ(rig.Write(Pattern(1)), TransferOutcome::kPortError);
    EXPECT_EQ(rig.port.closes, 1);
    EXPECT_EQ(CountPrefix(rig.port.log, "write"), 0);
  }
}

TEST(TransferPort, ClosedWhenThePortThrows) {
  Rig rig;
  rig.port.throwOnRead = 40;
  RadioImage image = Pattern(9);
  EXPECT_THROW(rig.Read(image), std::runtime_error);
  EXPECT_EQ(rig.port.closes, 1);
  EXPECT_FALSE(rig.port.open);
  EXPECT_EQ(image, Pattern(9));
}

TEST(TransferOutcomeText, MessagesAndIds) {
  EXPECT_EQ(MessageId(TransferOutcome::kPortError), 61453);
  EXPECT_EQ(MessageId(TransferOutcome::kCommunicationError), 61451);
  EXPECT_EQ(MessageId(TransferOutcome::kProgramInterrupt), 61454);
  EXPECT_EQ(MessageId(TransferOutcome::kRadioMismatch), 0);
  EXPECT_EQ(EnglishMessage(TransferOutcome::kCommunicationError),
            "Communication Error,Please check all the connections and the radio power");
  EXPECT_EQ(EnglishMessage(TransferOutcome::kRadioMismatch),
            "Becuase the type of radio does not match,\ncommunications is interrupt.");
  EXPECT_TRUE(EnglishMessage(TransferOutcome::kCompleted).empty());
  EXPECT_TRUE(EnglishMessage(TransferOutcome::kCancelled).empty());
}

}  // namespace
}  // namespace selkan::test
