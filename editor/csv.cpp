#include "editor/csv.h"

namespace selkan {

std::string QuoteCsvField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string FormatCsvRecord(const std::vector<std::string>& fields) {
  std::string record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) record += ',';
    record += QuoteCsvField(fields[i]);
  }
  return record;
}

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Walks the text one record at a time, counting lines.
class CsvReader {
 public:
  explicit CsvReader(std::string_view text) : text_(text) {}

  CsvParse Run() {
    CsvParse result;
    while (pos_ < text_.size()) {
      if (AtLineEnd()) {  // an empty line
        SkipLineEnd();
        continue;
      }
      CsvRecord record;
      record.line = line_;
      std::string reason;
      if (ReadRecord(record.fields, &reason)) {
        result.records.push_back(std::move(record));
      } else {
        result.errors.push_back({record.line, reason});
        SkipRestOfLine();
      }
    }
    return result;
  }

 private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  bool AtLineEnd() const {
    return text_[pos_] == '\n' ||
           (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n');
  }
  void SkipLineEnd() {
    if (text_[pos_] == '\r') ++pos_;
    ++pos_;
    ++line_;
  }
  void SkipRestOfLine() {
    while (!AtEnd() && text_[pos_] != '\n') ++pos_;
    if (!AtEnd()) SkipLineEnd();
  }

  // Reads fields up to and including the line end that closes the record.
  bool ReadRecord(std::vector<std::string>& fields, std::string* reason) {
    for (;;) {
      std::string field;
      const bool ok =
          !AtEnd() && text_[pos_] == '"' ? ReadQuoted(field, reason) : ReadPlain(field, reason);
      if (!ok) return false;
      fields.push_back(std::move(field));
      if (AtEnd()) return true;
      if (text_[pos_] == ',') {
        ++pos_;
        continue;
      }
      SkipLineEnd();  // ReadQuoted and ReadPlain stop only at ',' or a line end
      return true;
    }
  }

  bool ReadPlain(std::string& field, std::string* reason) {
    while (!AtEnd() && text_[pos_] != ',' && !AtLineEnd()) {
      const char c = text_[pos_];
      if (c == '"') {
        *reason = "quote inside an unquoted field";
        return false;
      }
      if (c == '\r') {
        *reason = "carriage return outside quotes";
        return false;
      }
      field += c;
      ++pos_;
    }
    return true;
  }

  bool ReadQuoted(std::string& field, std::string* reason) {
    ++pos_;  // the opening quote
    for (;;) {
      if (AtEnd()) {
        *reason = "quoted field is never closed";
        return false;
      }
      const char c = text_[pos_++];
      if (c == '"') {
        if (!AtEnd() && text_[pos_] == '"') {
          field += '"';
          ++pos_;
          continue;
        }
        break;
      }
      if (c == '\n') ++line_;
      field += c;
    }
    if (!AtEnd() && text_[pos_] != ',' && !AtLineEnd()) {
      *reason = "text after the closing quote of a field";
      return false;
    }
    return true;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

CsvParse ParseCsv(std::string_view text) {
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  return CsvReader(text).Run();
}

}  // namespace selkan
