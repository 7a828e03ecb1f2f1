#include <cstdio>

#include "tools/cli/commands.h"

namespace selkan::cli {
int RunRead(const Args&) {
  std::fprintf(stderr, "selkan-cli read: not built yet\n");
  return kExitUsage;
}
int RunWrite(const Args&) {
  std::fprintf(stderr, "selkan-cli write: not built yet\n");
  return kExitUsage;
}
}  // namespace selkan::cli
