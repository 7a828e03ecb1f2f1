#include "link/qt/qt_serial_port.h"

#include <QtSerialPort/QSerialPort>
#include <algorithm>
#include <chrono>
#include <filesystem>

#ifndef _WIN32
#include <sys/file.h>
#include <termios.h>

#include <cerrno>
#endif

namespace selkan {

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsUntil(Clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return static_cast<int>(std::max<long long>(left, 0));
}

}  // namespace

QtSerialPort::QtSerialPort() : port_(std::make_unique<QSerialPort>()) {}

QtSerialPort::~QtSerialPort() { Close(); }

bool QtSerialPort::Open(const std::string& name) {
  Close();
  lockError_ = false;  // a lock refused at an earlier open says nothing about this one
  std::string device = name;
#ifndef _WIN32
  // QSerialPort names its lock file after the path it is given, so a device
  // reached through a symbolic link and by its own path would get two
  // different locks. Open the real device.
  std::error_code error;
  if (!name.empty() && name.front() == '/') {
    const std::filesystem::path real = std::filesystem::canonical(name, error);
    if (!error) device = real.string();
  }
#endif
  port_->setPortName(QString::fromStdString(device));
  // QSerialPort opens the device exclusively: no sharing on Windows; a lock
  // file and TIOCEXCL on Unix.
  if (!port_->open(QIODevice::ReadWrite)) return false;
#ifndef _WIN32
  // TIOCEXCL does not hold back a privileged process, so also take an
  // advisory lock on the device itself.
  if (::flock(static_cast<int>(port_->handle()), LOCK_EX | LOCK_NB) != 0) {
    port_->close();
    lockError_ = true;
    return false;
  }
#endif
  return true;
}

bool QtSerialPort::Configure(const LineSettings& line, const PortTimeouts& timeouts) {
  timeouts_ = timeouts;
  if (!port_->isOpen()) return false;
  port_->setReadBufferSize(static_cast<qint64>(line.receiveQueue));
  const bool ok =
      port_->setBaudRate(line.baudRate) &&
      port_->setDataBits(static_cast<QSerialPort::DataBits>(line.dataBits)) &&
      port_->setParity(line.parity ? QSerialPort::EvenParity : QSerialPort::NoParity) &&
      port_->setStopBits(line.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
      port_->setFlowControl(QSerialPort::NoFlowControl);
  return ok;
}

void QtSerialPort::Purge() {
  if (!port_->isOpen()) return;
  port_->clear(QSerialPort::Input);
  // Every Write has drained its bytes before it returned, so the output
  // direction holds nothing to drop on a real port. On a pseudo-terminal an
  // output flush reaches into the other end's pending input and throws away
  // bytes already "sent", so flush output only when something is actually
  // still waiting in it.
  if (port_->bytesToWrite() > 0) port_->clear(QSerialPort::Output);
}

bool QtSerialPort::Write(std::span<const std::uint8_t> bytes) {
  if (!port_->isOpen()) return false;
  const qint64 size = static_cast<qint64>(bytes.size());
  if (port_->write(reinterpret_cast<const char*>(bytes.data()), size) != size) return false;
  const int budget = timeouts_.writeTotalConstantMs +
                     timeouts_.writeTotalPerByteMs * static_cast<int>(bytes.size());
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(budget);
  while (port_->bytesToWrite() > 0) {
    if (!port_->waitForBytesWritten(MillisecondsUntil(deadline))) return false;
  }
#ifndef _WIN32
  // The bytes have left Qt's buffer but may still sit in the driver. The
  // protocol purges both directions right after some writes, and an output
  // purge drops what is still queued, so wait until the line has sent it.
  while (::tcdrain(static_cast<int>(port_->handle())) != 0) {
    if (errno != EINTR) return false;
  }
#endif
  return true;
}

std::vector<std::uint8_t> QtSerialPort::Read(std::size_t n) {
  std::vector<std::uint8_t> out;
  if (!port_->isOpen() || n == 0) return out;
  out.reserve(n);
  const Clock::time_point total =
      Clock::now() + std::chrono::milliseconds(timeouts_.readTotalConstantMs +
                                               timeouts_.readTotalPerByteMs * static_cast<int>(n));
  Clock::time_point interval = Clock::time_point::max();  // runs from the first byte on
  for (;;) {
    if (port_->bytesAvailable() > 0) {
      char buffer[256];
      const qint64 want = static_cast<qint64>(std::min(n - out.size(), sizeof buffer));
      const qint64 got = port_->read(buffer, want);
      if (got < 0) break;
      out.insert(out.end(), buffer, buffer + got);
      if (got > 0) interval = Clock::now() + std::chrono::milliseconds(timeouts_.readIntervalMs);
      if (out.size() >= n) break;
      continue;
    }
    const int wait = MillisecondsUntil(std::min(total, interval));
    if (wait <= 0 || !port_->waitForReadyRead(wait)) {
      if (port_->bytesAvailable() > 0) continue;
      if (port_->error() != QSerialPort::TimeoutError && port_->error() != QSerialPort::NoError) {
        break;
      }
      if (Clock::now() >= std::min(total, interval)) break;
    }
  }
  return out;
}

void QtSerialPort::Close() {
  if (port_ && port_->isOpen()) port_->close();
}

std::string QtSerialPort::ErrorText() const {
  if (lockError_) return "the device is in use";
  return port_->errorString().toStdString();
}

}  // namespace selkan
