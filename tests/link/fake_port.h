#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "link/transfer_engine.h"
#include "tools/sim/virtual_radio.h"

namespace selkan::test {

// A serial port wired to an in-process virtual radio; every call is logged ("purge", "write
// 52 00 10 08", "read 12 -> 12"). A reply after a turnaround comes at the next wait or read.
class FakePort : public SerialPort {
 public:
  explicit FakePort(sim::VirtualRadio& radio) : radio_(radio) {}

  bool Open(const std::string& name) override {
    log.push_back("open " + name);
    open = !failOpen;
    return open;
  }
  bool Configure(const LineSettings&, const PortTimeouts&) override {
    log.push_back("configure");
    return !failConfigure;
  }
  void Purge() override {
    log.push_back("purge");
    inbound_.clear();
  }
  bool Write(std::span<const std::uint8_t> bytes) override {
    log.push_back("write " + sim::FrameText({bytes.begin(), bytes.end()}));
    for (std::uint8_t byte : bytes) {
      std::optional<sim::Reply> reply = open ? radio_.Receive(byte) : std::nullopt;
      if (!reply) continue;
      if (tamper) tamper(reply->bytes);
      auto& to = reply->turnaroundMs > 0 ? delayed_ : inbound_;
      to.insert(to.end(), reply->bytes.begin(), reply->bytes.end());
    }
    return open;
  }
  std::vector<std::uint8_t> Read(std::size_t n) override {
    Deliver();
    const auto end = inbound_.begin() + static_cast<long>(std::min(n, inbound_.size()));
    const std::vector<std::uint8_t> out(inbound_.begin(), end);
    inbound_.erase(inbound_.begin(), end);
    log.push_back("read " + std::to_string(n) + " -> " + std::to_string(out.size()));
    return out;
  }
  void Close() override {
    log.push_back("close");
    open = false;
    ++closes;
  }
  SleepFunction Sleeper() {
    return [this](int ms) {
      log.push_back("sleep " + std::to_string(ms));
      Deliver();
    };
  }

  std::vector<std::string> log;
  bool failOpen = false;
  bool failConfigure = false;
  std::function<void(std::vector<std::uint8_t>& reply)> tamper;
  bool open = false;
  int closes = 0;

 private:
  void Deliver() {
    inbound_.insert(inbound_.end(), delayed_.begin(), delayed_.end());
    delayed_.clear();
  }

  sim::VirtualRadio& radio_;
  std::deque<std::uint8_t> inbound_, delayed_;
};

struct Recorder {
  std::vector<int> positions;
  int pumps = 0;
  int retryQuestions = 0;
  int cancelAtPump = -1;  // pump number (1-based) from which on the user has cancelled
  int retriesToGive = 0;

  TransferCallbacks Callbacks() {
    TransferCallbacks callbacks;
    callbacks.pump = [this] { return ++pumps >= cancelAtPump && cancelAtPump > 0; };
    callbacks.progress = [this](int position) { positions.push_back(position); };
    callbacks.askRetry = [this] {
      ++retryQuestions;
      return retriesToGive-- > 0;
    };
    return callbacks;
  }
};

inline int CountPrefix(const std::vector<std::string>& log, const std::string& prefix) {
  return static_cast<int>(std::count_if(
      log.begin(), log.end(), [&](const auto& line) { return line.starts_with(prefix); }));
}

// Block commands sent ("57" for "write 57 0F E8 08"), told from data frames by length.
inline int CountCommands(const std::vector<std::string>& log, const std::string& command) {
  return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const auto& line) {
    return line.size() == 17 && line.starts_with("write " + command);
  }));
}

}  // namespace selkan::test
