#include "tools/sim/sim_options.h"

#include <charconv>

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

// Seconds from 0 to a day, as a decimal number ("0.5").
std::optional<std::chrono::milliseconds> Seconds(const std::string* text) {
  if (text == nullptr || text->empty()) return std::nullopt;
  double value = 0;
  const char* end = text->data() + text->size();
  auto [ptr, ec] = std::from_chars(text->data(), end, value);
  if (ec != std::errc() || ptr != end || !(value >= 0 && value <= 86400)) return std::nullopt;
  return std::chrono::milliseconds(static_cast<long long>(value * 1000 + 0.5));
}

std::optional<int> WholeNumber(const std::string* text, int lo, int hi) {
  int value = 0;
  if (text == nullptr || text->empty()) return std::nullopt;
  const char* end = text->data() + text->size();
  auto [ptr, ec] = std::from_chars(text->data(), end, value);
  if (ec != std::errc() || ptr != end || value < lo || value > hi) return std::nullopt;
  return value;
}

std::optional<int> BlockNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty() || value < 0 || value > 511) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string* error) {
  SimOptions options;
  auto fail = [&](const std::string& message) -> std::optional<SimOptions> {
    if (error) *error = message;
    return std::nullopt;
  };
  std::vector<std::string> fleetOnly;  // options that need --fleet
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
    auto block = [&](int& target) -> bool {
      const std::string* text = value();
      std::optional<int> number = text ? BlockNumber(*text) : std::nullopt;
      if (!number) return false;
      target = *number;
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--image" || arg == "--link" || arg == "--log" || arg == "--id") {
      const std::string* text = value();
      if (!text) return fail(arg + " needs a value");
      if (arg == "--image") options.imagePath = *text;
      if (arg == "--link") options.linkPath = *text;
      if (arg == "--log") options.logPath = *text;
      if (arg == "--id") {
        if (text->empty() || text->size() > 8) return fail("--id takes 1 to 8 characters");
        options.id.assign(text->begin(), text->end());
      }
    } else if (arg == "--realtime") {
      options.realtime = true;
    } else if (arg == "--no-wakeup-answer") {
      options.faults.noWakeUpAnswer = true;
    } else if (arg == "--answer-after-eighth") {
      options.faults.answerAfterEighth = true;
    } else if (arg == "--wrong-id") {
      options.id.assign(kWrongId, kWrongId + 8);
    } else if (arg == "--no-id-ack") {
      options.faults.noIdAck = true;
    } else if (arg == "--short-reply-at") {
      if (!block(options.faults.shortReplyAt)) return fail(arg + " needs a block number 0-511");
    } else if (arg == "--refuse-write-at") {
      if (!block(options.faults.refuseWriteAt)) return fail(arg + " needs a block number 0-511");
    } else if (arg == "--silent-from") {
      if (!block(options.faults.silentFrom)) return fail(arg + " needs a block number 0-511");
    } else if (arg == "--corrupt-write-at") {
      if (!block(options.faults.corruptWriteAt)) return fail(arg + " needs a block number 0-511");
    } else if (arg == "--fleet" || arg == "--on-radio") {
      const std::optional<int> number = WholeNumber(value(), 1, 9999);
      if (!number) return fail(arg + " needs a number from 1 to 9999");
      (arg == "--fleet" ? options.fleet : options.onRadio) = *number;
      fleetOnly.push_back(arg);
    } else if (arg == "--stay" || arg == "--swap-gap") {
      const auto seconds = Seconds(value());
      if (!seconds) return fail(arg + " needs a number of seconds from 0 to 86400");
      (arg == "--stay" ? options.stay : options.swapGap) = *seconds;
      fleetOnly.push_back(arg);
    } else if (arg == "--dump-dir") {
      const std::string* text = value();
      if (!text || text->empty()) return fail(arg + " needs a folder");
      options.dumpDir = *text;
      fleetOnly.push_back(arg);
    } else {
      return fail("unknown option '" + arg + "'");
    }
  }
  for (const std::string& arg : fleetOnly) {
    if (options.fleet == 0) return fail(arg + " goes with --fleet N");
  }
  if (options.onRadio > options.fleet) return fail("--on-radio names a radio beyond --fleet");
  return options;
}

}  // namespace selkan::sim
