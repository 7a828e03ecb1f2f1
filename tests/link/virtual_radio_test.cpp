#include "tools/sim/virtual_radio.h"

#include <gtest/gtest.h>

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
  // Values joined by "="; the later of --id and --wrong-id holds.
  options = ParseSimOptions({"--wrong-id", "--id=12345678", "--silent-from=0"}, &error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(std::string(options->id.begin(), options->id.end()), "12345678");
  EXPECT_EQ(options->faults.silentFrom, 0);
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--silent-from", "512"},
                                              {"--silent-from", "-1"},
                                              {"--refuse-write-at"},
                                              {"--id", "123456789"},
                                              {"--id="},
                                              {"--image", "a.dat", "--image=b.dat"},
                                              {"radio.dat"},
                                              {"--bogus"}}) {
    EXPECT_FALSE(ParseSimOptions(bad, &error)) << bad[0];
  }
  EXPECT_EQ(error, "unknown option '--bogus'");
}

}  // namespace
}  // namespace selkan::sim
