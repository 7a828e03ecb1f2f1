#include "editor/radio_list_csv.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <string_view>

#include "editor/cell_values.h"
#include "editor/row_import.h"
#include "model/channel_codec.h"
#include "platform/decimal.h"
#include "platform/translatable.h"
#include "settings/profile_text.h"

namespace selkan {

namespace {

// The columns the list itself has, and those of them that are read.
constexpr auto kListColumns = std::to_array<std::string_view>(
    {"Location", "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq", "cToneFreq",
     "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "Skip",      "Power",
     "Name",     "TStep",        "Comment",    "URCALL",    "RPT1CALL", "RPT2CALL",  "DVCODE"});
constexpr std::size_t kReadColumns = 14;  // the first ones, Location to Power

UserMessage Text(std::string_view text, std::vector<UserMessage> args = {}) {
  return ImportText(text, std::move(args));
}

// Maps the fields of one row onto the seven cells of a channel, collecting
// what this radio cannot hold.
class RowMapper {
 public:
  RowMapper(const ListColumns& columns, const std::vector<std::string>& row)
      : columns_(columns), row_(row) {}

  ChannelRow Map() {
    ChannelRow cells;
    const std::string_view frequency = Get("Frequency");
    if (!IsPlainDecimal(frequency)) {
      problems_.push_back(Text(
          SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "%1 \"%2\" is not a frequency in MHz"),
          {Plain("Frequency"), Plain(std::string(frequency))}));
      return cells;
    }
    Cell(cells, kColRx) = std::string(frequency);
    const std::optional<std::string> tx = TransmitFrequency(frequency);
    const auto [encode, decode] = Tones();
    const std::string bandwidth = Bandwidth();
    const std::string scan = Scan();
    const std::string power = Power();
    if (!tx) {  // receive only: the cells such a record shows
      const auto shown = [](const std::string& tone) {
        return tone == words::kNone.english ? std::string() : tone;
      };
      Cell(cells, kColDecodeTone) = shown(decode);
      Cell(cells, kColEncodeTone) = shown(encode);
      return cells;
    }
    Cell(cells, kColTx) = *tx;
    Cell(cells, kColDecodeTone) = decode;
    Cell(cells, kColEncodeTone) = encode;
    Cell(cells, kColPower) = power;
    Cell(cells, kColScan) = scan;
    Cell(cells, kColBandwidth) = bandwidth;
    return cells;
  }

  std::vector<UserMessage>& Problems() { return problems_; }

 private:
  // One problem per column, however often the row uses it.
  void Problem(std::string_view column, UserMessage text) {
    if (reported_.insert(std::string(column)).second) problems_.push_back(std::move(text));
  }

  std::string_view Get(std::string_view name) const { return columns_.Get(row_, name); }
  bool Is(std::string_view name, std::string_view word) const {
    return SameLetters(Get(name), word);
  }

  std::optional<std::int32_t> TenHertz(std::string_view column) {
    const std::string_view text = Get(column);
    if (text.empty()) return 0;
    if (!IsPlainDecimal(text)) {
      Problem(column, Text(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                 "%1 \"%2\" is not a number of MHz"),
                           {Plain(std::string(column)), Plain(std::string(text))}));
      return std::nullopt;
    }
    return ScaledInteger(ParseLeadingNumber(text), 100000);
  }

