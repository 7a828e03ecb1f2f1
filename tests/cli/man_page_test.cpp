// The man pages document what the programs' --help says they take.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

using Options = std::set<std::string>;

std::string Output(const std::string& program, const std::string& arguments) {
  const std::string command =
      std::string(SELKAN_BIN_DIR) + "/" + program + " " + arguments + " 2>/dev/null";
  std::string text;
  if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
    ::pclose(pipe);
  }
  return text;
}

// "-o", "--band", "-platform": a dash or two after a blank or an opening
// bracket; a man page writes its dashes as "\-".
Options OptionsIn(std::string text) {
  for (std::size_t at = text.find("\\-"); at != std::string::npos; at = text.find("\\-", at)) {
    text.erase(at, 1);
  }
  static const std::regex option(R"((^|[\s\[(|"])(--?[a-z](?:[a-z0-9-]*[a-z0-9])?))");
  Options found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
       it != std::sregex_iterator(); ++it) {
    found.insert((*it)[2]);
  }
  return found;
}

// The text of each part of a man page, by its ".SH" or ".SS" title (quotes
// and font changes kept).
std::map<std::string, std::string> ManSections(const std::string& page) {
  std::ifstream in(std::string(SELKAN_SOURCE_DIR) + "/" + page);
  EXPECT_TRUE(in) << page;
  std::map<std::string, std::string> sections;
  std::string title;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with(".SH ") || line.starts_with(".SS ")) {
      title = line.substr(4);
      if (title.starts_with('"')) title = title.substr(1);
    }
    sections[title] += line + "\n";
  }
  return sections;
}

// The section whose title starts with the given word.
std::string Section(const std::map<std::string, std::string>& sections, const std::string& word) {
  for (const auto& [title, text] : sections) {
    if (title == word || title.starts_with(word + " ")) return text;
  }
  return {};
}

TEST(ManPageTest, SelkanCliDocumentsEveryCommandAndItsOptions) {
  const auto man = ManSections("tools/cli/selkan-cli.1");
  const std::string usage = Output("selkan-cli", "--help");
  ASSERT_NE(usage.find("commands:"), std::string::npos) << usage;
  EXPECT_EQ(OptionsIn(Section(man, "SYNOPSIS")),
            OptionsIn(usage.substr(0, usage.find("commands:"))));

  std::set<std::string> commands;
  std::istringstream lines(usage.substr(usage.find("commands:")));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string name;
    if (line.starts_with("  ") && words >> name) commands.insert(name);
  }
  ASSERT_FALSE(commands.empty());
  for (const std::string& command : commands) {
    SCOPED_TRACE(command);
    const std::string text = Section(man, command);
    EXPECT_FALSE(text.empty()) << "no section for it";
    EXPECT_EQ(OptionsIn(text), OptionsIn(Output("selkan-cli", command + " --help")));
  }
  std::set<std::string> documented;
  for (const auto& [title, text] : man) {
    const std::string word = title.substr(0, title.find(' '));
    if (!word.empty() && std::islower(static_cast<unsigned char>(word[0]))) documented.insert(word);
  }
  EXPECT_EQ(documented, commands);
}

TEST(ManPageTest, SelkanSimAndSelkanDocumentTheirOptions) {
  for (const std::string program : {"selkan-sim", "Selkan"}) {
    SCOPED_TRACE(program);
    const std::string page = program == "Selkan" ? "app/qt/Selkan.1" : "tools/sim/selkan-sim.1";
    const auto man = ManSections(page);
    const Options options = OptionsIn(Output(program, "--help"));
    EXPECT_GT(options.size(), 2u);
    Options documented = OptionsIn(Section(man, "OPTIONS"));
    documented.merge(OptionsIn(Section(man, "Fault")));
    EXPECT_EQ(documented, options);
  }
}

}  // namespace
