#include "settings/process_settings.h"

#include <gtest/gtest.h>

#include "settings/profile_store.h"
#include "tests/support/files_test.h"

namespace selkan {
namespace {

using ProcessSettingsTest = test::FilesTest;

// Only the exact name "Chinese" sets the flag; the product texts come from
// the section of the language's name (the leading one for no name), which
// the case-insensitive profile finds; the title from the flag's section.
TEST_F(ProcessSettingsTest, LanguageChoosesTextsAndFiles) {
  const struct {
    const char* language;
    bool chinese;
    const char *help, *catalog, *company, *title;
  } cases[] = {
      {"English", false, "enHelp", "EnglishQ47.qm", "Acme Radio", "Channel Information"},
      {"Chinese", true, "chHelp", "ChineseQ47.qm", "\xD6\xD0\xCE\xC4", "\xD0\xC5\xB5\xC0"},
      {"chinese", false, "enHelp", "chineseQ47.qm", "\xD6\xD0\xCE\xC4", "Channel Information"},
      {"", false, "enHelp", "Q47.qm", "Leading", "Channel Information"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    CProfileStore profile;
    ASSERT_TRUE(profile.Load(Write("Selkan.ini",
                                   std::string("Company=Leading\r\n[Setup]\r\nLanguage=") +
                                       c.language +
                                       "\r\nAppName=Selkan\r\n"
                                       "[English]\r\nCompany=Acme Radio\r\nTitle=Channel "
                                       "Information\r\n[Chinese]\r\nCompany=\xD6\xD0\xCE\xC4\r\n"
                                       "Title=\xD0\xC5\xB5\xC0\r\n"),
                             false, true, false));
    ProcessSettings settings;
    settings.Initialize(profile, "/opt/selkan/");
    EXPECT_EQ(settings.IsChinese(), c.chinese);
    EXPECT_EQ(settings.language(), c.chinese ? Language::Chinese : Language::English);
    EXPECT_EQ(settings.HelpFileName(), c.help);
    EXPECT_EQ(settings.LanguageCatalogName(), c.catalog);
    EXPECT_EQ(settings.ProductText("Company"), c.company);
    EXPECT_EQ(settings.ProductText("About Title"), "");
    EXPECT_EQ(settings.Title(), c.title);
    EXPECT_EQ(settings.SetupAppName(), "Selkan");
  }
}

}  // namespace
}  // namespace selkan