  // The Tx text, or nullopt for no transmit frequency (Duplex off).
  std::optional<std::string> TransmitFrequency(std::string_view rx) {
    const std::string_view duplex = Get("Duplex");
    if (duplex.empty()) return std::string(rx);
    if (Is("Duplex", "off")) return std::nullopt;
    // An offset that is not a number has been named, and its row is left out.
    const std::optional<std::int32_t> offset = TenHertz("Offset");
    if (Is("Duplex", "split")) {
      if (!offset) return std::string();
      if (*offset <= 0)
        problems_.push_back(Text(SELKAN_TRANSLATE_NOOP(
            "selkan::ImportMessages", "Duplex split needs the Tx frequency as Offset")));
      return FormatFrequency(*offset);
    }
    if (duplex == "+" || duplex == "-") {
      if (!offset) return std::string();
      const std::int64_t receive = ScaledInteger(ParseLeadingNumber(rx), 100000);
      const std::int64_t transmit = duplex == "+" ? receive + *offset : receive - *offset;
      if (transmit <= 0) {
        problems_.push_back(Text(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                       "Duplex %1 with Offset \"%2\" gives no Tx "
                                                       "frequency"),
                                 {Plain(std::string(duplex)), Plain(std::string(Get("Offset")))}));
        return std::string();
      }
      return FormatFrequency(transmit);
    }
    problems_.push_back(Text(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                   "Duplex \"%1\" is not one of \"\", +, -, "
                                                   "split, off"),
                             {Plain(std::string(duplex))}));
    return std::string(rx);
  }

  std::string Ctcss(std::string_view column) {
    const std::string_view text = Get(column);
    const std::optional<std::string> tone =
        IsPlainDecimal(text) ? ListCellText(kColEncodeTone, text, Language::English) : std::nullopt;
    if (!tone) {
      Problem(column, Text(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                 "%1 \"%2\" is not a QT tone of the tone table"),
                           {Plain(std::string(column)), Plain(std::string(text))}));
      return words::kNone.english;
    }
    return *tone;
  }

  // The polarity letter of one side: N normal, R reversed (inverted here).
  char Polarity(int side) {
    std::string polarity(Get("DtcsPolarity"));
    if (polarity.empty()) polarity = "NN";
    for (char& c : polarity) c = c == 'n' ? 'N' : c == 'r' ? 'R' : c;
    const bool valid = polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
                       (polarity[1] == 'N' || polarity[1] == 'R');
    if (!valid) {
      Problem("DtcsPolarity",
              Text(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                         "DtcsPolarity \"%1\" is not two letters N or R"),
                   {Plain(std::string(Get("DtcsPolarity")))}));
      return 'N';
    }
    return polarity[side] == 'R' ? 'I' : 'N';
  }

  std::string Dcs(std::string_view column, int side) {
    const std::string_view text = Get(column);
    const bool digits =
        !text.empty() && text.size() <= 3 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '7'; });
    const char polarity = Polarity(side);
    const std::string code =
        std::string(3 - std::min<std::size_t>(3, text.size()), '0') + std::string(text);
    const std::optional<std::string> tone =
        digits ? ListCellText(kColEncodeTone, "D" + code + polarity, Language::English)
               : std::nullopt;
    if (!tone) {
      Problem(column, Text(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                 "%1 \"%2\" is not a DQT code of the tone table"),
                           {Plain(std::string(column)), Plain(std::string(text))}));
      return words::kNone.english;
    }
    return *tone;
  }

  // One side of a cross mode: "" (no tone), "Tone" or "DTCS".
  std::optional<std::string> CrossSide(std::string_view mode, bool transmit) {
    if (mode.empty()) return std::string(words::kNone.english);
    if (SameLetters(mode, "Tone")) return Ctcss(transmit ? "rToneFreq" : "cToneFreq");
    if (SameLetters(mode, "DTCS")) {
      const std::string_view code =
          transmit || !columns_.Has("RxDtcsCode") ? "DtcsCode" : "RxDtcsCode";
      return Dcs(code, transmit ? 0 : 1);
    }
    return std::nullopt;
  }

  // Encode (sent) and decode (received) tones.
  std::pair<std::string, std::string> Tones() {
    const std::string none = words::kNone.english;
    const std::string_view mode = Get("Tone");
    if (mode.empty()) return {none, none};
    if (Is("Tone", "Tone")) return {Ctcss("rToneFreq"), none};
    if (Is("Tone", "TSQL")) {
      const std::string tone = Ctcss("cToneFreq");
      return {tone, tone};
    }
    if (Is("Tone", "DTCS")) return {Dcs("DtcsCode", 0), Dcs("DtcsCode", 1)};
    if (Is("Tone", "Cross")) {
      const std::string_view cross = Get("CrossMode");
      const std::size_t arrow = cross.find("->");
      if (arrow != std::string_view::npos) {
        const auto send = CrossSide(cross.substr(0, arrow), true);
        const auto receive = CrossSide(cross.substr(arrow + 2), false);
        if (send && receive) return {*send, *receive};
      }
      problems_.push_back(Text(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                     "CrossMode \"%1\" is not one this radio can "
                                                     "hold"),
                               {Plain(std::string(cross))}));
      return {none, none};
    }
    problems_.push_back(Text(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                   "Tone \"%1\" is not a tone mode this radio can "
                                                   "hold"),
                             {Plain(std::string(mode))}));
    return {none, none};
  }

  std::string Bandwidth() {
    const std::string_view mode = Get("Mode");
    if (mode.empty() || Is("Mode", "FM")) return words::kWide.english;
    if (Is("Mode", "NFM")) return words::kNarrow.english;
    problems_.push_back(ModeProblem(mode));
    return words::kWide.english;
  }

  std::string Scan() {
    const std::string_view skip = Get("Skip");
    if (skip.empty() || Is("Skip", "P")) return words::kOn.english;
    if (Is("Skip", "S")) return words::kOff.english;
    problems_.push_back(Text(
        SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "Skip \"%1\" is not one of \"\", S, P"),
        {Plain(std::string(skip))}));
    return words::kOn.english;
  }

  std::string Power() {
    std::string_view power = Get("Power");
    if (power.empty() || Is("Power", "High")) return words::kHigh.english;
    if (Is("Power", "Mid") || Is("Power", "Middle")) return words::kMiddle.english;
    if (Is("Power", "Low")) return words::kLow.english;
    std::string_view watts = power;
    if (watts.ends_with('W') || watts.ends_with('w')) watts.remove_suffix(1);
    if (!IsPlainDecimal(watts)) {
      problems_.push_back(Text(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                     "Power \"%1\" is neither a power level nor "
                                                     "watts"),
                               {Plain(std::string(power))}));
      return words::kHigh.english;
    }
    const double value = ParseLeadingNumber(watts);
    if (value >= 4) return words::kHigh.english;
    if (value >= 2) return words::kMiddle.english;
    return words::kLow.english;
  }

  const ListColumns& columns_;
  const std::vector<std::string>& row_;
  std::vector<UserMessage> problems_;
  std::set<std::string> reported_;
};

