#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace selkan {

// Line settings of a transfer: 9600 baud, 8 data bits, no parity, 1 stop
// bit, binary, parity checking off.
struct LineSettings {
  int baudRate = 9600;
  int dataBits = 8;
  bool parity = false;
  int stopBits = 1;
  std::size_t receiveQueue = 1024;
};

// Read and write time-outs in milliseconds. A read of n bytes ends when n
// bytes have come, when readIntervalMs pass after a byte without the next,
// or after readTotalPerByteMs * n + readTotalConstantMs in all.
struct PortTimeouts {
  int readIntervalMs = 30;
  int readTotalPerByteMs = 500;
  int readTotalConstantMs = 90;
  int writeTotalPerByteMs = 50;
  int writeTotalConstantMs = 50;
};

// The operations a radio transfer needs from a serial port.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Opens the device by name for reading and writing, for exclusive use,
  // existing devices only.
  virtual bool Open(const std::string& name) = 0;
  virtual bool Configure(const LineSettings& line, const PortTimeouts& timeouts) = 0;
  // Drops whatever waits in both directions.
  virtual void Purge() = 0;
  // Returns once the bytes have left the port; false when they could not
  // be sent.
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
  // Reads up to n bytes within the time-outs and returns the bytes that came
  // (fewer than n on a time-out; never an error).
  virtual std::vector<std::uint8_t> Read(std::size_t n) = 0;
  virtual void Close() = 0;
};

}  // namespace selkan
