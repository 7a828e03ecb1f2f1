#include "editor/csv.h"

#include "platform/translatable.h"

namespace selkan {

std::string QuoteCsvField(std::string_view field, char separator) {
  const char special[] = {separator, '"', '\r', '\n', '\0'};
  if (field.find_first_of(special) == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string FormatCsvRecord(const std::vector<std::string>& fields, char separator) {
  std::string record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) record += separator;
    record += QuoteCsvField(fields[i], separator);
  }
  return record;
}

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Walks the text one record at a time, counting lines.
class CsvReader {
 public:
  CsvReader(std::string_view text, char separator, bool keepEmptyLines)
      : text_(text), separator_(separator), keepEmptyLines_(keepEmptyLines) {}

  CsvParse Run() {
    CsvParse result;
    while (pos_ < text_.size()) {
      if (AtLineEnd()) {  // an empty line
        if (keepEmptyLines_) result.records.push_back({line_, {std::string()}});
        SkipLineEnd();
        continue;
      }
      CsvRecord record;
      record.line = line_;
      UserMessage reason;
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
  bool ReadRecord(std::vector<std::string>& fields, UserMessage* reason) {
    for (;;) {
      std::string field;
      const bool ok =
          !AtEnd() && text_[pos_] == '"' ? ReadQuoted(field, reason) : ReadPlain(field, reason);
      if (!ok) return false;
      fields.push_back(std::move(field));
      if (AtEnd()) return true;
      if (text_[pos_] == separator_) {
        ++pos_;
        continue;
      }
      SkipLineEnd();  // ReadQuoted and ReadPlain stop only at the separator or a line end
      return true;
    }
  }

  bool ReadPlain(std::string& field, UserMessage* reason) {
    while (!AtEnd() && text_[pos_] != separator_ && !AtLineEnd()) {
      const char c = text_[pos_];
      if (c == '"') {
        *reason = ImportText(
            SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "quote inside an unquoted field"));
        return false;
      }
      if (c == '\r') {
        *reason = ImportText(
            SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "carriage return outside quotes"));
        return false;
      }
      field += c;
      ++pos_;
    }
    return true;
  }

  bool ReadQuoted(std::string& field, UserMessage* reason) {
    ++pos_;  // the opening quote
    for (;;) {
      if (AtEnd()) {
        *reason = ImportText(
            SELKAN_TRANSLATE_NOOP("selkan::ImportMessages", "quoted field is never closed"));
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
    if (!AtEnd() && text_[pos_] != separator_ && !AtLineEnd()) {
      *reason = ImportText(SELKAN_TRANSLATE_NOOP("selkan::ImportMessages",
                                                 "text after the closing quote of a field"));
      return false;
    }
    return true;
  }

  std::string_view text_;
  char separator_;
  bool keepEmptyLines_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

CsvParse ParseCsv(std::string_view text, char separator, bool keepEmptyLines) {
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  return CsvReader(text, separator, keepEmptyLines).Run();
}

}  // namespace selkan
