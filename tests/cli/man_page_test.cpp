// The man pages name exactly the options the programs' --help gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/file_tests.h"

namespace selkan::test {
namespace {

using Options = std::set<std::string>;

// "-o", "--band", "-platform": a dash or two after a blank or an opening
// bracket; a man page writes its dashes as "\-".
Options OptionsIn(std::string text) {
  text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
  static const std::regex option(R"((^|[\s\[(|"])(--?[a-z](?:[a-z0-9-]*[a-z0-9])?))");
  Options found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
       it != std::sregex_iterator(); ++it) {
    found.insert((*it)[2]);
  }
  return found;
}

Options HelpOptions(const std::string& program, const std::string& command = {}) {
  std::vector<std::string> args;
  if (!command.empty()) args.push_back(command);
  args.push_back("--help");
  return OptionsIn(RunProgram(std::string(SELKAN_BIN_DIR) + "/" + program, args, 30).output);
}

TEST(ManPages, NameTheOptionsOfEveryCommand) {
  const struct {
    const char* program;
    const char* page;
    std::vector<std::string> commands;
  } pages[] = {
      {"selkan-cli",
       "tools/cli/selkan-cli.1",
       {"new", "export", "import", "show", "print", "read", "write", "diff", "backups"}},
      {"selkan-sim", "tools/sim/selkan-sim.1", {}},
      {"Selkan", "app/qt/Selkan.1", {}},
  };
  for (const auto& page : pages) {
    SCOPED_TRACE(page.program);
    // The synopsis, the options and the commands: what comes before the exit
    // status or the files.
    std::string text = ReadBytes(std::string(SELKAN_SOURCE_DIR) + "/" + page.page);
    text = text.substr(0, std::min(text.find(".SH EXIT STATUS"), text.find(".SH FILES")));
    Options options = HelpOptions(page.program);
    for (const std::string& command : page.commands) {
      EXPECT_TRUE(std::regex_search(text, std::regex("\\.SS \"?" + command + "\\b"))) << command;
      options.merge(HelpOptions(page.program, command));
    }
    EXPECT_GT(options.size(), 2u);
    EXPECT_EQ(OptionsIn(text), options);
  }
}

}  // namespace
}  // namespace selkan::test
