// Encoding detection, case folding and note markers at byte level.
#include "settings/profile_text.h"

#include <gtest/gtest.h>

namespace selkan {
namespace {

TEST(ProfileEncodingTest, WholeTextMustBeValidUtf8OrItIsGbk) {
  EXPECT_EQ(DetectEncoding(""), TextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding("Title=\xE4\xB8\xAD\xE6\x96\x87"), TextEncoding::Utf8);  // UTF-8
  EXPECT_EQ(DetectEncoding("Title=\xD6\xD0\xCE\xC4"), TextEncoding::Gbk);           // GB2312
  EXPECT_EQ(DetectEncoding("\xE4\xB8\xAD then \xB0\x41"), TextEncoding::Gbk);
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
  for (const char* bad : {"\xE4\xB8", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << "cut short, overlong, surrogate, too large, stray";
  }
}

TEST(ProfileCompareTest, FoldsAsciiLettersOnly) {
  for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Gbk}) {
    EXPECT_TRUE(TextEquals("Company", "cOMPANY", true, encoding));
    EXPECT_FALSE(TextEquals("Company", "cOMPANY", false, encoding));
    EXPECT_FALSE(TextEquals("Company", "Compan", true, encoding));
    EXPECT_FALSE(TextEquals("[", "{", true, encoding)) << "only letters fold";
  }
  const std::string lowerUmlaut = "x\xC3\xB6";  // xö
  const std::string upperUmlaut = "X\xC3\x96";  // XÖ
  EXPECT_FALSE(TextEquals(lowerUmlaut, upperUmlaut, true, TextEncoding::Utf8));
}

TEST(ProfileCompareTest, NeverFoldsTheTrailByteOfAGbkCharacter) {
  // Two GBK characters that differ only in their trail byte, 'A' against 'a'.
  EXPECT_FALSE(TextEquals("\xB0\x41", "\xB0\x61", true, TextEncoding::Gbk));
  EXPECT_TRUE(TextEquals("x\xB0\x41Y", "X\xB0\x41y", true, TextEncoding::Gbk));
  // A lead byte without a trail byte after it leaves the next letter free.
  EXPECT_TRUE(TextEquals("\x81 A", "\x81 a", true, TextEncoding::Gbk));
  EXPECT_TRUE(TextEquals("A\xFE", "a\xFE", true, TextEncoding::Gbk));
}

TEST(ProfileTextTest, CutsNotesAtTheThreeMarkersInOrder) {
  EXPECT_EQ(CutValueNote("a/*b//c"), "a");
  EXPECT_EQ(CutValueNote("a\t;b/*c"), "a");
  EXPECT_EQ(CutValueNote("http://host"), "http:");
  EXPECT_EQ(CutValueNote("//"), "");
  EXPECT_EQ(CutValueNote("a/b*c;d\t"), "a/b*c;d\t");
}

}  // namespace
}  // namespace selkan
