#pragma once

#include <chrono>
#include <memory>

#include "link/low_latency.h"
#include "link/serial_port.h"

class QSerialPort;

namespace selkan {

// The serial port on QSerialPort. Reads wait for the port either blocked in
// the port itself (a tool without a user interface) or with the event loop
// running, so that a window stays alive between the protocol's steps.
class QtSerialPort : public SerialPort {
 public:
  enum class Waiting { kBlocking, kEventLoop };

  explicit QtSerialPort(Waiting waiting = Waiting::kBlocking,
                        SerialFlagsCalls flagsCalls = SystemSerialFlagsCalls());
  ~QtSerialPort() override;

  bool Open(const std::string& name) override;
  bool Configure(const LineSettings& line, const PortTimeouts& timeouts) override;
  void Purge() override;
  bool Write(std::span<const std::uint8_t> bytes) override;
  std::vector<std::uint8_t> Read(std::size_t n) override;
  void Close() override;

  // Why the last Open or Configure failed, for diagnostics.
  std::string ErrorText() const;

 private:
  // Waits up to ms for received bytes; true when some are there.
  bool WaitForBytes(int ms);

  std::unique_ptr<QSerialPort> port_;
  Waiting waiting_;
  LowLatencyMode lowLatency_;
  PortTimeouts timeouts_;
  std::chrono::microseconds byteTime_{1042};  // one byte on the line at the set speed
  bool lockError_ = false;
};

}  // namespace selkan
