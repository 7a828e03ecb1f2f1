#pragma once

#include <memory>

#include "link/serial_port.h"

class QSerialPort;

namespace selkan {

// The serial port on QSerialPort, driven without an event loop: reads and
// writes wait for the port themselves.
class QtSerialPort : public SerialPort {
 public:
  QtSerialPort();
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
  std::unique_ptr<QSerialPort> port_;
  PortTimeouts timeouts_;
  bool lockError_ = false;
};

}  // namespace selkan
