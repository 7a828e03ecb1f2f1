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

}  // namespace
}  // namespace selkan
