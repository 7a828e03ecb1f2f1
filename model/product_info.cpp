#include "model/product_info.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "platform/registry.h"
#include "settings/product_profile.h"
#include "settings/profile_store.h"
#include "settings/profile_text.h"

namespace selkan {

namespace {

constexpr std::int64_t kTenHertzPerMHz = 100000;
constexpr std::int64_t kMaxWholeMHz = std::numeric_limits<std::int32_t>::max() / kTenHertzPerMHz;

std::string NumberedKey(std::string_view stem, int n) {
  return std::string(stem) + std::to_string(n);
}

// The whole MHz at the start of one side of a band text: blanks skipped,
// then at least one digit. No number, or one too large for a 10 Hz value in
// 32 bits, gives nothing.
std::optional<std::int32_t> LeadingWholeMHz(std::string_view side) {
  std::size_t i = 0;
  while (i < side.size() && (side[i] == ' ' || side[i] == '\t')) ++i;
  if (i == side.size() || side[i] < '0' || side[i] > '9') return std::nullopt;
  std::int64_t mhz = 0;
  for (; i < side.size() && side[i] >= '0' && side[i] <= '9'; ++i) {
    mhz = mhz * 10 + (side[i] - '0');
    if (mhz > kMaxWholeMHz) return std::nullopt;
  }
  return static_cast<std::int32_t>(mhz * kTenHertzPerMHz);
}

}  // namespace

std::vector<std::string> SplitBands(std::string_view bandList, TextEncoding encoding) {
  std::vector<std::string> bands;
  if (bandList.empty()) return bands;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bandList.size(); i += CharLength(bandList, i, encoding)) {
    if (bandList[i] != '|') continue;
    bands.emplace_back(bandList.substr(start, i - start));
    start = i + 1;
  }
  bands.emplace_back(bandList.substr(start));
  return bands;
}

std::string RadioTypeName(const CProfileStore& profile, int typeIndex) {
  return profile.GetValue(kSetupSection, NumberedKey("Type", typeIndex + 1), "");
}

std::vector<std::string> RadioTypeNames(const CProfileStore& profile) {
  std::vector<std::string> names;
  for (int t = 0; t < kMaxRadioTypes; ++t) {
    std::string name = RadioTypeName(profile, t);
    if (name.empty()) break;
    names.push_back(std::move(name));
  }
  return names;
}

std::string BandListOfType(const CProfileStore& profile, int typeIndex) {
  return profile.GetValue(kSetupSection, NumberedKey("Field", typeIndex + 1), "");
}

std::string BandText(const CProfileStore& profile, int typeIndex, int bandIndex) {
  const std::vector<std::string> bands =
      SplitBands(BandListOfType(profile, typeIndex), profile.Encoding());
  if (bands.empty()) return {};
  if (bandIndex < 0) bandIndex = 0;
  const std::size_t b = static_cast<std::size_t>(bandIndex);
  return b < bands.size() ? bands[b] : bands.back();
}

BandLimits BandLimitsFromText(std::string_view bandText) {
  BandLimits limits;
  limits.lower = LeadingWholeMHz(bandText).value_or(0);
  const std::size_t dash = bandText.find('-');
  if (dash != std::string_view::npos) {
    limits.upper = LeadingWholeMHz(bandText.substr(dash + 1)).value_or(0);
  }
  return limits;
}

std::string CaptionText(std::string_view appName, std::string_view typeName,
                        std::string_view bandText, Language labels) {
  static constexpr WordPair kTypeLabel{"  [ Type:", "  [ 类型:"};
  static constexpr WordPair kBandLabel{"  Fre:", "  频率:"};
  std::string caption(appName);
  caption += kTypeLabel.In(labels);
  caption += typeName;
  caption += kBandLabel.In(labels);
  caption += bandText;
  caption += " ]";
  return caption;
}

CaptionNames CaptionNamesOf(const CProfileStore& profile, const RadioImage& image,
                            std::string_view languageName) {
  const int type = image[offset::kRadioType];
  return {profile.GetValue(languageName, "AppName", ""), RadioTypeName(profile, type),
          BandText(profile, type, image[offset::kBandIndex])};
}

BandLimits RunProductStep(RadioImage& image, bool blankDocument, const CProfileStore& profile,
                          Registry& registry) {
  const std::string key = ProductRegistryKey(profile);
  if (blankDocument) {
    image[offset::kRadioType] =
        static_cast<std::uint8_t>(registry.ReadValueOrZero(key, kTypeRegistryValue));
    image[offset::kBandIndex] =
        static_cast<std::uint8_t>(registry.ReadValueOrZero(key, kBandRegistryValue));
  } else {
    // A failed write is of no consequence here: the next new document then
    // starts from whatever the registry holds.
    registry.WriteValue(key, kTypeRegistryValue, image[offset::kRadioType]);
    registry.WriteValue(key, kBandRegistryValue, image[offset::kBandIndex]);
  }

  return BandLimitsFromText(
      BandText(profile, image[offset::kRadioType], image[offset::kBandIndex]));
}

}  // namespace selkan
