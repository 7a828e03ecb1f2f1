#include "link/low_latency.h"

#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>

#include <cerrno>
#endif

namespace selkan {

namespace {

#ifdef __linux__
constexpr int kLowLatency = ASYNC_LOW_LATENCY;

int Ioctl(int fd, unsigned long request, serial_struct* serial) {
  int result;
  do {
    result = ::ioctl(fd, request, serial);
  } while (result != 0 && errno == EINTR);
  return result;
}
#else
constexpr int kLowLatency = 0x2000;
#endif

}  // namespace

SerialFlagsCalls SystemSerialFlagsCalls() {
#ifdef __linux__
  return {[](int fd, int* flags) {
            serial_struct serial{};
            if (Ioctl(fd, TIOCGSERIAL, &serial) != 0) return false;
            *flags = serial.flags;
            return true;
          },
          [](int fd, int flags) {
            // The call sets the whole structure: change only the flags of
            // what the driver has now.
            serial_struct serial{};
            if (Ioctl(fd, TIOCGSERIAL, &serial) != 0) return false;
            serial.flags = flags;
            return Ioctl(fd, TIOCSSERIAL, &serial) == 0;
          }};
#else
  return {[](int, int*) { return false; }, [](int, int) { return false; }};
#endif
}

LowLatencyMode::LowLatencyMode(SerialFlagsCalls calls) : calls_(std::move(calls)) {}

bool LowLatencyMode::Enable(int fd) {
  Restore();
  int flags = 0;
  if (fd < 0 || !calls_.get || !calls_.get(fd, &flags)) return false;
  if ((flags & kLowLatency) != 0) return true;
  if (!calls_.set || !calls_.set(fd, flags | kLowLatency)) return false;
  fd_ = fd;
  return true;
}

void LowLatencyMode::Restore() {
  if (fd_ < 0) return;
  int flags = 0;
  // Enable found the mode off: only that bit goes back, anything else
  // changed meanwhile stays.
  if (calls_.get(fd_, &flags)) calls_.set(fd_, flags & ~kLowLatency);
  fd_ = -1;
}

}  // namespace selkan
