#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/product_info.h"
#include "tools/cli/commands.h"

namespace selkan::cli {

// An option a command accepts: "--type" with a value, "--force" without;
// a repeatable one may be given more than once ("--port A --port B").
struct OptionSpec {
  std::string_view name;
  bool takesValue = false;
  bool repeatable = false;
};

struct ParsedArgs {
  std::vector<std::string> positionals;
  // Flags map to ""; a repeated option has an entry per time, in order.
  std::multimap<std::string, std::string, std::less<>> options;
  bool help = false;  // --help or -h given

  bool Has(std::string_view name) const { return options.find(name) != options.end(); }
  // The value of an option, or nullptr when it was not given.
  const std::string* Value(std::string_view name) const;
  // Every value of a repeatable option, in the order given.
  std::vector<std::string> Values(std::string_view name) const;
};

// Splits the arguments into options and positionals. Values follow their
// option ("--type 3") or are joined to it ("--type=3"); "--" ends the
// options. An unknown option, a missing value or an option that is not
// repeatable given twice is an error: nullopt, with *error saying which.
std::optional<ParsedArgs> ParseArgs(const Args& args, std::span<const OptionSpec> specs,
                                    std::string* error);

// A plain decimal number (digits only, no sign or blanks) within lo..hi.
std::optional<int> ParseIntInRange(std::string_view text, int lo, int hi);

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
std::optional<ParsedArgs> ParseCommandArgs(const Args& args, std::span<const OptionSpec> options,
                                           const CommandText& text,
                                           std::optional<std::size_t> expected,
                                           std::string_view countError, int* exitCode);

}  // namespace selkan::cli
