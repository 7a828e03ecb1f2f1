#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/user_message.h"

namespace selkan {

// Comma-separated values in the common form: a field is quoted when it holds
// the separator, a quote, CR or LF, and quotes inside quotes are doubled.
// The separator is a comma for files; spreadsheets put tab-separated text on
// the clipboard, quoted the same way.

// The field as it goes into a record: quoted only when it needs it.
std::string QuoteCsvField(std::string_view field, char separator = ',');
// The fields joined by the separator, each quoted as needed, without line end.
std::string FormatCsvRecord(const std::vector<std::string>& fields, char separator = ',');

struct CsvRecord {
  int line = 0;  // line of the file on which the record starts, from 1
  std::vector<std::string> fields;
};

struct CsvError {
  int line = 0;
  UserMessage reason;
};

struct CsvParse {
  std::vector<CsvRecord> records;
  std::vector<CsvError> errors;  // one per malformed record, in file order
};

// Splits text into records. Lines end in LF or CRLF; a UTF-8 byte order mark
// at the start is dropped; quoted fields may hold commas, doubled quotes and
// line ends. Empty lines hold no record. A malformed record (a quote inside
// an unquoted field, text after a closing quote, a bare CR, a quote left
// open) is reported and skipped up to the end of its line, so that the
// records after it are still read. With keepEmptyLines an empty line is a
// record of one empty field (clipboard text, where it is an empty row).
CsvParse ParseCsv(std::string_view text, char separator = ',', bool keepEmptyLines = false);

}  // namespace selkan
