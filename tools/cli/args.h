#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/product_info.h"
#include "platform/language.h"
#include "tools/cli/commands.h"
#include "tools/common/options.h"

namespace selkan::cli {

// Every command follows the rules of tools/common/options.h.
using tools::OptionDef;
using tools::ParseArgs;
using tools::ParsedArgs;
using tools::ParseIntInRange;

// The language of a command's texts: --lang English|Chinese, in any letter
// case; --language is another spelling.
inline constexpr OptionDef kLangOption{"--lang", true, false, "--language"};
// Its help line.
extern const char kLangHelp[];
// The language --lang names, English when it is not given; nullopt for any
// other word.
std::optional<Language> LanguageOption(const ParsedArgs& parsed);

// A range of whole MHz, "400-470", as limits in 10 Hz units (40000000 to
// 47000000). Both ends 0 to 999 and in order. A channel record holds
// frequencies from 10 MHz on (below, the top byte of the code is 0x00,
// which reads as no frequency), so the upper end must be 10 or more and a
// lower end below 10 is taken as 10.
std::optional<BandLimits> ParseMhzRange(std::string_view text);

// The text as one word for a POSIX shell: as it is when it holds nothing the
// shell would read specially, otherwise in single quotes.
std::string ShellWord(std::string_view text);

// Messages of a command on stderr, prefixed "selkan-cli COMMAND: ".
void PrintError(std::string_view command, std::string_view message);
// PrintError, then the usage line; returns kExitUsage.
int UsageError(std::string_view command, std::string_view message, std::string_view usage);
// Writes the help text to stdout; returns kExitOk.
int PrintHelp(std::string_view help);

// How a command presents itself to the argument parser.
struct CommandText {
  std::string_view name;   // "export"
  std::string_view usage;  // the usage line
  std::string_view help;   // the --help text
};

// The common start of every command: parses the arguments, answers --help,
// and checks the number of positionals (when expected is given). Returns
// the parsed arguments, or nullopt with *exitCode set (kExitOk after help,
// kExitUsage after a usage error, which it has printed).
std::optional<ParsedArgs> ParseCommandArgs(const Args& args, std::span<const OptionDef> options,
                                           const CommandText& text,
                                           std::optional<std::size_t> expected,
                                           std::string_view countError, int* exitCode);

}  // namespace selkan::cli
