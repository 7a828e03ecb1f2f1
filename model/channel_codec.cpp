#include "model/channel_codec.h"

#include "model/tone_table.h"
#include "platform/decimal.h"

namespace selkan {

namespace {

constexpr std::uint8_t kPowerMask = 0x06;
constexpr std::uint8_t kPowerHigh = 0x02;
constexpr std::uint8_t kPowerMiddle = 0x04;
constexpr std::uint8_t kScanOn = 0x08;
constexpr std::uint8_t kWide = 0x10;

// The 8-digit code holds 0 .. 99999999 (10 Hz units).
constexpr std::int32_t kFrequencyLimit = 100'000'000;

bool IsWord(std::string_view text, const WordPair& word) {
  return text == word.english || text == word.chinese;
}

bool IsChannel(int channel) { return channel >= 1 && channel <= offset::kChannelCount; }

std::string PowerText(std::uint8_t flags, Language language) {
  switch (flags & kPowerMask) {
    case 0:
      return words::kLow.In(language);
    case kPowerHigh:
      return words::kHigh.In(language);
    case kPowerMiddle:
      return words::kMiddle.In(language);
    default:
      return {};  // both bits set: no power level of the radio
  }
}

std::uint8_t EncodeFlags(const ChannelRow& row, std::uint8_t flags) {
  const std::string& power = Cell(row, kColPower);
  if (IsWord(power, words::kHigh)) {
    flags = static_cast<std::uint8_t>((flags & ~kPowerMiddle) | kPowerHigh);
  } else if (IsWord(power, words::kMiddle)) {
    flags = static_cast<std::uint8_t>((flags & ~kPowerHigh) | kPowerMiddle);
  } else {
    flags = static_cast<std::uint8_t>(flags & ~kPowerMask);
  }
  if (IsWord(Cell(row, kColScan), words::kOn)) {
    flags = static_cast<std::uint8_t>(flags | kScanOn);
  } else {
    flags = static_cast<std::uint8_t>(flags & ~kScanOn);
  }
  if (IsWord(Cell(row, kColBandwidth), words::kWide)) {
    flags = static_cast<std::uint8_t>(flags | kWide);
  } else {
    flags = static_cast<std::uint8_t>(flags & ~kWide);
  }
  return flags;
}

void WriteTone(const ToneCode& code, std::uint8_t* field) {
  field[0] = code.low;
  field[1] = code.high;
}

}  // namespace

const WordPair& ChannelColumnTitle(int column) {
  static constexpr WordPair kTitles[1 + kChannelColumns] = {
      {"CH", "信道"},
      {"Rx Frequency", "接收频率"},
      {"Tx Frequency", "发射频率"},
      {"QT/DQT Dec", "QT/DQT解码"},
      {"QT/DQT Enc", "QT/DQT编码"},
      {"Power", "功率"},
      {"Scan", "扫描"},
      {"W/N", "宽/窄"},
  };
  static constexpr WordPair kNoTitle{"", ""};
  return column >= 0 && column <= kChannelColumns ? kTitles[column] : kNoTitle;
}

std::uint8_t PackBcd(int q) { return static_cast<std::uint8_t>(16 * (q / 10) + q % 10); }

int UnpackBcd(std::uint8_t b) { return 10 * (b >> 4) + (b & 0x0F); }

bool HasFrequency(const std::uint8_t* field) { return field[3] != 0x00 && field[3] != 0xFF; }

std::int64_t DecodeFrequency(const std::uint8_t* field) {
  std::int64_t f = 0;
  for (int i = 3; i >= 0; --i) f = 100 * f + UnpackBcd(field[i]);
  return f;
}

std::string FormatFrequency(std::int64_t tenHertz) {
  return FormatDouble("%3.5f", static_cast<double>(tenHertz) * 0.00001);
}

void EncodeFrequencyText(std::string_view text, std::uint8_t* field) {
  std::int32_t f = ScaledInteger(ParseLeadingNumber(text), 100000);
  // Zero means no frequency; values the 8 digits cannot hold are stored as
  // no frequency too rather than as bytes that decode to something else.
  if (f <= 0 || f >= kFrequencyLimit) {
    for (int i = 0; i < 4; ++i) field[i] = 0xFF;
    return;
  }
  std::int32_t d = 1000000;
  for (int i = 3; i >= 0; --i) {
    field[i] = PackBcd(f / d);
    f %= d;
    d /= 100;
  }
}

ChannelRow DecodeChannel(const RadioImage& image, int channel, Language language) {
  ChannelRow row;
  if (!IsChannel(channel)) return row;
  const std::uint8_t* r = image.data() + offset::Channel(channel);
  const std::uint8_t* rx = r + record::kRxFrequency;
  const std::uint8_t* tx = r + record::kTxFrequency;
  if (HasFrequency(rx)) Cell(row, kColRx) = FormatFrequency(DecodeFrequency(rx));
  if (HasFrequency(tx)) Cell(row, kColTx) = FormatFrequency(DecodeFrequency(tx));
  const bool empty = !HasFrequency(rx) || !HasFrequency(tx);
  const std::uint8_t* dec = r + record::kDecodeTone;
  const std::uint8_t* enc = r + record::kEncodeTone;
  Cell(row, kColDecodeTone) = ToneText(dec[0], dec[1], empty, language);
  Cell(row, kColEncodeTone) = ToneText(enc[0], enc[1], empty, language);
  if (!empty) {
    const std::uint8_t flags = r[record::kFlags];
    Cell(row, kColPower) = PowerText(flags, language);
    Cell(row, kColScan) = ((flags & kScanOn) ? words::kOn : words::kOff).In(language);
    Cell(row, kColBandwidth) = ((flags & kWide) ? words::kWide : words::kNarrow).In(language);
  }
  return row;
}

void EncodeChannel(const ChannelRow& row, RadioImage& image, int channel) {
  if (!IsChannel(channel)) return;
  std::uint8_t* r = image.data() + offset::Channel(channel);
  EncodeFrequencyText(Cell(row, kColRx), r + record::kRxFrequency);
  EncodeFrequencyText(Cell(row, kColTx), r + record::kTxFrequency);
  WriteTone(ToneCodeFromText(Cell(row, kColDecodeTone)), r + record::kDecodeTone);
  WriteTone(ToneCodeFromText(Cell(row, kColEncodeTone)), r + record::kEncodeTone);
  r[record::kFlags] = EncodeFlags(row, r[record::kFlags]);
}

ChannelTable DecodeChannels(const RadioImage& image, Language language) {
  ChannelTable table;
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    table[channel - 1] = DecodeChannel(image, channel, language);
  }
  return table;
}

void EncodeChannels(const ChannelTable& table, RadioImage& image) {
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    EncodeChannel(table[channel - 1], image, channel);
  }
}

}  // namespace selkan
