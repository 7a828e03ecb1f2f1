#include "model/product_info.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/registry.h"
#include "settings/profile_store.h"
#include "tests/support/files_test.h"

namespace selkan {
namespace {

using Bands = std::vector<std::string>;
using Limits = std::pair<std::int32_t, std::int32_t>;

// In GBK "東" is 96 7C: its second byte is no bar. A lead byte right before
// a real bar ("\x96" then "|" at the end) cannot pair with nothing.
TEST(ProductInfoBands, GbkCharactersEndingInABarAreNotSplit) {
  const std::string east = "\x96\x7C";
  EXPECT_EQ(SplitBands(east + " 136 - 174MHz|" + east + "\xB1\xB1 400 - 470MHz", TextEncoding::Gbk),
            (Bands{east + " 136 - 174MHz", east + "\xB1\xB1 400 - 470MHz"}));
  EXPECT_EQ(SplitBands("a|\x96|", TextEncoding::Gbk), (Bands{"a", "\x96|"}));
  EXPECT_EQ(SplitBands("a\x96|b", TextEncoding::Utf8), (Bands{"a\x96", "b"}));
}

class ProductProfileTest : public test::FilesTest {
 protected:
  const CProfileStore& Profile(const std::string& text) {
    profile_ = std::make_unique<CProfileStore>();
    EXPECT_TRUE(profile_->Load(Write("Selkan.ini", text), false, true, false));
    return *profile_;
  }
  // Runs the product step; gives the caption and the band limits as one text.
  std::string Run(RadioImage& image, bool blank, Language language = Language::English) {
    const ProductStepResult r =
        RunProductStep(image, blank, *profile_,
                       language == Language::English ? "English" : "Chinese", language, registry_);
    return r.caption + " " + std::to_string(r.limits.lower) + "-" + std::to_string(r.limits.upper);
  }

  std::unique_ptr<CProfileStore> profile_;
  MemoryRegistry registry_;
};

constexpr const char* kTwoTypes =
    "[Setup]\nAppName = Selkan\nType1 = S-10\nType2 = S-20\n"
    "Field1 = 130 - 160MHz|400 - 470MHz\nField2 = 136 - 174MHz\n"
    "[English]\nAppName = Selkan Programmer\n[Chinese]\nAppName = Selkan CN\n";

TEST_F(ProductProfileTest, BandTextByTypeAndIndex) {
  const CProfileStore& p = Profile(kTwoTypes);
  EXPECT_EQ(BandListOfType(p, 0), "130 - 160MHz|400 - 470MHz");
  // Beyond the last band: the last; no such type: empty.
  // clang-format off
  const struct {
    int type, band;
    const char* text;
  } cases[] = {{0, 0, "130 - 160MHz"}, {0, 1, "400 - 470MHz"}, {0, 2, "400 - 470MHz"},
               {0, 5, "400 - 470MHz"}, {1, 0, "136 - 174MHz"}, {1, 1, "136 - 174MHz"},
               {2, 0, ""}, {255, 255, ""}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(BandText(p, c.type, c.band), c.text) << c.type << c.band;
}

// An image from a file or the radio tells the registry its type and band,
// so that the next new document starts with them.
TEST_F(ProductProfileTest, OpenedImageStoresItsTypeAndBandInTheRegistry) {
  Profile(kTwoTypes);
  registry_.WriteValue("Software\\Selkan", "Type", 0);
  RadioImage image = BlankImage();
  image[offset::kRadioType] = 2;
  image[offset::kBandIndex] = 1;
  EXPECT_EQ(Run(image, false), "Selkan Programmer  [ Type:  Fre: ] 0-0");  // type 2 is unnamed
  EXPECT_EQ(registry_.ReadValue("Software\\Selkan", "Type"), 2u);
  EXPECT_EQ(registry_.ReadValue("Software\\Selkan", "Field"), 1u);
  EXPECT_EQ(image[offset::kRadioType], 2);

  RadioImage next = BlankImage();
  Run(next, true);
  EXPECT_EQ(next[offset::kRadioType], 2);
  EXPECT_EQ(next[offset::kBandIndex], 1);
}

}  // namespace
}  // namespace selkan
