#include "settings/process_settings.h"

#include <gtest/gtest.h>

#include "settings/profile_store.h"
#include "tests/settings/profile_test_files.h"

namespace selkan {
namespace {

class ProcessSettingsTest : public test::ProfileFilesTest {
 protected:
  void Start(const std::string& text) {
    ASSERT_TRUE(profile_.Load(Write("Selkan.ini", text), true, true, false));
    settings_.Initialize(profile_, "/opt/selkan/");
  }
  CProfileStore profile_;
  ProcessSettings settings_;
};

// Only the exact name "Chinese" sets the flag; the product texts come from the
// section of that name, which the case-insensitive profile finds.
TEST_F(ProcessSettingsTest, LanguageChoosesTextsAndFiles) {
  const struct {
    const char* language;
    bool chinese;
    const char *help, *catalog, *company, *title;
  } cases[] = {
      {"English", false, "enHelp", "EnglishQ47.qm", "Acme Radio", "Channel Information"},
      {"Chinese", true, "chHelp", "ChineseQ47.qm", "\xD6\xD0\xCE\xC4", "\xD0\xC5\xB5\xC0"},
      {"chinese", false, "enHelp", "chineseQ47.qm", "\xD6\xD0\xCE\xC4", "Channel Information"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    Start(std::string("Company=Leading\r\n[Setup]\r\nLanguage=") + c.language +
          "\r\nAppName=Selkan\r\n"
          "[English]\r\nCompany=Acme Radio\r\nTitle=Channel Information\r\n"
          "[Chinese]\r\nCompany=\xD6\xD0\xCE\xC4\r\nTitle=\xD0\xC5\xB5\xC0\r\n");
    EXPECT_EQ(settings_.LanguageName(), c.language);
    EXPECT_EQ(settings_.IsChinese(), c.chinese);
    EXPECT_EQ(settings_.language(), c.chinese ? Language::Chinese : Language::English);
    EXPECT_EQ(settings_.HelpFileName(), c.help);
    EXPECT_EQ(settings_.LanguageCatalogName(), c.catalog);
    EXPECT_EQ(settings_.ProductText("Company"), c.company);
    EXPECT_EQ(settings_.Title(), c.title);
    EXPECT_EQ(settings_.SetupAppName(), "Selkan");
    EXPECT_EQ(settings_.ProgramDirectory(), "/opt/selkan/");
  }
}

TEST_F(ProcessSettingsTest, MissingLanguageReadsTheLeadingSection) {
  Start("Company=Leading\n[English]\nTitle=T\n");
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
