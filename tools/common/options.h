#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The command-line rules of selkan-cli and selkan-sim, the same for both:
//  - A value follows its option ("--type 3") or is joined to it with "="
//    ("--type=3", "--type=" for an empty value); a flag takes no value.
//  - An option given twice is refused, unless it is declared repeatable:
//    then every value is kept, in order.
//  - An option may have a second spelling (an alias), which counts as the
//    option itself.
//  - "-h" and "--help" ask for help; "--" ends the options, and every
//    argument after it, as well as "-" and anything not starting with "-",
//    is a positional argument.
//  - An unknown option, or a missing value, is refused.
namespace selkan::tools {

// An option a program or command accepts.
struct OptionDef {
  std::string_view name;        // "--type", "-o"
  bool takesValue = false;      // otherwise a flag
  bool repeatable = false;      // may be given more than once
  std::string_view alias = {};  // another spelling of the same option
};

// An option as given, under its definition's name (not its alias).
struct GivenOption {
  std::string name;
  std::string value;  // empty for a flag
};

struct ParsedArgs {
  std::vector<std::string> positionals;
  std::vector<GivenOption> options;  // in the order given
  bool help = false;                 // "--help" or "-h" given

  bool Has(std::string_view name) const;
  // The value of an option (the last one of a repeatable option), or
  // nullptr when it was not given.
  const std::string* Value(std::string_view name) const;
  // Every value of an option, in the order given.
  std::vector<std::string> Values(std::string_view name) const;
};

// Splits the arguments (without the program or command name) by the rules
// above; nullopt with *error naming the offending option.
std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& args,
                                    std::span<const OptionDef> defs, std::string* error);

// A plain decimal number (digits only, no sign or blanks) within lo..hi.
std::optional<int> ParseIntInRange(std::string_view text, int lo, int hi);

}  // namespace selkan::tools
