#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/radio_image.h"
#include "platform/language.h"

namespace selkan {

class CProfileStore;
class Registry;

// Band limits in 10 Hz units, both inclusive.
struct BandLimits {
  std::int32_t lower = 0;
  std::int32_t upper = 0;
};

inline constexpr int kMaxRadioTypes = 19;

// "130 - 160MHz|400 - 470MHz" split at "|"; a list without "|" is one band.
std::vector<std::string> SplitBands(std::string_view bandList);
// Values of "Type1".."Type19" of section "Setup" up to the first missing or
// empty one.
std::vector<std::string> RadioTypeNames(const CProfileStore& profile);
// "Field%d" of section "Setup" for type index t (key number t + 1).
std::string BandListOfType(const CProfileStore& profile, int typeIndex);
// Band b of type t's list; at or beyond the last band, the last band.
std::string BandText(const CProfileStore& profile, int typeIndex, int bandIndex);
// Whole MHz at the start of each side of the first "-", × 100000;
// "136.5 - 174MHz" gives 13600000 and 17400000. An empty text, one without
// "-", a side without a leading number or a number too large for 32 bits of
// 10 Hz (above 21474 MHz) gives 0 and 0.
BandLimits BandLimitsFromText(std::string_view bandText);
// appName + "  [ Type:" + type + "  Fre:" + band + " ]", or the Chinese labels.
std::string CaptionText(std::string_view appName, std::string_view typeName,
                        std::string_view bandText, Language labels);

struct ProductStepResult {
  std::string caption;
  BandLimits limits;
};

// The product step that follows every decode: with the blank-document flag
// set, radio type and band come from the registry ("Type", "Field") into
// 0xFD0/0xFD1; otherwise the image's are stored in the registry. Then the
// caption (labels by language, application name from the section named by
// languageName) and the band limits.
ProductStepResult RunProductStep(RadioImage& image, bool blankDocument,
                                 const CProfileStore& profile, std::string_view languageName,
                                 Language language, Registry& registry);

}  // namespace selkan
