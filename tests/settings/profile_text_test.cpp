// Encoding detection and case folding at byte level.
#include "settings/profile_text.h"

#include <gtest/gtest.h>

namespace selkan {
namespace {

TEST(ProfileEncodingTest, WholeTextMustBeValidUtf8OrItIsGbk) {
  EXPECT_EQ(DetectEncoding("Title=\xE4\xB8\xAD\xE6\x96\x87"), TextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding("Title=\xD6\xD0\xCE\xC4"), TextEncoding::Gbk);  // GB2312
  EXPECT_EQ(DetectEncoding("\xE4\xB8\xAD then \xB0\x41"), TextEncoding::Gbk);
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
  for (const char* bad : {"\xE4\xB8", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                          "\x80", "\xF8\x88\x80\x80\x80"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << "cut short, overlong, surrogate, too large, stray";
  }
}

// ASCII letters fold, nothing else does: not other characters, not the
// trail byte of a GBK character ('A' against 'a' here).
TEST(ProfileCompareTest, FoldsAsciiLettersOnly) {
  for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Gbk}) {
    EXPECT_TRUE(TextEquals("Company", "cOMPANY", true, encoding));
    EXPECT_FALSE(TextEquals("Company", "cOMPANY", false, encoding));
    EXPECT_FALSE(TextEquals("Company", "Compan", true, encoding));
    EXPECT_FALSE(TextEquals("[", "{", true, encoding)) << "only letters fold";
  }
  EXPECT_FALSE(TextEquals("x\xC3\xB6", "X\xC3\x96", true, TextEncoding::Utf8));  // xö, XÖ
  EXPECT_FALSE(TextEquals("\xB0\x41", "\xB0\x61", true, TextEncoding::Gbk));
  EXPECT_TRUE(TextEquals("x\xB0\x41Y", "X\xB0\x41y", true, TextEncoding::Gbk));
  // A lead byte without a trail byte after it leaves the next letter free.
  EXPECT_TRUE(TextEquals("\x81 A", "\x81 a", true, TextEncoding::Gbk));
  EXPECT_TRUE(TextEquals("A\xFE", "a\xFE", true, TextEncoding::Gbk));
}

}  // namespace
}  // namespace selkan
