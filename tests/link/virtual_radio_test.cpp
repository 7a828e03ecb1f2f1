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

const std::vector<std::uint8_t> kWakeAndAskId = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};
const std::vector<std::uint8_t> kAck = {0x06};
const std::vector<std::uint8_t> kId = {'K', 'Z'};  // answered after the ack of a wake-up

TEST(SimOptions, ParsesFaultsAndRefusesBadValues) {
  std::string error;
  auto options = ParseSimOptions({"--image", "a.dat", "--short-reply-at", "511", "--wrong-id",
                                  "--answer-after-eighth", "--corrupt-write-at", "6"},
                                 &error);
  EXPECT_TRUE(options && options->faults.shortReplyAt == 511 && options->faults.answerAfterEighth)
      << error;
  // Values joined by "="; the later of --id and --wrong-id holds.
  options = ParseSimOptions({"--wrong-id", "--id=12345678", "--silent-from=0"}, &error);
  ASSERT_TRUE(options && options->faults.silentFrom == 0) << error;
  EXPECT_EQ(std::string(options->id.begin(), options->id.end()), "12345678");
  // An unknown option: the end-to-end test. A stay is at most a day; queue options need one.
  using Args = std::vector<std::string>;
  for (const Args& bad : {Args{"--silent-from", "512"}, Args{"--silent-from", "-1"}, Args{"--id="},
                          Args{"--fleet", "2", "--stay", "86401"}, Args{"--stay", "1"},
                          Args{"--fleet", "2", "--on-radio", "3"}, Args{"--fleet", "10000"}})
    EXPECT_FALSE(ParseSimOptions(bad, &error)) << bad.back();
  EXPECT_FALSE(ParseSimOptions({"--id", "123456789", "--silent-from", "512"}, &error));
  EXPECT_EQ(error, "--id takes 1 to 8 characters");  // the first fault is the one said
  EXPECT_FALSE(ParseSimOptions({"radio.dat", "--silent-from", "512"}, &error));
  EXPECT_EQ(error, "unexpected argument 'radio.dat'");

  options = ParseSimOptions({"--fleet", "9999", "--stay", "2.5", "--on-radio", "3"}, &error);
  EXPECT_TRUE(options && options->stay == std::chrono::milliseconds(2500) &&
              options->onRadio == 3 && options->fleet == 9999)
      << error;
  options = ParseSimOptions({"--fleet", "1", "--stay", "1"}, &error);  // one radio that leaves
  EXPECT_TRUE(options && QueueOf(*options).radios == 1 && QueueOf(*options).leaves) << error;
  EXPECT_FALSE(QueueOf(SimOptions{}).leaves);  // without --fleet, one that stays
}

// A radio's wake-ups, sessions and blocks. Queued, on the caller's clock, each stays 2 s after its
// first identification or last block, whatever else it is asked; then comes a silent swap gap.
TEST(VirtualRadio, WakeUpsSessionsAndBlocksAndAQueueOfRadiosStaysWhileProgrammedThenGaps) {
  VirtualRadio radio(BlankImage(), kId, {});
  EXPECT_TRUE(Feed(radio, {'P', 'R', 'O', 'G', 'R', 'A', 'M'}).empty());  // no 0x02 first
  EXPECT_TRUE(Feed(radio, {0x02, 'P', 'R', 'X', 'G', 'R', 'A', 'M', 0x02}).empty());
  // The 0x02 that broke the last one begins the next wake-up.
  EXPECT_EQ(Feed(radio, {'P', 'R', 'O', 0x02, 'P', 'R', 'O', 'G', 'R', 'A'}), kAck);
  Feed(radio, {'M', 0x02, 0x06});  // id asked, ack: a session, in which a wake-up is answered
  EXPECT_EQ(Feed(radio, {0x02, 'P', 'R', 'O', 'G', 'R', 'A'}), kAck);
  Feed(radio, {'M', 0x02, 0x06});

  std::optional<Reply> last;
  EXPECT_EQ(Feed(radio, {'W', 0x0F, 0xE8, 8, 1, 2, 3, 4, 5, 6, 7, 8}, &last), kAck);
  EXPECT_TRUE(last->saveFirst && radio.Dirty());  // the last block a programmer writes
  EXPECT_EQ(Feed(radio, {'R', 0x0F, 0xE8, 8}),
            (std::vector<std::uint8_t>{'W', 0x0F, 0xE8, 8, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(Feed(radio, {0x06}), kAck);
  // Blocks past the end of memory or of another size get no answer.
  EXPECT_TRUE(Feed(radio, {'R', 0x10, 0x00, 8}).empty() && Feed(radio, {'R', 0, 0, 9}).empty());
  EXPECT_TRUE(Feed(radio, {'W', 0x10, 0x00, 8, 1, 2, 3, 4, 5, 6, 7, 8}, &last).empty() && last &&
              !last->saveFirst);  // nor a write there, which is not kept

  using std::chrono::milliseconds;
  auto at = [](int ms) { return RadioQueue::Clock::time_point{} + milliseconds(ms); };
  auto make = [](int) { return std::make_unique<VirtualRadio>(BlankImage(), kId, Faults{}); };
  RadioQueue queue({3, true, milliseconds(2000), milliseconds(3000)}, make, at(0));
  auto send = [&](std::vector<std::uint8_t> bytes, int ms, RadioQueue* to = nullptr) {
    std::size_t answered = 0;
    for (std::uint8_t byte : bytes)
      if (auto reply = (to ? *to : queue).Receive(byte, at(ms))) answered += reply->bytes.size();
    return answered;
  };
  auto changes = [&](int ms) {
    std::string text;
    for (const auto& change : queue.Advance(at(ms)))
      text += (change.kind == RadioQueue::Change::Kind::kCame ? "+" : "-") +
              std::to_string(change.number);
    return text;
  };
  EXPECT_EQ(changes(59000), "");                                          // nobody has asked yet
  EXPECT_EQ(send({0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'}, 59000), 1u);  // woken: no stay yet,
  EXPECT_EQ(send({0x02}, 60000), kId.size());  // but from its first identification
  EXPECT_EQ(send(kWakeAndAskId, 61000), 1 + kId.size());
  EXPECT_EQ(changes(61999), "");
  EXPECT_TRUE(queue.Advance(at(62000), false).empty());  // bytes still wait to be read
  EXPECT_EQ(changes(62000), "-1");
  EXPECT_EQ(send(kWakeAndAskId, 62500), 0u);  // nobody on the line
  EXPECT_EQ(queue.NextChange(), at(65000));
  EXPECT_EQ(changes(65000), "+2");
  send(kWakeAndAskId, 65000);
  send({0x06, 'R', 0, 0, 8}, 66500);  // a block keeps it
  EXPECT_EQ(changes(68499), "");
  EXPECT_EQ(changes(71500), "-2+3");  // late: both at once
  RadioQueue brief({1, true, milliseconds(0), milliseconds(0)}, make, at(0));
  EXPECT_EQ(send(kWakeAndAskId, 0, &brief), 1 + kId.size());
  EXPECT_EQ(brief.NextChange(), at(kLeastStay.count()));  // a stay of 0 is the least stay
  EXPECT_EQ(brief.Advance(at(9000), true).size(), 1u);    // the one radio goes, no other comes
}

}  // namespace
}  // namespace selkan::sim
