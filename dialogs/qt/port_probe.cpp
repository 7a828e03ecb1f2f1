#include "dialogs/qt/port_probe.h"

#include "link/port_names.h"
#include "link/qt/qt_serial_port.h"

namespace selkan {

bool CanOpenPort(const std::string& name) {
  QtSerialPort port;
  const bool opened = port.Open(ResolvePortName(name));
  port.Close();
  return opened;
}

}  // namespace selkan
