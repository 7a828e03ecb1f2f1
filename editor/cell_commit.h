#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/channel_codec.h"
#include "model/product_info.h"
#include "platform/language.h"
#include "platform/translatable.h"

namespace selkan {

// Messages a commit can raise.
enum class CellMessage { None, OutOfRange, StepError };

// The English text of a message, empty for None. The program shows it
// translated by the cell editors, in their catalog context.
constexpr std::string_view CellMessageText(CellMessage message) {
  switch (message) {
    case CellMessage::OutOfRange:
      return SELKAN_TRANSLATE_NOOP("selkan::CCellEditors", "Out of range,please input again.");
    case CellMessage::StepError:
      return SELKAN_TRANSLATE_NOOP(
          "selkan::CCellEditors",
          "Error data Value, please input according the step value(6.25K/5k).");
    case CellMessage::None:
      break;
  }
  return {};
}

struct CellCommit {
  ChannelRow row;                           // the row after the commit
  CellMessage message = CellMessage::None;  // message to show, if any
  bool rejected = false;                    // a frequency failed the range or step test
};

// A frequency is on the channel raster when it is a multiple of 500 (5 kHz)
// or of 625 (6.25 kHz), in 10 Hz units.
bool IsOnChannelStep(std::int32_t tenHertz);
bool IsInBand(std::int32_t tenHertz, const BandLimits& limits);

// The row a valid Rx frequency F makes of an empty row: F, F, "None",
// "None", "High", "On", "Wide" (or their Chinese words).
ChannelRow RowDefaults(const std::string& frequency, Language language);

// What committing an editor's text into a cell of a channel row does.
// column is 1..7; for the list columns editorText is the selected item's
// text. Implements the range and step tests, the "%3.5f" normalisation, the
// row defaults for a new Rx, row clearing, the Tx rules and the rule that
// list columns of an empty row stay empty. An accepted frequency is shown as
// the 10 Hz value that passed the tests (the same text as the typed number in
// "%3.5f" for up to five decimals). Columns outside 1..7 change nothing.
CellCommit CommitCell(const ChannelRow& row, int column, std::string_view editorText,
                      const BandLimits& limits, Language language);

}  // namespace selkan