// The channel a Location names, 1 to 199.
int LocationChannel(std::string_view text) {
  if (text.empty() || text.size() > 3 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  const int channel = std::stoi(std::string(text));
  return channel <= offset::kChannelCount ? channel : 0;
}

}  // namespace

UserMessage ModeProblem(std::string_view mode) {
  return ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                          "Mode \"%1\": the radio works in FM (Wide) and NFM "
                                          "(Narrow) only"),
                    {Plain(std::string(mode))});
}

bool IsRadioListColumn(std::string_view name) {
  return std::any_of(kListColumns.begin(), kListColumns.end(),
                     [name](std::string_view column) { return SameLetters(name, column); });
}

std::optional<ListForm> RadioListForm(const ListColumns& columns, const BandLimits& limits) {
  if (!columns.Has("Location") || !columns.Has("Frequency")) return std::nullopt;
  ListForm form;
  for (const std::string& name : columns.Names()) {
    if (NamesFrequencyOrTone(name) && !IsRadioListColumn(name)) return std::nullopt;
    const bool read =
        std::any_of(kListColumns.begin(), kListColumns.begin() + kReadColumns,
                    [&](std::string_view column) { return SameLetters(name, column); });
    if (!read) form.ignored.push_back(name);
  }
  form.name = ImportText(
      SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "a channel list of multi-radio programs"));
  form.numbered = true;
  form.renumberWhenOutside = true;
  form.map = [columns, limits](const std::vector<std::string>& fields, ListRow& row) {
    row.number = std::string(columns.Get(fields, "Location"));
    row.channel = LocationChannel(row.number);
    RowMapper mapper(columns, fields);
    const ChannelRow cells = mapper.Map();
    row.problems = std::move(mapper.Problems());
    if (!row.problems.empty()) return;
    RowImport imported = ImportChannelCells(cells, limits);
    row.row = std::move(imported.row);
    row.problems = std::move(imported.problems);
  };
  return form;
}

}  // namespace selkan
