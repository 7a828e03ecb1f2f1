#include "tools/sim/virtual_radio.h"

#include <gtest/gtest.h>

#include "tools/sim/radio_queue.h"
#include "tools/sim/sim_options.h"

namespace selkan::sim {
namespace {

std::vector<std::uint8_t> Feed(VirtualRadio& radio, std::vector<std::uint8_t> bytes,
                               std::optional<Reply>* last = nullptr) {
  std::vector<std::uint8_t> out;
  for (std::uint8_t byte : bytes) {
    std::optional<Reply> reply = radio.Receive(byte);
    if (reply) out.insert(out.end(), reply->bytes.begin(), reply->bytes.end());
    if (last) *last = reply;
  }
  return out;
}

const std::vector<std::uint8_t> kWake = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};

VirtualRadio InSession(Faults faults = {}) {
  VirtualRadio radio(BlankImage(), {'K', 'Z', '9', '0', '4', 'x', 'y', 'z'}, faults);
  Feed(radio, kWake);
  Feed(radio, {0x02, 0x06});
  return radio;
}

TEST(VirtualRadio, BrokenWakeUpStartsOverAndANewWakeUpEndsASession) {
  VirtualRadio radio(BlankImage(), {'K', 'Z', '9', '0', '4'}, {});
  EXPECT_TRUE(Feed(radio, {0x02, 'P', 'R', 'X', 'G', 'R', 'A', 'M', 0x02}).empty());
  // The 0x02 that broke the last one begins the next wake-up.
  EXPECT_EQ(Feed(radio, {'P', 'R', 'O', 0x02, 'P', 'R', 'O', 'G', 'R', 'A'}),
            std::vector<std::uint8_t>{0x06});
  VirtualRadio session = InSession();
  EXPECT_EQ(Feed(session, {0x02, 'P', 'R', 'O', 'G', 'R', 'A'}), std::vector<std::uint8_t>{0x06});
}

TEST(VirtualRadio, ReadAndWriteBlocks) {
  VirtualRadio radio = InSession();
  std::optional<Reply> last;
  EXPECT_EQ(Feed(radio, {'W', 0x0F, 0xE8, 8, 1, 2, 3, 4, 5, 6, 7, 8}, &last),
            std::vector<std::uint8_t>{0x06});
  EXPECT_TRUE(last->saveFirst);  // the last block a programmer writes
  EXPECT_TRUE(radio.Dirty());
  EXPECT_EQ(Feed(radio, {'R', 0x0F, 0xE8, 8}),
            (std::vector<std::uint8_t>{'W', 0x0F, 0xE8, 8, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(Feed(radio, {0x06}), std::vector<std::uint8_t>{0x06});
  // Blocks past the end of memory or of another size get no answer.
  EXPECT_TRUE(Feed(radio, {'R', 0x10, 0x00, 8}).empty());
  EXPECT_TRUE(Feed(radio, {'R', 0x00, 0x00, 9}).empty());
}

TEST(SimOptions, ParsesFaultsAndRefusesBadValues) {
  std::string error;
  auto options = ParseSimOptions({"--image", "a.dat", "--short-reply-at", "511", "--wrong-id",
                                  "--answer-after-eighth", "--corrupt-write-at", "6"},
                                 &error);
  ASSERT_TRUE(options);
  EXPECT_EQ(options->imagePath, "a.dat");
  EXPECT_EQ(options->faults.shortReplyAt, 511);
  EXPECT_TRUE(options->faults.answerAfterEighth);
  EXPECT_EQ(options->faults.corruptWriteAt, 6);
  EXPECT_EQ(std::string(options->id.begin(), options->id.end()), "KZ905SK1");
  EXPECT_TRUE(ParseSimOptions({"--id", "12345678"}, &error)) << error;
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--silent-from", "512"},
                                              {"--silent-from", "-1"},
                                              {"--refuse-write-at"},
                                              {"--id", "123456789"},
                                              {"--bogus"}}) {
    EXPECT_FALSE(ParseSimOptions(bad, &error)) << bad[0];
  }
  EXPECT_EQ(error, "unknown option '--bogus'");

  options = ParseSimOptions({"--fleet", "3", "--stay", "0.5", "--swap-gap", "1", "--on-radio", "3",
                             "--wrong-id", "--dump-dir", "out"},
                            &error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->fleet, 3);
  EXPECT_EQ(options->stay, std::chrono::milliseconds(500));
  EXPECT_EQ(options->swapGap, std::chrono::milliseconds(1000));
  EXPECT_EQ(options->onRadio, 3);
  EXPECT_EQ(options->dumpDir, "out");
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--stay", "1"},
                                              {"--fleet", "2", "--on-radio", "3"},
                                              {"--fleet", "0"},
                                              {"--fleet", "2", "--swap-gap", "-1"},
                                              {"--fleet", "2", "--stay", "x"}}) {
    EXPECT_FALSE(ParseSimOptions(bad, &error)) << bad[0] << " " << bad[1];
  }
}

