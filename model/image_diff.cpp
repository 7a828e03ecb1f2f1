#include "model/image_diff.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/channel_codec.h"
#include "model/option_page.h"

namespace selkan {

namespace {

constexpr WordPair kChannel{"Channel %d", "信道%d"};
constexpr WordPair kChannelColumn{"Channel %d, %s", "信道%d, %s"};
constexpr WordPair kChannelBytes{"Channel %d, bytes %s", "信道%d, 字节 %s"};
constexpr WordPair kChannelsBytes{"Channels %d-%d, record byte %s", "信道%d-%d, 记录字节 %s"};
constexpr WordPair kBytes{"Bytes %s", "字节 %s"};
constexpr WordPair kEmpty{"empty", "空"};
constexpr WordPair kRadioTypeIndex{"Radio type index", "机型序号"};
constexpr WordPair kBandIndex{"Band index", "频段序号"};
constexpr std::size_t kShownBytes = 8;  // values of a longer run end in "..."

// Sort keys: channels by address, then the option fields in listing order,
// then the other bytes by address.
constexpr std::size_t kOptionKey = 0x10000;
constexpr std::size_t kOtherBytesKey = 0x20000;

template <typename... Args>
std::string Format(const char* pattern, Args... args) {
  char text[128];
  std::snprintf(text, sizeof text, pattern, args...);
  return text;
}

std::string AddressRange(std::size_t first, std::size_t last) {
  return first == last ? Format("0x%03zX", first) : Format("0x%03zX-0x%03zX", first, last);
}

std::string HexBytes(const RadioImage& image, std::size_t first, std::size_t last) {
  std::string text;
  for (std::size_t a = first; a <= last && a < first + kShownBytes; ++a) {
    if (!text.empty()) text += ' ';
    text += Format("%02X", image[a]);
  }
  if (last - first + 1 > kShownBytes) text += " ...";
  return text;
}

bool RowIsEmpty(const ChannelRow& row) { return Cell(row, kColRx).empty(); }

std::string CellText(const ChannelRow& row, int column, Language language) {
  return Cell(row, column).empty() ? std::string(kEmpty.In(language)) : Cell(row, column);
}

std::string RowText(const ChannelRow& row, Language language) {
  if (RowIsEmpty(row)) return kEmpty.In(language);
  std::string text;
  for (int column = 1; column <= kChannelColumns; ++column) {
    if (!text.empty()) text += ", ";
    text += CellText(row, column, language);
  }
  return text;
}

// A field of the options listing (or the radio type and band index), with
// the bytes it reads.
struct OptionField {
  std::string label;
  std::string value;
  std::size_t address = 0;
  std::size_t length = 1;
};

// The bytes each line of the options page reads, in page order.
constexpr std::pair<std::size_t, std::size_t> kOptionLineBytes[] = {
    {offset::kOptionFlags1, 1}, {offset::kOptionFlags1, 1},
    {offset::kOptionFlags1, 1}, {offset::kOptionFlags1, 1},
    {offset::kVoxDelayTime, 1}, {offset::kOptionFlags2, 1},
    {offset::kVoxGainLevel, 1}, {offset::kSquelchLevel, 1},
    {offset::kOptionFlags2, 1}, {offset::kStep, 1},
    {offset::kTimeOutTimer, 1}, {offset::kPriorityChannel, 1},
    {offset::kOptionFlags2, 1}, {offset::kAniCode, offset::kAniCodeLength}};

// The options page's lines (their labels without the colon), then the radio
// type and band as the listing's indexes.
std::vector<OptionField> OptionFields(const RadioImage& image, Language language) {
  std::vector<OptionField> fields;
  const std::vector<OptionLine> lines = OptionPageLines(image, language);
  for (std::size_t i = 0; i < lines.size() && i < std::size(kOptionLineBytes); ++i) {
    std::string label = lines[i].label;
    if (!label.empty() && label.back() == ':') label.pop_back();
    fields.push_back(
        {label, lines[i].value, kOptionLineBytes[i].first, kOptionLineBytes[i].second});
  }
  fields.push_back({kRadioTypeIndex.In(language), std::to_string(image[offset::kRadioType]),
                    offset::kRadioType});
  fields.push_back(
      {kBandIndex.In(language), std::to_string(image[offset::kBandIndex]), offset::kBandIndex});
  return fields;
}

struct Keyed {
  std::size_t key;
  ImageDifference difference;
};

// Differing bytes no listed field covers: a run of addresses within one
// channel record (or outside the records), or the same run in the records
// of consecutive channels.
struct ByteRun {
  std::size_t first = 0, last = 0;  // addresses, in the first channel's record
  int channel = 0;                  // the first channel, 0 outside the records
  int lastChannel = 0;
  std::string before, after;  // the values, as hex
};

int ChannelOf(std::size_t address) {
  const bool inRecords =
      address >= offset::Channel(1) && address < offset::Channel(offset::kChannelCount + 1);
  return inRecords ? static_cast<int>(address / offset::kChannelRecordSize) : 0;
}

std::vector<ByteRun> HiddenRuns(const RadioImage& before, const RadioImage& after,
                                const std::array<bool, kImageSize>& shown, std::size_t end) {
  std::vector<ByteRun> runs;
  auto hidden = [&](std::size_t a) { return before[a] != after[a] && !shown[a]; };
  for (std::size_t address = 0; address < end; ++address) {
    if (!hidden(address)) continue;
    const int channel = ChannelOf(address);
    std::size_t last = address;
    while (last + 1 < end && hidden(last + 1) && ChannelOf(last + 1) == channel) ++last;
    ByteRun run{address,
                last,
                channel,
                channel,
                HexBytes(before, address, last),
                HexBytes(after, address, last)};
    address = last;
    // The same change in the next channel's record joins the run before,
    // so that, say, a flag byte of every empty channel is one line.
    if (!runs.empty() && channel != 0 && runs.back().lastChannel + 1 == channel) {
      ByteRun& previous = runs.back();
      const std::size_t step = offset::kChannelRecordSize * (channel - previous.channel);
      if (previous.first + step == run.first && previous.last + step == run.last &&
          previous.before == run.before && previous.after == run.after) {
        previous.lastChannel = channel;
        continue;
      }
    }
    runs.push_back(run);
  }
  return runs;
}

ImageDifference RunDifference(const ByteRun& run, Language language) {
  std::string field;
  if (run.channel == 0) {
    field = Format(kBytes.In(language), AddressRange(run.first, run.last).c_str());
  } else if (run.channel == run.lastChannel) {
    field =
        Format(kChannelBytes.In(language), run.channel, AddressRange(run.first, run.last).c_str());
  } else {
    const std::size_t from = run.first % offset::kChannelRecordSize;
    const std::size_t to = run.last % offset::kChannelRecordSize;
    const std::string bytes = from == to ? Format("%zu", from) : Format("%zu-%zu", from, to);
    field = Format(kChannelsBytes.In(language), run.channel, run.lastChannel, bytes.c_str());
  }
  return {field, run.before, run.after, run.channel};
}

}  // namespace

std::vector<ImageDifference> CompareImages(const RadioImage& before, const RadioImage& after,
                                           Language language, std::size_t end) {
  end = std::min(end, kImageSize);
  std::array<bool, kImageSize> shown{};  // differing bytes a listed field already covers
  std::vector<Keyed> found;
  auto cover = [&](std::size_t first, std::size_t length) {
    for (std::size_t a = first; a < std::min(first + length, end); ++a) shown[a] = true;
  };

  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    const std::size_t start = offset::Channel(channel);
    if (start >= end) break;
    const std::size_t stop = std::min(start + offset::kChannelRecordSize, end);
    if (std::equal(before.begin() + start, before.begin() + stop, after.begin() + start)) continue;
    const ChannelRow a = DecodeChannel(before, channel, language);
    const ChannelRow b = DecodeChannel(after, channel, language);
    if (a == b) continue;  // the bytes show up as a run below
    if (RowIsEmpty(a) || RowIsEmpty(b)) {
      found.push_back({start,
                       {Format(kChannel.In(language), channel), RowText(a, language),
                        RowText(b, language), channel}});
    } else {
      for (int column = 1; column <= kChannelColumns; ++column) {
        if (Cell(a, column) == Cell(b, column)) continue;
        const std::string title = ChannelColumnTitle(column).In(language);
        found.push_back({start,
                         {Format(kChannelColumn.In(language), channel, title.c_str()),
                          CellText(a, column, language), CellText(b, column, language), channel}});
      }
    }
    cover(start, offset::kChannelRecordSize);
  }

  const std::vector<OptionField> a = OptionFields(before, language);
  const std::vector<OptionField> b = OptionFields(after, language);
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i].address >= end || a[i].value == b[i].value) continue;
    found.push_back({kOptionKey + i, {a[i].label, a[i].value, b[i].value, 0}});
    cover(a[i].address, a[i].length);
  }

  for (const ByteRun& run : HiddenRuns(before, after, shown, end)) {
    found.push_back(
        {run.channel != 0 ? run.first : kOtherBytesKey + run.first, RunDifference(run, language)});
  }

  std::stable_sort(found.begin(), found.end(),
                   [](const Keyed& x, const Keyed& y) { return x.key < y.key; });
  std::vector<ImageDifference> differences;
  differences.reserve(found.size());
  for (Keyed& keyed : found) differences.push_back(std::move(keyed.difference));
  return differences;
}

std::string DifferenceLine(const ImageDifference& difference) {
  return difference.field + ": " + difference.before + " -> " + difference.after;
}

}  // namespace selkan
