#include "link/port_access.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace selkan {

namespace {

bool ProcessHasGroup(gid_t group) {
  if (::getegid() == group) return true;
  const int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  const int got = ::getgroups(count, groups.data());
  return got > 0 && std::find(groups.begin(), groups.begin() + got, group) != groups.begin() + got;
}

bool UserListedInGroup(const group& entry) {
  const passwd* user = ::getpwuid(::geteuid());
  if (user == nullptr) return false;
  if (user->pw_gid == entry.gr_gid) return true;
  for (char** member = entry.gr_mem; member != nullptr && *member != nullptr; ++member) {
    if (std::strcmp(*member, user->pw_name) == 0) return true;
  }
  return false;
}

}  // namespace

DeviceAccess ProbeDeviceAccess(const std::string& device) {
  DeviceAccess access;
  struct stat info {};
  if (::stat(device.c_str(), &info) != 0) return access;
  access.exists = true;
  access.mayReadWrite = ::access(device.c_str(), R_OK | W_OK) == 0;
  access.processInGroup = ProcessHasGroup(info.st_gid);
  if (const group* entry = ::getgrgid(info.st_gid)) {
    access.group = entry->gr_name;
    access.userListedInGroup = UserListedInGroup(*entry);
  }
  return access;
}

PortAdvice AdviseOnAccess(const DeviceAccess& access) {
  if (!access.exists || access.mayReadWrite) return PortAdvice::kNone;
  // A group that this process already has does not grant access, so
  // joining it would not help either.
  if (access.group.empty() || access.processInGroup) return PortAdvice::kAskAdmin;
  return access.userListedInGroup ? PortAdvice::kLogInAgain : PortAdvice::kJoinGroup;
}

const char* PortAdviceText(PortAdvice advice) {
  switch (advice) {
    case PortAdvice::kJoinGroup:
      return "You may not use %1: it belongs to the group %2, which you are not in. Add "
             "yourself to it (sudo usermod -aG %2 $USER), then log out and in again.";
    case PortAdvice::kLogInAgain:
      return "You may not use %1 yet: you joined its group %2 after you logged in. Log out "
             "and in again.";
    case PortAdvice::kAskAdmin:
      return "You may not use %1: ask the administrator for read and write access to it.";
    case PortAdvice::kNone:
      break;
  }
  return "";
}

std::string FillPortAdvice(PortAdvice advice, const std::string& device, const std::string& group) {
  // One pass over the template, so that a "%2" inside the device's name
  // stays as it is.
  const std::string_view pattern = PortAdviceText(advice);
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      text += pattern[++i] == '1' ? device : group;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace selkan
