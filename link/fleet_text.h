#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "link/fleet.h"
#include "model/image_diff.h"
#include "platform/language.h"
#include "platform/translatable.h"

namespace selkan {

// A text about a run over many radios as plain code composes it: an English
// source, marked for the program to translate in the catalog context
// "selkan::FleetText", whose %1, %2, ... its args fill. A text without a
// source is its value as it stands (a number, a port, a file name).
struct FleetText {
  std::string_view source;
  std::string value;
  std::vector<FleetText> args;

  bool operator==(const FleetText&) const = default;
};

// A text that stands as it is.
FleetText PlainText(std::string value);

// The text in English with its args filled in, as the log and selkan-cli
// say it.
std::string EnglishText(const FleetText& text);

// How a radio went, as the log keeps it: "verified", "written", "wrong
// type", "verify failed: Channel 3, Rx Frequency: ...", "broke off at block
// 212 of 510", .... mismatches: the differences named for a failed verify
// (the record's own, or the same in another language).
FleetText FleetResultText(const FleetRecord& record,
                          const std::vector<ImageDifference>& mismatches);

// A failed verify's differences in the language given: what the radio read
// back compared with the image written. Others: the record's own.
std::vector<ImageDifference> MismatchesIn(const FleetRecord& record, const RadioImage& written,
                                          Language language);

// The steps a radio's write takes: backup (when asked), write, verify (when
// asked); which of them step is, from 1.
int WriteSteps(bool backup, bool verify);
int WriteStepNumber(WriteStep step, bool backup);

// One port's status line: "Radio 4, step 2 of 3: writing it", "Radio 4
// verified in 27.8 s — remove it", .... last: the port's last radio, for
// the phases after it.
FleetText FleetPortText(const FleetPortStatus& status, const FleetRecord* last, bool backup,
                        bool verify);

}  // namespace selkan
