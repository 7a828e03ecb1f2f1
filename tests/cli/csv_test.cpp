#include "tools/cli/csv.h"

#include <gtest/gtest.h>

namespace selkan::cli {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvFormat, QuotesOnlyFieldsThatNeedIt) {
  EXPECT_EQ(QuoteCsvField("438.10000"), "438.10000");
  EXPECT_EQ(QuoteCsvField(""), "");
  EXPECT_EQ(QuoteCsvField("a b"), "a b");
  EXPECT_EQ(QuoteCsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(QuoteCsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(QuoteCsvField("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(QuoteCsvField("cr\r"), "\"cr\r\"");
  EXPECT_EQ(FormatCsvRecord({"1", "", "x,y", ""}), "1,,\"x,y\",");
}

TEST(CsvParse, PlainRecordsWithLfOrCrlfAndLineNumbers) {
  const CsvParse parse = ParseCsv("a,b\r\nc,d\ne,f");
  ASSERT_TRUE(parse.errors.empty());
  ASSERT_EQ(parse.records.size(), 3u);
  EXPECT_EQ(parse.records[0].fields, (Fields{"a", "b"}));
  EXPECT_EQ(parse.records[2].fields, (Fields{"e", "f"}));
  EXPECT_EQ(parse.records[1].line, 2);
  EXPECT_EQ(parse.records[2].line, 3);
}

TEST(CsvParse, EmptyAndTrailingFieldsAreKept) {
  const CsvParse parse = ParseCsv("1,,,\r\n,\n");
  ASSERT_TRUE(parse.errors.empty());
  ASSERT_EQ(parse.records.size(), 2u);
  EXPECT_EQ(parse.records[0].fields, (Fields{"1", "", "", ""}));
  EXPECT_EQ(parse.records[1].fields, (Fields{"", ""}));
}

TEST(CsvParse, EmptyLinesHoldNoRecordButCountAsLines) {
  const CsvParse parse = ParseCsv("\r\na\n\n\nb\r\n\r\n");
  ASSERT_EQ(parse.records.size(), 2u);
  EXPECT_EQ(parse.records[0].line, 2);
  EXPECT_EQ(parse.records[1].line, 5);
}

TEST(CsvParse, QuotedFieldsHoldCommasQuotesAndLineEnds) {
  const CsvParse parse = ParseCsv("\"x,y\",\"a \"\"b\"\"\",\"l1\r\nl2\nl3\",\"\"\nnext,\"\"\"\"\n");
  ASSERT_TRUE(parse.errors.empty());
  ASSERT_EQ(parse.records.size(), 2u);
  EXPECT_EQ(parse.records[0].fields, (Fields{"x,y", "a \"b\"", "l1\r\nl2\nl3", ""}));
  // The record after a multi-line field starts on the line after it.
  EXPECT_EQ(parse.records[1].line, 4);
  EXPECT_EQ(parse.records[1].fields, (Fields{"next", "\""}));
}

TEST(CsvParse, ByteOrderMarkIsDroppedOnlyAtTheStart) {
  const CsvParse parse = ParseCsv(
      "\xEF\xBB\xBF"
      "CH,x\n\xEF\xBB\xBFy\n");
  ASSERT_EQ(parse.records.size(), 2u);
  EXPECT_EQ(parse.records[0].fields[0], "CH");
  EXPECT_EQ(parse.records[1].fields[0], "\xEF\xBB\xBFy");
}

TEST(CsvParse, MalformedRecordsAreReportedAndSkippedToTheirLineEnd) {
  const CsvParse parse = ParseCsv(
      "ok,1\n"
      "ab\"c,2\n"    // quote inside an unquoted field
      "\"ab\"c,3\n"  // text after a closing quote
      "x\ry,4\n"     // bare CR
      "ok,5\n"
      "\"open,6\n");  // never closed
  ASSERT_EQ(parse.records.size(), 2u);
  EXPECT_EQ(parse.records[0].fields, (Fields{"ok", "1"}));
  EXPECT_EQ(parse.records[1].fields, (Fields{"ok", "5"}));
  ASSERT_EQ(parse.errors.size(), 4u);
  EXPECT_EQ(parse.errors[0].line, 2);
  EXPECT_EQ(parse.errors[1].line, 3);
  EXPECT_EQ(parse.errors[2].line, 4);
  EXPECT_EQ(parse.errors[3].line, 6);
  for (const CsvError& error : parse.errors) EXPECT_FALSE(error.reason.empty());
}

TEST(CsvParse, CrAtTheVeryEndIsABareCr) {
  const CsvParse parse = ParseCsv("a,b\r");
  EXPECT_TRUE(parse.records.empty());
  ASSERT_EQ(parse.errors.size(), 1u);
  EXPECT_EQ(parse.errors[0].line, 1);
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
}  // namespace selkan::cli
