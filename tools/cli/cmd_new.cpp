#include <cstdio>

#include "tools/cli/commands.h"

namespace selkan::cli {
int RunNew(const Args&) {
  std::fprintf(stderr, "selkan-cli new: not built yet\n");
  return kExitUsage;
}
}  // namespace selkan::cli
