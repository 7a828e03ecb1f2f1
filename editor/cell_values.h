#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/channel_codec.h"
#include "platform/language.h"

namespace selkan {

// What a value given from outside the grid (the clipboard, a file) stands
// for in one of the list columns 3 to 7, as the grid shows it in the given
// language: a tone of the tone list, or a word of the column's list.
//
// Words match in English (any letter case) or in Chinese. Tones match the
// list's texts ("D023N", also "d023n"), "None" and "无", and numbers that are
// a CTCSS tone of the list once written with one decimal, as spreadsheets
// turn "67.0" into 67. Anything else gives nullopt.
std::optional<std::string> ListCellText(int column, std::string_view value, Language language);

// A tone text that is no entry of the tone list but that a record shows (a
// CTCSS tone off the list, "12.3"), exactly as the grid and the export show
// it. Imports take it as it stands, so that a list exported from such a
// record imports again; typing and pasting offer the list only.
bool IsStoredToneText(std::string_view value);

// The text a list cell of a used channel takes when it is cleared: "None"
// for the tones, the row defaults "High", "On" and "Wide" for the others.
std::string ClearedListText(int column, Language language);

// Equal texts when ASCII letters are compared without regard to case.
bool SameLetters(std::string_view a, std::string_view b);
// Digits with at most one decimal point, at least one digit: no sign,
// blank or exponent.
bool IsPlainDecimal(std::string_view text);

// The channels as the grid shows them once they are stored in records: the
// words in the given language, a missing tone of a channel without Tx
// empty. Rows that came from elsewhere (a file) thus look as typed ones do.
ChannelTable ChannelsAsShown(const ChannelTable& table, Language language);

}  // namespace selkan
