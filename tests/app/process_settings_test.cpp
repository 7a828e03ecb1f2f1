#include "app/process_settings.h"

#include <gtest/gtest.h>

#include "app/profile_store.h"
#include "tests/app/profile_test_files.h"

namespace selkan {
namespace {

class ProcessSettingsTest : public test::ProfileFilesTest {
 protected:
  void Start(const std::string& language) {
    const std::string text = "Company=Leading\r\n[Setup]\r\nLanguage=" + language +
                             "\r\nAppName=Selkan\r\n"
                             "[English]\r\nCompany=Acme Radio\r\nTitle=Channel Information\r\n"
                             "[Chinese]\r\nCompany=\xD6\xD0\xCE\xC4\r\nTitle=\xD0\xC5\xB5\xC0\r\n";
    ASSERT_TRUE(profile_.Load(Write("Selkan.ini", text), true, true, false));
    settings_.Initialize(profile_, "/opt/selkan/");
  }
  CProfileStore profile_;
  ProcessSettings settings_;
};

TEST_F(ProcessSettingsTest, EnglishProfile) {
  Start("English");
  EXPECT_EQ(settings_.LanguageName(), "English");
  EXPECT_FALSE(settings_.IsChinese());
  EXPECT_EQ(settings_.language(), Language::English);
  EXPECT_EQ(settings_.HelpFileName(), "enHelp");
  EXPECT_EQ(settings_.LanguageCatalogName(), "EnglishQ47.qm");
  EXPECT_EQ(settings_.ProductText("Company"), "Acme Radio");
  EXPECT_EQ(settings_.Title(), "Channel Information");
  EXPECT_EQ(settings_.SetupAppName(), "Selkan");
  EXPECT_EQ(settings_.ProgramDirectory(), "/opt/selkan/");
}

TEST_F(ProcessSettingsTest, ChineseProfile) {
  Start("Chinese");
  EXPECT_TRUE(settings_.IsChinese());
  EXPECT_EQ(settings_.language(), Language::Chinese);
  EXPECT_EQ(settings_.HelpFileName(), "chHelp");
  EXPECT_EQ(settings_.LanguageCatalogName(), "ChineseQ47.qm");
  EXPECT_EQ(settings_.ProductText("Company"), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(settings_.Title(), "\xD0\xC5\xB5\xC0");
}

TEST_F(ProcessSettingsTest, ChineseInAnotherCaseKeepsTheFlagClear) {
  Start("chinese");
  EXPECT_FALSE(settings_.IsChinese());
  EXPECT_EQ(settings_.HelpFileName(), "enHelp");
  EXPECT_EQ(settings_.LanguageCatalogName(), "chineseQ47.qm");
  // The product texts come from the section named "chinese", which the
  // case-insensitive profile finds; the title follows the flag.
  EXPECT_EQ(settings_.ProductText("Company"), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(settings_.Title(), "Channel Information");
}

TEST_F(ProcessSettingsTest, MissingLanguageReadsTheLeadingSection) {
  ASSERT_TRUE(profile_.Load(Write("Selkan.ini", "Company=Leading\n[English]\nTitle=T\n"), false,
                            true, false));
  settings_.Initialize(profile_, "/opt/selkan/");
  EXPECT_EQ(settings_.LanguageName(), "");
  EXPECT_FALSE(settings_.IsChinese());
  EXPECT_EQ(settings_.LanguageCatalogName(), "Q47.qm");
  EXPECT_EQ(settings_.ProductText("Company"), "Leading");
  EXPECT_EQ(settings_.ProductText("About Title"), "");
  EXPECT_EQ(settings_.Title(), "T");
  EXPECT_EQ(settings_.SetupAppName(), "");
}

}  // namespace
}  // namespace selkan
