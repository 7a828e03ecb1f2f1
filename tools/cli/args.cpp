#include "tools/cli/args.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace selkan::cli {

const std::string* ParsedArgs::Value(std::string_view name) const {
  const auto found = options.find(name);
  return found == options.end() ? nullptr : &found->second;
}

std::vector<std::string> ParsedArgs::Values(std::string_view name) const {
  std::vector<std::string> values;
  for (auto [at, end] = options.equal_range(name); at != end; ++at) values.push_back(at->second);
  return values;
}

std::optional<ParsedArgs> ParseArgs(const Args& args, std::span<const OptionSpec> specs,
                                    std::string* error) {
  ParsedArgs parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      parsed.positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      parsed.help = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const OptionSpec* option = nullptr;
    for (const OptionSpec& candidate : specs) {
      if (candidate.name == name) option = &candidate;
    }
    if (option == nullptr) {
      *error = "unknown option '" + name + "'";
      return std::nullopt;
    }
    if (parsed.Has(name) && !option->repeatable) {
      *error = "option '" + name + "' given twice";
      return std::nullopt;
    }
    std::string value;
    if (option->takesValue) {
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        *error = "option '" + name + "' needs a value";
        return std::nullopt;
      }
    } else if (equals != std::string::npos) {
      *error = "option '" + name + "' takes no value";
      return std::nullopt;
    }
    parsed.options.emplace(name, std::move(value));
  }
  return parsed;
}

std::optional<int> ParseIntInRange(std::string_view text, int lo, int hi) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < lo || value > hi) return std::nullopt;
  return value;
}

std::optional<BandLimits> ParseMhzRange(std::string_view text) {
  constexpr int kLowestMhz = 10;    // below 10 MHz the top byte of the code is 0x00: no frequency
  constexpr int kHighestMhz = 999;  // the 8-digit code ends below 1000 MHz
  constexpr std::int32_t kTenHertzPerMhz = 100000;
  const std::size_t dash = text.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const auto low = ParseIntInRange(text.substr(0, dash), 0, kHighestMhz);
  const auto high = ParseIntInRange(text.substr(dash + 1), kLowestMhz, kHighestMhz);
  if (!low || !high || *low > *high) return std::nullopt;
  return BandLimits{std::max(*low, kLowestMhz) * kTenHertzPerMhz, *high * kTenHertzPerMhz};
}

void PrintError(std::string_view command, std::string_view message) {
  std::fprintf(stderr, "selkan-cli %.*s: %.*s\n", static_cast<int>(command.size()), command.data(),
               static_cast<int>(message.size()), message.data());
}

int UsageError(std::string_view command, std::string_view message, std::string_view usage) {
  PrintError(command, message);
  std::fprintf(stderr, "usage: %.*s\n", static_cast<int>(usage.size()), usage.data());
  return kExitUsage;
}

int PrintHelp(std::string_view help) {
  std::fwrite(help.data(), 1, help.size(), stdout);
  return kExitOk;
}

std::string ShellWord(std::string_view text) {
  const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
           std::string_view("_-./:,+=@%").find(c) != std::string_view::npos;
  });
  if (plain) return std::string(text);
  std::string word = "'";
  for (char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

std::optional<ParsedArgs> ParseCommandArgs(const Args& args, std::span<const OptionSpec> options,
                                           const CommandText& text,
                                           std::optional<std::size_t> expected,
                                           std::string_view countError, int* exitCode) {
  std::string error;
  std::optional<ParsedArgs> parsed = ParseArgs(args, options, &error);
  if (!parsed) {
    *exitCode = UsageError(text.name, error, text.usage);
  } else if (parsed->help) {
    *exitCode = PrintHelp(text.help);
  } else if (expected && parsed->positionals.size() != *expected) {
    *exitCode = UsageError(text.name, countError, text.usage);
  } else {
    return parsed;
  }
  return std::nullopt;
}

}  // namespace selkan::cli
