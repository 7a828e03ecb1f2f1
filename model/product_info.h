#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/radio_image.h"
#include "platform/language.h"
#include "platform/text_encoding.h"

namespace selkan {

class CProfileStore;
class Registry;

// Band limits in 10 Hz units, both inclusive.
struct BandLimits {
  std::int32_t lower = 0;
  std::int32_t upper = 0;
};

inline constexpr int kMaxRadioTypes = 19;

// The registry values (under ProductRegistryKey) that keep the radio type
// and band chosen last, which a new document takes.
inline constexpr const char* kTypeRegistryValue = "Type";
inline constexpr const char* kBandRegistryValue = "Field";

// "130 - 160MHz|400 - 470MHz" split at "|"; a list without "|" is one band.
// The list is split by characters of the profile's encoding: in GBK, "|"
// (0x7C) is also the second byte of many characters, which do not split.
std::vector<std::string> SplitBands(std::string_view bandList, TextEncoding encoding);
// "Type%d" of section "Setup" for type index t (key number t + 1): the name
// of the radio type; empty when the profile names none.
std::string RadioTypeName(const CProfileStore& profile, int typeIndex);
// RadioTypeName of the type indexes from 0 up to the first missing or empty
// one, at most kMaxRadioTypes.
std::vector<std::string> RadioTypeNames(const CProfileStore& profile);
// "Field%d" of section "Setup" for type index t (key number t + 1).
std::string BandListOfType(const CProfileStore& profile, int typeIndex);
// Band b of type t's list; at or beyond the last band, the last band.
std::string BandText(const CProfileStore& profile, int typeIndex, int bandIndex);
// The lower limit is the whole MHz at the start of the band text, the upper
// limit the whole MHz right after its first "-" (blanks skipped), each
// × 100000 and each on its own: "136.5 - 174MHz" gives 13600000 and
// 17400000, "400 - abc" 40000000 and 0, "VHF 136-174" 0 and 17400000. A side
// without a number, or with one too large for 32 bits of 10 Hz (above
// 21474 MHz), gives 0; a text without "-" has no upper limit.
BandLimits BandLimitsFromText(std::string_view bandText);
// appName + "  [ Type:" + type + "  Fre:" + band + " ]", or the Chinese labels.
std::string CaptionText(std::string_view appName, std::string_view typeName,
                        std::string_view bandText, Language labels);

// What the main window's caption names for an image, as the profile holds
// them (to be decoded by its encoding): the "AppName" of the section named
// by languageName, the name of the image's radio type (0xFD0) and the band
// text of its type and band (0xFD1).
struct CaptionNames {
  std::string appName;
  std::string typeName;
  std::string bandText;
};
CaptionNames CaptionNamesOf(const CProfileStore& profile, const RadioImage& image,
                            std::string_view languageName);

// The product step that follows every decode: with the blank-document flag
// set, radio type and band come from the registry into 0xFD0/0xFD1;
// otherwise the image's are stored there. Returns the band limits of the
// image's type and band. (The caption is the Qt side's: ProductStepCaption.)
BandLimits RunProductStep(RadioImage& image, bool blankDocument, const CProfileStore& profile,
                          Registry& registry);

}  // namespace selkan
