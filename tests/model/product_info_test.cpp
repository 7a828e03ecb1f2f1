#include "model/product_info.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/profile_store.h"
#include "platform/registry.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;

using Bands = std::vector<std::string>;

TEST(ProductInfoBands, SplitAtBars) {
  EXPECT_EQ(SplitBands("130 - 160MHz|400 - 470MHz"), (Bands{"130 - 160MHz", "400 - 470MHz"}));
  EXPECT_EQ(SplitBands("136 - 174MHz"), (Bands{"136 - 174MHz"}));
  EXPECT_EQ(SplitBands(""), Bands{});
  // Empty elements keep their place: band indexes are stored in the image.
  EXPECT_EQ(SplitBands("a||b|"), (Bands{"a", "", "b", ""}));
}

TEST(ProductInfoBands, LimitsAreWholeMHzOfBothSides) {
  auto limits = [](std::string_view text) {
    const BandLimits l = BandLimitsFromText(text);
    return std::pair<std::int32_t, std::int32_t>(l.lower, l.upper);
  };
  using P = std::pair<std::int32_t, std::int32_t>;
  EXPECT_EQ(limits("130 - 160MHz"), P(13000000, 16000000));
  EXPECT_EQ(limits("136.5 - 174MHz"), P(13600000, 17400000));
  EXPECT_EQ(limits("400-470.9"), P(40000000, 47000000));
  EXPECT_EQ(limits("  0 - 0"), P(0, 0));
  EXPECT_EQ(limits("21474 - 21474MHz"), P(2147400000, 2147400000));
  // Empty or malformed texts give no band at all.
  EXPECT_EQ(limits(""), P(0, 0));
  EXPECT_EQ(limits("136 174MHz"), P(0, 0));
  EXPECT_EQ(limits("VHF - 174MHz"), P(0, 0));
  EXPECT_EQ(limits("136 - MHz"), P(0, 0));
  EXPECT_EQ(limits("-136 - 174"), P(0, 0));
  // Numbers too large for 32-bit 10 Hz units.
  EXPECT_EQ(limits("136 - 21475MHz"), P(0, 0));
  EXPECT_EQ(limits("99999999999999999999 - 1"), P(0, 0));
}

TEST(ProductInfoCaption, EnglishAndChineseLabels) {
  EXPECT_EQ(CaptionText("Selkan", "S-10", "400 - 470MHz", Language::English),
            "Selkan  [ Type:S-10  Fre:400 - 470MHz ]");
  EXPECT_EQ(CaptionText("Selkan", "S-10", "400 - 470MHz", Language::Chinese),
            "Selkan  [ 类型:S-10  频率:400 - 470MHz ]");
  EXPECT_EQ(CaptionText("", "", "", Language::English), "  [ Type:  Fre: ]");
}

// Tests that need a product profile write it into a temporary directory.
class ProductProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("selkan-product-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    profile_.reset();
    fs::remove_all(dir_);
  }
  const CProfileStore& Profile(const std::string& text) {
    const fs::path path = dir_ / "Selkan.ini";
    std::ofstream(path) << text;
    profile_ = std::make_unique<CProfileStore>();
    EXPECT_TRUE(profile_->Load(path.string(), false, true, false));
    return *profile_;
  }

  fs::path dir_;
  std::unique_ptr<CProfileStore> profile_;
};

constexpr const char* kTwoTypes =
    "[Setup]\n"
    "AppName = Selkan\n"
    "Type1 = S-10\n"
    "Type2 = S-20\n"
    "Field1 = 130 - 160MHz|400 - 470MHz\n"
    "Field2 = 136 - 174MHz\n"
    "[English]\n"
    "AppName = Selkan Programmer\n"
    "[Chinese]\n"
    "AppName = Selkan CN\n";

TEST_F(ProductProfileTest, BandTextByTypeAndIndex) {
  const CProfileStore& p = Profile(kTwoTypes);
  EXPECT_EQ(BandListOfType(p, 0), "130 - 160MHz|400 - 470MHz");
  EXPECT_EQ(BandText(p, 0, 0), "130 - 160MHz");
  EXPECT_EQ(BandText(p, 0, 1), "400 - 470MHz");
  EXPECT_EQ(BandText(p, 0, 5), "400 - 470MHz");  // beyond the last: the last
  EXPECT_EQ(BandText(p, 1, 0), "136 - 174MHz");
  EXPECT_EQ(BandText(p, 1, 3), "136 - 174MHz");
  EXPECT_EQ(BandText(p, 2, 0), "");  // no such type
  EXPECT_EQ(BandText(p, 255, 255), "");
}

