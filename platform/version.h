#pragma once

namespace selkan {

// The program's version, such as "1.0", followed by " (commit 1f136b4a2c)"
// when it was built from a git checkout (" (commit 1f136b4a2c-dirty)" with
// uncommitted changes). The same for all three programs: the build makes it
// from the project's version, in the library selkan_version.
const char* VersionText();

}  // namespace selkan
