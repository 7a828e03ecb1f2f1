#pragma once

#include <functional>

namespace selkan {

// The driver calls behind a serial port's low-latency mode, replaceable so
// that tests can watch them.
struct SerialFlagsCalls {
  // Reads the port's driver flags; false when the driver keeps none (a
  // pseudo-terminal, or any system but Linux).
  std::function<bool(int fd, int* flags)> get;
  // Sets them; false when the driver refuses.
  std::function<bool(int fd, int flags)> set;
};

// TIOCGSERIAL / TIOCSSERIAL on Linux; elsewhere calls that always fail.
SerialFlagsCalls SystemSerialFlagsCalls();

// USB serial adapters hold received bytes for up to 16 ms before passing
// them on unless their driver runs in low-latency mode, and the programming
// protocol waits for an answer after every few bytes. This turns the mode on
// for an open port and puts the old setting back before it is closed.
class LowLatencyMode {
 public:
  explicit LowLatencyMode(SerialFlagsCalls calls = SystemSerialFlagsCalls());

  // Turns the mode on for the port; a driver without it is left alone
  // quietly. Returns whether the mode is now on.
  bool Enable(int fd);
  // Puts back the setting Enable found, when Enable changed it.
  void Restore();

 private:
  SerialFlagsCalls calls_;
  int fd_ = -1;  // the port whose mode Enable turned on
};

}  // namespace selkan
