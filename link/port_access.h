#pragma once

#include <string>

namespace selkan {

// What the system says about the user's access to a serial device, looked
// at after the device could not be opened.
struct DeviceAccess {
  bool exists = false;
  bool mayReadWrite = false;       // this process may open it for reading and writing
  std::string group;               // the device's group, such as "dialout"; empty when unknown
  bool processInGroup = false;     // this process has that group
  bool userListedInGroup = false;  // the user is a member of it in the group database
};

// Looks the device up (symbolic links followed).
DeviceAccess ProbeDeviceAccess(const std::string& device);

// Why the user may not use a device, when that is why it did not open.
enum class PortAdvice {
  kNone,        // no permission problem (or no device at all)
  kJoinGroup,   // the device's group grants access and the user is not in it
  kLogInAgain,  // the user joined the group after this session began
  kAskAdmin,    // neither: only someone with more rights can help
};
PortAdvice AdviseOnAccess(const DeviceAccess& access);

// The advice in English, "%1" standing for the device and "%2" for its
// group (the desktop program translates these texts before filling them).
const char* PortAdviceText(PortAdvice advice);
// PortAdviceText with the device and group filled in; empty for kNone.
std::string FillPortAdvice(PortAdvice advice, const std::string& device, const std::string& group);

}  // namespace selkan
