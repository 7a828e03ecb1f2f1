#include "tools/sim/sim_options.h"

#include <algorithm>
#include <charconv>
#include <chrono>

#include "tools/common/options.h"

namespace selkan::sim {

const char kSimHelp[] =
    "usage: selkan-sim [--image FILE.dat] [--link PATH] [--id TEXT] [--realtime]\n"
    "                  [--log FILE] [fault options]\n"
    "                  [--fleet N [--stay SECONDS] [--swap-gap SECONDS]\n"
    "                   [--dump-dir DIR] [--on-radio K]]\n"
    "       selkan-sim --help | --version\n"
    "\n"
    "A virtual Selkan radio on a pseudo-terminal. Prints the device path on\n"
    "stdout, then answers programming sessions until SIGINT or SIGTERM.\n"
    "\n"
    "  --image FILE.dat   the radio's memory; saved back after each write\n"
    "                     (without it: a blank image, kept in memory only)\n"
    "  --link PATH        make PATH a symbolic link to the device\n"
    "  --id TEXT          identification to send (up to 8 bytes; default KZ904SK1)\n"
    "  --realtime         pace both directions as 9600 baud 8N1 (1.04 ms a byte)\n"
    "  --log FILE         write every frame with a time stamp\n"
    "  -h, --help         print this help and stop\n"
    "  --version          print the version and stop\n"
    "\n"
    "a queue of radios, as swapped on a programming cable one after another:\n"
    "  --fleet N            serve N radios in turn, each with its own memory\n"
    "                       (from --image, which is not written; else blank)\n"
    "  --stay SECONDS       a radio stays this long after the programmer last\n"
    "                       read or wrote a block of it, or first asked who it\n"
    "                       is (default 2, at least 0.5)\n"
    "  --swap-gap SECONDS   then the line is silent this long before the next\n"
    "                       radio answers (default 3)\n"
    "  --dump-dir DIR       write each radio's memory as DIR/radio-K.dat when it\n"
    "                       goes (and at the end)\n"
    "  --on-radio K         the fault options, --id and --wrong-id apply to radio\n"
    "                       K only\n"
    "\n"
    "fault options (N counts 8-byte blocks from 0, block N is address 8*N):\n"
    "  --no-wakeup-answer     never answer the wake-up\n"
    "  --answer-after-eighth  answer the wake-up after its eighth byte only\n"
    "  --wrong-id             send the identification KZ905SK1\n"
    "  --no-id-ack            do not acknowledge the programmer's acknowledge\n"
    "  --short-reply-at N     answer read block N with 11 bytes instead of 12\n"
    "  --refuse-write-at N    answer write block N with 0x15 instead of 0x06\n"
    "  --silent-from N        give no answer to read or write blocks from N on\n"
    "  --corrupt-write-at N   acknowledge write block N but store it with bit 0 of\n"
    "                         its first byte flipped\n";

namespace {

// Every option of the program, each at most once.
constexpr tools::OptionDef kOptions[] = {
    {"--image", true},
    {"--link", true},
    {"--id", true},
    {"--realtime"},
    {"--log", true},
    {"--version"},
    {"--no-wakeup-answer"},
    {"--answer-after-eighth"},
    {"--wrong-id"},
    {"--no-id-ack"},
    {"--short-reply-at", true},
    {"--refuse-write-at", true},
    {"--silent-from", true},
    {"--corrupt-write-at", true},
    {"--fleet", true},
    {"--stay", true},
    {"--swap-gap", true},
    {"--dump-dir", true},
    {"--on-radio", true},
};

// Seconds from 0 to a day, as a decimal number ("0.5").
std::optional<std::chrono::milliseconds> Seconds(const std::string& text) {
  if (text.empty()) return std::nullopt;
  double value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || !(value >= 0 && value <= 86400)) return std::nullopt;
  return std::chrono::milliseconds(static_cast<long long>(value * 1000 + 0.5));
}

// The block a fault option names: 0 to 511 (the 4096 bytes in 8-byte blocks).
std::optional<int> BlockNumber(const std::string& text) {
  return tools::ParseIntInRange(text, 0, 511);
}

// Applies one option; false with *error when its value is refused.
bool Apply(const tools::GivenOption& option, SimOptions& options, std::string* error) {
  const std::string& name = option.name;
  const std::string& value = option.value;
  const auto block = [&](int& target) {
    const std::optional<int> number = BlockNumber(value);
    if (number)
      target = *number;
    else
      *error = name + " needs a block number 0-511";
    return number.has_value();
  };
  if (name == "--image") {
    options.imagePath = value;
  } else if (name == "--link") {
    options.linkPath = value;
  } else if (name == "--log") {
    options.logPath = value;
  } else if (name == "--id") {
    if (value.empty() || value.size() > 8) {
      *error = "--id takes 1 to 8 characters";
      return false;
    }
    options.id.assign(value.begin(), value.end());
  } else if (name == "--realtime") {
    options.realtime = true;
  } else if (name == "--version") {
    options.version = true;
  } else if (name == "--no-wakeup-answer") {
    options.faults.noWakeUpAnswer = true;
  } else if (name == "--answer-after-eighth") {
    options.faults.answerAfterEighth = true;
  } else if (name == "--wrong-id") {
    options.id.assign(kWrongId, kWrongId + 8);
  } else if (name == "--no-id-ack") {
    options.faults.noIdAck = true;
  } else if (name == "--short-reply-at") {
    return block(options.faults.shortReplyAt);
  } else if (name == "--refuse-write-at") {
    return block(options.faults.refuseWriteAt);
  } else if (name == "--silent-from") {
    return block(options.faults.silentFrom);
  } else if (name == "--corrupt-write-at") {
    return block(options.faults.corruptWriteAt);
  } else if (name == "--fleet" || name == "--on-radio") {
    const std::optional<int> number = tools::ParseIntInRange(value, 1, 9999);
    if (!number) *error = name + " needs a number from 1 to 9999";
    (name == "--fleet" ? options.fleet : options.onRadio) = number.value_or(0);
    return number.has_value();
  } else if (name == "--stay" || name == "--swap-gap") {
    const auto seconds = Seconds(value);
    if (!seconds) *error = name + " needs a number of seconds from 0 to 86400";
    if (seconds) (name == "--stay" ? options.stay : options.swapGap) = *seconds;
    return seconds.has_value();
  } else if (name == "--dump-dir") {
    if (value.empty()) *error = name + " needs a folder";
    options.dumpDir = value;
    return !value.empty();
  }
  return true;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string* error) {
  std::string why;
  const std::optional<tools::ParsedArgs> parsed = tools::ParseArgs(args, kOptions, &why);
  if (parsed && !parsed->positionals.empty())
    why = "unexpected argument '" + parsed->positionals[0] + "'";
  SimOptions options;
  if (parsed && why.empty()) {
    options.help = parsed->help;
    // In the order given: --id and --wrong-id both set the identification.
    for (const tools::GivenOption& option : parsed->options) {
      if (!Apply(option, options, &why)) break;
    }
  }
  // The queue's options mean nothing without a queue.
  for (const char* fleetOnly : {"--stay", "--swap-gap", "--dump-dir", "--on-radio"}) {
    if (why.empty() && parsed->Has(fleetOnly) && options.fleet == 0)
      why = std::string(fleetOnly) + " goes with --fleet N";
  }
  if (why.empty() && options.onRadio > options.fleet)
    why = "--on-radio names a radio beyond --fleet";
  if (why.empty()) return options;
  if (error) *error = why;
  return std::nullopt;
}

QueueSettings QueueOf(const SimOptions& options) {
  QueueSettings settings;
  settings.radios = std::max(options.fleet, 1);
  settings.leaves = options.fleet > 0;
  settings.stay = options.stay;
  settings.swapGap = options.swapGap;
  return settings;
}

}  // namespace selkan::sim
