#include "editor/csv.h"

#include <gtest/gtest.h>

namespace selkan {
namespace {

using Fields = std::vector<std::string>;

// "line[field|field] ... !line" for records, then errors (each with a reason).
std::string Dump(const CsvParse& parse) {
  std::string out;
  for (const auto& record : parse.records) {
    out += std::to_string(record.line) + "[";
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
      out += (i ? "|" : "") + record.fields[i];
    }
    out += "] ";
  }
  for (const CsvError& error : parse.errors) {
    out += "!" + std::to_string(error.line) + (error.reason.empty() ? "(no reason) " : " ");
  }
  return out;
}

TEST(CsvFormat, QuotesOnlyFieldsThatNeedIt) {
  const std::pair<const char*, const char*> cases[] = {{"438.10000", "438.10000"},
                                                       {"", ""},
                                                       {"a b", "a b"},
                                                       {"a,b", "\"a,b\""},
                                                       {"say \"hi\"", "\"say \"\"hi\"\"\""},
                                                       {"two\nlines", "\"two\nlines\""},
                                                       {"cr\r", "\"cr\r\""}};
  for (const auto& [field, quoted] : cases) EXPECT_EQ(QuoteCsvField(field), quoted) << field;
  EXPECT_EQ(FormatCsvRecord({"1", "", "x,y", ""}), "1,,\"x,y\",");
}

TEST(CsvParse, RecordsLineNumbersAndErrors) {
  const std::pair<std::string, std::string> cases[] = {
      {"a,b\r\nc,d\ne,f", "1[a|b] 2[c|d] 3[e|f] "},
      {"1,,,\r\n,\n", "1[1|||] 2[|] "},        // empty and trailing fields are kept
      {"\r\na\n\n\nb\r\n\r\n", "2[a] 5[b] "},  // empty lines count but hold no record
      // Quoted commas, quotes and line ends; the next record starts after them.
      {"\"x,y\",\"a \"\"b\"\"\",\"l1\r\nl2\nl3\",\"\"\nnext,\"\"\"\"\n",
       "1[x,y|a \"b\"|l1\r\nl2\nl3|] 4[next|\"] "},
      // A byte order mark is dropped only at the start.
      {"\xEF\xBB\xBF"
       "CH,x\n\xEF\xBB\xBFy\n",
       "1[CH|x] 2[\xEF\xBB\xBFy] "},
      // Quote inside an unquoted field, text after a closing quote, bare CR,
      // unclosed quote: each is reported and skipped to its line end.
      {"ok,1\nab\"c,2\n\"ab\"c,3\nx\ry,4\nok,5\n\"open,6\n", "1[ok|1] 5[ok|5] !2 !3 !4 !6 "},
      {"a,b\r", "!1 "},  // a CR at the very end is a bare CR
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(Dump(ParseCsv(text)), expected) << text;
}

TEST(CsvParse, FormattedRecordsReadBackUnchanged) {
  const Fields tricky{"", "plain", "a,b", "\"", "x\"y\"", "l1\nl2", "c\r\nd", " sp ", "宽"};
  const CsvParse parse = ParseCsv(FormatCsvRecord(tricky) + "\r\n" + FormatCsvRecord(tricky));
  ASSERT_TRUE(parse.errors.empty());
  ASSERT_EQ(parse.records.size(), 2u);
  EXPECT_EQ(parse.records[0].fields, tricky);
  EXPECT_EQ(parse.records[1].fields, tricky);
}

}  // namespace
}  // namespace selkan
