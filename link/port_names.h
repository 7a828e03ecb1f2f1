#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace selkan {

// Looks up an environment variable; nullopt when it is not set.
using EnvLookup = std::function<std::optional<std::string>(const std::string&)>;

// The process environment.
std::optional<std::string> ProcessEnvironment(const std::string& name);

// The device a port name opens. "COM1".."COM4", in any letter case, become
// $SELKAN_COM1..$SELKAN_COM4 when set, otherwise /dev/ttyUSB0../dev/ttyUSB3.
// Any other name (a device path) is used as it stands. port_names.cpp is the
// one file a port to a system with other device names changes.
std::string ResolvePortName(const std::string& name, const EnvLookup& env);

// ResolvePortName in the process environment.
std::string ResolvePortName(const std::string& name);

// The first port of the list whose device an earlier one opens already
// (the same name, or two names of one device); empty when there is none.
std::string RepeatedPort(const std::vector<std::string>& ports);

// How messages name a port: "COM3 (/dev/ttyUSB2)", the name as the user gave
// it and the device it stands for, or the device alone when they are the same.
std::string PortLabel(const std::string& name, const std::string& device);

}  // namespace selkan
