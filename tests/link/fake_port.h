#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "link/transfer_engine.h"
#include "tools/sim/virtual_radio.h"

namespace selkan::test {

// A serial port wired to an in-process virtual radio. Every call is logged
// ("purge", "write 52 00 10 08", "read 12 -> 12", "sleep 1", ...). A reply
// the radio sends after a turnaround arrives at the engine's next wait or
// read (unless promptReplies); any other reply arrives with the write.
class FakePort : public SerialPort {
 public:
  explicit FakePort(sim::VirtualRadio& radio) : radio_(radio) {}

  bool Open(const std::string& name) override;
  bool Configure(const LineSettings& line, const PortTimeouts& timeouts) override;
  void Purge() override;
  bool Write(std::span<const std::uint8_t> bytes) override;
  std::vector<std::uint8_t> Read(std::size_t n) override;
  void Close() override;

  SleepFunction Sleeper() {
    return [this](int ms) {
      log.push_back("sleep " + std::to_string(ms));
      Deliver();
    };
  }

  std::vector<std::string> log;
  bool failOpen = false;
  bool failConfigure = false;
  int deafBytes = 0;     // the radio misses this many bytes first
  int throwOnRead = -1;  // the read with this index (0-based) throws
  // Every reply lands at once, even one the radio sends after a turnaround:
  // a fast radio, or a line whose bytes arrive before the engine's next step.
  bool promptReplies = false;
  // Changes a reply of the radio before it reaches the line.
  std::function<void(std::vector<std::uint8_t>& reply)> tamper;
  bool open = false;
  int closes = 0;
  LineSettings line;
  PortTimeouts timeouts;

 private:
  void Deliver();

  sim::VirtualRadio& radio_;
  std::deque<std::uint8_t> inbound_;
  std::vector<std::uint8_t> delayed_;
  int reads_ = 0;
};

// Callbacks that record what the engine reports.
struct Recorder {
  std::vector<int> positions;
  int pumps = 0;
  int retryQuestions = 0;
  int cancelAtPump = -1;  // pump number (1-based) from which on the user has cancelled
  int retriesToGive = 0;

  TransferCallbacks Callbacks();
};

// Counts the log lines that start with the prefix.
int CountPrefix(const std::vector<std::string>& log, const std::string& prefix);

}  // namespace selkan::test
