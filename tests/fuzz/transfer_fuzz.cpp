// The transfer engine against a radio whose replies the input may drop, cut, corrupt, pad or
// replace, and a port whose opening, settings and writes may fail.
#include <algorithm>
#include <deque>
#include <vector>

#include "link/transfer_engine.h"
#include "tests/fuzz/fuzz_support.h"
#include "tools/sim/virtual_radio.h"

namespace selkan::fuzz {
namespace {

class HostilePort : public SerialPort {
 public:
  HostilePort(Input& input, sim::VirtualRadio& radio) : input_(input), radio_(radio) {}

  bool Open(const std::string&) override {
    Check(!open_, "opened twice");
    return open_ = input_.Byte() != 0xFF;
  }
  bool Configure(const LineSettings&, const PortTimeouts&) override {
    Check(open_, "configured while closed");
    return input_.Byte() != 0xFF;
  }
  void Purge() override { Check(open_, "purged while closed"), inbound_.clear(); }
  bool Write(std::span<const std::uint8_t> bytes) override {
    Check(open_, "written while closed");
    for (const std::uint8_t byte : bytes) {
      std::optional<sim::Reply> reply = radio_.Receive(byte);
      if (reply) Twist(reply->bytes);
    }
    return input_.Byte() != 0xFF;
  }
  std::vector<std::uint8_t> Read(std::size_t n) override {
    Check(open_, "read while closed");
    const auto end = inbound_.begin() + static_cast<long>(std::min(n, inbound_.size()));
    const std::vector<std::uint8_t> out(inbound_.begin(), end);
    inbound_.erase(inbound_.begin(), end);
    return out;
  }
  void Close() override { Check(open_, "closed while closed"), open_ = false; }

  // Open and Close alternate, each checked: a port closed on every way out ends closed.
  bool Closed() const { return !open_; }

 private:
  // What the line does to a reply of the radio, chosen by the input.
  void Twist(std::vector<std::uint8_t>& reply) {
    const std::uint8_t how = input_.Byte() % 8;
    if (how == 1) reply.clear();                                                 // lost
    if (how == 2 && !reply.empty()) reply.resize(input_.Byte() % reply.size());  // cut
    if (how == 3 && !reply.empty()) reply[input_.Byte() % reply.size()] ^= input_.Byte() | 1;
    if (how == 4) reply.push_back(input_.Byte());  // padded
    if (how == 5) {                                // replaced by noise
      const std::string_view noise = input_.Bytes(input_.Byte() % 16);
      reply.assign(noise.begin(), noise.end());
    }
    inbound_.insert(inbound_.end(), reply.begin(), reply.end());
  }

  Input& input_;
  sim::VirtualRadio& radio_;
  std::deque<std::uint8_t> inbound_;
  bool open_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  const bool write = (input.Byte() & 1) != 0;
  RadioImage radioMemory, before;
  radioMemory.fill(0x5A), before.fill(0xA5);
  sim::VirtualRadio radio(
      radioMemory, {sim::VirtualRadio::kDefaultId.begin(), sim::VirtualRadio::kDefaultId.end()},
      sim::Faults{});
  HostilePort port(input, radio);
  TransferEngine engine(port, [](int) {});
  int lastPosition = 0;
  const TransferCallbacks callbacks = {
      .pump = [&input] { return input.Byte() == 0xFF; },
      .progress = [&](int at) { Check(at == ++lastPosition, "progress steps by one"); },
      .askRetry = [&input] { return (input.Byte() & 1) != 0; }};
  RadioImage image = before;
  const TransferOutcome outcome =
      write ? engine.Write("COM1", image, callbacks) : engine.Read("COM1", image, callbacks);
  Check(port.Closed(), "the port is closed on every way out");
  const bool completed = outcome == TransferOutcome::kCompleted;
  Check(!completed || lastPosition == (write ? 255 : 256),
        "a completed read ends at 256, a write 255");
  Check((completed && !write) || image == before, "only a completed read changes the image");
  Check(std::equal(radio.Memory().begin() + offset::kWriteLimit, radio.Memory().end(),
                   radioMemory.begin() + offset::kWriteLimit),
        "the last 16 bytes of the radio are never written");
  return 0;
}

}  // namespace selkan::fuzz
