#include "tests/link/fake_port.h"

#include <algorithm>

namespace selkan::test {

bool FakePort::Open(const std::string& name) {
  log.push_back("open " + name);
  if (failOpen) return false;
  open = true;
  return true;
}

bool FakePort::Configure(const LineSettings& l, const PortTimeouts& t) {
  log.push_back("configure");
  line = l;
  timeouts = t;
  return !failConfigure;
}

void FakePort::Purge() {
  log.push_back("purge");
  inbound_.clear();
}

bool FakePort::Write(std::span<const std::uint8_t> bytes) {
  log.push_back("write " + sim::FrameText({bytes.begin(), bytes.end()}));
  if (!open) return false;
  for (std::uint8_t byte : bytes) {
    if (deafBytes > 0) {
      --deafBytes;
      continue;
    }
    std::optional<sim::Reply> reply = radio_.Receive(byte);
    if (!reply) continue;
    if (tamper) tamper(reply->bytes);
    if (reply->turnaroundMs > 0 && !promptReplies) {
      delayed_.insert(delayed_.end(), reply->bytes.begin(), reply->bytes.end());
    } else {
      inbound_.insert(inbound_.end(), reply->bytes.begin(), reply->bytes.end());
    }
  }
  return true;
}

std::vector<std::uint8_t> FakePort::Read(std::size_t n) {
  if (reads_++ == throwOnRead) throw std::runtime_error("port gone");
  Deliver();
  std::vector<std::uint8_t> out;
  while (out.size() < n && !inbound_.empty()) {
    out.push_back(inbound_.front());
    inbound_.pop_front();
  }
  log.push_back("read " + std::to_string(n) + " -> " + std::to_string(out.size()));
  return out;
}

void FakePort::Close() {
  log.push_back("close");
  open = false;
  ++closes;
}

void FakePort::Deliver() {
  inbound_.insert(inbound_.end(), delayed_.begin(), delayed_.end());
  delayed_.clear();
}

TransferCallbacks Recorder::Callbacks() {
  TransferCallbacks callbacks;
  callbacks.pump = [this] {
    ++pumps;
    return cancelAtPump > 0 && pumps >= cancelAtPump;
  };
  callbacks.progress = [this](int position) { positions.push_back(position); };
  callbacks.askRetry = [this] {
    ++retryQuestions;
    if (retriesToGive == 0) return false;
    --retriesToGive;
    return true;
  };
  return callbacks;
}

int CountPrefix(const std::vector<std::string>& log, const std::string& prefix) {
  return static_cast<int>(std::count_if(
      log.begin(), log.end(), [&](const std::string& line) { return line.starts_with(prefix); }));
}

}  // namespace selkan::test
