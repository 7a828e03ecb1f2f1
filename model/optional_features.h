#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/radio_image.h"

namespace selkan {

class CSelkanDoc;

// The thirteen controls of the Optional Features dialog as plain values:
// check boxes as booleans, lists as 0-based indexes with -1 for "no
// selection", plus the ANI code text.
struct OptionStates {
  bool batterySaver = false;  // 0xFE0 bit 0
  bool beep = false;          // 0xFE0 bit 1
  int busyLock = -1;          // 0 "On", 1 "Off": 0xFE0 bit 2 set = 1
  int keyLock = -1;           // 0 "On", 1 "Off": 0xFE0 bit 3 set = 1
  int ani = -1;               // 0 "On", 1 "Off": 0xFE1 bit 3 set = 0
  int vox = -1;               // 0xFE1 bit 4 set = 0
  int led = -1;               // 0xFE1 bit 5 set = 0
  int squelchLevel = -1;      // 0..9 = 0xFE2 low 4 bits
  int voxGainLevel = -1;      // 0..7 = (0xFE3 low 4 bits) - 1
  int step = -1;              // 0..4 = 0xFE4 low 3 bits
  int timeOutTimer = -1;      // 0..7 = 0xFE5 low 3 bits
  int priorityChannel = -1;   // 0..199 = 0xFE7
  int voxDelayTime = -1;      // 0..3 = (0xFE8 low 3 bits) - 1
  std::string aniCode;        // up to 3 digits
  bool operator==(const OptionStates&) const = default;
};

// List sizes and the English choice texts, shared by the dialog, the
// printout and the command-line listing.
namespace option_lists {
inline constexpr int kOnOffCount = 2;
inline constexpr int kSquelchCount = 10;
inline constexpr int kVoxGainCount = 8;
inline constexpr std::array<const char*, 5> kStepTexts{"5k", "10k", "6.25k", "12.5k", "25k"};
inline constexpr std::array<const char*, 8> kTimeOutTexts{"Off", "30",  "60",  "90",
                                                          "120", "180", "240", "300"};
inline constexpr std::array<const char*, 4> kVoxDelayTexts{"1s", "2s", "3s", "4s"};
inline constexpr int kPriorityCount = 200;  // "Off", then channels 1..199
}  // namespace option_lists

// Image to controls. A computed index outside its list is -1.
OptionStates ReadOptionStates(const RadioImage& image);

// Controls to image. Bits and bytes the dialog does not own keep their
// values; a list with no selection (or an index outside its list) leaves its
// byte or bit as it was. Returns false and changes nothing when the ANI code
// is not 0-3 decimal digits. The ANI bytes are rewritten only when the code
// differs from AniCodeText(image), so an untouched code keeps whatever the
// radio had there.
bool WriteOptionStates(const OptionStates& states, RadioImage& image);

// OK of the Optional Features dialog on a document: writes the states into
// its image and marks it modified when a byte changed; an unchanged image
// keeps the mark it had. Returns whether a byte changed (never for an ANI
// code WriteOptionStates refuses).
bool ApplyOptionStates(CSelkanDoc& document, const OptionStates& states);

// ANI code digits (0xE50..0xE52) to text: each byte v of 0..9 gives '0' + v;
// the first 0xFF, or any other value above 9, ends the text.
std::string AniCodeText(const RadioImage& image);
// True for 0 to 3 characters, each 0-9.
bool IsValidAniCode(std::string_view text);

}  // namespace selkan
