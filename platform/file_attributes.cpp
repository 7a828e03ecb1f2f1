#include "platform/file_attributes.h"

#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace selkan {

namespace {

// Calls `get` once for the size and once for the bytes, again when the value
// grew in between; ENOTSUP (no extended attributes here) and ENODATA read
// as empty.
template <typename Get>
int ReadSized(Get get, std::string* value) {
  for (;;) {
    const ssize_t size = get(nullptr, 0);
    if (size < 0) return errno == ENOTSUP || errno == ENODATA ? 0 : errno;
    value->assign(static_cast<std::size_t>(size), '\0');
    const ssize_t got = get(value->data(), value->size());
    if (got < 0 && errno == ERANGE) continue;
    if (got < 0) return errno;
    value->resize(static_cast<std::size_t>(got));
    return 0;
  }
}

std::vector<std::string> SplitNames(const std::string& list) {
  std::vector<std::string> names;
  for (std::size_t start = 0; start < list.size();) {
    const std::size_t end = std::min(list.find('\0', start), list.size());
    names.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

}  // namespace

int CopyExtendedAttributes(const std::string& from, int to) {
  std::string wantedList, presentList;
  int code = ReadSized(
      [&](char* buffer, std::size_t size) { return ::listxattr(from.c_str(), buffer, size); },
      &wantedList);
  if (code == 0) {
    code = ReadSized([&](char* buffer, std::size_t size) { return ::flistxattr(to, buffer, size); },
                     &presentList);
  }
  if (code != 0) return code;
  std::vector<std::string> wanted = SplitNames(wantedList);
  const std::vector<std::string> present = SplitNames(presentList);
  const auto has = [](const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  for (const std::string& name : present) {
    if (!has(wanted, name) && ::fremovexattr(to, name.c_str()) != 0) {
      return errno;
    }
  }
  // The ACL last: it sets the mode too, and writing user.* attributes needs
  // the owner's write permission.
  std::stable_partition(wanted.begin(), wanted.end(),
                        [](const std::string& name) { return !name.starts_with("system."); });
  for (const std::string& name : wanted) {
    std::string value, given;
    code = ReadSized(
        [&](char* buffer, std::size_t size) {
          return ::getxattr(from.c_str(), name.c_str(), buffer, size);
        },
        &value);
    if (code == 0 && has(present, name)) {
      code =
          ReadSized([&](char* buffer,
                        std::size_t size) { return ::fgetxattr(to, name.c_str(), buffer, size); },
                    &given);
      // A label the system gave the new file already may not be set again.
      if (code == 0 && given == value) continue;
    }
    if (code != 0) return code;
    if (::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0) return errno;
  }
  return 0;
}

}  // namespace selkan
