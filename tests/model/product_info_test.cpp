#include "model/product_info.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "app/profile_store.h"
#include "platform/registry.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;
using Bands = std::vector<std::string>;
using Limits = std::pair<std::int32_t, std::int32_t>;

TEST(ProductInfoBands, SplitAtBarsKeepingEmptyElementsInPlace) {
  EXPECT_EQ(SplitBands("130 - 160MHz|400 - 470MHz"), (Bands{"130 - 160MHz", "400 - 470MHz"}));
  EXPECT_EQ(SplitBands("136 - 174MHz"), (Bands{"136 - 174MHz"}));
  EXPECT_EQ(SplitBands(""), Bands{});
  EXPECT_EQ(SplitBands("a||b|"), (Bands{"a", "", "b", ""}));
}

TEST(ProductInfoBands, LimitsAreWholeMHzOfBothSides) {
  // Empty, malformed, or too large for 32-bit 10 Hz units: no band.
  const std::pair<const char*, Limits> cases[] = {{"130 - 160MHz", {13000000, 16000000}},
                                                  {"136.5 - 174MHz", {13600000, 17400000}},
                                                  {"400-470.9", {40000000, 47000000}},
                                                  {"  0 - 0", {0, 0}},
                                                  {"21474 - 21474MHz", {2147400000, 2147400000}},
                                                  {"", {0, 0}},
                                                  {"136 174MHz", {0, 0}},
                                                  {"VHF - 174MHz", {0, 0}},
                                                  {"136 - MHz", {0, 0}},
                                                  {"-136 - 174", {0, 0}},
                                                  {"136 - 21475MHz", {0, 0}},
                                                  {"99999999999999999999 - 1", {0, 0}}};
  for (const auto& [text, limits] : cases) {
    const BandLimits l = BandLimitsFromText(text);
    EXPECT_EQ(Limits(l.lower, l.upper), limits) << text;
  }
}

TEST(ProductInfoCaption, EnglishAndChineseLabels) {
  EXPECT_EQ(CaptionText("Selkan", "S-10", "400 - 470MHz", Language::English),
            "Selkan  [ Type:S-10  Fre:400 - 470MHz ]");
  EXPECT_EQ(CaptionText("Selkan", "S-10", "400 - 470MHz", Language::Chinese),
            "Selkan  [ 类型:S-10  频率:400 - 470MHz ]");
  EXPECT_EQ(CaptionText("", "", "", Language::English), "  [ Type:  Fre: ]");
}

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
    "[Setup]\nAppName = Selkan\nType1 = S-10\nType2 = S-20\n"
    "Field1 = 130 - 160MHz|400 - 470MHz\nField2 = 136 - 174MHz\n"
    "[English]\nAppName = Selkan Programmer\n[Chinese]\nAppName = Selkan CN\n";

TEST_F(ProductProfileTest, BandTextByTypeAndIndex) {
  const CProfileStore& p = Profile(kTwoTypes);
  EXPECT_EQ(BandListOfType(p, 0), "130 - 160MHz|400 - 470MHz");
  // Beyond the last band: the last; no such type: empty.
  const struct {
    int type, band;
    const char* text;
  } cases[] = {{0, 0, "130 - 160MHz"}, {0, 1, "400 - 470MHz"}, {0, 5, "400 - 470MHz"},
               {1, 0, "136 - 174MHz"}, {1, 3, "136 - 174MHz"}, {2, 0, ""},
               {255, 255, ""}};
  for (const auto& c : cases) EXPECT_EQ(BandText(p, c.type, c.band), c.text) << c.type << c.band;
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

// A new document takes type and band from the registry (their low bytes);
// an opened image leaves its own.
TEST_F(ProductProfileTest, BlankDocumentTakesTypeAndBandFromTheRegistry) {
  const CProfileStore& p = Profile(kTwoTypes);
  const struct {
    std::optional<std::uint32_t> type, field;
    Language language;
    int imageType, imageBand;
    const char* caption;
    Limits limits;
  } cases[] = {{0,
                1,
                Language::English,
                0,
                1,
                "Selkan Programmer  [ Type:S-10  Fre:400 - 470MHz ]",
                {40000000, 47000000}},
               {{},
                {},
                Language::Chinese,
                0,
                0,
                "Selkan CN  [ 类型:S-10  频率:130 - 160MHz ]",
                {13000000, 16000000}},
               {0x101,
                0xFFFFFF02,
                Language::English,
                1,
                2,
                "Selkan Programmer  [ Type:S-20  Fre:136 - 174MHz ]",
                {13600000, 17400000}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    MemoryRegistry registry;
    if (c.type) registry.WriteValue("Software\\Selkan", "Type", *c.type);
    if (c.field) registry.WriteValue("Software\\Selkan", "Field", *c.field);
    RadioImage image = BlankImage();
    const std::string name = c.language == Language::English ? "English" : "Chinese";
    const ProductStepResult r = RunProductStep(image, true, p, name, c.language, registry);
    EXPECT_EQ(image[offset::kRadioType], c.imageType);
    EXPECT_EQ(image[offset::kBandIndex], c.imageBand);
    EXPECT_EQ(r.caption, c.caption);
    EXPECT_EQ(Limits(r.limits.lower, r.limits.upper), c.limits);
    EXPECT_EQ(registry.size(), c.type ? 2u : 0u) << "a new document writes nothing";
  }
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
  EXPECT_EQ(r.caption, "Selkan Programmer  [ Type:  Fre: ]");  // type 2 is unnamed here
  EXPECT_EQ(Limits(r.limits.lower, r.limits.upper), Limits(0, 0));

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
  EXPECT_EQ(Limits(r.limits.lower, r.limits.upper), Limits(0, 0));
  // Without an application name the values live directly under "Software\".
  RunProductStep(image, false, p, "English", Language::English, registry);
  EXPECT_EQ(registry.ReadValue("Software\\", "Type"), 0u);
}

}  // namespace
}  // namespace selkan
