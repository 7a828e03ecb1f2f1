#pragma once

#include <string>

namespace selkan {

// Gives the file open as `to` the extended attributes of the file at `from`
// (user.* attributes, and its ACL, which the system keeps as the attribute
// system.posix_acl_access), and takes from it those `from` lacks (an ACL
// inherited from its folder), so that a file saved as a new one grants what
// the old one granted. A file system without extended attributes has none
// to copy. Returns 0, or the error number of the first attribute that could
// not be copied (EPERM for a security.* attribute that only the system may
// set). Attributes this process cannot see (trusted.* without privileges)
// are not copied.
int CopyExtendedAttributes(const std::string& from, int to);

}  // namespace selkan
