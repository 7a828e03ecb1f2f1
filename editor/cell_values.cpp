#include "editor/cell_values.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "editor/cell_commit.h"
#include "model/channel_codec.h"
#include "model/tone_table.h"
#include "platform/decimal.h"

namespace selkan {

namespace {

bool IsWord(std::string_view value, const WordPair& word) {
  return SameLetters(value, word.english) || value == word.chinese;
}

const std::vector<std::string>& ToneList(Language language) {
  static const std::vector<std::string> english = BuildToneList(Language::English);
  static const std::vector<std::string> chinese = BuildToneList(Language::Chinese);
  return language == Language::Chinese ? chinese : english;
}

std::optional<std::string> ToneCellText(std::string_view value, Language language) {
  if (IsWord(value, words::kNone)) return std::string(words::kNone.In(language));
  const std::vector<std::string>& tones = ToneList(language);
  for (const std::string& tone : tones) {  // the first, the word for no tone, matched above
    if (SameLetters(value, tone)) return tone;
  }
  if (IsPlainDecimal(value)) {
    const std::int32_t tenths = ScaledInteger(ParseLeadingNumber(value), 10);
    // Only numbers that are exactly a tone in tenths of a hertz.
    if (ScaledProduct(ParseLeadingNumber(value), 10) == tenths) {
      const std::string text = FormatDouble("%3.1f", tenths * 0.1);
      if (std::find(tones.begin() + 1, tones.end(), text) != tones.end()) return text;
    }
  }
  return std::nullopt;
}

std::optional<std::string> WordCellText(std::string_view value, Language language,
                                        std::initializer_list<WordPair> choices) {
  for (const WordPair& word : choices) {
    if (IsWord(value, word)) return std::string(word.In(language));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ListCellText(int column, std::string_view value, Language language) {
  switch (column) {
    case kColDecodeTone:
    case kColEncodeTone:
      return ToneCellText(value, language);
    case kColPower:
      return WordCellText(value, language, {words::kHigh, words::kMiddle, words::kLow});
    case kColScan:
      return WordCellText(value, language, {words::kOn, words::kOff});
    case kColBandwidth:
      return WordCellText(value, language, {words::kWide, words::kNarrow});
    default:
      return std::nullopt;
  }
}

bool IsStoredToneText(std::string_view value) {
  const ToneCode code = ToneCodeFromText(value);
  for (Language language : {Language::English, Language::Chinese}) {
    if (ToneText(code.low, code.high, false, language) == value) return true;
  }
  return false;
}

std::string ClearedListText(int column, Language language) {
  if (column < kColDecodeTone || column > kColBandwidth) return {};
  return Cell(RowDefaults(std::string(), language), column);
}

bool SameLetters(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsPlainDecimal(std::string_view text) {
  bool digit = false;
  bool point = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

ChannelTable ChannelsAsShown(const ChannelTable& table, Language language) {
  RadioImage records = BlankImage();
  EncodeChannels(table, records);
  return DecodeChannels(records, language);
}

}  // namespace selkan
