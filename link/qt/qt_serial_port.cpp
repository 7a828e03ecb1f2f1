#include "link/qt/qt_serial_port.h"

#include <sys/file.h>
#include <termios.h>

#include <QEventLoop>
#include <QTimer>
#include <QtSerialPort/QSerialPort>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

namespace selkan {

namespace {

using Clock = std::chrono::steady_clock;

// Whole milliseconds until the deadline, rounded up: a wait of what is left
// must not come out as 0 and turn the caller's loop into a busy one.
int MillisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return static_cast<int>(std::max<long long>(left, 0));
}

}  // namespace

QtSerialPort::QtSerialPort(Waiting waiting, SerialFlagsCalls flagsCalls)
    : port_(std::make_unique<QSerialPort>()),
      waiting_(waiting),
      lowLatency_(std::move(flagsCalls)) {}

QtSerialPort::~QtSerialPort() { Close(); }

bool QtSerialPort::Open(const std::string& name) {
  Close();
  lockError_ = false;  // a lock refused at an earlier open says nothing about this one
  std::string device = name;
  // QSerialPort names its lock file after the path it is given, so a device
  // reached through a symbolic link and by its own path would get two
  // different locks. Open the real device.
  std::error_code error;
  if (!name.empty() && name.front() == '/') {
    const std::filesystem::path real = std::filesystem::canonical(name, error);
    if (!error) device = real.string();
  }
  port_->setPortName(QString::fromStdString(device));
  // QSerialPort opens the device exclusively: a lock file and TIOCEXCL.
  if (!port_->open(QIODevice::ReadWrite)) return false;
  // TIOCEXCL does not hold back a privileged process, so also take an
  // advisory lock on the device itself.
  if (::flock(static_cast<int>(port_->handle()), LOCK_EX | LOCK_NB) != 0) {
    port_->close();
    lockError_ = true;
    return false;
  }
  lowLatency_.Enable(static_cast<int>(port_->handle()));
  return true;
}

bool QtSerialPort::Configure(const LineSettings& line, const PortTimeouts& timeouts) {
  timeouts_ = timeouts;
  // Start, data, parity and stop bits of one byte on the line.
  const int bits = 1 + line.dataBits + (line.parity ? 1 : 0) + line.stopBits;
  byteTime_ = std::chrono::microseconds(1'000'000LL * bits / std::max(line.baudRate, 1));
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
  // Hand the bytes to the driver now; wait only for what it could not take.
  port_->flush();
  const int budget = timeouts_.writeTotalConstantMs +
                     timeouts_.writeTotalPerByteMs * static_cast<int>(bytes.size());
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(budget);
  while (port_->bytesToWrite() > 0) {
    if (!port_->waitForBytesWritten(MillisecondsUntil(deadline))) return false;
  }
  // The bytes have left Qt's buffer but may still sit in the driver. The
  // protocol purges both directions right after some writes, and an output
  // purge drops what is still queued, so wait until the line has sent it.
  while (::tcdrain(static_cast<int>(port_->handle())) != 0) {
    if (errno != EINTR) return false;
  }
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
    const Clock::time_point deadline = std::min(total, interval);
    if (Clock::now() >= deadline) break;
    const std::size_t missing = n - out.size();
    if (!out.empty() && missing > 1 && waiting_ == Waiting::kBlocking) {
      // The reply is under way: let all but its last byte come over the line
      // before looking again, rather than waking up for every byte; the wait
      // for the last one then ends as it comes. (With the event loop running,
      // the port takes each byte as it comes anyway.)
      const Clock::time_point rest = Clock::now() + byteTime_ * static_cast<long>(missing - 1);
      std::this_thread::sleep_until(std::min(rest, deadline));
      port_->waitForReadyRead(0);  // takes in what the driver holds
    } else {
      WaitForBytes(MillisecondsUntil(deadline));
    }
    if (port_->bytesAvailable() == 0 && port_->error() != QSerialPort::TimeoutError &&
        port_->error() != QSerialPort::NoError) {
      break;
    }
  }
  return out;
}

bool QtSerialPort::WaitForBytes(int ms) {
  if (waiting_ == Waiting::kBlocking) return port_->waitForReadyRead(ms);
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.setTimerType(Qt::PreciseTimer);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(port_.get(), &QSerialPort::errorOccurred, &loop, &QEventLoop::quit);
  QObject::connect(port_.get(), &QSerialPort::readyRead, &loop, &QEventLoop::quit);
  deadline.start(ms);
  loop.exec();
  return port_->bytesAvailable() > 0;
}

void QtSerialPort::Close() {
  if (!port_ || !port_->isOpen()) return;
  lowLatency_.Restore();
  port_->close();
}

std::string QtSerialPort::ErrorText() const {
  if (lockError_) return "the device is in use";
  return port_->errorString().toStdString();
}

}  // namespace selkan