TEST_F(ProductProfileTest, TypeNamesEndAtTheFirstMissingOrEmpty) {
  EXPECT_EQ(RadioTypeNames(Profile(kTwoTypes)), (Bands{"S-10", "S-20"}));
  EXPECT_EQ(RadioTypeNames(Profile("[Setup]\nType1 = A\nType2 =\nType3 = C\n")), Bands{"A"});
  EXPECT_EQ(RadioTypeNames(Profile("[Setup]\nType2 = B\n")), Bands{});

  std::string many = "[Setup]\n";
  for (int n = 1; n <= 21; ++n)
    many += "Type" + std::to_string(n) + " = T" + std::to_string(n) + "\n";
  const Bands names = RadioTypeNames(Profile(many));
  ASSERT_EQ(names.size(), static_cast<std::size_t>(kMaxRadioTypes));
  EXPECT_EQ(names.back(), "T19");
}

// A new document takes type and band from the registry.
TEST_F(ProductProfileTest, BlankDocumentTakesTypeAndBandFromTheRegistry) {
  const CProfileStore& p = Profile(kTwoTypes);
  MemoryRegistry registry;
  registry.WriteValue("Software\\Selkan", "Type", 0);
  registry.WriteValue("Software\\Selkan", "Field", 1);
  RadioImage image = BlankImage();
  const ProductStepResult r =
      RunProductStep(image, true, p, "English", Language::English, registry);
  EXPECT_EQ(image[offset::kRadioType], 0);
  EXPECT_EQ(image[offset::kBandIndex], 1);
  EXPECT_EQ(r.caption, "Selkan Programmer  [ Type:S-10  Fre:400 - 470MHz ]");
  EXPECT_EQ(r.limits.lower, 40000000);
  EXPECT_EQ(r.limits.upper, 47000000);
  EXPECT_EQ(registry.size(), 2u);
}

TEST_F(ProductProfileTest, BlankDocumentWithEmptyRegistryIsTypeAndBandZero) {
  const CProfileStore& p = Profile(kTwoTypes);
  MemoryRegistry registry;
  RadioImage image = BlankImage();
  const ProductStepResult r =
      RunProductStep(image, true, p, "Chinese", Language::Chinese, registry);
  EXPECT_EQ(image[offset::kRadioType], 0);
  EXPECT_EQ(image[offset::kBandIndex], 0);
  EXPECT_EQ(r.caption, "Selkan CN  [ 类型:S-10  频率:130 - 160MHz ]");
  EXPECT_EQ(r.limits.lower, 13000000);
  EXPECT_EQ(r.limits.upper, 16000000);
}

TEST_F(ProductProfileTest, RegistryValuesAreStoredAsTheirLowByte) {
  const CProfileStore& p = Profile(kTwoTypes);
  MemoryRegistry registry;
  registry.WriteValue("Software\\Selkan", "Type", 0x101);
  registry.WriteValue("Software\\Selkan", "Field", 0xFFFFFF02);
  RadioImage image = BlankImage();
  const ProductStepResult r =
      RunProductStep(image, true, p, "English", Language::English, registry);
  EXPECT_EQ(image[offset::kRadioType], 1);
  EXPECT_EQ(image[offset::kBandIndex], 2);
  EXPECT_EQ(r.caption, "Selkan Programmer  [ Type:S-20  Fre:136 - 174MHz ]");
}

// An image from a file or the radio tells the registry its type and band,
// so that the next new document starts with them.
TEST_F(ProductProfileTest, OpenedImageStoresItsTypeAndBandInTheRegistry) {
  const CProfileStore& p = Profile(kTwoTypes);
  MemoryRegistry registry;
  registry.WriteValue("Software\\Selkan", "Type", 0);
  RadioImage image = BlankImage();
  image[offset::kRadioType] = 2;
  image[offset::kBandIndex] = 1;
  const ProductStepResult r =
      RunProductStep(image, false, p, "English", Language::English, registry);
  EXPECT_EQ(registry.ReadValue("Software\\Selkan", "Type"), 2u);
  EXPECT_EQ(registry.ReadValue("Software\\Selkan", "Field"), 1u);
  EXPECT_EQ(image[offset::kRadioType], 2);
  // Type index 2 has neither a name nor bands here.
  EXPECT_EQ(r.caption, "Selkan Programmer  [ Type:  Fre: ]");
  EXPECT_EQ(r.limits.lower, 0);
  EXPECT_EQ(r.limits.upper, 0);

  RadioImage next = BlankImage();
  RunProductStep(next, true, p, "English", Language::English, registry);
  EXPECT_EQ(next[offset::kRadioType], 2);
  EXPECT_EQ(next[offset::kBandIndex], 1);
}

TEST_F(ProductProfileTest, MissingSettingsGiveEmptyTextsAndNoBand) {
  const CProfileStore& p = Profile("");
  MemoryRegistry registry;
  RadioImage image = BlankImage();
  const ProductStepResult r =
      RunProductStep(image, true, p, "English", Language::English, registry);
  EXPECT_EQ(r.caption, "  [ Type:  Fre: ]");
  EXPECT_EQ(r.limits.lower, 0);
  EXPECT_EQ(r.limits.upper, 0);
  // Without an application name the values live directly under "Software\".
  RunProductStep(image, false, p, "English", Language::English, registry);
  EXPECT_EQ(registry.ReadValue("Software\\", "Type"), 0u);
}

}  // namespace
}  // namespace selkan
