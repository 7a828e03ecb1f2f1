#pragma once

#include <functional>
#include <string>

namespace selkan {

// Whether a port (a name such as "com2", resolved as a transfer resolves
// it) can be opened right now; it is closed again at once.
bool CanOpenPort(const std::string& name);

using PortProbe = std::function<bool(const std::string& name)>;

}  // namespace selkan
