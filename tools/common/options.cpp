#include "tools/common/options.h"

namespace selkan::tools {

namespace {

const OptionDef* FindDef(std::span<const OptionDef> defs, std::string_view name) {
  for (const OptionDef& def : defs) {
    if (def.name == name || (!def.alias.empty() && def.alias == name)) return &def;
  }
  return nullptr;
}

}  // namespace

bool ParsedArgs::Has(std::string_view name) const { return Value(name) != nullptr; }

const std::string* ParsedArgs::Value(std::string_view name) const {
  for (auto given = options.rbegin(); given != options.rend(); ++given) {
    if (given->name == name) return &given->value;
  }
  return nullptr;
}

std::vector<std::string> ParsedArgs::Values(std::string_view name) const {
  std::vector<std::string> values;
  for (const GivenOption& given : options) {
    if (given.name == name) values.push_back(given.value);
  }
  return values;
}

std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& args,
                                    std::span<const OptionDef> defs, std::string* error) {
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
    const OptionDef* def = FindDef(defs, name);
    if (def == nullptr) {
      *error = "unknown option '" + name + "'";
      return std::nullopt;
    }
    if (!def->repeatable && parsed.Has(def->name)) {
      *error = "option '" + name + "' given twice";
      return std::nullopt;
    }
    std::string value;
    if (def->takesValue) {
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
    parsed.options.push_back({std::string(def->name), std::move(value)});
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

}  // namespace selkan::tools
