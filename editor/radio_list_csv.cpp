#include "editor/radio_list_csv.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string_view>

#include "editor/cell_values.h"
#include "editor/row_import.h"
#include "model/channel_codec.h"
#include "platform/decimal.h"
#include "settings/profile_text.h"

namespace selkan {

namespace {

constexpr int kChannels = offset::kChannelCount;

std::string Quoted(std::string_view text) { return '"' + std::string(text) + '"'; }

// The columns of the file by name.
class Columns {
 public:
  explicit Columns(const std::vector<std::string>& header) {
    for (std::size_t i = 0; i < header.size(); ++i)
      index_.emplace(std::string(TrimBlanks(header[i])), i);
    count_ = header.size();
  }
  std::size_t Count() const { return count_; }
  bool Has(std::string_view name) const { return index_.find(std::string(name)) != index_.end(); }
  // The row's value of the column, without blanks around it; empty when the
  // file has no such column.
  std::string_view Get(const std::vector<std::string>& row, std::string_view name) const {
    const auto it = index_.find(std::string(name));
    if (it == index_.end() || it->second >= row.size()) return {};
    return TrimBlanks(row[it->second]);
  }

 private:
  std::map<std::string, std::size_t> index_;
  std::size_t count_ = 0;
};

// Maps the fields of one row onto the seven cells of a channel, collecting
// what this radio cannot hold.
class RowMapper {
 public:
  RowMapper(const Columns& columns, const std::vector<std::string>& row)
      : columns_(columns), row_(row) {}

