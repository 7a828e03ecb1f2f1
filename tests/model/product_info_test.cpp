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

TEST(ProductInfoBands, SplitAtBarsKeepingEmptyElementsInPlace) {
  for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Gbk}) {
    EXPECT_EQ(SplitBands("130 - 160MHz|400 - 470MHz", encoding),
              (Bands{"130 - 160MHz", "400 - 470MHz"}));
    EXPECT_EQ(SplitBands("136 - 174MHz", encoding), (Bands{"136 - 174MHz"}));
    EXPECT_EQ(SplitBands("", encoding), Bands{});
    EXPECT_EQ(SplitBands("a||b|", encoding), (Bands{"a", "", "b", ""}));
  }
}

// In GBK "東" is 96 7C: its second byte is no bar. A lead byte right before
// a real bar ("\x96" then "|" at the end) cannot pair with nothing.
TEST(ProductInfoBands, GbkCharactersEndingInABarAreNotSplit) {
  const std::string east = "\x96\x7C";
  EXPECT_EQ(SplitBands(east + " 136 - 174MHz|" + east + "\xB1\xB1 400 - 470MHz", TextEncoding::Gbk),
            (Bands{east + " 136 - 174MHz", east + "\xB1\xB1 400 - 470MHz"}));
  EXPECT_EQ(SplitBands("a|\x96|", TextEncoding::Gbk), (Bands{"a", "\x96|"}));
  EXPECT_EQ(SplitBands("a\x96|b", TextEncoding::Utf8), (Bands{"a\x96", "b"}));
}

// The lower limit from the start of the text, the upper one from right
// after the first "-", each on its own; too large for 32-bit 10 Hz units
// counts as no number.
TEST(ProductInfoBands, LimitsAreWholeMHzOfEachSideOnItsOwn) {
  const auto limits = [](std::string_view text) {
    const BandLimits l = BandLimitsFromText(text);
    return Limits(l.lower, l.upper);
  };
  EXPECT_EQ(limits("130 - 160MHz"), Limits(13000000, 16000000));
  EXPECT_EQ(limits("136.5 - 174MHz"), Limits(13600000, 17400000));
  EXPECT_EQ(limits("400-470.9"), Limits(40000000, 47000000));
  EXPECT_EQ(limits("21474 - 21474MHz"), Limits(2147400000, 2147400000));
  EXPECT_EQ(limits("400 - abc"), Limits(40000000, 0));
  EXPECT_EQ(limits("VHF 136-174"), Limits(0, 17400000));
  EXPECT_EQ(limits("136 174MHz"), Limits(13600000, 0));
  EXPECT_EQ(limits("-136 - 174"), Limits(0, 13600000));
  EXPECT_EQ(limits("136 - 21475MHz"), Limits(13600000, 0));
  EXPECT_EQ(limits("99999999999999999999 - 1"), Limits(0, 100000));
  for (const char* text : {"  0 - 0", "", "VHF - MHz"}) {
    EXPECT_EQ(limits(text), Limits(0, 0)) << text;
  }
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

// The band list is split by the encoding of the whole file.
TEST_F(ProductProfileTest, BandsOfAGbkProfileSplitByCharacters) {
  const std::string east = "\x96\x7C";
  const CProfileStore& p =
      Profile("[Setup]\nType1=\xC2\xBD\xC2\xB7\nField1=" + east + " 136 - 174MHz|400 - 470MHz\n");
  EXPECT_EQ(BandText(p, 0, 0), east + " 136 - 174MHz");
  EXPECT_EQ(BandText(p, 0, 1), "400 - 470MHz");
}

TEST_F(ProductProfileTest, TypeNamesEndAtTheFirstMissingOrEmpty) {
  EXPECT_EQ(RadioTypeNames(Profile(kTwoTypes)), (Bands{"S-10", "S-20"}));
  EXPECT_EQ(RadioTypeNames(Profile("[Setup]\nType1 = A\nType2 =\nType3 = C\n")), Bands{"A"});
  EXPECT_EQ(RadioTypeNames(Profile("[Setup]\nType2 = B\n")), Bands{});
  std::string many = "[Setup]\n";
  for (int n = 1; n <= 21; ++n)
    many += "Type" + std::to_string(n) + "=T" + std::to_string(n) + "\n";
  const Bands names = RadioTypeNames(Profile(many));
  ASSERT_EQ(names.size(), static_cast<std::size_t>(kMaxRadioTypes));
  EXPECT_EQ(names.back(), "T19");
}

// A new document takes type and band from the registry (their low bytes)
// and writes nothing there.
TEST_F(ProductProfileTest, BlankDocumentTakesTypeAndBandFromTheRegistry) {
  Profile(kTwoTypes);
  RadioImage image = BlankImage();
  EXPECT_EQ(Run(image, true, Language::Chinese),
            "Selkan CN  [ 类型:S-10  频率:130 - 160MHz ] 13000000-16000000");
  EXPECT_EQ(image[offset::kRadioType], 0);
  EXPECT_EQ(image[offset::kBandIndex], 0);
  EXPECT_EQ(registry_.size(), 0u);

  registry_.WriteValue("Software\\Selkan", "Type", 0);
  registry_.WriteValue("Software\\Selkan", "Field", 1);
  EXPECT_EQ(Run(image, true),
            "Selkan Programmer  [ Type:S-10  Fre:400 - 470MHz ] 40000000-47000000");
  EXPECT_EQ(image[offset::kBandIndex], 1);

  registry_.WriteValue("Software\\Selkan", "Type", 0x101);
  registry_.WriteValue("Software\\Selkan", "Field", 0xFFFFFF02);
  EXPECT_EQ(Run(image, true),
            "Selkan Programmer  [ Type:S-20  Fre:136 - 174MHz ] 13600000-17400000");
  EXPECT_EQ(image[offset::kRadioType], 1);
  EXPECT_EQ(image[offset::kBandIndex], 2);
  EXPECT_EQ(registry_.size(), 2u);
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

// Without an application name the values live directly under "Software\".
TEST_F(ProductProfileTest, MissingSettingsGiveEmptyTextsAndNoBand) {
  Profile("");
  RadioImage image = BlankImage();
  EXPECT_EQ(Run(image, true), "  [ Type:  Fre: ] 0-0");
  Run(image, false);
  EXPECT_EQ(registry_.ReadValue("Software\\", "Type"), 0u);
}

}  // namespace
}  // namespace selkan