// A queue of radios on a line, on the caller's clock.
class Queue : public ::testing::Test {
 protected:
  using Kind = RadioQueue::Change::Kind;

  void Make(QueueSettings settings) {
    queue_ = std::make_unique<RadioQueue>(
        settings,
        [this](int number) {
          made_.push_back(number);
          return std::make_unique<VirtualRadio>(
              BlankImage(), std::vector<std::uint8_t>{'K', 'Z', '9', '0', '4'}, Faults{});
        },
        At(0));
  }
  static RadioQueue::Clock::time_point At(int ms) {
    return RadioQueue::Clock::time_point{} + std::chrono::milliseconds(ms);
  }
  std::vector<std::uint8_t> Send(std::vector<std::uint8_t> bytes, int ms) {
    std::vector<std::uint8_t> out;
    for (std::uint8_t byte : bytes) {
      if (auto reply = queue_->Receive(byte, At(ms))) {
        out.insert(out.end(), reply->bytes.begin(), reply->bytes.end());
      }
    }
    return out;
  }
  // Wake-up and identification request; the identification's length.
  std::size_t Probe(int ms) {
    std::vector<std::uint8_t> bytes = kWake;
    bytes.push_back(0x02);
    return Send(bytes, ms).size();
  }
  std::string Changes(int ms) {
    std::string text;
    for (const auto& change : queue_->Advance(At(ms))) {
      text += (change.kind == Kind::kCame ? "+" : "-") + std::to_string(change.number);
    }
    return text;
  }

  std::unique_ptr<RadioQueue> queue_;
  std::vector<int> made_;
};

TEST_F(Queue, ARadioStaysWhileProgrammedThenTheNextComesAfterTheGap) {
  Make({2, true, std::chrono::milliseconds(2000), std::chrono::milliseconds(3000)});
  EXPECT_EQ(Changes(60000), "");  // no one has asked yet
  EXPECT_EQ(Probe(60000), 1u + 5u);
  // Asked again and again (a programmer waiting for it to go): still gone
  // two seconds after it was first asked.
  EXPECT_EQ(Probe(61000), 6u);
  EXPECT_EQ(Changes(61999), "");
  // A block read keeps it two seconds more.
  Send({0x06, 'R', 0, 0, 8}, 61500);
  EXPECT_EQ(Changes(63499), "");
  EXPECT_EQ(Changes(63500), "-1");
  EXPECT_EQ(Probe(64000), 0u);  // nobody on the line
  EXPECT_EQ(queue_->NextChange(), At(66500));
  EXPECT_EQ(Changes(66500), "+2");
  EXPECT_EQ(Probe(66600), 6u);
  // Late, both at once; after the last radio the line stays silent.
  EXPECT_EQ(Changes(90000), "-2");
  EXPECT_EQ(queue_->NextChange(), std::nullopt);
  EXPECT_EQ(made_, (std::vector<int>{1, 2}));
}

TEST_F(Queue, ShortStaysAndAPlainRadio) {
  Make({3, true, std::chrono::milliseconds(0), std::chrono::milliseconds(0)});
  EXPECT_EQ(Probe(0), 6u);
  EXPECT_EQ(Changes(kLeastStay.count() - 1), "");
  EXPECT_EQ(Changes(kLeastStay.count()), "-1+2");
  Make({1, false, std::chrono::milliseconds(0), std::chrono::milliseconds(0)});
  EXPECT_EQ(Probe(0), 6u);
  EXPECT_EQ(Changes(1000000), "");
  EXPECT_EQ(Probe(1000000), 6u);
}

}  // namespace
}  // namespace selkan::sim