  ChannelRow Map() {
    ChannelRow cells;
    const std::string_view frequency = Get("Frequency");
    if (!IsPlainDecimal(frequency)) {
      problems_.push_back("Frequency " + Quoted(frequency) + " is not a frequency in MHz");
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

  std::vector<std::string>& Problems() { return problems_; }

 private:
  // One problem per column, however often the row uses it.
  void Problem(std::string_view column, std::string text) {
    if (reported_.insert(std::string(column)).second) problems_.push_back(std::move(text));
  }

  std::string_view Get(std::string_view name) const { return columns_.Get(row_, name); }

  std::optional<std::int32_t> TenHertz(std::string_view column) {
    const std::string_view text = Get(column);
    if (text.empty()) return 0;
    if (!IsPlainDecimal(text)) {
      Problem(column, std::string(column) + " " + Quoted(text) + " is not a number of MHz");
      return std::nullopt;
    }
    return ScaledInteger(ParseLeadingNumber(text), 100000);
  }

  // The Tx text, or nullopt for no transmit frequency (Duplex off).
  std::optional<std::string> TransmitFrequency(std::string_view rx) {
    const std::string_view duplex = Get("Duplex");
    if (duplex.empty()) return std::string(rx);
    if (duplex == "off") return std::nullopt;
    const std::optional<std::int32_t> offset = TenHertz("Offset");
    if (duplex == "split") {
      if (offset && *offset <= 0)
        problems_.push_back("Duplex split needs the Tx frequency as Offset");
      return offset ? FormatFrequency(*offset) : std::string();
    }
    if (duplex == "+" || duplex == "-") {
      const std::int64_t receive = ScaledInteger(ParseLeadingNumber(rx), 100000);
      const std::int64_t transmit =
          duplex == "+" ? receive + offset.value_or(0) : receive - offset.value_or(0);
      if (transmit <= 0) {
        problems_.push_back("Duplex " + std::string(duplex) + " with Offset " +
                            Quoted(Get("Offset")) + " gives no Tx frequency");
        return std::string();
      }
      return FormatFrequency(transmit);
    }
    problems_.push_back("Duplex " + Quoted(duplex) + " is not one of \"\", +, -, split, off");
    return std::string(rx);
  }

  std::string Ctcss(std::string_view column) {
    const std::string_view text = Get(column);
    const std::optional<std::string> tone =
        IsPlainDecimal(text) ? ListCellText(kColEncodeTone, text, Language::English) : std::nullopt;
    if (!tone) {
      Problem(column,
              std::string(column) + " " + Quoted(text) + " is not a QT tone of the tone table");
      return words::kNone.english;
    }
    return *tone;
  }

  // The polarity letter of one side: N normal, R reversed (inverted here).
  char Polarity(int side) {
    std::string_view polarity = Get("DtcsPolarity");
    if (polarity.empty()) polarity = "NN";
    const bool valid = polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
                       (polarity[1] == 'N' || polarity[1] == 'R');
    if (!valid) {
      Problem("DtcsPolarity", "DtcsPolarity " + Quoted(polarity) + " is not two letters N or R");
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
      Problem(column,
              std::string(column) + " " + Quoted(text) + " is not a DQT code of the tone table");
      return words::kNone.english;
    }
    return *tone;
  }

  // One side of a cross mode: "" (no tone), "Tone" or "DTCS".
  std::optional<std::string> CrossSide(std::string_view mode, bool transmit) {
    if (mode.empty()) return std::string(words::kNone.english);
    if (mode == "Tone") return Ctcss(transmit ? "rToneFreq" : "cToneFreq");
    if (mode == "DTCS") {
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
    if (mode == "Tone") return {Ctcss("rToneFreq"), none};
    if (mode == "TSQL") {
      const std::string tone = Ctcss("cToneFreq");
      return {tone, tone};
    }
    if (mode == "DTCS") return {Dcs("DtcsCode", 0), Dcs("DtcsCode", 1)};
    if (mode == "Cross") {
      const std::string_view cross = Get("CrossMode");
      const std::size_t arrow = cross.find("->");
      if (arrow != std::string_view::npos) {
        const auto send = CrossSide(cross.substr(0, arrow), true);
        const auto receive = CrossSide(cross.substr(arrow + 2), false);
        if (send && receive) return {*send, *receive};
      }
      problems_.push_back("CrossMode " + Quoted(cross) + " is not one this radio can hold");
      return {none, none};
    }
    problems_.push_back("Tone " + Quoted(mode) + " is not a tone mode this radio can hold");
    return {none, none};
  }

  std::string Bandwidth() {
    const std::string_view mode = Get("Mode");
    if (mode.empty() || mode == "FM") return words::kWide.english;
    if (mode == "NFM") return words::kNarrow.english;
    problems_.push_back("Mode " + Quoted(mode) +
                        ": the radio works in FM (Wide) and NFM (Narrow) only");
    return words::kWide.english;
  }

  std::string Scan() {
    const std::string_view skip = Get("Skip");
    if (skip.empty() || skip == "P") return words::kOn.english;
    if (skip == "S") return words::kOff.english;
    problems_.push_back("Skip " + Quoted(skip) + " is not one of \"\", S, P");
    return words::kOn.english;
  }

  std::string Power() {
    std::string_view power = Get("Power");
    if (power.empty() || SameLetters(power, "High")) return words::kHigh.english;
    if (SameLetters(power, "Mid") || SameLetters(power, "Middle")) return words::kMiddle.english;
    if (SameLetters(power, "Low")) return words::kLow.english;
    std::string_view watts = power;
    if (watts.ends_with('W') || watts.ends_with('w')) watts.remove_suffix(1);
    if (!IsPlainDecimal(watts)) {
      problems_.push_back("Power " + Quoted(power) + " is neither a power level nor watts");
      return words::kHigh.english;
    }
    const double value = ParseLeadingNumber(watts);
    if (value >= 4) return words::kHigh.english;
    if (value >= 2) return words::kMiddle.english;
    return words::kLow.english;
  }

  const Columns& columns_;
  const std::vector<std::string>& row_;
  std::vector<std::string> problems_;
  std::set<std::string> reported_;
};

bool AllEmpty(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(),
                     [](const std::string& field) { return TrimBlanks(field).empty(); });
}

// The channel a Location names, 1 to 199.
std::optional<int> LocationChannel(std::string_view text) {
  if (text.empty() || text.size() > 3 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int channel = std::stoi(std::string(text));
  if (channel < 1 || channel > kChannels) return std::nullopt;
  return channel;
}

}  // namespace

bool IsRadioListHeader(const std::vector<std::string>& fields) {
  const Columns columns(fields);
  return columns.Has("Location") && columns.Has("Frequency");
}

ChannelCsvImport RadioListFromCsv(const CsvParse& parse, const BandLimits& limits) {
  ChannelCsvImport result;
  if (parse.records.empty()) return result;
  const Columns columns(parse.records.front().fields);
  std::vector<const CsvRecord*> rows;
  for (std::size_t i = 1; i < parse.records.size(); ++i) {
    if (!AllEmpty(parse.records[i].fields)) rows.push_back(&parse.records[i]);
  }
  const bool byLocation = std::all_of(rows.begin(), rows.end(), [&](const CsvRecord* row) {
    return LocationChannel(columns.Get(row->fields, "Location")).has_value();
  });

  std::array<int, kChannels> seenOnLine{};
  int next = 1;
  for (const CsvRecord* row : rows) {
    auto report = [&](std::string reason) {
      result.errors.push_back({row->line, std::move(reason)});
    };
    if (row->fields.size() != columns.Count()) {
      report("expected " + std::to_string(columns.Count()) + " fields, found " +
             std::to_string(row->fields.size()));
      ++next;
      continue;
    }
    const int channel =
        byLocation ? *LocationChannel(columns.Get(row->fields, "Location")) : next++;
    if (channel > kChannels) {
      report("no channel is left for this row: the radio holds " + std::to_string(kChannels));
      continue;
    }
    int& firstLine = seenOnLine[channel - 1];
    if (firstLine != 0) {
      report("channel " + std::to_string(channel) + " is already listed on line " +
             std::to_string(firstLine));
      continue;
    }
    firstLine = row->line;

    RowMapper mapper(columns, row->fields);
    const ChannelRow cells = mapper.Map();
    std::vector<std::string>& problems = mapper.Problems();
    if (problems.empty()) {
      RowImport imported = ImportChannelCells(cells, limits);
      problems = std::move(imported.problems);
      result.table[channel - 1] = std::move(imported.row);
    }
    for (std::string& problem : problems) report(std::move(problem));
  }
  result.errors.insert(result.errors.end(), parse.errors.begin(), parse.errors.end());
  std::stable_sort(result.errors.begin(), result.errors.end(),
                   [](const CsvError& a, const CsvError& b) { return a.line < b.line; });
  return result;
}

}  // namespace selkan
