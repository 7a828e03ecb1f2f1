// The serial port on a pseudo-terminal: low-latency mode made and undone
// around the open port, and reads that keep the event loop running.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QTimer>
#include <QtTest>

#include "link/qt/qt_serial_port.h"
#include "tools/sim/pty_line.h"

namespace selkan::test {

class SerialPortTest : public QObject {
  Q_OBJECT

 private slots:
  void lowLatencyIsAskedForOnOpenAndUndoneOnClose() {
    sim::PtyLine pty;  // the test plays the radio on the master
    QVERIFY(pty.Open(nullptr));
    QStringList calls;
    int flags = 0;
    SerialFlagsCalls fake{[&](int, int* out) {
                            calls << QStringLiteral("get");
                            *out = flags;
                            return true;
                          },
                          [&](int, int value) {
                            calls << QStringLiteral("set %1").arg(value != 0 ? "on" : "off");
                            flags = value;
                            return true;
                          }};
    QtSerialPort port(QtSerialPort::Waiting::kBlocking, fake);
    QVERIFY(port.Open(pty.slavePath()));
    QCOMPARE(calls, QStringList({"get", "set on"}));
    port.Close();
    QCOMPARE(calls, QStringList({"get", "set on", "get", "set off"}));
  }

  // A device another program holds with a device lock is in use, whatever
  // lock files say.
  void aDeviceLockedElsewhereIsInUse() {
    sim::PtyLine pty;
    QVERIFY(pty.Open(nullptr));
    const int holder = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY);
    QVERIFY(holder >= 0);
    QCOMPARE(::flock(holder, LOCK_EX | LOCK_NB), 0);
    QtSerialPort port(QtSerialPort::Waiting::kBlocking);
    QVERIFY(!port.Open(pty.slavePath()));
    QCOMPARE(port.ErrorText(), std::string("the device is in use"));
    ::close(holder);
    QVERIFY(port.Open(pty.slavePath()));
  }

};

}  // namespace selkan::test

QTEST_MAIN(selkan::test::SerialPortTest)
#include "serial_port_test.moc"
