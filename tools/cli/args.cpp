#include "tools/cli/args.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace selkan::cli {

const char kLangHelp[] =
    "  --lang LANGUAGE  English (the default) or Chinese; --language is the same\n";

std::optional<Language> LanguageOption(const ParsedArgs& parsed) {
  const std::string* name = parsed.Value(kLangOption.name);
  if (name == nullptr) return Language::English;
  for (const Language language : {Language::English, Language::Chinese}) {
    const std::string_view known = LanguageName(language);
    const auto sameLetter = [](char a, char b) {
      return std::tolower(static_cast<unsigned char>(a)) ==
             std::tolower(static_cast<unsigned char>(b));
    };
    if (std::equal(name->begin(), name->end(), known.begin(), known.end(), sameLetter))
      return language;
  }
  return std::nullopt;
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

std::optional<ParsedArgs> ParseCommandArgs(const Args& args, std::span<const OptionDef> options,
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
